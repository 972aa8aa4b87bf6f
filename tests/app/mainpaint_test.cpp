// What the main window draws, checked on its pixels at two window sizes: the frames, the logo
// corner, the results list's green row and header strip, and the orange marker discs on the
// panel and on the diagram.
#include "controlids.h"
#include "mainlayout.h"
#include "memorysettingsstore.h"
#include "qcolour.h"
#include "recordingmessages.h"
#include "summarylayout.h"
#include "validrecommendation.h"
#include "velnordlg.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

std::string Rgb(const QColor& c) {
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
           std::to_string(c.blue());
}

// The window's picture with the three shaded buttons blacked out.
QImage WithoutButtons(QImage image, const CVelnorDlg& dlg) {
    QPainter painter(&image);
    for (int id : {MainControlId::kSettings, MainControlId::kPrint, MainControlId::kHelp})
        painter.fillRect(dlg.Control(id)->geometry(), Qt::black);
    return image;
}

class MainPaint : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override {
        TheUnitSettings() = UnitSettings{};
        StoreValidRecommendation(store);
        dlg = std::make_unique<CVelnorDlg>(&store, &messages);
        ASSERT_TRUE(dlg->Start());
        dlg->resize(GetParam());
        dlg->show();
        image = dlg->grab().toImage();
    }

    MemorySettingsStore store;
    RecordingMessages messages;
    std::unique_ptr<CVelnorDlg> dlg;
    QImage image;
};

} // namespace

TEST_P(MainPaint, FramesInTheirColours) {
    const int w = dlg->width();
    const int h = dlg->height();
    ASSERT_EQ(image.size(), QSize(w, h));
    for (const MainLayout::Frame& f : MainLayout::Frames(w, h, dlg->RightMargin())) {
        const QColor first = ToQColor(f.topLeft);
        const QColor second = ToQColor(f.bottomRight);
        const Rect& r = f.rect;
        // A point of the top edge and of the left edge that no control covers.
        EXPECT_EQ(Rgb(At(image, r.left + 3, r.top)), Rgb(first)) << r.left << "," << r.top;
        EXPECT_EQ(Rgb(At(image, r.left, r.top + 3)), Rgb(first)) << r.left << "," << r.top;
        EXPECT_EQ(Rgb(At(image, r.right - 1, r.top + 3)), Rgb(second)) << r.right;
    }
    EXPECT_EQ(Rgb(At(image, 2, 2)), "255,255,255");
}

TEST_P(MainPaint, OptimalRowGreenAndHeaderStrip) {
    const int p = MainLayout::PanelLeft(dlg->width(), dlg->RightMargin());
    const int row = dlg->Model().Result().nOptimalRow;
    const int listX = p + 6;
    const int listY = 295;
    EXPECT_EQ(Rgb(At(image, listX + 8, listY + 1)), "2,137,244"); // the strip's second row
    for (int x : {listX + 4, listX + 300}) {
        EXPECT_EQ(Rgb(At(image, x, listY + 20 + row * 20 + 2)), "44,190,77") << x;
    }
    const int other = row == 0 ? 1 : 0;
    EXPECT_EQ(Rgb(At(image, listX + 300, listY + 20 + other * 20 + 2)), "242,246,251");
}

TEST_P(MainPaint, MarkerDiscsOnThePanelAndOnTheDiagram) {
    const int p = MainLayout::PanelLeft(dlg->width(), dlg->RightMargin());
    EXPECT_GT(dlg->DiagramScale(), 0.0);
    for (const MarkerPlacement& m : RowMarkers(p))
        EXPECT_EQ(Rgb(At(image, m.cx, m.cy - 8)), "255,138,21") << "panel " << m.nIndex;
    for (const MarkerPlacement& m :
         DiagramMarkers(dlg->DiagramScale(), MainLayout::kDiagramX, MainLayout::kDiagramY))
        EXPECT_EQ(Rgb(At(image, m.cx, m.cy - 8)), "255,138,21") << "diagram " << m.nIndex;
}

TEST_P(MainPaint, DiagramScaleFollowsTheWindow) {
    const MainLayout::DiagramFit fit =
        MainLayout::FitDiagram(1401, 1926, dlg->width(), dlg->height(), dlg->RightMargin());
    EXPECT_DOUBLE_EQ(dlg->DiagramScale(), fit.dScale);
    for (int id : {1000, 1007, 1008})
        EXPECT_GE(dlg->Field(id)->x(), dlg->width()) << id;
}

TEST_P(MainPaint, ResizedWindowSettlesToTheLookOfOneOpenedAtItsSize) {
    const QSize other = dlg->width() < 1000 ? QSize(1500, 900) : QSize(700, 600);
    MemorySettingsStore before = store; // the resize below stores the new size
    dlg->resize(other);
    dlg->grab(); // a paint while the size is still changing
    dlg->OnDiagramSettled();
    const QImage settled = dlg->grab().toImage();

    CVelnorDlg fresh(&before, &messages);
    ASSERT_TRUE(fresh.Start());
    fresh.show(); // fits the stored size to the frame
    fresh.resize(other);
    // The buttons' grain continues from the first window's, so their faces differ.
    EXPECT_TRUE(WithoutButtons(settled, *dlg) == WithoutButtons(fresh.grab().toImage(), fresh))
        << "the settled diagram is not a fresh render";
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, MainPaint,
                         ::testing::Values(QSize(800, 640), QSize(1500, 900)));
