#include "memorysettingsstore.h"
#include "persistentsettings.h"
#include "settingsfixtures.h"
#include "storewriteprinter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Write = MemorySettingsStore::Write;

const char* const kUnitNames[] = {"UnitsEnergy     ", "UnitsTemperature", "UnitsPressure   ",
                                  "UnitsDiameter   ", "UnitsLength     ", "UnitsFlow       ",
                                  "DiamType        "};

TEST(PersistentSettings, EmptyStoreGivesTheDefaults) {
    MemorySettingsStore store;
    PersistentSettings settings(store);

    UnitSettings units;
    units.UnitsEnergy = 1;
    units.UnitsTemperature = 0;
    units.UnitsFlow = 1;
    units.DiamType = 1;
    settings.ReadUnits(units);
    // Btu/hr, ºF, psi, inches, inches, CFM, "Europe".
    EXPECT_EQ(UnitValues(units), (std::vector<int>{0, 1, 1, 1, 1, 0, 0}));

    EXPECT_EQ(settings.ReadPlacement(1920, 1080), (WindowPlacement{10, 10, 800, 640}));
    EXPECT_EQ(settings.ReadRefrigerant(5), 0);

    // 110 W, -25, 55, 32 and 25 ºC in the units read, to hundredths as the store keeps them.
    // Each the stored hundredths / 100, so exactly the nearest double of these decimals.
    const auto read = [&settings](const UnitSettings& in) {
        const SavedInputs i = settings.ReadInputs(in);
        return std::vector<double>{i.dHeatLoad, i.dEvapTemp, i.dCondTemp, i.dRGasTemp, i.dAmbient};
    };
    EXPECT_EQ(read(units), (std::vector<double>{375.33, -13.0, 131.0, 89.6, 77.0}));
    UnitSettings si;
    si.UnitsEnergy = 1;
    si.UnitsTemperature = 0;
    EXPECT_EQ(read(si), (std::vector<double>{110.0, -25.0, 55.0, 32.0, 25.0}));
    EXPECT_TRUE(store.Writes().empty()); // reading never writes
}

TEST(PersistentSettings, UnitEntriesAreReadUnderTheirPaddedNames) {
    MemorySettingsStore store;
    // Every unit stored as the opposite of its default, under the exact names.
    const int stored[] = {1, 0, 0, 0, 0, 1, 1};
    for (int i = 0; i < 7; ++i) {
        store.Set("Settings", kUnitNames[i], stored[i]);
    }
    UnitSettings units;
    PersistentSettings(store).ReadUnits(units);
    EXPECT_EQ(UnitValues(units), (std::vector<int>(std::begin(stored), std::end(stored))));
}

TEST(PersistentSettings, NamesWithoutTheirBlanksAreNotFound) {
    MemorySettingsStore store;
    store.Set("Settings", "UnitsEnergy", 1);
    store.Set("Settings", "UnitsFlow", 1);
    store.Set("Settings", "DiamType", 1);
    store.Set("Settings", "UnitsPressure", 0);
    store.Set("settings", "UnitsFlow       ", 1); // another section
    UnitSettings units;
    PersistentSettings(store).ReadUnits(units);
    EXPECT_EQ(UnitValues(units), UnitValues(UnitSettings{})) << "every unit at its default";
}

TEST(PersistentSettings, UnitValuesOtherThanZeroAreReadAsOne) {
    const struct {
        const char* name;
        int stored;
        int expected;
    } rows[] = {{"five", 5, 1}, {"minus one", -1, 1}, {"int max", 2147483647, 1},
                {"two", 2, 1},  {"zero", 0, 0},       {"one", 1, 1}};
    for (const auto& row : rows) {
        MemorySettingsStore store;
        for (const char* name : kUnitNames) {
            store.Set("Settings", name, row.stored);
        }
        UnitSettings units;
        PersistentSettings(store).ReadUnits(units);
        for (const auto& entry : PersistentSettings::UnitEntries()) {
            EXPECT_EQ(units.*entry.field, row.expected) << row.name << " " << entry.szName;
        }
    }
}

