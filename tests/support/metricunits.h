#pragma once

#include "unitsettings.h"

// Every unit metric: W, ºC, bar, mm, m, l/min; the diameter series stays "Europe".
inline UnitSettings MetricUnits() {
    UnitSettings u;
    u.UnitsEnergy = 1;
    u.UnitsTemperature = 0;
    u.UnitsPressure = 0;
    u.UnitsDiameter = 0;
    u.UnitsLength = 0;
    u.UnitsFlow = 1;
    return u;
}
