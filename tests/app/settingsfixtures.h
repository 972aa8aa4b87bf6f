#pragma once

#include "memorysettingsstore.h"
#include "persistentsettings.h"

#include <vector>

// The seven unit fields of `units`, in the order the store keeps them.
inline std::vector<int> UnitValues(const UnitSettings& units) {
    std::vector<int> values;
    for (const auto& entry : PersistentSettings::UnitEntries())
        values.push_back(units.*entry.field);
    return values;
}

// Stored settings that give a valid recommendation: W and ºC, 500 W at -10 / 45 ºC, return gas
// 20 ºC.
inline void StoreValidRecommendation(MemorySettingsStore& store) {
    store.Set("Settings", "UnitsEnergy     ", 1);
    store.Set("Settings", "UnitsTemperature", 0);
    store.Set("Settings", "dHeatLoad", 50000);
    store.Set("Settings", "dEvapTemp", -1000);
    store.Set("Settings", "dCondTemp", 4500);
    store.Set("Settings", "dRGasTemp", 2000);
}
