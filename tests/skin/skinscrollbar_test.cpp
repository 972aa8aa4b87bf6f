// The results list with its bitmap scroll bars, in a window: where the bars sit, what they draw,
// and what arrows, track, thumb and a held arrow do to the list.
#include "bitmaps.h"
#include "panelfont.h"
#include "resourceids.h"
#include "skinlistctrl.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr auto kH = ScrollBarKind::Horizontal;
constexpr auto kV = ScrollBarKind::Vertical;

// A list at (10, 10), 200 x 150, in a shown window, with Init(true): three columns of 120
// pixels (160 to scroll sideways) and 40 rows.
struct ListWithBars {
    QWidget window;
    CSkinListCtrl* list = new CSkinListCtrl(&window);

    explicit ListWithBars(int nColumns = 3, int nRows = 40) {
        window.resize(300, 220);
        list->setGeometry(10, 10, 200, 150);
        list->Init(true);
        list->SetFont(CreatePanelFont(QStringLiteral("Arial"), 0, 20, 400, 1));
        for (int i = 0; i < nColumns; ++i)
            list->InsertColumn(i, QStringLiteral("Column %1").arg(i), 120);
        for (int i = 0; i < nRows; ++i)
            list->InsertItem(i, QStringLiteral("Row %1").arg(i));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    SkinScrollBar& Bar(ScrollBarKind kind) const {
        if (kind == kH)
            return *list->GetHorizontalScrollbar();
        return *list->GetVerticleScrollbar();
    }
    int Pos(ScrollBarKind kind) const { return list->GetScrollPos(kind); }
    int Thumb(ScrollBarKind kind) const { return Bar(kind).Model().GetThumbPos(); }
    // A point on a bar at `along` pixels from its start, in its middle across.
    static QPoint At(ScrollBarKind kind, int along) {
        return kind == kH ? QPoint(along, 6) : QPoint(6, along);
    }
    void Press(ScrollBarKind kind, int along) {
        QTest::mousePress(&Bar(kind), Qt::LeftButton, {}, At(kind, along));
    }
    void Release(ScrollBarKind kind, int along) {
        QTest::mouseRelease(&Bar(kind), Qt::LeftButton, {}, At(kind, along));
    }
    void Click(ScrollBarKind kind, int along) {
        Press(kind, along);
        Release(kind, along);
    }
};

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the image shows the bitmap unscaled with its top-left corner at `at`.
bool ShowsBitmap(const QImage& image, int nBitmap, QPoint at) {
    const QImage bitmap = LoadBitmapResource(nBitmap).convertToFormat(QImage::Format_RGB32);
    return image.copy(QRect(at, bitmap.size())) == bitmap;
}

TEST(SkinScrollBars, PlacedBesideTheListAndDrawnFromTheBitmaps) {
    ListWithBars f;
    EXPECT_EQ(f.Bar(kV).parentWidget(), &f.window);
    EXPECT_EQ(f.Bar(kV).geometry(), QRect(210, 10, 12, 162));
    EXPECT_EQ(f.Bar(kH).geometry(), QRect(10, 160, 201, 12));
    // Moving the list takes the bars along.
    f.list->move(20, 15);
    EXPECT_EQ(f.Bar(kV).geometry(), QRect(220, 15, 12, 162));
    EXPECT_EQ(f.Bar(kH).geometry(), QRect(20, 165, 201, 12));

    // Scrolled half way down: the vertical thumb leaves the up arrow.
    f.list->Scroll(0, f.list->GetScrollLimit(kV) / 2 * f.list->Model().GetRowHeight());
    QCoreApplication::processEvents();
    const QImage window = Grab(f.window);
    EXPECT_TRUE(window.save(QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("skinscrollbars.png"))));

    const QImage h = Grab(f.Bar(kH));
    EXPECT_TRUE(ShowsBitmap(h, ResourceId::kHScrollLeft, {0, 0}));
    EXPECT_TRUE(ShowsBitmap(h, ResourceId::kHScrollThumb, {25, 0}));
    EXPECT_TRUE(ShowsBitmap(h, ResourceId::kHScrollRight, {175, 0}));
    for (int x : {51, 100, 174})
        EXPECT_TRUE(ShowsBitmap(h, ResourceId::kHScrollTrack, {x, 0})) << x;

