#pragma once

#include <cstdint>

// The random numbers of the shaded buttons' grain: each draw sets x = x * 214013 + 2531011
// (modulo 2^32) and returns (x >> 16) & 0x7FFF, 0 to 32767. A new generator starts at x = 1.
class GrainGenerator {
public:
    static constexpr int kMax = 32767;

    int Next();

    // The generator of the calling thread: made at 1 when the thread first asks for it and never
    // reseeded, so buttons shaded in the same order get the same grain in every run. Only
    // shading draws from it.
    static GrainGenerator& ForThisThread();

private:
    std::uint32_t m_state = 1;
};
