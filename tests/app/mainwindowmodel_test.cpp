// The main window's state without a window: its input fields on in-memory text fields, the
// database from the build's bin directory, the settings in a map.
#include "mainwindowmodel.h"
#include "memorysettingsstore.h"
#include "memorytextfield.h"
#include "persistentsettings.h"
#include "reporttool.h"
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

TEST_F(MainWindowModelTest, CopiesWhatVelnorDktSizePrintsForTheSameInputs) {
    Start();
    struct Case {
        const char* units;
        int refrigerant;
        const char* inputs[4]; // heat load, evaporating, condensing, return gas
    };
    const Case cases[] = {
        {"1000000", 1, {"500", "-10", "45", "20"}},          // W, ºC, mm, m
        {"0111100", 0, {"341.214", "-13.5", "131", "89.6"}}, // first-run units, inch fractions
        {"1011111", 2, {"800", "-20", "40", "10"}},          // l/min, the North American list
        {"1000000", 0, {"0", "-10", "45", "20"}},            // invalid: the message instead
    };
    for (const Case& c : cases) {
        SetUnits(c.units, units);
        model.OnRefrigerantSelected(c.refrigerant);
        for (int i = 0; i < 4; ++i)
            Type(static_cast<Input>(i), c.inputs[i]);
        model.OnTimer();
        const ToolRun tool =
            RunTool({"size", "Velnor.dkt", "--units", c.units, "--refrigerant",
                     std::to_string(c.refrigerant), "--heat-load", c.inputs[0], "--evap",
                     c.inputs[1], "--cond", c.inputs[2], "--return-gas", c.inputs[3]});
        ASSERT_EQ(tool.exitCode, 0) << tool.err;
        EXPECT_EQ(model.CopyText(), tool.out) << c.units;
        EXPECT_NE(model.CopyHtml().find("<td>Refrigerant</td>"), std::string::npos);
    }
}

TEST_F(MainWindowModelTest, TheSelectedTubeIsTheChosenRowsUntilTheNextCalculation) {
    StoreValidRecommendation(store);
    Start();
    units.UnitsDiameter = 0; // mm and m, as the database holds them
    units.UnitsLength = 0;
    model.Calculate();
    const SizingResult& r = model.Result();
    const auto tubeAt = [&](int row) {
        const int k = r.nFirstRow + row;
        return std::pair(model.Database().dDiamEurope[k], r.dLength[0][k]); // mm, m
    };
    const auto selected = [&] {
        const auto tube = model.SelectedTube();
        return tube ? std::pair(tube->diameter, tube->length) : std::pair(-1.0, -1.0);
    };
    EXPECT_EQ(selected(), tubeAt(r.nOptimalRow));
    model.OnResultListClicked(0);
    EXPECT_EQ(selected(), tubeAt(0));
    model.OnTimer();
    EXPECT_EQ(selected(), tubeAt(r.nOptimalRow)) << "the optimal row is back";
    Type(MainWindowModel::HeatLoad, "0");
    model.OnTimer();
    EXPECT_FALSE(model.SelectedTube()) << "the list shows a message";
}
