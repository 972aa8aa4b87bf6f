#include "dialogunits.h"
#include "memorysettingsstore.h"
#include "settingsdlg.h"
#include "storewriteprinter.h"
#include "unitsettings.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Write = MemorySettingsStore::Write;

QRadioButton* Radio(const CSettingsDlg& dlg, int id) {
    return dlg.findChild<QRadioButton*>(QStringLiteral("id%1").arg(id));
}

QComboBox* DiamList(const CSettingsDlg& dlg) {
    return dlg.findChild<QComboBox*>(QStringLiteral("id1026"));
}

// Clicks a radio button on its indicator, where a click always lands on the button.
void ClickRadio(const CSettingsDlg& dlg, int id) {
    QRadioButton* radio = Radio(dlg, id);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

QPushButton* Button(const CSettingsDlg& dlg, int id) {
    return dlg.findChild<QPushButton*>(QStringLiteral("id%1").arg(id));
}

TEST(CSettingsDlg, ShowsTheUnitPairsWithTheirTexts) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Settings"));

    // Each group's title, then its two buttons' ids and texts.
    const struct {
        const char16_t* group;
        int firstId, secondId;
        const char16_t* first;
        const char16_t* second;
    } pairs[] = {
        {u"Energy", 1004, 1005, u"W", u"Btu/hr"},
        {u"Temperature", 1008, 1009, u"\u00BAF", u"\u00BAC"},
        {u"Pressure", 1010, 1011, u"psi", u"Bar"},
        {u"Diameter", 1012, 1013, u"inches", u"millimeters"},
        {u"Length", 1014, 1015, u"inches", u"meters"},
        {u"Flow", 1016, 1017, u"l/min", u"CFM"},
    };
    for (const auto& pair : pairs) {
        for (const auto& [id, text] :
             {std::pair{pair.firstId, pair.first}, std::pair{pair.secondId, pair.second}}) {
            QRadioButton* radio = Radio(dlg, id);
            ASSERT_NE(radio, nullptr) << id;
            EXPECT_EQ(radio->text(), QString::fromUtf16(text)) << id;
            auto* group = qobject_cast<QGroupBox*>(radio->parentWidget());
            ASSERT_NE(group, nullptr) << id;
            EXPECT_EQ(group->title(), QString::fromUtf16(pair.group)) << id;
        }
    }

    QComboBox* list = DiamList(dlg);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Europe"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("North America"));
    bool bLabel = false;
    for (const QLabel* label : dlg.findChildren<QLabel*>()) {
        bLabel = bLabel || label->text() == QStringLiteral("Standard tube diameter list");
    }
    EXPECT_TRUE(bLabel);
    ASSERT_NE(Button(dlg, 1), nullptr);
    ASSERT_NE(Button(dlg, 2), nullptr);
    EXPECT_EQ(Button(dlg, 1)->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button(dlg, 2)->text(), QStringLiteral("Cancel"));
}

TEST(CSettingsDlg, OpensWithTheDefaultsChecked) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    // Btu/hr, ºF, psi, inches, inches, CFM; the other button of each pair unchecked.
    for (int id : {1005, 1008, 1010, 1012, 1014, 1017}) {
        EXPECT_TRUE(Radio(dlg, id)->isChecked()) << id;
    }
    for (int id : {1004, 1009, 1011, 1013, 1015, 1016}) {
        EXPECT_FALSE(Radio(dlg, id)->isChecked()) << id;
    }
    EXPECT_EQ(DiamList(dlg)->currentText(), QStringLiteral("Europe"));
    EXPECT_TRUE(store.Writes().empty());
}

