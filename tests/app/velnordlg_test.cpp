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
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class MainWindow : public ::testing::Test {
protected:
    std::unique_ptr<CVelnorDlg> Open() {
        auto dlg = std::make_unique<CVelnorDlg>(units, identity, grain, texts, &store, &messages);
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
    const TextLocale texts;
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
    // 110 W, -25, 55, 32 and 25 ºC in the first-run units, Btu/hr and ºF: a valid sizing.
    EXPECT_EQ(Text(*dlg, 1003), "375.33");
    EXPECT_EQ(Text(*dlg, 1004), "-13");
    EXPECT_EQ(Text(*dlg, 1005), "131");
    EXPECT_EQ(Text(*dlg, 1006), "89.6");
    EXPECT_EQ(Text(*dlg, 1008), "77");
    EXPECT_TRUE(dlg->Model().ListContent().valid);
    EXPECT_EQ(dlg->Model().ListContent().rows.size(), 9u);
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
    QTemporaryDir folder;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    store.Set("Settings", "Refrig", 3);
    store.Set("Settings", "dHeatLoad", 12345);
    const std::string path = folder.filePath(QStringLiteral("Velnor.dkt")).toStdString();
    const auto write = [&path](const char* bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    // Each way the file can fail, set up in turn, with the message it gives.
    struct Case {
        std::function<void()> make;
        std::string reason;
    };
    const Case cases[] = {
        {[] {}, "the file is missing."},
        {[&path] { ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path))); },
         "it is not a regular file."},
        {[&path] {
             QDir().rmdir(QString::fromStdString(path));
             ASSERT_TRUE(QFile::link(QString::fromStdString(path), QString::fromStdString(path)));
         },
         "it is unreadable (Too many levels of symbolic links)."},
        {[&] {
             QFile::remove(QString::fromStdString(path));
             write("not scrambled");
         },
         "it is not a Velnor database."},
    };
    for (const Case& c : cases) {
        c.make();
        messages.shown.clear();
        auto dlg = Open();
        EXPECT_FALSE(started);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Could not read " + path + ": " + c.reason);
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
    // The summary shows no flow beside the invalid input, until the inputs are valid again.
    const auto flowLine = [&dlg] { return dlg->PanelReadings()[kFlowLineReading].text; };
    EXPECT_EQ(flowLine(), QStringLiteral("Flow Rate: --- CFM (N2 at delta p 145 psi)"));
    Type(*dlg, 1003, "500");
    dlg->OnTimer();
    EXPECT_FALSE(flowLine().contains(QStringLiteral("---"))) << flowLine().toStdString();
}

TEST_F(MainWindow, ClosingStoresTheChangedInputsTruncatedAndSaves) {
    {
        auto dlg = Open();
        ASSERT_TRUE(started);
        Type(*dlg, 1003, "123.456");
        Type(*dlg, 1006, "32.3");
        Type(*dlg, 1004, "-1.005");
        store.ClearWrites();
        dlg->reject(); // Esc or the close box
    }
    const std::vector<MemorySettingsStore::Write> written = {{"Settings", "dHeatLoad", 12345},
                                                             {"Settings", "dEvapTemp", -100},
                                                             {"Settings", "dRGasTemp", 3229}};
    // Written and saved once, though the window is destroyed after.
    EXPECT_EQ(store.Writes(), written);
    EXPECT_EQ(store.Saves(), std::vector<std::size_t>{3});
}

TEST_F(MainWindow, AChangeIsSavedAtTheNextTick) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    store.ClearWrites();
    dlg->OnTimer();
    EXPECT_TRUE(store.Writes().empty()) << "nothing changed";
    Type(*dlg, 1003, "500");
    auto* picker = static_cast<QComboBox*>(dlg->Control(1017));
    picker->setCurrentIndex(2);
    emit picker->activated(2);
    dlg->OnTimer();
    const std::vector<MemorySettingsStore::Write> written = {{"Settings", "Refrig", 2},
                                                             {"Settings", "dHeatLoad", 50000}};
    EXPECT_EQ(store.Writes(), written);
    EXPECT_EQ(store.Saves().back(), 2u);
}

TEST_F(MainWindow, UnitsAndTheInputsTheyConvertedAreSavedTogether) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    Type(*dlg, 1004, "14");
    dlg->OnTimer();
    store.ClearWrites();
    // ºC in the units dialog, then OK.
    QTimer::singleShot(0, dlg.get(), [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box->findChild<QRadioButton*>(QStringLiteral("id1009")), Qt::LeftButton,
                          {}, QPoint(6, 6));
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("id1")), Qt::LeftButton);
    });
    dlg->OnSettings();
    EXPECT_EQ(Text(*dlg, 1004), "-10");
    const std::vector<MemorySettingsStore::Write> written = {{"Settings", "UnitsTemperature", 0},
                                                             {"Settings", "dEvapTemp", -1000},
                                                             {"Settings", "dCondTemp", 5500},
                                                             {"Settings", "dRGasTemp", 3200},
                                                             {"Settings", "dAmbient", 2500}};
    EXPECT_EQ(store.Writes(), written);
    // One save, after all of them.
    EXPECT_EQ(store.Saves(), std::vector<std::size_t>{written.size()});
}

