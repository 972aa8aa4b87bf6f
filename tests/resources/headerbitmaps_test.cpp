// The header bitmaps against the pixel table as it is written down: row, 138, 139 (left,
// right), 140 (left, right), every pixel top row first as RRGGBB.
#include "headerbitmaps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

constexpr const char* kTable = R"(
0   75A6CC   7DA0C0 73A2CA   74A3CB 7499BE 
1   0289F4   4B95CE 0097FF   007AED 2D72BD 
2   0363CD   4E99D2 008FF9   004AA6 2E5C8B 
3   045CBC   4F9BD3 007EEF   003478 2E4D6C 
4   045BBB   4F9BD3 0080F1   00367B 2E4F71 
5   045AB9   4F9BD3 0080F1   003579 2E4F71 
6   0459B6   4F9BD3 0081F1   003577 2E5071 
7   0358B3   4F9BD3 0080F1   003475 2E5071 
8   0356B0   4F9BD3 0080F1   003274 2E5071 
9   0354AD   4F9BD3 0080F2   003172 2F5072 
10   0353AA   4F9BD3 0080F2   00316F 2F5072 
11   0352A8   4F9BD3 0080F2   00306D 2F5072 
12   0351A5   4F9BD3 0080F2   002F6C 2F5072 
13   034FA2   4F9BD3 0080F2   002E69 2F5072 
14   034D9F   4F9BD3 0081F3   002C67 2F5072 
15   034C9C   4F9BD3 0081F3   002C66 2F5072 
16   034B99   4F9CD4 0083F4   002B64 2F5073 
17   034B9C   4F98D0 007EF1   002A62 2F5073 
18   002C70   4783C3 0057D4   000F42 24476C 
19   6F8094   759FCB 6FA2DE   6F7D92 6C87A2 
)";

std::string Hex(std::uint32_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", value);
    return text;
}

TEST(HeaderBitmaps, SizesOfTheThreeStrips) {
    EXPECT_EQ(HeaderBitmap(IDB_HEADER_STRIP).nWidth, 1);
    EXPECT_EQ(HeaderBitmap(IDB_HEADER_LEFT).nWidth, 2);
    EXPECT_EQ(HeaderBitmap(IDB_HEADER_RIGHT).nWidth, 2);
    for (int id : {138, 139, 140}) {
        const SkinBitmap bitmap = HeaderBitmap(id);
        EXPECT_EQ(bitmap.nHeight, kHeaderStripHeight) << id;
        EXPECT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(bitmap.nWidth * 20)) << id;
    }
}

TEST(HeaderBitmaps, EveryPixelAsTabled) {
    const SkinBitmap strip = HeaderBitmap(138);
    const SkinBitmap left = HeaderBitmap(139);
    const SkinBitmap right = HeaderBitmap(140);
    std::istringstream table(kTable);
    int nRows = 0;
    int row = 0;
    std::string s138, s139a, s139b, s140a, s140b;
    while (table >> row >> s138 >> s139a >> s139b >> s140a >> s140b) {
        ASSERT_EQ(row, nRows);
        EXPECT_EQ(Hex(strip.Pixel(0, row)), s138) << "138 row " << row;
        EXPECT_EQ(Hex(left.Pixel(0, row)), s139a) << "139 left, row " << row;
        EXPECT_EQ(Hex(left.Pixel(1, row)), s139b) << "139 right, row " << row;
        EXPECT_EQ(Hex(right.Pixel(0, row)), s140a) << "140 left, row " << row;
        EXPECT_EQ(Hex(right.Pixel(1, row)), s140b) << "140 right, row " << row;
        ++nRows;
    }
    EXPECT_EQ(nRows, 20);
}

TEST(HeaderBitmaps, OtherNumbersAreEmpty) {
    for (int id : {0, 134, 137, 141, 151, -1}) {
        EXPECT_FALSE(HeaderBitmap(id).IsValid()) << id;
        EXPECT_TRUE(HeaderBitmap(id).pixels.empty()) << id;
    }
}

} // namespace