    const QImage v = Grab(f.Bar(kV));
    const int nThumb = f.Thumb(kV);
    EXPECT_GT(nThumb, 36);
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollTop, {0, 0}));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollUp, {0, 11}));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollTrack, {0, 37}));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollThumb, {0, nThumb}));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollDown, {0, 125}));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollBottom, {1, 151}));
    // The track runs to the bottom: left of the corner its first column shows.
    const QRgb trackEdge = LoadBitmapResource(ResourceId::kVScrollTrack).pixel(0, 0);
    for (int y = 151; y < 162; ++y)
        EXPECT_EQ(v.pixel(0, y), trackEdge) << y;
}

TEST(SkinScrollBars, WithoutOverflowTheBarsHaveNoThumb) {
    ListWithBars f(1, 3);
    EXPECT_EQ(f.list->GetScrollLimit(kH), 0);
    const QImage h = Grab(f.Bar(kH));
    EXPECT_TRUE(ShowsBitmap(h, ResourceId::kHScrollTrack, {30, 0}));
    const QImage v = Grab(f.Bar(kV));
    EXPECT_TRUE(ShowsBitmap(v, ResourceId::kVScrollTrack, {0, 40}));
}

TEST(SkinScrollBars, ArrowsStepOnceOnRelease) {
    ListWithBars f;
    f.Press(kV, 140); // the down arrow, 152 - 37 to 152 - 11
    EXPECT_EQ(f.Pos(kV), 0);
    f.Release(kV, 140);
    EXPECT_EQ(f.Pos(kV), 1);
    EXPECT_GT(f.Thumb(kV), 36);
    f.Click(kV, 20); // the up arrow
    EXPECT_EQ(f.Pos(kV), 0);

    f.Click(kH, 190); // the right arrow
    EXPECT_EQ(f.Pos(kH), SkinListModel::kLineScrollX);
    EXPECT_GT(f.Thumb(kH), 25);

    // Released inside the left arrow after a press on the track, the horizontal bar steps.
    f.Press(kH, 120);
    f.Release(kH, 10);
    EXPECT_EQ(f.Pos(kH), 0);
}

TEST(SkinScrollBars, TrackPagesOnceOnRelease) {
    ListWithBars f;
    const int nPage = f.list->Model().GetFullyVisibleRows(150);
    f.Press(kV, 100); // below the thumb
    EXPECT_EQ(f.Pos(kV), 0);
    f.Release(kV, 100);
    EXPECT_EQ(f.Pos(kV), nPage);
    f.Click(kV, 40); // above the thumb, which has moved down
    EXPECT_EQ(f.Pos(kV), 0);
}

TEST(SkinScrollBars, DraggingTheThumbScrollsTheList) {
    ListWithBars f;
    f.Press(kH, 38);
    QTest::mouseMove(&f.Bar(kH), ListWithBars::At(kH, 100));
    const int nMiddle = f.Pos(kH);
    EXPECT_GT(nMiddle, 0);
    EXPECT_LT(nMiddle, f.list->GetScrollLimit(kH));
    QTest::mouseMove(&f.Bar(kH), ListWithBars::At(kH, 400));
    EXPECT_EQ(f.Pos(kH), f.list->GetScrollLimit(kH));
    EXPECT_EQ(f.Thumb(kH), 201 - 51);
    f.Release(kH, 400);
    EXPECT_EQ(f.Pos(kH), f.list->GetScrollLimit(kH)) << "no page step after a drag";

    f.Press(kV, 40);
    QTest::mouseMove(&f.Bar(kV), ListWithBars::At(kV, 300));
    EXPECT_EQ(f.Pos(kV), f.list->GetScrollLimit(kV));
    QTest::mouseMove(&f.Bar(kV), ListWithBars::At(kV, -20));
    EXPECT_EQ(f.Pos(kV), 0);
    f.Release(kV, -20);
}

TEST(SkinScrollBars, HeldArrowRepeatsUntilReleased) {
    ListWithBars f;
    QElapsedTimer held;
    held.start();
    f.Press(kV, 140);
    QTest::qWait(150);
    // A busy machine may have let the first delay pass already.
    if (held.elapsed() < 230) {
        EXPECT_EQ(f.Pos(kV), 0) << "nothing before the first delay";
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Pos(kV) >= 3; }, 5000));
    const int nHeld = f.Pos(kV);
    f.Release(kV, 140);
    EXPECT_EQ(f.Pos(kV), nHeld + 1) << "and the step of the release";
    QTest::qWait(150);
    EXPECT_EQ(f.Pos(kV), nHeld + 1);
}

TEST(SkinScrollBars, FollowTheWheel) {
    ListWithBars f;
    const QPointF at(100, 100);
    QWheelEvent down(at, f.list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f.list, &down);
    EXPECT_GT(f.Pos(kV), 0);
    // The list's repaint brings the thumb along.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Thumb(kV) > 36; }, 2000));
}

} // namespace
