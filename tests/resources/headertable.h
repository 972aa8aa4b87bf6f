// The column header's pixels (bitmaps 138, 139, 140) as the look of the results list gives
// them, row by row, RRGGBB; the model and the loader must both reproduce them exactly.
#pragma once

#include "colour.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

struct HeaderRow {
    const char* strip; // 138, one pixel
    const char* left;  // 139, two pixels
    const char* right; // 140, two pixels
};

inline constexpr HeaderRow kHeaderRows[20] = {
    {"75A6CC", "7DA0C0 73A2CA", "74A3CB 7499BE"}, {"0289F4", "4B95CE 0097FF", "007AED 2D72BD"},
    {"0363CD", "4E99D2 008FF9", "004AA6 2E5C8B"}, {"045CBC", "4F9BD3 007EEF", "003478 2E4D6C"},
    {"045BBB", "4F9BD3 0080F1", "00367B 2E4F71"}, {"045AB9", "4F9BD3 0080F1", "003579 2E4F71"},
    {"0459B6", "4F9BD3 0081F1", "003577 2E5071"}, {"0358B3", "4F9BD3 0080F1", "003475 2E5071"},
    {"0356B0", "4F9BD3 0080F1", "003274 2E5071"}, {"0354AD", "4F9BD3 0080F2", "003172 2F5072"},
    {"0353AA", "4F9BD3 0080F2", "00316F 2F5072"}, {"0352A8", "4F9BD3 0080F2", "00306D 2F5072"},
    {"0351A5", "4F9BD3 0080F2", "002F6C 2F5072"}, {"034FA2", "4F9BD3 0080F2", "002E69 2F5072"},
    {"034D9F", "4F9BD3 0081F3", "002C67 2F5072"}, {"034C9C", "4F9BD3 0081F3", "002C66 2F5072"},
    {"034B99", "4F9CD4 0083F4", "002B64 2F5073"}, {"034B9C", "4F98D0 007EF1", "002A62 2F5073"},
    {"002C70", "4783C3 0057D4", "000F42 24476C"}, {"6F8094", "759FCB 6FA2DE", "6F7D92 6C87A2"},
};

// The pixels of one table cell, left to right.
inline std::vector<std::uint32_t> HexPixels(const char* cell) {
    std::vector<std::uint32_t> pixels;
    std::istringstream in(cell);
    std::string word;
    while (in >> word) {
        pixels.push_back(static_cast<std::uint32_t>(std::stoul(word, nullptr, 16)));
    }
    return pixels;
}

// The expected pixel (x, y) of header bitmap 138, 139 or 140.
inline std::uint32_t HeaderPixel(int id, int x, int y) {
    const HeaderRow& row = kHeaderRows[y];
    const char* cell = id == 138 ? row.strip : id == 139 ? row.left : row.right;
    return HexPixels(cell).at(static_cast<std::size_t>(x));
}

// The same pixel as the program's colour type.
inline COLORREF HeaderColour(int id, int x, int y) {
    const std::uint32_t rrggbb = HeaderPixel(id, x, y);
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8 & 0xFF),
               static_cast<int>(rrggbb & 0xFF));
}
