// The skinned scroll bars without a window: the thumb's travel, dragging, the release rules of
// the two bars and the arrow timer.
#include "skinscrollmodel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Steps = std::vector<ScrollRequest>;

// A bar of the given length whose thumb stands for position nPos of nLimit.
SkinScrollModel Bar(ScrollBarKind kind, int nLength, int nPos = 0, int nLimit = 0) {
    SkinScrollModel bar(kind);
    bar.SetLength(nLength);
    bar.UpdateThumb(nPos, nLimit);
    return bar;
}

// A press and a release; for a vertical bar x and y are swapped, so one row describes both.
Steps Click(SkinScrollModel& bar, int nDown, int nUp) {
    const bool bHorizontal = bar.GetKind() == ScrollBarKind::Horizontal;
    bar.ButtonDown(bHorizontal ? nDown : 6, bHorizontal ? 6 : nDown);
    return bar.ButtonUp(bHorizontal ? nUp : 6, bHorizontal ? 6 : nUp);
}

struct ThumbCase {
    const char* name;
    ScrollBarKind kind;
    int nPos;
    int nLimit;
    int nThumb;
};

TEST(SkinScrollModel, ThumbOfA200PixelBar) {
    constexpr auto H = ScrollBarKind::Horizontal;
    constexpr auto V = ScrollBarKind::Vertical;
    const ThumbCase cases[] = {
        {"nothing to scroll", H, 0, 0, 25},
        {"at the start", H, 0, 160, 25},
        {"at the end, clamped against the right arrow", H, 160, 160, 149},
        {"a third of the way, cut down", H, 1, 3, 25 + 41}, // 125 / 3 = 41.67
        {"vertical, nothing to scroll", V, 0, 0, 36},
        {"vertical, at the end", V, 10, 10, 138},
        {"vertical, half way", V, 5, 10, 36 + 51}, // 102 / 10 per row
        {"a position past the limit stays on the track", V, 30, 10, 138},
    };
    for (const ThumbCase& c : cases)
        EXPECT_EQ(Bar(c.kind, 200, c.nPos, c.nLimit).GetThumbPos(), c.nThumb) << c.name;
}

struct ReleaseCase {
    const char* name;
    int nDown;
    int nUp;
    Steps horizontal;
    Steps vertical;
};

TEST(SkinScrollModel, ReleaseRules) {
    // Bars of 200 pixels with the thumb at its start (25 or 36) and nothing else pressed. The
    // arrows: horizontal [0, 26) and [174, 200); vertical [11, 37) and [163, 189).
    constexpr auto Up = ScrollRequest::LineUp;
    constexpr auto Down = ScrollRequest::LineDown;
    const ReleaseCase cases[] = {
        {"first arrow", 20, 20, {Up}, {Up}},
        {"second arrow", 180, 180, {Down}, {Down}},
        {"track after the thumb pages once",
         120,
         120,
         {ScrollRequest::PageDown},
         {ScrollRequest::PageDown}},
        {"track pressed, released in the first arrow", 120, 20, {Up}, {}},
        {"second arrow pressed, released in the first", 180, 20, {Up}, {}},
        {"thumb pressed, released on the track", 40, 120, {}, {}},
        {"track pressed, released on the thumb", 120, 40, {}, {}},
    };
    for (const ReleaseCase& c : cases) {
        SkinScrollModel horizontal = Bar(ScrollBarKind::Horizontal, 200);
        EXPECT_EQ(Click(horizontal, c.nDown, c.nUp), c.horizontal) << "horizontal: " << c.name;
        SkinScrollModel vertical = Bar(ScrollBarKind::Vertical, 200);
        EXPECT_EQ(Click(vertical, c.nDown, c.nUp), c.vertical) << "vertical: " << c.name;
    }
    // Before the thumb the track pages back.
    SkinScrollModel bar = Bar(ScrollBarKind::Horizontal, 200, 100, 160);
    EXPECT_EQ(Click(bar, 60, 60), Steps{ScrollRequest::PageUp});
    // At 25 the thumb overlaps the left arrow's last pixel: a press there is on the thumb.
    bar = Bar(ScrollBarKind::Horizontal, 200);
    bar.ButtonDown(25, 6);
    EXPECT_EQ(bar.GetTimerInterval(), 0);
    EXPECT_TRUE(bar.Move(25, 6, 0, 160, 20).has_value()) << "the thumb is held";
}