TEST_F(MainWindow, WhatTheStoreHasToTellIsShownOnceTheWindowIsUp) {
    store.notice = "Settings are not kept.";
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->OnTimer();
    EXPECT_TRUE(messages.shown.empty()) << "not before the first frame";
    dlg->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.shown[0].text, "Settings are not kept.");
    EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Exclamation);
    dlg->OnTimer();
    dlg->reject();
    EXPECT_EQ(messages.shown.size(), 1u);
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

TEST_F(MainWindow, TheKeyboardReachesEveryControlInReadingOrder) {
    auto dlg = Open();
    ASSERT_TRUE(started);
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    // The picker first, then the fields, the list, the link and the buttons left to right.
    const int chain[] = {1017, 1003, 1004, 1005, 1006, 1020, 1022, 1019, 1018, 1016, 1017};
    EXPECT_EQ(QApplication::focusWidget(), dlg->Control(chain[0]));
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->Control(chain[i])) << "Tab " << i;
    }

    // A click gives the list the focus, and Down moves its selection, not the refrigerant's.
    auto* list = static_cast<CSkinListCtrl*>(dlg->Control(1020));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 30));
    ASSERT_EQ(QApplication::focusWidget(), list);
    const int row = list->GetSelectedRow();
    dlg->OnTimer(); // the click's recalculation
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->GetSelectedRow(), row + 1);
    EXPECT_EQ(dlg->Model().Refrigerant(), 0);
    EXPECT_TRUE(dlg->Model().Changed()) << "the optimal row comes back at the next tick";

    // Shift+F10 opens the window menu, whose A is "About...".
    QString menu;
    QString about;
    QTimer::singleShot(100, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        menu = popup->objectName();
        QTimer::singleShot(100, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                about = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        QTest::keyClick(popup, Qt::Key_A);
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menu, QStringLiteral("windowMenu"));
    EXPECT_EQ(about, QStringLiteral("CAboutBox"));

    // In a field Shift+F10 opens the field's own menu.
    dlg->Field(1003)->setFocus();
    QTest::keyClick(dlg->Field(1003), Qt::Key_F10, Qt::ShiftModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_NE(popup->findChild<QAction*>(QStringLiteral("edit-paste")), nullptr);
    popup->close();

    // Enter presses the focused button: Settings, whose dialog is closed at once.
    const int calculations = dlg->Model().CalculationCount();
    dlg->Control(1016)->setFocus();
    QTimer::singleShot(100, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    QTest::keyClick(dlg->Control(1016), Qt::Key_Return);
    EXPECT_EQ(dlg->Model().CalculationCount(), calculations + 1);
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
    EXPECT_EQ(Text(*dlg, 1008), "77");

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
    EXPECT_FALSE(store.Contains("Settings", "dAmbient"));
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
            PlainRichText(FlowLineText(dlg->Model().Result().dN2Flow, units, TextLocale{})));
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

TEST_F(MainWindow, CtrlCInTheListCopiesTheReportAndCtrlTChecksATube) {
    StoreValidRecommendation(store);
    auto dlg = Open();
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QWidget* list = dlg->Control(MainControlId::kResults);
    list->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text().toStdString(), dlg->Model().CopyText());
    EXPECT_EQ(copied->html().toStdString(), dlg->Model().CopyHtml());
    // The window menu's C does the same.
    QApplication::clipboard()->clear();
    QTimer::singleShot(100, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_C);
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), dlg->Model().CopyText());

    // Ctrl+T: the dialog starts with the selected tube; Tab leads from the diameter to the
    // length, and the answer follows the typing, read by its text.
    QString title;
    QString before;
    QString after;
    QString readAfter;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        title = modal->windowTitle();
        auto* answer = modal->findChild<QLabel*>(QStringLiteral("id1004"));
        before = answer->text();
        if (!QTest::qWaitForWindowActive(modal))
            return;
        QWidget* diameter = modal->focusWidget();
        if (diameter && diameter->accessibleName() == QStringLiteral("Inner diameter")) {
            QTest::keyClick(diameter, Qt::Key_Tab);
            QWidget* length = modal->focusWidget();
            if (length->accessibleName() == QStringLiteral("Length"))
                QTest::keyClicks(length, QStringLiteral("1"));
        }
        after = answer->text();
        readAfter = QAccessible::queryAccessibleInterface(answer)->text(QAccessible::Name);
        modal->close();
    });
    QTest::keyClick(list, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(title, QStringLiteral("Check a Tube"));
    EXPECT_TRUE(before.startsWith(QStringLiteral("Heat load of the system: ")))
        << before.toStdString();
    EXPECT_NE(after.toStdString(), before.toStdString());
    EXPECT_EQ(readAfter.toStdString(), after.toStdString());
}
