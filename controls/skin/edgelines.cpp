#include "edgelines.h"

namespace {

// One ring: top and left in `topLeft`, bottom and right in `bottomRight`.
void Ring(EdgeLine* out, const Rect& r, EdgeShade topLeft, EdgeShade bottomRight) {
    out[0] = {{r.left, r.top, r.right - 1, r.top + 1}, topLeft};
    out[1] = {{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft};
    out[2] = {{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight};
    out[3] = {{r.right - 1, r.top, r.right, r.bottom}, bottomRight};
}

} // namespace

std::array<EdgeLine, 8> EdgeLines(const Rect& rect, EdgeStyle style) {
    const bool raised = style == EdgeStyle::Raised;
    const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    std::array<EdgeLine, 8> lines{};
    Ring(lines.data(), rect, raised ? EdgeShade::Light : EdgeShade::Shadow,
         raised ? EdgeShade::DarkShadow : EdgeShade::Highlight);
    Ring(lines.data() + 4, inner, raised ? EdgeShade::Highlight : EdgeShade::DarkShadow,
         raised ? EdgeShade::Shadow : EdgeShade::Light);
    return lines;
}
