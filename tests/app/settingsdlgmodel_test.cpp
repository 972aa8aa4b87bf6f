#include "memorysettingsstore.h"
#include "persistentsettings.h"
#include "settingsdlgmodel.h"
#include "storewriteprinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The pairs' texts and ids are checked where the dialog shows them (settingsdlg_test.cpp).
TEST(SettingsDlgModel, PairsNameTheirFields) {
    int UnitSettings::*const fields[] = {
        &UnitSettings::UnitsEnergy,   &UnitSettings::UnitsTemperature, &UnitSettings::UnitsPressure,
        &UnitSettings::UnitsDiameter, &UnitSettings::UnitsLength,      &UnitSettings::UnitsFlow,
    };
    const auto& pairs = SettingsDlgModel::Pairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].field, fields[i]) << pairs[i].szGroup;
    }
    EXPECT_EQ(std::string(pairs[1].szFirst), std::string("\xBA") + "F"); // º is 0xBA
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

TEST(SettingsDlgModel, AcceptSetsTheFieldsAndWritesTheChangedOnesInOrder) {
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

    const std::vector<MemorySettingsStore::Write> expected = {{"Settings", "UnitsEnergy     ", 1},
                                                              {"Settings", "UnitsDiameter   ", 0},
                                                              {"Settings", "UnitsFlow       ", 1},
                                                              {"Settings", "DiamType        ", 1}};
    EXPECT_EQ(store.Writes(), expected);
}

TEST(SettingsDlgModel, AcceptWithoutAChangeWritesNothing) {
    UnitSettings units;
    MemorySettingsStore store;
    PersistentSettings settings(store);
    SettingsDlgModel(units).Accept(units, settings);
    EXPECT_TRUE(store.Writes().empty());
}

TEST(SettingsDlgModel, NoSelectionInTheListCountsAsEurope) {
    UnitSettings units;
    units.DiamType = 1;
    SettingsDlgModel model(units);
    model.SetDiamIndex(-1);
    EXPECT_EQ(model.DiamIndex(), 0);
}

TEST(SettingsDlgModel, TemplateFitsTheDialogWithoutOverlaps) {
    using R = Rect;
    auto inside = [](const R& inner, const R& outer) {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
               inner.bottom <= outer.bottom;
    };
    auto overlap = [](const R& a, const R& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
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
        EXPECT_EQ(SettingsDlgModel::GroupRect(i).top, SettingsDlgModel::GroupRect(0).top);
        EXPECT_EQ(SettingsDlgModel::GroupRect(i + 3).left, SettingsDlgModel::GroupRect(i).left);
        EXPECT_GT(SettingsDlgModel::GroupRect(i + 3).top, SettingsDlgModel::GroupRect(i).top);
    }
    topLevel.push_back(SettingsDlgModel::kLabelItem.rect);
    topLevel.push_back(SettingsDlgModel::kDiamListItem.rect);
    topLevel.push_back(SettingsDlgModel::kOkItem.rect);
    topLevel.push_back(SettingsDlgModel::kCancelItem.rect);
    for (std::size_t i = 0; i < topLevel.size(); ++i) {
        EXPECT_TRUE(inside(topLevel[i], dialog)) << i;
        for (std::size_t j = i + 1; j < topLevel.size(); ++j) {
            EXPECT_FALSE(overlap(topLevel[i], topLevel[j])) << i << " " << j;
        }
    }
    // OK and Cancel side by side, centred.
    const R ok = SettingsDlgModel::kOkItem.rect;
    const R cancel = SettingsDlgModel::kCancelItem.rect;
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_LT(ok.left, cancel.left);
    EXPECT_NEAR(ok.left, dialog.right - cancel.right, 1);
}

} // namespace
