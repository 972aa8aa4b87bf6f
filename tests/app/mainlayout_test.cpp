#include "mainlayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace MainLayout;

constexpr int kDiagramWidth = 1401;
constexpr int kDiagramHeight = 1926;

const Rect& RectOf(const std::array<ControlPlacement, kControlCount>& layout, int id) {
    auto it = std::find_if(layout.begin(), layout.end(),
                           [id](const ControlPlacement& c) { return c.nId == id; });
    EXPECT_NE(it, layout.end()) << id;
    return it->rect;
}

TEST(MainLayout, RightMarginStartsAtSevenHundredPixels) {
    const struct {
        int width;
        int margin;
    } rows[] = {{0, 0}, {699, 0}, {700, 46}, {714, 47}, {1500, 100}, {1919, 127}};
    for (const auto& row : rows) {
        EXPECT_EQ(RightMargin(row.width), row.margin) << row.width;
    }
    EXPECT_EQ(PanelLeft(1500, 100), 1070);
}

TEST(MainLayout, ControlsAreMovedInOrderToTheirPlaces) {
    const int W = 1500; // m = 100, P = 1070
    const int H = 900;
    const auto layout = ControlLayout(W, H);
    namespace id = MainControlId;
    const struct {
        int id;
        int x, y, width, height;
    } expected[] = {
        {id::kRefrigerant, 1290, 100, 80, 21}, {id::kHidden1000, 1790, 125, 50, 21},
        {id::kHeatLoad, 1290, 125, 50, 21},    {id::kEvapTemp, 1290, 150, 50, 21},
        {id::kCondTemp, 1290, 175, 50, 21},    {id::kRGasTemp, 1290, 200, 50, 21},
        {id::kHidden1007, 1790, 225, 50, 21},  {id::kAmbient, 1790, 225, 50, 21},
        {id::kResults, 1076, 295, 308, 201},   {id::kSettings, 1405, 865, 80, 25},
        {id::kPrint, 1315, 865, 80, 25},       {id::kHelp, 1225, 865, 80, 25},
        {id::kLink, 10, 865, 300, 21},
    };
    for (std::size_t i = 0; i < layout.size(); ++i) {
        EXPECT_EQ(layout[i].nId, expected[i].id) << i;
        const auto& e = expected[i];
        EXPECT_EQ(layout[i].rect, Rect::FromSize(e.x, e.y, e.width, e.height)) << e.id;
    }
    // The input column lies at P + 220, between the labels at P + 40 and the units at P + 280.
    EXPECT_EQ(RectOf(layout, id::kHeatLoad).left, PanelLeft(W, RightMargin(W)) + 220);
}

TEST(MainLayout, NarrowWindowHasNoMargin) {
    const auto layout = ControlLayout(699, 570);
    EXPECT_EQ(RectOf(layout, MainControlId::kHeatLoad).left, 699 - 110);
    EXPECT_EQ(RectOf(layout, MainControlId::kResults).left, 699 - 330 + 6);
    EXPECT_EQ(RectOf(layout, MainControlId::kLink).top, 570 - 35);
}

TEST(MainLayout, HiddenFieldsAreNeverInsideTheClientArea) {
    for (int W = 0; W <= 20000; W += (W < 8000 ? 1 : 97)) {
        const auto layout = ControlLayout(W, 600);
        for (int id :
             {MainControlId::kHidden1000, MainControlId::kHidden1007, MainControlId::kAmbient}) {
            ASSERT_GE(RectOf(layout, id).left, W) << "width " << W << " field " << id;
        }
    }
    // Where they already lie beyond the edge they keep their place, 500 right of the column.
    EXPECT_EQ(RectOf(ControlLayout(1920, 1000), MainControlId::kAmbient).left, 1920 - 128 + 390);
}

TEST(MainLayout, FramesFollowThePanel) {
    const int W = 1000; // m = 66, P = 604
    const int H = 700;
    const auto frames = Frames(W, H, RightMargin(W));
    const COLORREF light = RGB(217, 226, 234), dark = RGB(167, 188, 207);
    const COLORREF light2 = RGB(238, 241, 245), dark2 = RGB(236, 240, 244);
    const struct {
        Rect rect;
        COLORREF first, second;
    } expected[] = {
        {{5, 58, 995, 695}, light, dark},    {{4, 59, 994, 694}, light2, dark2},
        {{604, 94, 924, 225}, light, dark},  {{603, 95, 925, 226}, light2, dark2},
        {{604, 275, 924, 502}, light, dark}, {{603, 276, 925, 503}, light2, dark2},
    };
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].rect, expected[i].rect) << i;
        EXPECT_EQ(frames[i].topLeft, expected[i].first) << i;
        EXPECT_EQ(frames[i].bottomRight, expected[i].second) << i;
    }
}

