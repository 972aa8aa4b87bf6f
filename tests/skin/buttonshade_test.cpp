// The shaded button's images without a window: the image type, the grain, the palettes, the
// faces of every effect and the focus lines.
#include "buttonshade.h"
#include "graingenerator.h"
#include "mainwindowshade.h"
#include "shadedib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The palette index at column x, row y counted from the bottom, as the effects count rows.
int FromBottom(const CShadeDib& dib, int x, int y) {
    return dib.PixelIndex(x, dib.Height() - 1 - y);
}

bool SamePixels(const CShadeDib& a, const CShadeDib& b) {
    const int bytes = a.Height() * a.Stride();
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Bits(), a.Bits() + bytes, b.Bits());
}

ButtonShade Shaded(const ShadeParams& params, int width, int height, GrainGenerator& grain) {
    ButtonShade shade;
    shade.Make(params, width, height, 4, grain);
    return shade;
}

} // namespace

TEST(GrainGenerator, FirstNumbersOfARun) {
    GrainGenerator grain;
    std::vector<int> first;
    for (int i = 0; i < 6; ++i)
        first.push_back(grain.Next());
    EXPECT_EQ(first, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724}));
}

TEST(CShadeDib, CreateRoundsTheDepthAndSizesPaletteRowsAndHeader) {
    struct Row {
        int asked, depth, palette, stride;
    };
    // Five pixels wide: rows are whole 32-bit words.
    for (const Row& row : {Row{0, 1, 2, 4}, Row{1, 1, 2, 4}, Row{2, 4, 16, 4}, Row{5, 8, 256, 8},
                           Row{8, 8, 256, 8}, Row{9, 24, 0, 16}, Row{32, 24, 0, 16}}) {
        CShadeDib dib;
        ASSERT_TRUE(dib.Create(5, 3, row.asked)) << row.asked;
        EXPECT_EQ(dib.BitsPerPixel(), row.depth) << row.asked;
        EXPECT_EQ(dib.PaletteSize(), row.palette) << row.asked;
        EXPECT_EQ(dib.Stride(), row.stride) << row.asked;
        const std::uint8_t* header = dib.Data();
        EXPECT_EQ(header[0], CShadeDib::kHeaderSize);
        EXPECT_EQ(header[14], row.depth);
        EXPECT_EQ(header[20], 3 * row.stride) << "image size";
    }
    CShadeDib dib;
    ASSERT_TRUE(dib.Create(2, 2, 8));
    EXPECT_FALSE(dib.Create(0, 2, 8));
    EXPECT_FALSE(dib.IsValid()) << "a failed Create leaves nothing of the old image";
}

TEST(CShadeDib, PixelsCountFromTheTopAndAreStoredBottomRowFirst) {
    CShadeDib dib;
    ASSERT_TRUE(dib.Create(3, 2, 8));
    dib.Clear(7);
    dib.SetPixelIndex(2, 0, 9);
    for (auto [x, y] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {0, -1}})
        dib.SetPixelIndex(x, y, 1); // outside: nothing
    EXPECT_EQ(dib.Bits()[dib.Stride() + 2], 9) << "the top row is stored last";
    EXPECT_EQ(dib.PixelIndex(2, 0), 9);
    EXPECT_EQ(std::count(dib.Bits(), dib.Bits() + 2 * dib.Stride(), 7), 2 * dib.Stride() - 1);

    // Smaller depths pack pixels from the high bits down.
    ASSERT_TRUE(dib.Create(9, 1, 4));
    dib.SetPixelIndex(1, 0, 0xA);
    EXPECT_EQ(dib.Bits()[0], 0x0A);
    EXPECT_EQ(dib.PixelIndex(1, 0), 0xA);
    ASSERT_TRUE(dib.Create(9, 1, 1));
    dib.SetPixelIndex(8, 0, 1);
    EXPECT_EQ(dib.Bits()[1], 0x80);
    EXPECT_EQ(dib.PixelIndex(8, 0), 1);
}

