// Fonts by cell height: the cell the panel, the markers and the rich text ask for, weight,
// width and the fallback's kind.
#include "panelfont.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <vector>

namespace {

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

class PanelFontCell : public ::testing::TestWithParam<int> {};

TEST_P(PanelFontCell, AscentAndDescentMakeTheRequestedHeight) {
    const QFont font = CreatePanelFont(QStringLiteral("Arial"), 0, GetParam(), 400, 1);
    EXPECT_EQ(CellHeight(font), GetParam());
    // The em is smaller than the cell.
    EXPECT_LT(font.pixelSize(), GetParam());
}

// Every height the panel, the markers and the rich text ask for.
INSTANTIATE_TEST_SUITE_P(Heights, PanelFontCell, ::testing::Values(10, 12, 14, 16, 20, 32));

// The size is the largest whose cell fits, as measured on a font of each size, whatever
// heights were asked for before (a search starts from what the earlier ones measured).
TEST(CreatePanelFont, TakesTheLargestPixelSizeWhoseCellFits) {
    constexpr int kTallest = 48;
    for (int weight : {400, 700}) {
        QFont font(QStringLiteral("Arial"));
        font.setWeight(static_cast<QFont::Weight>(weight));
        std::vector<int> largest(kTallest + 1, 1);
        for (int height = 1, size = 1; height <= kTallest; ++height) {
            for (font.setPixelSize(size + 1); CellHeight(font) <= height;
                 font.setPixelSize(size + 1))
                ++size;
            largest[height] = size;
        }
        // From the outside in: 48, 1, 47, 2, ...
        for (int i = 0; i < kTallest; ++i) {
            const int height = i % 2 ? i / 2 + 1 : kTallest - i / 2;
            EXPECT_EQ(CreatePanelFont(QStringLiteral("Arial"), 0, height, weight, 1).pixelSize(),
                      largest[height])
                << "height " << height << " weight " << weight;
        }
    }
}

TEST(CreatePanelFont, WeightWidthAndNoDecorations) {
    const QFont normal = CreatePanelFont(QStringLiteral("Arial"), 0, 16, 400, 1);
    EXPECT_EQ(normal.weight(), QFont::Normal);
    EXPECT_FALSE(normal.italic());
    EXPECT_FALSE(normal.underline());
    EXPECT_FALSE(normal.strikeOut());
    EXPECT_EQ(QFontInfo(normal).pixelSize(), normal.pixelSize());

    EXPECT_EQ(CreatePanelFont(QStringLiteral("Arial"), 0, 16, 700, 1).weight(), QFont::Bold);
    EXPECT_EQ(CreatePanelFont(QStringLiteral("Arial"), 0, 16, 0, 1).weight(), QFont::Normal);

    // A width asks for that average character width, the cell height staying as asked.
    const QFont narrow = CreatePanelFont(QStringLiteral("Arial"), 4, 16, 400, 1);
    const QFont wide = CreatePanelFont(QStringLiteral("Arial"), 20, 16, 400, 1);
    EXPECT_NEAR(QFontMetrics(narrow).averageCharWidth(), 4, 1);
    EXPECT_NEAR(QFontMetrics(wide).averageCharWidth(), 20, 1);
    EXPECT_EQ(CellHeight(wide), 16);

    // The family bits give a missing face a fallback of the right kind.
    EXPECT_EQ(CreatePanelFont(QStringLiteral("Arial"), 0, 16, 400, 0x12).styleHint(), QFont::Serif);
    EXPECT_EQ(CreatePanelFont(QStringLiteral("Arial"), 0, 16, 400, 1).styleHint(), QFont::AnyStyle);
    EXPECT_GE(CellHeight(CreatePanelFont(QStringLiteral("Arial"), 0, 0, 400, 1)), 1);
}

} // namespace