TEST(MainLayout, FrameEdgesAreOnePixelLinesInsideTheRectangle) {
    const Frame frame{{10, 20, 15, 24}, RGB(1, 2, 3), RGB(4, 5, 6)};
    const auto edges = FrameEdges(frame);
    EXPECT_EQ(edges[0].rect, Rect::FromSize(10, 20, 4, 1)); // top
    EXPECT_EQ(edges[1].rect, Rect::FromSize(10, 20, 1, 3)); // left
    EXPECT_EQ(edges[2].rect, Rect::FromSize(14, 20, 1, 4)); // right
    EXPECT_EQ(edges[3].rect, Rect::FromSize(10, 23, 5, 1)); // bottom
    EXPECT_EQ(edges[0].colour, frame.topLeft);
    EXPECT_EQ(edges[1].colour, frame.topLeft);
    EXPECT_EQ(edges[2].colour, frame.bottomRight);
    EXPECT_EQ(edges[3].colour, frame.bottomRight);

    for (const FrameEdge& edge : FrameEdges({{10, 20, 5, 24}, 0, 0})) {
        EXPECT_EQ(edge.rect.Width() * edge.rect.Height(), 0);
        EXPECT_GE(edge.rect.Width(), 0);
        EXPECT_GE(edge.rect.Height(), 0);
    }
}

TEST(MainLayout, DiagramAtTheDefaultSizeIsLimitedByTheHeight) {
    // An 800 x 640 outer window leaves a client area of about 784 x 601.
    for (int H : {570, 601, 610}) {
        const int W = 784;
        const DiagramFit fit = FitDiagram(kDiagramWidth, kDiagramHeight, W, H, RightMargin(W));
        EXPECT_DOUBLE_EQ(fit.dScale, 0.9 * (H - 70) / 1926.0) << H;
        EXPECT_EQ(fit.rect.left, 15);
        EXPECT_EQ(fit.rect.top, 70);
        EXPECT_EQ(fit.rect.Width(), static_cast<int>(kDiagramWidth * fit.dScale));
        EXPECT_EQ(fit.rect.Height(), static_cast<int>(kDiagramHeight * fit.dScale));
        EXPECT_LE(fit.rect.Width(), W - RightMargin(W) - 350);
    }
}

TEST(MainLayout, DiagramWideLowAndNarrowTall) {
    // Wide and low: 90 % of the height below y = 70.
    const DiagramFit wide = FitDiagram(kDiagramWidth, kDiagramHeight, 1800, 600, RightMargin(1800));
    EXPECT_DOUBLE_EQ(wide.dScale, 0.9 / (1926.0 / 530.0));
    EXPECT_NEAR(wide.rect.Height(), 0.9 * 530, 1.0);

    // Narrow and tall: the width is capped at W - m - 350.
    const DiagramFit tall = FitDiagram(kDiagramWidth, kDiagramHeight, 700, 1400, RightMargin(700));
    EXPECT_DOUBLE_EQ(tall.dScale, 304.0 / 1401.0);
    EXPECT_EQ(tall.rect.Width(), static_cast<int>(1401 * (304.0 / 1401.0)));
    EXPECT_GE(tall.rect.Width(), 303);
    EXPECT_LE(tall.rect.Width(), 304);
    EXPECT_EQ(tall.rect.Height(), static_cast<int>(1926 * (304.0 / 1401.0)));
    EXPECT_LT(tall.rect.Height(), 0.9 * (1400 - 70));
}

TEST(MainLayout, DiagramWithoutRoomIsNotDrawn) {
    const struct {
        const char* name;
        int W, H, m;
    } rows[] = {{"no height", 900, 70, 60},
                {"negative height", 900, 20, 60},
                {"no width", 350, 600, 0},
                {"negative width", 300, 600, 0}};
    for (const auto& row : rows) {
        const DiagramFit fit = FitDiagram(kDiagramWidth, kDiagramHeight, row.W, row.H, row.m);
        EXPECT_EQ(fit.dScale, 0.0) << row.name;
        EXPECT_EQ(fit.rect.Width(), 0) << row.name;
        EXPECT_EQ(fit.rect.Height(), 0) << row.name;
    }
    // An empty bitmap takes the fallback factor and draws nothing.
    const DiagramFit empty = FitDiagram(0, 0, 900, 600, 60);
    EXPECT_EQ(empty.rect.Width(), 0);
    EXPECT_EQ(empty.rect.Height(), 0);
}

TEST(MainLayout, MinimumSizeMovesTheRightAndBottomEdges) {
    const struct {
        const char* name;
        Rect proposed;
        Rect expected;
    } rows[] = {
        {"large enough", {100, 100, 900, 800}, {100, 100, 900, 800}},
        {"exactly the minimum", {0, 0, 685, 600}, {0, 0, 685, 600}},
        {"left edge dragged in", {300, 100, 900, 800}, {300, 100, 985, 800}},
        {"right edge dragged in", {100, 100, 500, 800}, {100, 100, 785, 800}},
        {"top edge dragged down", {100, 400, 900, 800}, {100, 400, 900, 1000}},
        {"both too small", {-20, -30, 0, 0}, {-20, -30, 665, 570}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ApplyMinimumSize(row.proposed), row.expected) << row.name;
    }
}

} // namespace
