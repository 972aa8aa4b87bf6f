// The 256-colour palette of the maker's logo (bitmap 132).
#pragma once

#include <cstdint>
#include <vector>

// The logo's inks (0xRRGGBB), as drawn in logo.svg.
constexpr std::uint32_t kLogoBlue = 0x1B4F8F;
constexpr std::uint32_t kLogoOrange = 0xF28A15;
constexpr std::uint32_t kLogoWhite = 0xFFFFFF;

// 256 colours: white first, then 85 steps from the blue towards white, 85 from the orange
// towards white and 85 between the blue and the orange. Every shade that antialiasing makes
// at the logo's edges lies close to one of them, so the 8-bit image keeps smooth edges.
std::vector<std::uint32_t> LogoPalette();
