#pragma once

#include "colour.h"

#include <cstddef>
#include <vector>

// A bitmap as a table of colours, row by row with the top row first: no toolkit needed, so any
// image loader can turn it into its own picture type.
struct BitmapPixels {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> pixels;

    // A bitmap of width x height pixels, all of one colour.
    static BitmapPixels Filled(int width, int height, COLORREF colour) {
        return {width, height,
                std::vector<COLORREF>(static_cast<std::size_t>(width * height), colour)};
    }

    bool IsEmpty() const { return pixels.empty(); }
    // The pixel at column x, row y; both must lie inside the bitmap.
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * nWidth + x)]; }
    // Sets the pixel at column x, row y; a point outside the bitmap is left out.
    void Set(int x, int y, COLORREF colour) {
        if (x >= 0 && y >= 0 && x < nWidth && y < nHeight)
            pixels[static_cast<std::size_t>(y * nWidth + x)] = colour;
    }
};
