// The 256-colour palette of the maker's logo (bitmap 132).
#pragma once

#include "colour.h"

#include <vector>

// The logo's inks, as drawn in logo.svg.
constexpr COLORREF kLogoBlue = RGB(0x1B, 0x4F, 0x8F);
constexpr COLORREF kLogoOrange = RGB(0xF2, 0x8A, 0x15);
constexpr COLORREF kLogoWhite = RGB(0xFF, 0xFF, 0xFF);

// 256 colours: white first, then 85 steps from the blue towards white, 85 from the orange
// towards white and 85 between the blue and the orange. Every shade that antialiasing makes
// at the logo's edges lies close to one of them, so the 8-bit image keeps smooth edges.
std::vector<COLORREF> LogoPalette();