TEST(SkinScrollModel, HeldArrowRepeatsAfterTheFirstDelay) {
    SkinScrollModel bar = Bar(ScrollBarKind::Vertical, 200, 0, 10);
    bar.ButtonDown(6, 120); // the track
    EXPECT_EQ(bar.GetTimerInterval(), 0);
    bar.ButtonUp(6, 120);

    bar.ButtonDown(6, 180); // the down arrow
    EXPECT_EQ(bar.GetTimerInterval(), 250);
    EXPECT_EQ(bar.Tick(), std::nullopt) << "the first delay only switches to the repeat";
    EXPECT_EQ(bar.GetTimerInterval(), 50);
    EXPECT_EQ(bar.Tick(), ScrollRequest::LineDown);
    EXPECT_EQ(bar.Tick(), ScrollRequest::LineDown);
    // The held arrow repeats wherever the pointer is; a release on the thumb does not step.
    EXPECT_EQ(bar.ButtonUp(6, 40), Steps{});
    EXPECT_EQ(bar.GetTimerInterval(), 0);
    EXPECT_EQ(bar.Tick(), std::nullopt);

    bar.ButtonDown(6, 20); // the up arrow
    bar.Tick();
    EXPECT_EQ(bar.Tick(), ScrollRequest::LineUp);
}

TEST(SkinScrollModel, DraggingTheThumbScrollsTheList) {
    // 200 pixels for 250 pixels of overflow: half a pixel of travel per pixel of list.
    SkinScrollModel bar = Bar(ScrollBarKind::Horizontal, 200, 0, 250);
    EXPECT_EQ(bar.Move(100, 6, 0, 250, 20), std::nullopt) << "no button on the thumb";
    bar.ButtonDown(30, 6);
    // The pointer holds the thumb by its middle: x 63 puts it at 50, 25 pixels along the track.
    EXPECT_EQ(bar.Move(63, 6, 0, 250, 20), (ScrollOffset{50, 0}));
    EXPECT_EQ(bar.GetThumbPos(), 50);
    EXPECT_EQ(bar.Move(64, 6, 50, 250, 20), (ScrollOffset{2, 0})) << "relative to the list";
    // Beyond the end the thumb stops at the arrow and the list at its limit.
    EXPECT_EQ(bar.Move(900, 6, 52, 250, 20), (ScrollOffset{198, 0}));
    EXPECT_EQ(bar.GetThumbPos(), 149);
    EXPECT_EQ(bar.Move(-50, 6, 250, 250, 20), (ScrollOffset{-250, 0}));
    EXPECT_EQ(bar.GetThumbPos(), 25);
    EXPECT_EQ(bar.ButtonUp(-50, 6), Steps{}) << "the drag ends without a step";
    EXPECT_FALSE(bar.IsDragging());

    // Vertically the list scrolls by whole rows, given in pixels: 10.2 pixels of travel a row.
    bar = Bar(ScrollBarKind::Vertical, 200, 0, 10);
    bar.ButtonDown(6, 40);
    EXPECT_EQ(bar.Move(6, 13 + 36 + 51, 0, 10, 22), (ScrollOffset{0, 5 * 22}));
    // Nothing to scroll: the thumb moves, the list does not.
    bar = Bar(ScrollBarKind::Vertical, 200);
    bar.ButtonDown(6, 40);
    EXPECT_EQ(bar.Move(6, 100, 0, 0, 20), (ScrollOffset{0, 0}));
}

} // namespace
