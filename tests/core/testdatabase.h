#pragma once

#include "database.h"
#include "unitsettings.h"

#include <cstring>

// A one-refrigerant database whose flow is c0 + c5 * Q / k0 (Q in W) with the given limits.
inline RefrigerantDatabase SimpleDatabase(double c0 = 1.0, double c5 = 0.02, double k0 = 1.0) {
    RefrigerantDatabase db;
    db.nRefrigerants = 1;
    std::strcpy(db.szName[0], "R-test");
    db.dEvapMin[0] = -40;
    db.dEvapMax[0] = -10;
    db.dCondMin[0] = 30;
    db.dCondMax[0] = 60;
    db.dRGasMin[0] = -20;
    db.dRGasMax[0] = 40;
    db.dFlowCoef[0][0] = c0;
    db.dFlowCoef[0][5] = c5;
    db.dCorrCoef[0][0] = k0;
    const double europe[] = {0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6};
    db.nDiamEurope = 12;
    for (int i = 0; i < 12; ++i)
        db.dDiamEurope[i] = europe[i];
    const double inches[] = {0.026, 0.031, 0.036, 0.042, 0.049, 0.054, 0.059, 0.064, 0.070};
    db.nDiamNorthAmerica = 9;
    for (int i = 0; i < 9; ++i)
        db.dDiamNorthAmerica[i] = inches[i] * 25.4;
    db.dTargetLength = 2.0;
    return db;
}

// Every unit metric: W, ºC, bar, millimetres, metres, l/min.
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
