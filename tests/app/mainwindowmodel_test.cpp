// The main window's state without a window: its input fields on in-memory text fields, the
// database from the build's bin directory, the settings in a map.
#include "mainwindowmodel.h"
#include "memorysettingsstore.h"
#include "memorytextfield.h"
#include "persistentsettings.h"
#include "validrecommendation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Input = MainWindowModel::Input;

class MainWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < MainWindowModel::InputCount; ++i)
            model.Field(static_cast<Input>(i)).Attach(fields[i]);
        ASSERT_TRUE(model.LoadDatabase("Velnor.dkt"));
    }
    // The start-up's reads and first calculation, as the window makes them.
    void Start() {
        model.ReadUnits(settings);
        model.RestoreRefrigerant(settings);
        model.RestoreInputs(settings);
        model.Calculate();
    }
    std::string Text(Input which) const { return fields[which].GetText(); }
    // Selects the field's whole text and types `keys` over it, key by key.
    void Type(Input which, const std::string& keys) {
        fields[which].SetSel(0, static_cast<int>(Text(which).size()));
        for (const char c : keys)
            model.Field(which).OnChar(c);
    }

    MemorySettingsStore store;
    PersistentSettings settings{store};
    UnitSettings units;
    const TextLocale texts;
    MemoryTextField fields[MainWindowModel::InputCount]; // outlive the model's fields
    MainWindowModel model{units, texts};
};

} // namespace

TEST_F(MainWindowModelTest, TypingMarksTheInputsChangedAndTheNextTickRecomputesOnce) {
    Start();
    ASSERT_FALSE(model.Changed()) << "the first calculation clears the restore's mark";
    const int before = model.CalculationCount();

    Type(MainWindowModel::HeatLoad, "500");
    EXPECT_EQ(Text(MainWindowModel::HeatLoad), "500");
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.CalculationCount(), before) << "not before the tick";
    EXPECT_TRUE(model.OnTimer());
    EXPECT_FALSE(model.OnTimer()) << "nothing changed since";
    EXPECT_EQ(model.CalculationCount(), before + 1);

    Type(MainWindowModel::Ambient, "30");
    EXPECT_FALSE(model.Changed()) << "the ambient field takes no part in the calculation";
    model.OnRefrigerantSelected(1);
    EXPECT_TRUE(model.OnTimer());
    model.OnResultListClicked(); // brings the optimal row back at the next tick
    EXPECT_TRUE(model.OnTimer());
    EXPECT_EQ(model.CalculationCount(), before + 3);
}

TEST_F(MainWindowModelTest, TheTickSizesWithTheTypedInputs) {
    StoreValidRecommendation(store);
    Start();
    ASSERT_TRUE(model.Result().Valid());
    ASSERT_EQ(model.ListContent().rows.size(), 9u);

    Type(MainWindowModel::HeatLoad, "0");
    model.OnTimer();
    EXPECT_FALSE(model.Result().Valid());
    ASSERT_EQ(model.ListContent().rows.size(), 1u);
    EXPECT_EQ(model.ListContent().rows[0].length, "Heat load invalid");
    EXPECT_EQ(model.ReportInputsNow().heatLoadText, "0");
}

TEST_F(MainWindowModelTest, UnitsChangeConvertsTheTypedValuesAndRecomputes) {
    Start();
    Type(MainWindowModel::EvapTemp, "14");
    const int before = model.CalculationCount();
    units.UnitsTemperature = 0; // as the units dialog leaves it after OK
    model.OnUnitsChanged(units.UnitsEnergy, 1);
    EXPECT_EQ(Text(MainWindowModel::EvapTemp), "-10");
    EXPECT_EQ(Text(MainWindowModel::Ambient), "25") << "the first-run 77 ºF";
    EXPECT_EQ(model.CalculationCount(), before + 1);

    units.UnitsEnergy = 1;
    Type(MainWindowModel::HeatLoad, "100");
    units.UnitsEnergy = 0;
    model.OnUnitsChanged(1, 0);
    EXPECT_EQ(Text(MainWindowModel::HeatLoad), "341.214");
    units.UnitsEnergy = 1;
    model.OnUnitsChanged(0, 0);
    EXPECT_EQ(Text(MainWindowModel::HeatLoad), "99.999") << "repeated switching drifts";
    EXPECT_EQ(Text(MainWindowModel::EvapTemp), "-10") << "the temperatures stay";
}

TEST_F(MainWindowModelTest, RestoresTheStoredStateAndSavesWhatTheFieldsHold) {
    store.Set("Settings", "UnitsEnergy     ", 1);
    store.Set("Settings", "Refrig", 99);
    store.Set("Settings", "dEvapTemp", -1234);
    Start();
    EXPECT_EQ(units.UnitsEnergy, 1);
    EXPECT_EQ(model.Refrigerant(), model.Database().nRefrigerants - 1);
    // The inputs not stored are the first-run ones in the units read: W and ºF.
    const char* const restored[] = {"110", "-12.34", "131", "89.6", "77"};
    for (int i = 0; i < MainWindowModel::InputCount; ++i)
        EXPECT_EQ(Text(static_cast<Input>(i)), restored[i]) << i;

    Type(MainWindowModel::HeatLoad, "123.456");
    Type(MainWindowModel::RGasTemp, "32.3");
    model.OnRefrigerantSelected(1);
    store.ClearWrites();
    model.SaveSelectionAndInputs(settings);
    // Only what changed since the restore.
    const std::pair<const char*, int> saved[] = {
        {"Refrig", 1}, {"dHeatLoad", 12345}, {"dRGasTemp", 3229}};
    ASSERT_EQ(store.Writes().size(), std::size(saved));
    for (std::size_t i = 0; i < std::size(saved); ++i) {
        EXPECT_EQ(store.Writes()[i].entry, saved[i].first);
        EXPECT_EQ(store.Writes()[i].value, saved[i].second) << saved[i].first;
    }
}
