#pragma once

#include "memorysettingsstore.h"

// Stores the inputs of a valid recommendation, as the main window reads them at start: W and
// ºC, 500 W at -10 / 45 ºC, return gas 20 ºC (the inputs are kept in hundredths).
inline void StoreValidRecommendation(MemorySettingsStore& store) {
    store.Set("Settings", "UnitsEnergy     ", 1);
    store.Set("Settings", "UnitsTemperature", 0);
    store.Set("Settings", "dHeatLoad", 50000);
    store.Set("Settings", "dEvapTemp", -1000);
    store.Set("Settings", "dCondTemp", 4500);
    store.Set("Settings", "dRGasTemp", 2000);
}
