#pragma once

#include <cstdint>
#include <span>

// The three bitmaps the list header is drawn from, as plain pixel tables: no toolkit needed, so
// any image loader can turn them into its own picture type.
enum HeaderBitmapId : int {
    IDB_HEADER_STRIP = 138, // 1 x 20: the vertical blue gradient, stretched across the header
    IDB_HEADER_LEFT = 139,  // 2 x 20: light left edge of the first column
    IDB_HEADER_RIGHT = 140, // 2 x 20: dark right edge (separator) of every column
};

// The height of every header bitmap, and so of all header drawing, in pixels.
inline constexpr int kHeaderStripHeight = 20;

// A bitmap as a table of 0xRRGGBB values, row by row with the top row first.
struct SkinBitmap {
    int nWidth = 0;
    int nHeight = 0;
    std::span<const std::uint32_t> pixels;

    bool IsValid() const { return nWidth > 0 && nHeight > 0; }
    // 0xRRGGBB of the pixel at column x, row y; both must lie inside the bitmap.
    std::uint32_t Pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * nWidth + x)];
    }
};

// The pixels of bitmap 138, 139 or 140; an empty bitmap (IsValid false) for any other number.
// The tables are static: the span stays valid for the life of the program.
SkinBitmap HeaderBitmap(int nId);
