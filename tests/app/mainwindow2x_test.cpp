// The main window at twice the scale (run with QT_SCALE_FACTOR=2): every control that paints
// itself draws at device pixels, not a picture drawn at half the size and blown up. It leaves
// velnor-window-2x.png in the bin directory.
#include "controlids.h"
#include "graingenerator.h"
#include "identity.h"
#include "mainlayout.h"
#include "memorysettingsstore.h"
#include "qrect.h"
#include "recordingmessages.h"
#include "resourceids.h"
#include "skinheaderctrl.h"
#include "skinlistctrl.h"
#include "validrecommendation.h"
#include "velnordlg.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A picture blown up from half the size repeats every pixel in a 2 x 2 block; one drawn at
// device pixels has detail finer than that wherever it shows text or a curve.
bool HasDetailFinerThanTwoPixels(const QImage& image, const QRect& logical) {
    const QRect area(logical.topLeft() * 2, logical.size() * 2);
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(MainWindowAtScaleTwo, EveryPaintedControlIsDrawnAtDevicePixels) {
    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale texts;
    MemorySettingsStore store;
    RecordingMessages messages;
    StoreValidRecommendation(store); // nine rows, the optimal one green
    CVelnorDlg dlg(units, identity, grain, texts, &store, &messages);
    ASSERT_TRUE(dlg.Start());
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ASSERT_EQ(dlg.devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";

    const QImage image = dlg.grab().toImage();
    image.save(QStringLiteral("velnor-window-2x.png"));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    ASSERT_EQ(image.size(), dlg.size() * 2);

    const auto in = [&dlg](const QWidget* control) {
        return QRect(control->mapTo(&dlg, QPoint(0, 0)), control->size());
    };
    auto* list = static_cast<CSkinListCtrl*>(dlg.Control(MainControlId::kResults));
    const ResourceSize logo = BitmapResourceSize(ResourceId::kLogo);
    const ResourceSize circuit = BitmapResourceSize(ResourceId::kCircuit);
    const std::pair<const char*, QRect> painted[] = {
        {"list rows", in(list).adjusted(0, SkinListModel::kHeaderHeight, 0, 0)},
        {"list header", in(list->GetHeaderCtrl())},
        {"Settings button", in(dlg.Control(MainControlId::kSettings))},
        {"Print button", in(dlg.Control(MainControlId::kPrint))},
        {"Help button", in(dlg.Control(MainControlId::kHelp))},
        {"picker", in(dlg.Control(MainControlId::kRefrigerant))},
        {"panel's flow line", dlg.PanelReadings()[kFlowLineReading].rect},
        {"header's product name", dlg.PanelReadings()[0].rect},
        {"logo", QRect(dlg.width() - MainLayout::kLogoRightOffset, MainLayout::kLogoY, logo.nWidth,
                       logo.nHeight)},
        {"diagram", ToQRect(MainLayout::FitDiagram(circuit.nWidth, circuit.nHeight, dlg.width(),
                                                   dlg.height(), dlg.RightMargin())
                                .rect)},
    };
    for (const auto& [name, rect] : painted) {
        ASSERT_FALSE(rect.isEmpty()) << name;
        EXPECT_TRUE(HasDetailFinerThanTwoPixels(image, rect)) << name << " is blown up";
    }
}
