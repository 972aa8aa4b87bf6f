#pragma once

#include "unitsettings.h"

#include <string>
#include <string_view>
#include <vector>

// The arguments of velnor-dkt size and rate. Missing options take the main window's first-run
// values: the first refrigerant, the first-run units, and the default inputs
// (DefaultInputHundredths) converted into the units chosen: 110 W, -25, 55 and 32 ºC.
struct SizeOptions {
    std::string database;
    std::string refrigerant = "0"; // a 0-based index or a name
    UnitSettings units;
    double heatLoad = 0.0;
    double evapTemp = 0.0;
    double condTemp = 0.0;
    double rgasTemp = 0.0;
    // rate only: the tube, in the diameter and length units chosen; both must be given.
    double diameter = 0.0;
    double length = 0.0;
    // size only: the CSV file of duties; it replaces the refrigerant and the four values.
    std::string batch;
};

enum class SizeCommand { Size, Rate };

// Fills `options` from `args` (the database file and the options, in any order; each option
// takes the next argument, or its value after "="). False, with `error` set, for an unknown
// option, a missing value, a bad units string or a number that does not parse; for rate also
// when --diameter or --length is missing, for size when --batch comes with an input it replaces.
bool ParseSizeOptions(const std::vector<std::string>& args, SizeOptions& options,
                      std::string& error, SizeCommand command = SizeCommand::Size);

// Seven digits 0 or 1 in the order UnitsEnergy, UnitsTemperature, UnitsPressure,
// UnitsDiameter, UnitsLength, UnitsFlow, DiamType.
bool ParseUnitsText(std::string_view text, UnitSettings& units);

// A whole decimal number ("-25", "55.5", "1e3"): nothing may follow it, and it must be finite.
bool ParseNumberArgument(std::string_view text, double& value);
