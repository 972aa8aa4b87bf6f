// The skin pieces of the skinned controls (bitmaps 134 to 151) as pixels.
//
// The header pieces 138 to 140 are fixed tables; the picker's face (134 to 137) and the
// scroll bar pieces (141 to 151) are generated here from a few colours, so that a change of
// look is a change of a number.
#pragma once

#include "bitmappixels.h"

// The pixels of skin piece `id` (134 to 151); an empty bitmap for any other number.
BitmapPixels MakeSkinPixels(int id);

// The scroll bar pieces 141 to 151, for MakeSkinPixels; empty for other numbers.
BitmapPixels MakeScrollPixels(int id);

// Frame and face colours of the picker's bitmaps.
constexpr COLORREF kComboFrame = RGB(0x80, 0xA0, 0xC0);
constexpr COLORREF kComboButtonFrame = RGB(0x7F, 0x9C, 0xBC);
constexpr COLORREF kComboButtonTop = RGB(0xE0, 0xEC, 0xFF);
constexpr COLORREF kComboButtonBottom = RGB(0xB0, 0xC8, 0xF0);
constexpr COLORREF kComboChevron = RGB(0x4A, 0x60, 0x87);