TEST(CSettingsDlg, OkWithoutAChangeWritesNothing) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    dlg.show();
    QTest::mouseClick(Button(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(store.Writes().empty());
}

TEST(CSettingsDlg, OkStoresTheCheckedButtonsAndTheList) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    dlg.show();
    ClickRadio(dlg, 1004);                       // W
    ClickRadio(dlg, 1009);                       // ºC
    ClickRadio(dlg, 1016);                       // l/min
    EXPECT_FALSE(Radio(dlg, 1005)->isChecked()); // each pair is exclusive on its own
    EXPECT_TRUE(Radio(dlg, 1010)->isChecked());
    DiamList(dlg)->setCurrentIndex(1);
    QTest::mouseClick(Button(dlg, 1), Qt::LeftButton);

    EXPECT_EQ(units.UnitsEnergy, 1);
    EXPECT_EQ(units.UnitsTemperature, 0);
    EXPECT_EQ(units.UnitsPressure, 1);
    EXPECT_EQ(units.UnitsFlow, 1);
    EXPECT_EQ(units.DiamType, 1);
    const std::vector<Write> changed = {{"Settings", "UnitsEnergy     ", 1},
                                        {"Settings", "UnitsTemperature", 0},
                                        {"Settings", "UnitsFlow       ", 1},
                                        {"Settings", "DiamType        ", 1}};
    EXPECT_EQ(store.Writes(), changed);
}

TEST(CSettingsDlg, StoredFlowOfFiveOpensAsLitresAndOkStoresOne) {
    MemorySettingsStore store;
    store.Set("Settings", "UnitsFlow       ", 5);
    UnitSettings units;
    units.UnitsFlow = 5; // as a reader that does not normalise would leave it
    {
        CSettingsDlg dlg(units, store);
        EXPECT_TRUE(Radio(dlg, 1016)->isChecked());
        EXPECT_FALSE(Radio(dlg, 1017)->isChecked());
        dlg.show();
        QTest::mouseClick(Button(dlg, 1), Qt::LeftButton);
    }
    EXPECT_EQ(units.UnitsFlow, 1);
    EXPECT_EQ(store.ReadInt("Settings", "UnitsFlow       ", 0), 1);
}

TEST(CSettingsDlg, NorthAmericaIsSelectedForANonZeroDiamType) {
    UnitSettings units;
    units.DiamType = 1;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    EXPECT_EQ(DiamList(dlg)->currentText(), QStringLiteral("North America"));
}

TEST(CSettingsDlg, CancelEscAndCloseChangeNothing) {
    enum class Way { CancelButton, Escape, Close };
    for (Way way : {Way::CancelButton, Way::Escape, Way::Close}) {
        UnitSettings units;
        MemorySettingsStore store;
        CSettingsDlg dlg(units, store);
        dlg.show();
        ClickRadio(dlg, 1004);
        DiamList(dlg)->setCurrentIndex(1);
        switch (way) {
        case Way::CancelButton:
            QTest::mouseClick(Button(dlg, 2), Qt::LeftButton);
            break;
        case Way::Escape:
            QTest::keyClick(&dlg, Qt::Key_Escape);
            break;
        case Way::Close:
            dlg.close();
            break;
        }
        EXPECT_FALSE(dlg.isVisible()) << static_cast<int>(way);
        EXPECT_EQ(dlg.result(), QDialog::Rejected) << static_cast<int>(way);
        EXPECT_EQ(units.UnitsEnergy, 0) << static_cast<int>(way);
        EXPECT_EQ(units.DiamType, 0) << static_cast<int>(way);
        EXPECT_TRUE(store.Writes().empty()) << static_cast<int>(way);
    }
}

TEST(CSettingsDlg, RunsModallyAndUpdatesTheUnitsItIsLent) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    QTimer::singleShot(0, &dlg, [&dlg] {
        ClickRadio(dlg, 1011); // Bar
        QTest::mouseClick(Button(dlg, 1), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(units.UnitsPressure, 0);
    EXPECT_EQ(store.Writes(), (std::vector<Write>{{"Settings", "UnitsPressure   ", 0}}));
}

TEST(CSettingsDlg, MeasuresItsTemplateInDialogUnitsOfItsFont) {
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg dlg(units, store);
    const QFontMetrics metrics(dlg.font());
    const DialogUnits du(DialogUnits::AverageCharWidth(metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
                         metrics.height());
    EXPECT_EQ(dlg.width(), du.X(244));
    EXPECT_EQ(dlg.height(), du.Y(162));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());

    // No text is cut off: every radio button and push button is at least as wide as it wants.
    for (const QRadioButton* radio : dlg.findChildren<QRadioButton*>()) {
        EXPECT_GE(radio->width(), radio->sizeHint().width()) << radio->text().toStdString();
    }
    dlg.show();
    const QImage shot = dlg.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    // A picture for people to look at, left in the test's working directory.
    shot.save(QStringLiteral("settingsdlg.png"));
}

} // namespace
