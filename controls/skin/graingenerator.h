#pragma once

#include <cstdint>

// The random numbers of the shaded buttons' grain: each draw sets x = x * 214013 + 2531011
// (modulo 2^32) and returns (x >> 16) & 0x7FFF, 0 to 32767. A new generator starts at x = 1.
// The program has one, made with the application and never reseeded, so that buttons shaded in
// the same order get the same grain in every run; only shading draws from it.
class GrainGenerator {
public:
    static constexpr int kMax = 32767;

    int Next();

private:
    std::uint32_t m_state = 1;
};
