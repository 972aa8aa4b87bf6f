#include "diagramrenderplan.h"

#include <gtest/gtest.h>

namespace {

using Draw = DiagramRenderPlan::Draw;
using Pixels = DiagramRenderPlan::Pixels;

TEST(DiagramRenderPlan, RendersFirstThenStretchesUntilTheSizeSettles) {
    DiagramRenderPlan plan;
    EXPECT_FALSE(plan.OnSettled()) << "nothing shown yet";
    ASSERT_EQ(plan.OnPaint({373, 513}), Draw::Render);
    plan.OnRendered({373, 513});
    EXPECT_EQ(plan.OnPaint({373, 513}), Draw::Rendered);
    EXPECT_FALSE(plan.OnSettled());

    // A drag: every new size stretches the last render, the settled size is rendered once.
    EXPECT_EQ(plan.OnPaint({400, 550}), Draw::Stretch);
    EXPECT_EQ(plan.OnPaint({661, 909}), Draw::Stretch);
    EXPECT_TRUE(plan.OnSettled());
    ASSERT_EQ(plan.OnPaint({661, 909}), Draw::Render);
    plan.OnRendered({661, 909});
    EXPECT_EQ(plan.OnPaint({661, 909}), Draw::Rendered);
    EXPECT_FALSE(plan.OnSettled());
    EXPECT_EQ(plan.RenderedSize(), (Pixels{661, 909}));

    // Back to the rendered size before settling: no render is due.
    EXPECT_EQ(plan.OnPaint({500, 600}), Draw::Stretch);
    EXPECT_EQ(plan.OnPaint({661, 909}), Draw::Rendered);
    EXPECT_FALSE(plan.OnSettled());
}

TEST(DiagramRenderPlan, NoRoomDrawsNothingAndRendersNothingLater) {
    DiagramRenderPlan plan;
    EXPECT_EQ(plan.OnPaint({0, 513}), Draw::Nothing);
    EXPECT_FALSE(plan.OnSettled());
    EXPECT_EQ(plan.OnPaint({373, 513}), Draw::Render);
    plan.OnRendered({373, 513});
    EXPECT_EQ(plan.OnPaint({373, 0}), Draw::Nothing);
    EXPECT_FALSE(plan.OnSettled());
}

TEST(DiagramRenderPlan, DevicePixelsRoundEachSide) {
    EXPECT_EQ(DiagramRenderPlan::DevicePixels(373, 513, 1.25), (Pixels{466, 641}));
    EXPECT_EQ(DiagramRenderPlan::DevicePixels(373, 513, 1.5), (Pixels{560, 770}));
}

} // namespace
