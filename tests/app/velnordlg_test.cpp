// The main window as a user meets it: start-up, its controls bound to its model, the results
// list after a tick, closing, and what it leaves in the settings store.
#include "controlids.h"
#include "convert.h"
#include "graingenerator.h"
#include "identity.h"
#include "memorysettingsstore.h"
#include "messages.h"
#include "recordingmessages.h"
#include "richtext.h"
#include "settingsfixtures.h"
#include "skinlistctrl.h"
#include "summarylayout.h"
#include "validrecommendation.h"
#include "velnordlg.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    std::unique_ptr<CVelnorDlg> Open() {
        auto dlg = std::make_unique<CVelnorDlg>(units, identity, grain, &store, &messages);
        started = dlg->Start();
        return dlg;
    }
    std::string Text(CVelnorDlg& dlg, int id) { return dlg.Field(id)->text().toStdString(); }
    void Type(CVelnorDlg& dlg, int id, const char* text) {
        dlg.Field(id)->setText(QString::fromLatin1(text));
    }

    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    MemorySettingsStore store;
    RecordingMessages messages;
    bool started = false;
};

} // namespace

TEST_F(MainWindow, StartsWithTheDefaultsOfAnEmptyStore) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(UnitValues(units), (std::vector<int>{0, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(dlg->pos(), QPoint(10, 10));
    EXPECT_EQ(dlg->size(), QSize(800, 640));
    EXPECT_EQ(dlg->Model().Refrigerant(), 0);
    EXPECT_EQ(Text(*dlg, 1003), "110");
    EXPECT_EQ(Text(*dlg, 1004), "-25");
    EXPECT_EQ(Text(*dlg, 1005), "55");
    EXPECT_EQ(Text(*dlg, 1006), "32");
    EXPECT_EQ(Text(*dlg, 1008), "25");
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Kestrin Capillary Tube Selector"));
    // Restoring the inputs marked them changed; the first calculation cleared the mark.
    EXPECT_FALSE(dlg->Model().Changed());
    EXPECT_EQ(dlg->Model().CalculationCount(), 1);
    EXPECT_TRUE(dlg->Ready());
    // A picture of the default window for people to look at, in the build's bin directory.
    dlg->show();
    dlg->grab().save(QStringLiteral("velnor-window.png"));
}

TEST_F(MainWindow, UnreadableDatabaseShowsTheMessageAndKeepsTheStore) {
    QTemporaryDir empty;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(empty.path()));
    store.Set("Settings", "Refrig", 3);
    store.Set("Settings", "dHeatLoad", 12345);
    {
        auto dlg = Open();
        EXPECT_FALSE(started);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Could not read Velnor.dkt");
        EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Error);
    }
    QDir::setCurrent(old);
    EXPECT_TRUE(store.Writes().empty());
    EXPECT_EQ(store.ReadInt("Settings", "Refrig", 0), 3);
}

TEST_F(MainWindow, ThePickerAndTheFieldsTellTheModel) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    auto* picker = static_cast<QComboBox*>(dlg->Control(1017));
    picker->setCurrentIndex(1);
    emit picker->activated(1);
    EXPECT_EQ(dlg->Model().Refrigerant(), 1);
    EXPECT_TRUE(dlg->Model().Changed());
    dlg->OnTimer();
    ASSERT_FALSE(dlg->Model().Changed());
    QTest::keyClick(dlg->Field(1003), Qt::Key_5);
    EXPECT_TRUE(dlg->Model().Changed());
}

TEST_F(MainWindow, ResultsListShowsTheRowsAndSelectsTheOptimalOne) {
    StoreValidRecommendation(store);
    auto dlg = Open();
    ASSERT_TRUE(started);
    auto* list = static_cast<CSkinListCtrl*>(dlg->Control(1020));
    ASSERT_TRUE(dlg->Model().Result().Valid());
    ASSERT_EQ(list->GetItemCount(), 9);
    EXPECT_EQ(list->GetSelectedRow(), dlg->Model().Result().nOptimalRow);

    Type(*dlg, 1003, "0");
    dlg->OnTimer();
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 0), QStringLiteral("Heat load invalid"));
    EXPECT_EQ(list->GetItemText(0, 1), QStringLiteral("1 to 10000W"));
    EXPECT_EQ(list->GetSelectedRow(), -1);
}

TEST_F(MainWindow, ClosingStoresTheSelectionAndTheInputsTruncated) {
    {
        auto dlg = Open();
        ASSERT_TRUE(started);
        Type(*dlg, 1003, "123.456");
        Type(*dlg, 1006, "32.3");
        Type(*dlg, 1004, "-1.005");
        store.ClearWrites();
        dlg->reject(); // Esc or the close box
    }
    EXPECT_EQ(store.ReadInt("Settings", "dHeatLoad", 0), 12345);
    EXPECT_EQ(store.ReadInt("Settings", "dRGasTemp", 0), 3229);
    EXPECT_EQ(store.ReadInt("Settings", "dEvapTemp", 0), -100);
    EXPECT_EQ(store.ReadInt("Settings", "Refrig", -1), 0);
    ASSERT_EQ(store.Writes().size(), 6u); // written once, though the window is destroyed after
    EXPECT_EQ(store.Writes()[0].entry, "Refrig");
}

TEST_F(MainWindow, EnterDoesNothingAndEscapeEnds) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    QTest::keyClick(dlg->Field(1003), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    QTest::keyClick(dlg.get(), Qt::Key_Enter);
    EXPECT_TRUE(dlg->isVisible());
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(MainWindow, ShownWindowGetsTheProgramIcon) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->windowIcon().isNull(); }));
}