TEST(PersistentSettings, WriteUnitsWritesTheChangedUnitsInOrder) {
    MemorySettingsStore store;
    UnitSettings units;
    units.UnitsEnergy = 1;
    units.UnitsLength = 0;
    units.DiamType = 1;
    PersistentSettings(store).WriteUnits(units, UnitSettings{});
    const std::vector<Write> expected = {{"Settings", "UnitsEnergy     ", 1},
                                         {"Settings", "UnitsLength     ", 0},
                                         {"Settings", "DiamType        ", 1}};
    EXPECT_EQ(store.Writes(), expected);

    // And what was written is read back unchanged.
    UnitSettings back;
    PersistentSettings(store).ReadUnits(back);
    EXPECT_EQ(UnitValues(back), UnitValues(units));

    store.ClearWrites();
    PersistentSettings(store).WriteUnits(units, units);
    EXPECT_TRUE(store.Writes().empty());
}

TEST(PersistentSettings, PlacementIsCorrectedToTheScreen) {
    const struct {
        const char* name;
        WindowPlacement stored;
        int screenWidth;
        int screenHeight;
        WindowPlacement expected;
    } rows[] = {
        {"fits", {100, 50, 800, 640}, 1280, 1024, {100, 50, 800, 640}},
        {"too wide", {300, 40, 5000, 640}, 1280, 1024, {10, 40, 1260, 640}},
        {"too high", {300, 40, 800, 2000}, 1280, 1024, {300, 10, 800, 1004}},
        {"both", {-50, 900, 3000, 3000}, 1280, 1024, {10, 10, 1260, 1004}},
        {"exactly the screen", {0, 0, 1280, 1024}, 1280, 1024, {0, 0, 1280, 1024}},
        {"off the screen but fits", {5000, -700, 800, 640}, 1280, 1024, {5000, -700, 800, 640}},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        store.Set("Location", "XPos", row.stored.x);
        store.Set("Location", "YPos", row.stored.y);
        store.Set("Location", "XSiz", row.stored.width);
        store.Set("Location", "YSiz", row.stored.height);
        PersistentSettings settings(store);
        EXPECT_EQ(settings.ReadPlacement(), row.stored) << row.name;
        EXPECT_EQ(settings.ReadPlacement(row.screenWidth, row.screenHeight), row.expected)
            << row.name;
    }
}

TEST(PersistentSettings, RefrigerantIsClampedToTheDatabase) {
    const struct {
        int stored;
        int nRefrigerants;
        int expected;
    } rows[] = {{7, 5, 4}, {-3, 5, 0}, {4, 5, 4},   {0, 5, 0},
                {2, 1, 0}, {0, 0, -1}, {-3, 0, -1}, {9, 0, -1}};
    for (const auto& row : rows) {
        MemorySettingsStore store;
        store.Set("Settings", "Refrig", row.stored);
        EXPECT_EQ(PersistentSettings(store).ReadRefrigerant(row.nRefrigerants), row.expected)
            << row.stored << " of " << row.nRefrigerants;
    }
}

TEST(PersistentSettings, InputsAreStoredInHundredthsTruncatedTowardZero) {
    const struct {
        double value;
        int stored;
    } rows[] = {
        {123.456, 12345},
        {32.3, 3229}, // 32.3 * 100 is just below 3230
        {-1.005, -100},
        {-25.0, -2500},
        {-0.009, 0},
        {0.0, 0},
        {1e12, std::numeric_limits<int>::max()},
        {-1e12, std::numeric_limits<int>::min()},
        {999999999.999, std::numeric_limits<int>::max()},
        {std::numeric_limits<double>::infinity(), std::numeric_limits<int>::max()},
        {-std::numeric_limits<double>::infinity(), std::numeric_limits<int>::min()},
        {std::nan(""), 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PersistentSettings::StoredHundredths(row.value), row.stored) << row.value;
    }
}

