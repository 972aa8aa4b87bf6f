#include "memorysettingsstore.h"
#include "persistentsettings.h"
#include "settingsdlgmodel.h"
#include "storewriteprinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SettingsDlgModel, PairsNameTheirFieldsAndTexts) {
    const struct {
        const char* group;
        const char* first;
        const char* second;
        int firstId;
        int secondId;
        int UnitSettings::*field;
    } expected[] = {
        {"Energy", "W", "Btu/hr", 1004, 1005, &UnitSettings::UnitsEnergy},
        {"Temperature", "\272F", "\272C", 1008, 1009, &UnitSettings::UnitsTemperature},
        {"Pressure", "psi", "Bar", 1010, 1011, &UnitSettings::UnitsPressure},
        {"Diameter", "inches", "millimeters", 1012, 1013, &UnitSettings::UnitsDiameter},
        {"Length", "inches", "meters", 1014, 1015, &UnitSettings::UnitsLength},
        {"Flow", "l/min", "CFM", 1016, 1017, &UnitSettings::UnitsFlow},
    };
    const auto& pairs = SettingsDlgModel::Pairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(std::string(pairs[i].szGroup), expected[i].group);
        EXPECT_EQ(std::string(pairs[i].szFirst), expected[i].first) << expected[i].group;
        EXPECT_EQ(std::string(pairs[i].szSecond), expected[i].second) << expected[i].group;
        EXPECT_EQ(pairs[i].nFirstId, expected[i].firstId);
        EXPECT_EQ(pairs[i].nSecondId, expected[i].secondId);
        EXPECT_EQ(pairs[i].field, expected[i].field) << expected[i].group;
    }
    EXPECT_EQ(std::string(pairs[1].szFirst), std::string("\xBA") + "F"); // º is 0xBA
    EXPECT_EQ(std::string(SettingsDlgModel::DiamListItems()[0]), "Europe");
    EXPECT_EQ(std::string(SettingsDlgModel::DiamListItems()[1]), "North America");
}

TEST(SettingsDlgModel, OpeningChecksTheFirstButtonForNonZeroFields) {
    UnitSettings defaults; // Btu/hr, ºF, psi, inches, inches, CFM, Europe
    const SettingsDlgModel atDefaults(defaults);
    const bool expectedFirst[] = {false, true, true, true, true, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(atDefaults.IsFirstChecked(i), expectedFirst[i]) << i;
    }
    EXPECT_EQ(atDefaults.DiamIndex(), 0);

    UnitSettings odd;
    odd.UnitsEnergy = 7;
    odd.UnitsTemperature = 0;
    odd.UnitsFlow = 5;
    odd.DiamType = -2;
    const SettingsDlgModel model(odd);
    EXPECT_TRUE(model.IsFirstChecked(0));
    EXPECT_FALSE(model.IsFirstChecked(1));
    EXPECT_TRUE(model.IsFirstChecked(5));
    EXPECT_EQ(model.DiamIndex(), 1); // "North America" for any DiamType other than 0
}

TEST(SettingsDlgModel, AcceptSetsTheFieldsAndWritesAllSevenInOrder) {
    UnitSettings units;
    units.UnitsFlow = 5;
    SettingsDlgModel model(units);
    model.SetFirstChecked(0, true);  // W
    model.SetFirstChecked(3, false); // millimeters
    model.SetDiamIndex(1);

    MemorySettingsStore store;
    PersistentSettings settings(store);
    model.Accept(units, settings);
    EXPECT_EQ(units.UnitsEnergy, 1);
    EXPECT_EQ(units.UnitsTemperature, 1);
    EXPECT_EQ(units.UnitsPressure, 1);
    EXPECT_EQ(units.UnitsDiameter, 0);
    EXPECT_EQ(units.UnitsLength, 1);
    EXPECT_EQ(units.UnitsFlow, 1); // the stored 5 becomes 1
    EXPECT_EQ(units.DiamType, 1);

    const std::vector<MemorySettingsStore::Write> expected = {
        {"Settings", "UnitsEnergy     ", 1}, {"Settings", "UnitsTemperature", 1},
        {"Settings", "UnitsPressure   ", 1}, {"Settings", "UnitsDiameter   ", 0},
        {"Settings", "UnitsLength     ", 1}, {"Settings", "UnitsFlow       ", 1},
        {"Settings", "DiamType        ", 1}};
    EXPECT_EQ(store.Writes(), expected);
}