TEST_F(MainWindow, RestoresAStoredRefrigerantClampedAndAPlacementCorrected) {
    store.Set("Settings", "Refrig", 99);
    store.Set("Location", "XSiz", 50000);
    auto dlg = Open();
    ASSERT_TRUE(started);
    EXPECT_EQ(dlg->Model().Refrigerant(), dlg->Model().Database().nRefrigerants - 1);
    EXPECT_EQ(dlg->pos().x(), 10);
    EXPECT_LT(dlg->width(), 50000);
}

TEST_F(MainWindow, HiddenFieldsLieOutsideTheWindow) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    for (int width : {685, 800, 1500}) {
        dlg->resize(width, 640);
        for (int id : {1000, 1007, 1008})
            EXPECT_GE(dlg->Field(id)->x(), dlg->width()) << id << " at " << width;
    }
}

TEST_F(MainWindow, FieldsOutOfViewTakeNoKeysAndAreNotOfferedToScreenReaders) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    const auto outOfView = [&](const QObject* object) {
        for (int id : MainControlId::kOutOfView) {
            if (object == dlg->Field(id))
                return true;
        }
        return false;
    };
    // Click the return gas field, Tab, type 77, Tab, type 88: the keys go to shown controls.
    QTest::mouseClick(dlg->Field(1006), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), dlg->Field(1006));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->isVisible());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("77"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("88"));
    // Round the whole chain, and by code: focus never lands on a field out of view.
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(outOfView(QApplication::focusWidget())) << "after Tab " << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (int id : MainControlId::kOutOfView) {
        dlg->Field(id)->setFocus();
        EXPECT_FALSE(outOfView(QApplication::focusWidget())) << id;
    }
    EXPECT_EQ(Text(*dlg, 1008), "25");

    // The window's accessible children are the shown controls only.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dlg.get());
    ASSERT_NE(window, nullptr);
    int shown = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        const QObject* child = window->child(i)->object();
        EXPECT_FALSE(outOfView(child)) << i;
        shown += child == dlg->Field(1006) ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    for (int id : MainControlId::kOutOfView)
        EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(dlg->Field(id))), -1);

    dlg->reject();
    EXPECT_EQ(store.ReadInt("Settings", "dAmbient", 0), 2500);
}

TEST_F(MainWindow, AScreenReaderReadsTheInputsTheTableAndThePaintedTexts) {
    StoreValidRecommendation(store);
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    const auto reader = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    };

    // The picker and the four shown fields are named by the labels painted beside them.
    const SummaryPlan plan = PlanSummary(SummaryState{}, 0);
    EXPECT_EQ(reader(dlg->Control(MainControlId::kRefrigerant))->role(), QAccessible::ComboBox);
    EXPECT_EQ(reader(dlg->Control(MainControlId::kRefrigerant))->text(QAccessible::Name),
              QStringLiteral("Refrigerant"));
    const int named[] = {MainControlId::kHeatLoad, MainControlId::kEvapTemp,
                         MainControlId::kCondTemp, MainControlId::kRGasTemp};
    for (int row = 1; row <= 4; ++row) {
        QAccessibleInterface* field = reader(dlg->Field(named[row - 1]));
        EXPECT_EQ(field->role(), QAccessible::EditableText);
        EXPECT_EQ(field->text(QAccessible::Name).toStdString(), InputLabel(plan, row));
    }
    // The painted rows, label and unit, are found as the labels of the picker and the fields.
    QAccessibleInterface* window = reader(dlg.get());
    QAccessibleInterface* heatLoadField = reader(dlg->Field(MainControlId::kHeatLoad));
    QString heatLoadLabel;
    int labels = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        for (const auto& [target, relation] : window->child(i)->relations()) {
            labels += relation == QAccessible::Labelled ? 1 : 0;
            if (target == heatLoadField && relation == QAccessible::Labelled)
                heatLoadLabel = window->child(i)->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(labels, 5);
    EXPECT_TRUE(heatLoadLabel.startsWith(QString::fromStdString(InputLabel(plan, 1)) + ' '))
        << heatLoadLabel.toStdString();

    // The results are a table with the optimal row selected.
    QAccessibleTableInterface* table =
        reader(dlg->Control(MainControlId::kResults))->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 9);
    EXPECT_EQ(table->selectedRows(), QList<int>{dlg->Model().Result().nOptimalRow});

    // The painted texts are static texts among the window's children, in reading order from
    // the product name; the flow line reads without its markup and follows a recalculation.
    const auto flowText = [&] {
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            if (child->role() == QAccessible::StaticText &&
                child->text(QAccessible::Name).startsWith(QStringLiteral("Flow Rate:")))
                return child->textInterface()->text(0, child->textInterface()->characterCount());
        }
        return QString();
    };
    const auto expectedFlow = [&] {
        return QString::fromStdString(
            PlainRichText(FlowLineText(dlg->Model().Result().dN2Flow, units)));
    };
    EXPECT_EQ(window->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(window->child(0)->text(QAccessible::Name).toStdString(),
              std::string(identity.szProductName));
    EXPECT_TRUE(flowText().contains(QStringLiteral("(N2 at"))) << flowText().toStdString();
    EXPECT_EQ(flowText(), expectedFlow());
    const QString before = flowText();
    Type(*dlg, MainControlId::kHeatLoad, "2000");
    dlg->OnTimer();
    EXPECT_NE(flowText(), before);
    EXPECT_EQ(flowText(), expectedFlow());
}

TEST_F(MainWindow, NeverSmallerThanTheMinimumSize) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    dlg->resize(300, 200);
    EXPECT_GE(dlg->frameGeometry().width(), 685);
    EXPECT_GE(dlg->frameGeometry().height(), 600);
}
