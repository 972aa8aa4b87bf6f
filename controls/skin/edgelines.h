#pragma once

#include "rect.h"

#include <array>

// The platform's four 3-D colours, lightest first.
enum class EdgeShade { Highlight, Light, Shadow, DarkShadow };

enum class EdgeStyle { Raised, Sunken };

struct EdgeLine {
    Rect rect;
    EdgeShade shade;
};

// A raised or sunken 3-D edge around `rect`, drawn as the platform draws one: an outer and an
// inner ring, each a top and a left line in one shade and a bottom and a right line in another.
// The top and left lines stop one pixel short of the far corner, which the bottom and right
// lines take. Raised: outer light / dark shadow, inner highlight / shadow. Sunken: outer shadow
// / highlight, inner dark shadow / light. Lines of a rectangle too small for them are empty.
std::array<EdgeLine, 8> EdgeLines(const Rect& rect, EdgeStyle style);
