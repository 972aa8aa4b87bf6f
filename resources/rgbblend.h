// Colours of the generated images.
#pragma once

#include "colour.h"

#include <cmath>

// A colour between a (t = 0) and b (t = 1), each channel rounded to nearest.
inline COLORREF BlendRgb(COLORREF a, COLORREF b, double t) {
    const auto mix = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}
