#include "richtext.h"

namespace {

// floor(a / b) for b > 0, also for a negative a.
int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

bool IsMarker(char c) {
    return c == '^' || c == '_';
}

} // namespace

PanelFontSpec RichTextBaseFont() {
    return PanelFontSpec{"Arial", 0, 16, 400, 1};
}

std::vector<RichTextSegment> TokenizeRichText(std::string_view text) {
    std::vector<RichTextSegment> segments;
    std::size_t pos = 0;
    for (;;) {
        RichTextSegment segment;
        char marker = 0;
        for (;;) {
            std::size_t k = pos;
            while (k < text.size() && !IsMarker(text[k])) {
                ++k;
            }
            if (k == text.size()) {
                segment.plain.append(text.substr(pos));
                pos = text.size();
                break;
            }
            if (k + 1 == text.size()) {
                // A lone marker at the end has nothing to raise or lower: it is dropped.
                segment.plain.append(text.substr(pos, k - pos));
                pos = text.size();
                break;
            }
            if (text[k + 1] == text[k]) {
                // A doubled marker is one literal marker character; the plain part goes on.
                segment.plain.append(text.substr(pos, k + 1 - pos));
                pos = k + 2;
                continue;
            }
            segment.plain.append(text.substr(pos, k - pos));
            marker = text[k];
            pos = k + 1;
            break;
        }
        if (marker == 0) {
            segments.push_back(std::move(segment));
            return segments;
        }
        // Whatever follows the marker is the script character, even a marker or a blank.
        segment.script = marker == '^' ? RichScript::Raised : RichScript::Lowered;
        segment.scriptChar = text[pos];
        ++pos;
        segments.push_back(std::move(segment));
    }
}

std::string PlainRichText(std::string_view text) {
    std::string plain;
    for (const RichTextSegment& segment : TokenizeRichText(text)) {
        plain += segment.plain;
        if (segment.script != RichScript::None)
            plain += segment.scriptChar;
    }
    return plain;
}

RichTextMetrics DeriveRichTextMetrics(const PanelFontSpec& base) {
    const int h = base.height;
    const int wd = base.width;
    RichTextMetrics metrics;
    metrics.base = base;
    metrics.script = base;
    metrics.script.height = 2 * FloorDiv(h, 3);
    metrics.script.width = FloorDiv(wd, 2);
    metrics.raise = FloorDiv(h, 3);
    metrics.drop = FloorDiv(h, 6);
    metrics.gap = FloorDiv(wd, 2);
    return metrics;
}

RichTextLayout LayoutRichText(std::string_view text, const Rect& box, int alignment,
                              const TextMeasurer& measure, const PanelFontSpec& base) {
    RichTextLayout layout;
    layout.metrics = DeriveRichTextMetrics(base);
    layout.clip = box;
    const RichTextMetrics& m = layout.metrics;
    const std::vector<RichTextSegment> segments = TokenizeRichText(text);

    // Measuring: the plain parts set the line's height, the script characters never do.
    struct Widths {
        int plain;
        int script;
    };
    std::vector<Widths> widths;
    widths.reserve(segments.size());
    Rect& line = layout.lineBox;
    for (const RichTextSegment& segment : segments) {
        const TextExtent plain = measure(segment.plain, m.base);
        line.right += plain.width;
        if (plain.height > line.Height()) {
            line.top = -plain.height;
        }
        int scriptWidth = 0;
        if (segment.script != RichScript::None) {
            scriptWidth = measure(std::string_view(&segment.scriptChar, 1), m.script).width;
            line.right += m.gap + scriptWidth;
        }
        widths.push_back({plain.width, scriptWidth});
    }
    line.bottom += 2 * m.drop;

    layout.y = box.top + FloorDiv(box.Height(), 2) + FloorDiv(line.Height(), 2);
    switch (alignment) {
    case RichTextCentre:
        layout.x = box.left + FloorDiv(box.Width(), 2) - FloorDiv(line.Width(), 2);
        break;
    case RichTextRight:
        layout.x = box.right - line.Width();
        break;
    default:
        layout.x = box.left;
        break;
    }

    int x = layout.x;
    const int y = layout.y;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const RichTextSegment& segment = segments[i];
        if (!segment.plain.empty()) {
            layout.runs.push_back({segment.plain, false, x, y});
        }
        x += widths[i].plain;
        if (segment.script != RichScript::None) {
            const int scriptY = segment.script == RichScript::Raised ? y - m.raise : y + m.drop;
            layout.runs.push_back({std::string(1, segment.scriptChar), true, x + m.gap, scriptY});
            x += m.gap + widths[i].script;
        }
    }
    return layout;
}