TEST(PersistentSettings, SelectionAndInputsRoundTrip) {
    MemorySettingsStore store;
    PersistentSettings settings(store);
    settings.WriteSelectionAndInputs(3, {123.456, 32.3, -1.005, 14.0, 77.5});
    const std::vector<Write> expected = {
        {"Settings", "Refrig", 3},       {"Settings", "dHeatLoad", 12345},
        {"Settings", "dEvapTemp", 3229}, {"Settings", "dCondTemp", -100},
        {"Settings", "dRGasTemp", 1400}, {"Settings", "dAmbient", 7750}};
    EXPECT_EQ(store.Writes(), expected);

    EXPECT_EQ(settings.ReadRefrigerant(5), 3);
    const SavedInputs back = settings.ReadInputs(UnitSettings{});
    EXPECT_DOUBLE_EQ(back.dHeatLoad, 123.45);
    EXPECT_DOUBLE_EQ(back.dEvapTemp, 32.29);
    EXPECT_DOUBLE_EQ(back.dCondTemp, -1.0);
    EXPECT_DOUBLE_EQ(back.dRGasTemp, 14.0);
    EXPECT_DOUBLE_EQ(back.dAmbient, 77.5);
}

TEST(PersistentSettings, PlacementIsRecordedOnlyWhenReadyAndNormal) {
    const struct {
        const char* name;
        WindowState state;
        bool recorded;
    } rows[] = {
        {"ready", {true, false, false}, true},
        {"during start-up", {false, false, false}, false},
        {"minimised", {true, true, false}, false},
        {"maximised", {true, false, true}, false},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        PersistentSettings settings(store);
        EXPECT_EQ(settings.StorePosition(row.state, -8, 20), row.recorded) << row.name;
        EXPECT_EQ(settings.StoreSize(row.state, 900, 700), row.recorded) << row.name;
        const std::vector<Write> expected = row.recorded
                                                ? std::vector<Write>{{"Location", "XPos", -8},
                                                                     {"Location", "YPos", 20},
                                                                     {"Location", "XSiz", 900},
                                                                     {"Location", "YSiz", 700}}
                                                : std::vector<Write>{};
        EXPECT_EQ(store.Writes(), expected) << row.name;
    }
}

TEST(PersistentSettings, WritesOnlyWhatTheRunChanged) {
    MemorySettingsStore store;
    store.Set("Settings", "Refrig", 99);
    store.Set("Settings", "dHeatLoad", 12345);
    store.Set("Location", "XPos", 50);
    PersistentSettings settings(store);
    // As the window restores them: the selection clamped, 123.45 in the field.
    const int nRefrig = settings.ReadRefrigerant(5);
    SavedInputs inputs = settings.ReadInputs(UnitSettings{});
    settings.RestoredSelectionAndInputs(nRefrig, inputs);
    const WindowPlacement placement = settings.ReadPlacement();

    // Nothing changed: nothing is written, so the stored 12345 does not drift to 12344 and
    // another program's changes stay.
    settings.WriteSelectionAndInputs(nRefrig, inputs);
    settings.StorePosition({true, false, false}, placement.x, placement.y);
    EXPECT_TRUE(store.Writes().empty());

    inputs.dEvapTemp = -30.0;
    settings.WriteSelectionAndInputs(nRefrig, inputs);
    settings.WriteSelectionAndInputs(nRefrig, inputs);
    settings.StorePosition({true, false, false}, 60, placement.y);
    const std::vector<Write> expected = {{"Settings", "dEvapTemp", -3000},
                                         {"Location", "XPos", 60}};
    EXPECT_EQ(store.Writes(), expected);
    EXPECT_EQ(store.ReadInt("Settings", "Refrig", 0), 99);
    EXPECT_EQ(store.ReadInt("Settings", "dHeatLoad", 0), 12345);
}

} // namespace
