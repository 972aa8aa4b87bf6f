// The shaded button's look and pointer states without a window: what each paint draws where,
// the 3-D edges, hovering, pressing and dragging, tool tip texts and the font.
#include "edgelines.h"
#include "graingenerator.h"
#include "mainwindowshade.h"
#include "shadebuttonmodel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = ShadePointerAction;

constexpr Rect kButton{0, 0, 80, 25};

ShadeButtonModel MainWindowButton() {
    ShadeButtonModel model;
    model.Attach(true, false, ShadeTextAlign::Centre);
    GrainGenerator grain;
    model.SetShade(MainWindowShade(), 80, 25, grain);
    return model;
}

// The lines drawn in order onto a w x h grid, one letter per shade: H highlight, L light,
// S shadow, D dark shadow.
std::vector<std::string> Drawn(EdgeStyle style, int w, int h) {
    std::vector<std::string> grid(static_cast<std::size_t>(h), std::string(w, '.'));
    for (const EdgeLine& line : EdgeLines({0, 0, w, h}, style)) {
        for (int y = line.rect.top; y < line.rect.bottom; ++y)
            for (int x = line.rect.left; x < line.rect.right; ++x)
                grid[y][x] = "HLSD"[static_cast<int>(line.shade)];
    }
    return grid;
}

} // namespace

TEST(EdgeLines, RaisedAndSunkenAsThePlatformDrawsThem) {
    EXPECT_EQ(Drawn(EdgeStyle::Raised, 5, 4),
              (std::vector<std::string>{"LLLLD", "LHHSD", "LSSSD", "DDDDD"}));
    EXPECT_EQ(Drawn(EdgeStyle::Sunken, 5, 4),
              (std::vector<std::string>{"SSSSH", "SDDLH", "SLLLH", "HHHHH"}));
}

TEST(ShadeButtonModel, WhatEachStateDraws) {
    struct Row {
        const char* name;
        bool hovering, selected, isDefault;
        ShadeImageAt face;
        std::vector<std::pair<Rect, EdgeStyle>> edges;
        Rect text;
    };
    const Rect text{6, 0, 74, 25};
    const Row rows[] = {
        {"normal",
         false,
         false,
         false,
         {ShadeImage::Normal, 0, 0},
         {{kButton, EdgeStyle::Raised}},
         text},
        {"hover",
         true,
         false,
         false,
         {ShadeImage::Hover, 0, 0},
         {{kButton, EdgeStyle::Raised}},
         text},
        {"pressed",
         false,
         true,
         false,
         {ShadeImage::Pressed, 1, 1},
         {{kButton, EdgeStyle::Sunken}},
         text.Moved(1, 1)},
        {"default",
         false,
         false,
         true,
         {ShadeImage::Normal, 0, 0},
         {{kButton, EdgeStyle::Sunken}, {{1, 1, 79, 24}, EdgeStyle::Raised}},
         text},
    };
    for (const Row& row : rows) {
        ShadeButtonModel model = MainWindowButton();
        if (row.hovering)
            model.OnMouseMove(true, false);
        const ShadePaintPlan plan = model.Paint({kButton, row.selected, false, row.isDefault});
        EXPECT_FALSE(plan.faceFilled) << row.name;
        EXPECT_EQ(plan.face.image, row.face.image) << row.name;
        EXPECT_EQ(plan.face.x, row.face.x) << row.name;
        EXPECT_EQ(plan.face.y, row.face.y) << row.name;
        EXPECT_EQ(plan.edges, row.edges) << row.name;
        EXPECT_EQ(plan.text, row.text) << row.name;
        EXPECT_TRUE(plan.focusLines.empty()) << row.name;
    }
    // Before SetShade: the button-face colour under the usual edge.
    ShadeButtonModel unshaded;
    unshaded.Attach(true, false, ShadeTextAlign::Centre);
    const ShadePaintPlan plain = unshaded.Paint({kButton, false, true, false});
    EXPECT_TRUE(plain.faceFilled);
    EXPECT_EQ(plain.edges.size(), 1u);
    EXPECT_TRUE(plain.focusLines.empty()) << "no focus lines are made yet";
}

TEST(ShadeButtonModel, HoverPressDragOffAndBack) {
    ShadeButtonModel model = MainWindowButton();
    EXPECT_EQ(model.OnMouseMove(true, false), Action::Repaint);
    EXPECT_TRUE(model.Hovering());
    EXPECT_EQ(model.OnMouseMove(true, false), Action::None);
    model.OnLeftDown(); // the platform pushes the button
    EXPECT_FALSE(model.Hovering());
    EXPECT_TRUE(model.PressedByMouse());
    // Off the pushed button: released, and no hover look while the mouse is held.
    EXPECT_EQ(model.OnMouseMove(false, true), Action::Release);
    EXPECT_EQ(model.OnMouseMove(false, false), Action::None);
    EXPECT_FALSE(model.Hovering());
    EXPECT_EQ(model.OnMouseMove(true, false), Action::Push);
    EXPECT_EQ(model.OnMouseMove(true, true), Action::None);
    model.OnLeftUp();
    EXPECT_EQ(model.OnMouseMove(true, false), Action::Repaint) << "hovering again";
    model.OnLeave();
    EXPECT_FALSE(model.Hovering());
}

TEST(ShadeButtonModel, ToolTipTextsColourFontAndAttach) {
    ShadeButtonModel model;
    EXPECT_TRUE(model.SetToolTipText("Specify unit options", ""));
    EXPECT_EQ(model.ToolTipText(true), "Specify unit options") << "no checked text";
    EXPECT_FALSE(model.SetToolTipText("off", "on")) << "the tip is made once";
    EXPECT_EQ(model.ToolTipText(false), "off");
    EXPECT_EQ(model.ToolTipText(true), "on");

    model.SetTextColor(RGB(1, 2, 3));
    EXPECT_EQ(model.SetTextColor(RGB(255, 255, 255)), RGB(1, 2, 3));
    EXPECT_EQ(model.TextFont(), nullptr);
    EXPECT_EQ(model.SetTextFont(std::string(40, 'a'), 16, 400, 0, 0).face, std::string(31, 'a'));

    // A button that is not push-like has no edges and its text stays put when pushed.
    model.Attach(false, false, ShadeTextAlign::Left);
    const ShadePaintPlan plan = model.Paint({kButton, true, false, false});
    EXPECT_TRUE(plan.edges.empty());
    EXPECT_EQ(plan.face.x, 0);
    EXPECT_EQ(plan.text, (Rect{6, 0, 74, 25}));
}