TEST(CShadeDib, PaletteEntriesBlendAndCloneCopiesEverything) {
    CShadeDib dib;
    ASSERT_TRUE(dib.Create(2, 2, 8));
    dib.SetPaletteIndex(255, 10, 20, 30);
    dib.SetPaletteIndex(256, 1, 1, 1); // outside: nothing
    dib.SetPaletteIndex(-1, 1, 1, 1);
    EXPECT_EQ(dib.PaletteEntry(255), RGB(10, 20, 30));
    dib.BlendPalette(RGB(111, 220, 31), 50);
    EXPECT_EQ(dib.PaletteEntry(255), RGB(60, 120, 30)) << "integer halves";
    dib.SetPixelIndex(1, 1, 255);
    EXPECT_EQ(dib.PixelColour(1, 1), RGB(60, 120, 30));

    CShadeDib copy;
    ASSERT_TRUE(copy.Clone(dib));
    EXPECT_TRUE(SamePixels(copy, dib));
    EXPECT_EQ(copy.PaletteEntry(255), RGB(60, 120, 30));
    dib.BlendPalette(RGB(1, 2, 3), 250); // above 100 counts as 100
    EXPECT_EQ(dib.PaletteEntry(255), RGB(1, 2, 3));
    EXPECT_EQ(copy.PaletteEntry(255), RGB(60, 120, 30)) << "a clone has its own storage";
    EXPECT_FALSE(copy.Clone(CShadeDib()));
    EXPECT_FALSE(copy.IsValid());
}

TEST(ButtonShade, PalettesOfTheMainWindowsButtons) {
    GrainGenerator grain;
    const ButtonShade shade = Shaded(MainWindowShade(), 80, 25, grain);
    struct Row {
        const char* image;
        const CShadeDib& dib;
        COLORREF first, middle, last; // entries 0, 128, 255
    };
    const COLORREF untinted[] = {RGB(0, 39, 103), RGB(7, 80, 190), RGB(242, 246, 254)};
    const COLORREF hover[] = {RGB(50, 93, 160), RGB(53, 112, 202), RGB(166, 192, 233)};
    const Row rows[] = {
        {"focus row", shade.FocusHorizontal(), untinted[0], untinted[1], untinted[2]},
        {"focus column", shade.FocusVertical(), untinted[0], untinted[1], untinted[2]},
        {"normal", shade.Normal(), RGB(2, 55, 137), RGB(6, 79, 190), RGB(147, 179, 228)},
        {"hover", shade.Hover(), hover[0], hover[1], hover[2]},
        {"pressed", shade.Pressed(), hover[0], hover[1], hover[2]},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.dib.PaletteEntry(0), row.first) << row.image;
        EXPECT_EQ(row.dib.PaletteEntry(128), row.middle) << row.image;
        EXPECT_EQ(row.dib.PaletteEntry(255), row.last) << row.image;
    }
    EXPECT_TRUE(SamePixels(shade.Hover(), shade.Normal()));
    EXPECT_TRUE(SamePixels(shade.Pressed(), shade.Normal()));
}

TEST(ButtonShade, SettingsButtonsGrainLightLeftDarkRight) {
    GrainGenerator grain;
    const ButtonShade shade = Shaded(MainWindowShade(), 80, 25, grain);
    const CShadeDib& face = shade.Normal();
    std::vector<int> column0;
    for (int y = 0; y < 6; ++y)
        column0.push_back(FromBottom(face, 0, y));
    EXPECT_EQ(column0, (std::vector<int>{239, 248, 242, 251, 248, 246}));
    // Levels 247 and 10, with a grain term of 0 to 16 less 8.
    for (int y = 0; y < 25; ++y) {
        EXPECT_GE(FromBottom(face, 0, y), 239) << y;
        EXPECT_GE(FromBottom(face, 79, y), 2) << y;
        EXPECT_LE(FromBottom(face, 79, y), 18) << y;
    }
}

TEST(ButtonShade, FocusLinesAlternateFromTheLeftAndFromTheBottom) {
    GrainGenerator grain;
    const ButtonShade shade = Shaded(MainWindowShade(), 80, 25, grain);
    const CShadeDib& row = shade.FocusHorizontal();
    const CShadeDib& column = shade.FocusVertical();
    ASSERT_EQ(row.Width(), 71);
    ASSERT_EQ(row.Height(), 1);
    ASSERT_EQ(column.Width(), 1);
    ASSERT_EQ(column.Height(), 17);
    for (int i = 0; i < 71; ++i)
        EXPECT_EQ(row.PixelIndex(i, 0), i % 2 == 0 ? 0 : 255) << i;
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(FromBottom(column, 0, i), i % 2 == 0 ? 0 : 255) << i;
    // A button too small for a frame still gets one-pixel lines.
    const ButtonShade tiny = Shaded(MainWindowShade(), 8, 8, grain);
    EXPECT_EQ(tiny.FocusHorizontal().Width(), 1);
    EXPECT_EQ(tiny.FocusVertical().Height(), 1);
}