TEST(SettingsDlgModel, AcceptWithoutAChangeStillWritesEverything) {
    UnitSettings units;
    MemorySettingsStore store;
    PersistentSettings settings(store);
    SettingsDlgModel(units).Accept(units, settings);
    ASSERT_EQ(store.Writes().size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(store.Writes()[i].entry, PersistentSettings::UnitEntries()[i].szName);
    }
}

TEST(SettingsDlgModel, NoSelectionInTheListCountsAsEurope) {
    UnitSettings units;
    units.DiamType = 1;
    SettingsDlgModel model(units);
    model.SetDiamIndex(-1);
    EXPECT_EQ(model.DiamIndex(), 0);
}

TEST(SettingsDlgModel, TemplateFitsTheDialogWithoutOverlaps) {
    using R = SettingsDlgModel::DlgRect;
    auto inside = [](const R& inner, const R& outer) {
        return inner.x >= outer.x && inner.y >= outer.y &&
               inner.x + inner.cx <= outer.x + outer.cx && inner.y + inner.cy <= outer.y + outer.cy;
    };
    auto overlap = [](const R& a, const R& b) {
        return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
    };
    const R dialog{0, 0, SettingsDlgModel::kWidth, SettingsDlgModel::kHeight};
    std::vector<R> topLevel;
    for (int i = 0; i < 6; ++i) {
        const R group = SettingsDlgModel::GroupRect(i);
        EXPECT_TRUE(inside(SettingsDlgModel::FirstButtonRect(i), group)) << i;
        EXPECT_TRUE(inside(SettingsDlgModel::SecondButtonRect(i), group)) << i;
        EXPECT_FALSE(
            overlap(SettingsDlgModel::FirstButtonRect(i), SettingsDlgModel::SecondButtonRect(i)));
        topLevel.push_back(group);
    }
    // Two rows of three: Energy, Temperature, Pressure above Diameter, Length, Flow.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(SettingsDlgModel::GroupRect(i).y, SettingsDlgModel::GroupRect(0).y);
        EXPECT_EQ(SettingsDlgModel::GroupRect(i + 3).x, SettingsDlgModel::GroupRect(i).x);
        EXPECT_GT(SettingsDlgModel::GroupRect(i + 3).y, SettingsDlgModel::GroupRect(i).y);
    }
    topLevel.push_back(SettingsDlgModel::kLabelRect);
    topLevel.push_back(SettingsDlgModel::kListRect);
    topLevel.push_back(SettingsDlgModel::kOkRect);
    topLevel.push_back(SettingsDlgModel::kCancelRect);
    for (std::size_t i = 0; i < topLevel.size(); ++i) {
        EXPECT_TRUE(inside(topLevel[i], dialog)) << i;
        for (std::size_t j = i + 1; j < topLevel.size(); ++j) {
            EXPECT_FALSE(overlap(topLevel[i], topLevel[j])) << i << " " << j;
        }
    }
    // OK and Cancel side by side, centred.
    const R ok = SettingsDlgModel::kOkRect;
    const R cancel = SettingsDlgModel::kCancelRect;
    EXPECT_EQ(ok.y, cancel.y);
    EXPECT_LT(ok.x, cancel.x);
    EXPECT_NEAR(ok.x, dialog.cx - (cancel.x + cancel.cx), 1);
}

} // namespace
