#pragma once

#include "toolrunner.h"
#include "unitsettings.h"

// Sets `u` from velnor-dkt's --units digits, in the order UnitsEnergy, UnitsTemperature,
// UnitsPressure, UnitsDiameter, UnitsLength, UnitsFlow, DiamType.
inline void SetUnits(const char* digits, UnitSettings& u) {
    int* fields[] = {&u.UnitsEnergy, &u.UnitsTemperature, &u.UnitsPressure, &u.UnitsDiameter,
                     &u.UnitsLength, &u.UnitsFlow,        &u.DiamType};
    for (int* field : fields)
        *field = *digits++ - '0';
}
