#pragma once

// The user's unit choices. Each field holds 0 or 1; readers treat any value other than 0 as 1
// unless they say otherwise. The field names are also the names the values are stored under.
// There is one record per process: the application owns it and lends it to its windows.
struct UnitSettings {
    int UnitsEnergy = 0;      // 0 Btu/hr, 1 W
    int UnitsTemperature = 1; // 0 ºC, 1 ºF
    int UnitsPressure = 1;    // 0 bar, 1 psi
    int UnitsDiameter = 1;    // 0 mm, 1 inches
    int UnitsLength = 1;      // 0 m, 1 inches
    int UnitsFlow = 0;        // 0 CFM, 1 l/min
    int DiamType = 0;         // 0 "Europe", 1 "North America"
};
