#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte, as every colour of the program is written.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>(r & 0xFF) | static_cast<COLORREF>(g & 0xFF) << 8 |
           static_cast<COLORREF>(b & 0xFF) << 16;
}

constexpr int GetRValue(COLORREF colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GetGValue(COLORREF colour) {
    return static_cast<int>(colour >> 8 & 0xFF);
}
constexpr int GetBValue(COLORREF colour) {
    return static_cast<int>(colour >> 16 & 0xFF);
}
