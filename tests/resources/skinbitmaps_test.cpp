// The skin pieces as pixels, the resource sizes and the logo's palette, without a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "headerbitmaps.h"
#include "logopalette.h"
#include "resourceids.h"
#include "skinbitmaps.h"

namespace {

// The picker's frame as the look gives it, and white.
constexpr COLORREF kFrame = RGB(0x80, 0xA0, 0xC0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

int Brightness(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// The positions of every pixel of one colour, as (x, y) pairs.
std::set<std::pair<int, int>> PixelsOf(const BitmapPixels& bitmap, COLORREF colour) {
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < bitmap.nHeight; ++y) {
        for (int x = 0; x < bitmap.nWidth; ++x) {
            if (bitmap.At(x, y) == colour) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

struct SizeCase {
    int id;
    int width;
    int height;
};

TEST(ResourceSizes, EveryImageHasItsStatedSize) {
    const SizeCase cases[] = {
        {128, 32, 32}, {131, 1401, 1926}, {132, 125, 49}, {134, 15, 24}, {135, 2, 24},
        {136, 20, 24}, {137, 20, 24},     {138, 1, 20},   {139, 2, 20},  {140, 2, 20},
        {141, 26, 12}, {142, 26, 12},     {143, 1, 12},   {144, 26, 12}, {145, 12, 12},
        {146, 12, 26}, {147, 12, 1},      {148, 12, 26},  {149, 12, 26}, {150, 12, 11},
        {151, 11, 11},
    };
    for (const SizeCase& c : cases) {
        const ResourceSize size = BitmapResourceSize(c.id);
        EXPECT_EQ(size.nWidth, c.width) << "resource " << c.id;
        EXPECT_EQ(size.nHeight, c.height) << "resource " << c.id;
    }
    for (int id : {0, -1, 127, 129, 130, 133, 152, 1000}) {
        EXPECT_EQ(BitmapResourceSize(id).nWidth, 0) << "resource " << id;
        EXPECT_TRUE(MakeSkinPixels(id).IsEmpty()) << "resource " << id;
    }
    for (int id : {128, 131, 132}) {
        EXPECT_TRUE(IsVectorResource(id));
        EXPECT_TRUE(MakeSkinPixels(id).IsEmpty()) << "drawings are not pixel tables: " << id;
    }
}

TEST(SkinBitmaps, EveryPieceIsMadeAtItsSizeWithPlainRgb) {
    for (int id = ResourceId::kFirstSkin; id <= ResourceId::kLastSkin; ++id) {
        const BitmapPixels bitmap = MakeSkinPixels(id);
        const ResourceSize size = BitmapResourceSize(id);
        EXPECT_FALSE(IsVectorResource(id));
        ASSERT_EQ(bitmap.nWidth, size.nWidth) << "resource " << id;
        ASSERT_EQ(bitmap.nHeight, size.nHeight) << "resource " << id;
        ASSERT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(size.nWidth * size.nHeight));
        for (COLORREF pixel : bitmap.pixels) {
            ASSERT_EQ(pixel >> 24, 0u) << "resource " << id << " has a top byte";
        }
    }
}

TEST(SkinBitmaps, HeaderPiecesAreTheHeaderTables) {
    for (int id : {138, 139, 140}) {
        const BitmapPixels bitmap = MakeSkinPixels(id);
        EXPECT_EQ(bitmap.nWidth, HeaderBitmap(id).nWidth) << id;
        EXPECT_EQ(bitmap.pixels, HeaderBitmap(id).pixels) << id;
    }
}

TEST(SkinBitmaps, PickerLeftCapAndMiddleAreTheFrameOnWhite) {
    const BitmapPixels cap = MakeSkinPixels(ResourceId::kComboLeft);
    for (int y = 0; y < 24; ++y) {
        EXPECT_EQ(cap.At(0, y), y <= 22 ? kFrame : kWhite) << "column 0, row " << y;
        EXPECT_EQ(cap.At(1, y), y == 0 || y == 22 ? kFrame : kWhite) << "column 1, row " << y;
    }
    const BitmapPixels middle = MakeSkinPixels(ResourceId::kComboMiddle);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 15; ++x) {
            EXPECT_EQ(middle.At(x, y), y == 0 || y == 22 ? kFrame : kWhite)
                << "(" << x << ", " << y << ")";
        }
    }
}

TEST(SkinBitmaps, PickerButtonIsALightFaceWithAChevronInsideItsFrame) {
    const BitmapPixels button = MakeSkinPixels(ResourceId::kComboButton);
    for (int x = 0; x < 19; ++x) {
        EXPECT_EQ(button.At(x, 0), kComboButtonFrame) << "top frame, column " << x;
        EXPECT_EQ(button.At(x, 22), kComboButtonFrame) << "bottom frame, column " << x;
    }
    for (int y = 1; y <= 21; ++y) {
        EXPECT_EQ(button.At(19, y), kComboButtonFrame) << "right frame, row " << y;
    }
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(button.At(x, 23), kWhite) << "row 23, column " << x;
    }
    // Rounded: the outer right-hand corners are lighter than the frame.
    EXPECT_GT(Brightness(button.At(19, 0)), Brightness(kComboButtonFrame));
    EXPECT_GT(Brightness(button.At(19, 22)), Brightness(kComboButtonFrame));

    const auto chevron = PixelsOf(button, kComboChevron);
    ASSERT_FALSE(chevron.empty());
    std::set<int> rows;
    for (const auto& [x, y] : chevron) {
        rows.insert(y);
        EXPECT_TRUE(chevron.count({18 - x, y})) << "chevron not symmetric about column 9";
    }
    EXPECT_EQ(rows, (std::set<int>{8, 9, 10, 11, 12, 13}));
    // Pointing down: each row is narrower than the one above, ending in one pixel.
    auto width = [&](int y) {
        return std::count_if(chevron.begin(), chevron.end(),
                             [y](const auto& p) { return p.second == y; });
    };
    EXPECT_EQ(width(13), 1);
    EXPECT_GT(width(8), width(12));

    // The face darkens downwards.
    EXPECT_GT(Brightness(button.At(2, 1)), Brightness(button.At(2, 21)));
}

TEST(SkinBitmaps, DroppedButtonIsTheSameFaceOnePixelRightAndDown) {
    const BitmapPixels up = MakeSkinPixels(ResourceId::kComboButton);
    const BitmapPixels down = MakeSkinPixels(ResourceId::kComboButtonDropped);
    // The frame and the white last row stay where they are.
    for (int x = 0; x < 20; ++x) {
        for (int y : {0, 22, 23}) {
            EXPECT_EQ(down.At(x, y), up.At(x, y)) << "(" << x << ", " << y << ")";
        }
    }
    for (int y = 1; y <= 21; ++y) {
        EXPECT_EQ(down.At(19, y), up.At(19, y)) << "right frame, row " << y;
    }
    // Inside, every pixel is the one up and left of it in the raised button (the rounded
    // inner corners aside).
    for (int y = 2; y <= 21; ++y) {
        for (int x = 1; x <= 17; ++x) {
            EXPECT_EQ(down.At(x, y), up.At(x - 1, y - 1)) << "(" << x << ", " << y << ")";
        }
    }
    std::set<std::pair<int, int>> moved;
    for (const auto& [x, y] : PixelsOf(up, kComboChevron)) {
        moved.insert({x + 1, y + 1});
    }
    EXPECT_EQ(PixelsOf(down, kComboChevron), moved);
}

// The positions of the dark glyph pixels of a scroll bar piece.
std::set<std::pair<int, int>> Glyph(const BitmapPixels& bitmap) {
    std::set<std::pair<int, int>> glyph;
    for (int y = 1; y < bitmap.nHeight - 1; ++y) {
        for (int x = 1; x < bitmap.nWidth - 1; ++x) {
            if (Brightness(bitmap.At(x, y)) < 3 * 96) {
                glyph.insert({x, y});
            }
        }
    }
    return glyph;
}

std::set<std::pair<int, int>> Transpose(const std::set<std::pair<int, int>>& points) {
    std::set<std::pair<int, int>> turned;
    for (const auto& [x, y] : points) {
        turned.insert({y, x});
    }
    return turned;
}

TEST(ScrollBitmaps, ArrowsPointTowardsTheirEndsAndMatchAcrossTheBars) {
    const auto left = Glyph(MakeSkinPixels(ResourceId::kHScrollLeft));
    const auto right = Glyph(MakeSkinPixels(ResourceId::kHScrollRight));
    ASSERT_FALSE(left.empty());
    std::set<std::pair<int, int>> mirrored;
    for (const auto& [x, y] : left) {
        mirrored.insert({25 - x, y});
    }
    EXPECT_EQ(right, mirrored);

    // A left arrow is narrowest (its point) at its leftmost column.
    int tip = 26;
    int base = -1;
    for (const auto& p : left) {
        tip = std::min(tip, p.first);
        base = std::max(base, p.first);
    }
    auto height = [&](int x) {
        return std::count_if(left.begin(), left.end(), [x](const auto& p) { return p.first == x; });
    };
    EXPECT_LT(height(tip), height(base));

    EXPECT_EQ(Glyph(MakeSkinPixels(ResourceId::kVScrollUp)), Transpose(left));
    EXPECT_EQ(Glyph(MakeSkinPixels(ResourceId::kVScrollDown)), Transpose(right));
}

TEST(ScrollBitmaps, ButtonsAreGreyGradientsAndTheThumbsCarryGrips) {
    for (int id :
         {ResourceId::kHScrollLeft, ResourceId::kHScrollRight, ResourceId::kHScrollThumb}) {
        const BitmapPixels bitmap = MakeSkinPixels(id);
        for (int y = 1; y <= 10; ++y) {
            const COLORREF c = bitmap.At(2, y);
            EXPECT_LE(std::abs(GetRValue(c) - GetBValue(c)), 24)
                << "resource " << id << " row " << y;
        }
        EXPECT_GT(Brightness(bitmap.At(2, 1)), Brightness(bitmap.At(2, 10))) << id;
    }
    for (int id : {ResourceId::kVScrollUp, ResourceId::kVScrollDown, ResourceId::kVScrollThumb}) {
        const BitmapPixels bitmap = MakeSkinPixels(id);
        EXPECT_GT(Brightness(bitmap.At(1, 2)), Brightness(bitmap.At(10, 2))) << id;
    }
    const auto grip = Glyph(MakeSkinPixels(ResourceId::kHScrollThumb));
    EXPECT_EQ(grip.size(), 8u);
    EXPECT_EQ(Glyph(MakeSkinPixels(ResourceId::kVScrollThumb)), Transpose(grip));
}

TEST(ScrollBitmaps, TracksAreGroovesDarkerThanTheButtons) {
    const BitmapPixels horizontal = MakeSkinPixels(ResourceId::kHScrollTrack);
    const BitmapPixels vertical = MakeSkinPixels(ResourceId::kVScrollTrack);
    const BitmapPixels button = MakeSkinPixels(ResourceId::kHScrollLeft);
    for (int i = 0; i + 1 < 12; ++i) {
        EXPECT_LT(Brightness(horizontal.At(0, i)), Brightness(horizontal.At(0, i + 1))) << i;
        EXPECT_LT(Brightness(vertical.At(i, 0)), Brightness(vertical.At(i + 1, 0))) << i;
        EXPECT_LT(Brightness(horizontal.At(0, i)), Brightness(button.At(2, 10))) << i;
    }
}

TEST(LogoPalette, HoldsTheInksAndNoDuplicates) {
    const std::vector<COLORREF> palette = LogoPalette();
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette.front(), kLogoWhite);
    EXPECT_NE(std::find(palette.begin(), palette.end(), kLogoBlue), palette.end());
    EXPECT_NE(std::find(palette.begin(), palette.end(), kLogoOrange), palette.end());
    EXPECT_EQ(std::set<COLORREF>(palette.begin(), palette.end()).size(), palette.size())
        << "an entry is wasted on a duplicate";
}

} // namespace