// Pixels of each effect on an 80 x 25 face from a fresh generator, worked out by hand from the
// effect's formula; with granularity 0 the grain term vanishes. `draws` is how many random
// numbers the face takes.
TEST(ButtonShade, EveryEffectAsItsFormula) {
    struct Probe {
        int effect, g, x, y, index; // y from the bottom
    };
    const Probe probes[] = {
        {0, 8, 0, 0, 120},   {0, 8, 1, 0, 129}, // rows outer: the second number goes right
        {9, 8, 0, 0, 120},                      // unknown effects are plain grain
        {1, 0, 0, 0, 127},   {1, 0, 79, 24, 122}, {2, 0, 7, 0, 0},    {2, 0, 7, 24, 244},
        {3, 0, 79, 5, 3},    {4, 0, 5, 0, 3},     {4, 0, 5, 24, 225}, {5, 0, 0, 3, 0}, // 256
        {5, 0, 79, 3, 12},   {6, 0, 0, 24, 255},  {6, 0, 79, 0, 0},   {6, 0, 40, 12, 128},
        {7, 0, 79, 12, 9},   {7, 0, 68, 12, 118}, {7, 0, 0, 12, 255}, {7, 0, 12, 12, 137},
        {7, 0, 13, 12, 128}, {7, 0, 40, 12, 128}, {7, 0, 79, 0, 3},   {7, 0, 0, 0, 255},
    };
    for (const Probe& p : probes) {
        GrainGenerator grain;
        ShadeParams params = MainWindowShade();
        params.effect = p.effect;
        params.granularity = static_cast<std::uint8_t>(p.g);
        const ButtonShade shade = Shaded(params, 80, 25, grain);
        EXPECT_EQ(FromBottom(shade.Normal(), p.x, p.y), p.index)
            << "effect " << p.effect << " at " << p.x << "," << p.y;
    }
    for (auto [effect, draws] : {std::pair{0, 2000}, {3, 2000}, {6, 2000}, {7, 4000}, {8, 2800}}) {
        GrainGenerator grain;
        ShadeParams params = MainWindowShade();
        params.effect = effect;
        Shaded(params, 80, 25, grain);
        GrainGenerator count;
        for (int i = 0; i < draws; ++i)
            count.Next();
        EXPECT_EQ(grain.Next(), count.Next()) << "effect " << effect;
    }
}

TEST(ButtonShade, MetalIsStrokesOverADiagonalRamp) {
    GrainGenerator grain;
    ShadeParams params = MainWindowShade();
    params.effect = 8;
    params.granularity = 0;
    const ButtonShade shade = Shaded(params, 80, 25, grain);
    const CShadeDib& face = shade.Normal();
    const int a = (255 - 40) / 2;
    int stroked = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 80; ++x) {
            const int stroke = FromBottom(face, x, y) - (a * y / 25 + (80 - x) * a / 80);
            EXPECT_GE(stroke, 0) << x << "," << y;
            EXPECT_LT(stroke, 40) << x << "," << y;
            stroked += stroke > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(stroked, 100);
}

TEST(ButtonShade, EveryEffectCopesWithTinyFaces) {
    for (int effect = 0; effect <= 9; ++effect) {
        for (auto [w, h] : {std::pair{1, 1}, {5, 1}, {1, 5}, {6, 1}}) {
            GrainGenerator grain;
            ShadeParams params = MainWindowShade();
            params.effect = effect;
            EXPECT_TRUE(Shaded(params, w, h, grain).Normal().IsValid()) << effect;
        }
    }
    GrainGenerator grain;
    EXPECT_FALSE(Shaded(MainWindowShade(), 0, 25, grain).Normal().IsValid());
}
