// Colours of the generated images: 0xRRGGBB in a 32-bit value, the top byte zero.
#pragma once

#include <cmath>
#include <cstdint>

// A colour between a (t = 0) and b (t = 1), each channel rounded to nearest.
inline std::uint32_t BlendRgb(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t result = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double ca = static_cast<double>((a >> shift) & 0xFF);
        const double cb = static_cast<double>((b >> shift) & 0xFF);
        const auto channel = static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * t));
        result |= (channel & 0xFF) << shift;
    }
    return result;
}
