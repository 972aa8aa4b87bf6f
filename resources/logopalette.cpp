#include "logopalette.h"

#include "rgbblend.h"

std::vector<COLORREF> LogoPalette() {
    constexpr int kSteps = 85;
    std::vector<COLORREF> palette;
    palette.reserve(1 + 3 * kSteps);
    palette.push_back(kLogoWhite);
    // Each ramp starts at its first ink and stops one step short of the second.
    for (int i = 0; i < kSteps; ++i) {
        palette.push_back(BlendRgb(kLogoBlue, kLogoWhite, static_cast<double>(i) / kSteps));
    }
    for (int i = 0; i < kSteps; ++i) {
        palette.push_back(BlendRgb(kLogoOrange, kLogoWhite, static_cast<double>(i) / kSteps));
    }
    // Between blue and orange both ends are already present.
    for (int i = 1; i <= kSteps; ++i) {
        palette.push_back(BlendRgb(kLogoBlue, kLogoOrange, static_cast<double>(i) / (kSteps + 1)));
    }
    return palette;
}
