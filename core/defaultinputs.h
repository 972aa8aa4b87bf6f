#pragma once

#include "unitsettings.h"

#include <array>

// The inputs a sizing starts from when none are given: a domestic fridge of 110 W at -25 ºC
// evaporating, 55 ºC condensing and 32 ºC return gas, in a room of 25 ºC. The main window
// starts with them when the settings store holds no inputs, and velnor-dkt size takes them for
// the options left out.

// The order of the five inputs, as the settings store lists them.
enum DefaultInput {
    kDefaultHeatLoad,
    kDefaultEvapTemp,
    kDefaultCondTemp,
    kDefaultRGasTemp,
    kDefaultAmbient,
    kDefaultInputCount
};

// The five inputs in the units in force, as the settings store keeps an input: the value x 100
// truncated toward zero. With the first-run units (Btu/hr, ºF): 37533, -1300, 13100, 8960, 7700.
std::array<int, kDefaultInputCount> DefaultInputHundredths(const UnitSettings& units);
