// What the main window draws, checked on its pixels at two window sizes: the frames, the logo
// corner, the results list's green row and header strip, the refrigerant picker's face, and the
// orange marker discs on the panel and on the diagram; and the shaded buttons' faces.
#include "bitmaps.h"
#include "controlids.h"
#include "graingenerator.h"
#include "identity.h"
#include "mainlayout.h"
#include "memorysettingsstore.h"
#include "qcolour.h"
#include "recordingmessages.h"
#include "resourceids.h"
#include "shadedface.h"
#include "summarylayout.h"
#include "validrecommendation.h"
#include "velnordlg.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
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

// The window with a valid recommendation, shown at a size, and its picture.
class ShownWindow : public ::testing::Test {
protected:
    void Open(QSize size) {
        StoreValidRecommendation(store);
        dlg = std::make_unique<CVelnorDlg>(units, identity, grain, texts, &store, &messages);
        ASSERT_TRUE(dlg->Start());
        dlg->resize(size);
        dlg->show();
        image = dlg->grab().toImage();
    }

    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale texts;
    MemorySettingsStore store;
    RecordingMessages messages;
    std::unique_ptr<CVelnorDlg> dlg;
    QImage image;
};

// What lies where the window's size decides, at two sizes.
class MainPaint : public ShownWindow, public ::testing::WithParamInterface<QSize> {
protected:
    void SetUp() override { Open(GetParam()); }
};

// What does not depend on the window's size, at its default size.
class MainPaintAtDefaultSize : public ShownWindow {
protected:
    void SetUp() override { Open(QSize(800, 640)); }
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

TEST_F(MainPaintAtDefaultSize, PickerFaceFromItsBitmapsInTheNormalColours) {
    const QRect picker = dlg->Control(1017)->geometry();
    const QImage button = LoadBitmapResource(ResourceId::kComboButton);
    const int buttonLeft = picker.right() + 1 - button.width();
    for (int y = 0; y < picker.height(); ++y) {
        EXPECT_EQ(image.pixel(picker.left(), picker.top() + y),
                  LoadBitmapResource(ResourceId::kComboLeft).pixel(0, y))
            << y;
        for (int x = 0; x < button.width(); ++x)
            ASSERT_EQ(image.pixel(buttonLeft + x, picker.top() + y), button.pixel(x, y))
                << x << "," << y;
    }
    // Inside the face, left of the name: the window was never activated, so the picker has no
    // focus.
    EXPECT_EQ(Rgb(At(image, picker.left() + 4, picker.top() + 8)), "242,246,251");
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
}

TEST_P(MainPaint, ResizedWindowSettlesToTheLookOfOneOpenedAtItsSize) {
    const QSize other = dlg->width() < 1000 ? QSize(1500, 900) : QSize(700, 600);
    MemorySettingsStore before = store; // the resize below stores the new size
    dlg->resize(other);
    dlg->grab(); // a paint while the size is still changing
    dlg->OnDiagramSettled();
    const QImage settled = dlg->grab().toImage();

    UnitSettings freshUnits;
    ProductIdentity freshIdentity;
    CVelnorDlg fresh(freshUnits, freshIdentity, grain, texts, &before, &messages);
    ASSERT_TRUE(fresh.Start());
    fresh.show(); // fits the stored size to the frame
    fresh.resize(other);
    // The buttons' grain continues from the first window's, so their faces differ.
    EXPECT_TRUE(WithoutButtons(settled, *dlg) == WithoutButtons(fresh.grab().toImage(), fresh))
        << "the settled diagram is not a fresh render";
}

TEST(MainWindowButtons, ShadedInTurnSettingsPrintHelpAndShownAsShaded) {
    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale texts;
    MemorySettingsStore store;
    RecordingMessages messages;
    CVelnorDlg dlg(units, identity, grain, texts, &store, &messages);
    ASSERT_TRUE(dlg.Start());
    dlg.show();
    const QImage window = dlg.grab().toImage();
    GrainGenerator replay; // the grain the window's generator gave from its start
    const std::tuple<int, const char*, const char*> buttons[] = {
        {MainControlId::kSettings, "Settings", "Specify unit options"},
        {MainControlId::kPrint, "Print", "Print current calculation"},
        {MainControlId::kHelp, "Help", "Display help information"},
    };
    for (const auto& [id, text, toolTip] : buttons) {
        const auto* button = qobject_cast<const CShadeButton*>(dlg.Control(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->text().toStdString(), text);
        EXPECT_EQ(button->Model().ToolTipText(false), toolTip);
        ASSERT_EQ(button->size(), QSize(80, 25));
        // Each face takes the grain where the one before left it, from a fresh generator on.
        ShadeButtonModel expected;
        expected.SetShade(button->Model().Shade().Params(), 80, 25, replay);
        const CShadeDib& face = button->Model().Image(ShadeImage::Normal);
        EXPECT_TRUE(face == expected.Image(ShadeImage::Normal)) << text;
        EXPECT_EQ(FaceMismatch(window, button->geometry(), *button, face), "") << text;
    }

    auto* settings = qobject_cast<CShadeButton*>(dlg.Control(MainControlId::kSettings));
    // A button paints alone: nothing under it is painted or erased first.
    QApplication::processEvents(); // the window's own pending paints
    int windowPaints = 0;
    QObject::connect(&dlg, &CVelnorDlg::Painted, [&windowPaints] { ++windowPaints; });
    settings->repaint();
    EXPECT_EQ(windowPaints, 0);

    const QPoint over(40, 12);
    QMouseEvent move(QEvent::MouseMove, over, settings->mapToGlobal(over), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(settings, &move);
    EXPECT_EQ(FaceMismatch(dlg.grab().toImage(), settings->geometry(), *settings,
                           settings->Model().Image(ShadeImage::Hover)),
              "");
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, MainPaint,
                         ::testing::Values(QSize(800, 640), QSize(1500, 900)));
