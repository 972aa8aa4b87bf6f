#pragma once

#include "buttonshade.h"

// The main window's buttons: effect 3, grain 8, hover 20 % toward the light colour, a 40 %
// tint toward RGB(6,79,190), the palette from RGB(0,39,103) through RGB(6,79,190) to
// RGB(242,246,254). The buttons are 80 x 25.
inline ShadeParams MainWindowShade() {
    return {3, 8, 20, 40, RGB(6, 79, 190), RGB(242, 246, 254), RGB(6, 79, 190), RGB(0, 39, 103)};
}
