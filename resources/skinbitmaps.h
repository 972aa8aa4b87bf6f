// The skin pieces of the skinned controls (bitmaps 134 to 151) as pixels.
//
// The header pieces 138 to 140 are fixed tables; the picker's face (134 to 137) and the
// scroll bar pieces (141 to 151) are generated here from a few colours, so that a change of
// look is a change of a number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct BitmapPixels {
    int nWidth = 0;
    int nHeight = 0;
    // 0xRRGGBB, row by row, the top row first.
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return pixels.empty(); }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * nWidth + x)];
    }
};

// The pixels of skin piece `id` (134 to 151); an empty bitmap for any other number.
BitmapPixels MakeSkinPixels(int id);

// The scroll bar pieces 141 to 151, for MakeSkinPixels; empty for other numbers.
BitmapPixels MakeScrollPixels(int id);

// Frame and face colours of the picker's bitmaps (0xRRGGBB).
constexpr std::uint32_t kComboFrame = 0x80A0C0;
constexpr std::uint32_t kComboButtonFrame = 0x7F9CBC;
constexpr std::uint32_t kComboButtonTop = 0xE0ECFF;
constexpr std::uint32_t kComboButtonBottom = 0xB0C8F0;
constexpr std::uint32_t kComboChevron = 0x4A6087;
