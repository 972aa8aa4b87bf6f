#pragma once

#include "database.h"
#include "texts.h"
#include "unitsettings.h"

#include <string>

// The sizing turned round: what a tube of a given inner diameter and length serves. The length
// formula gives the tube's nitrogen flow F = √(750·D⁵/L), and the flow correlation turned round
// the heat load Q = (F − A)·H/B, at the refrigerant's correlation for the duty's temperatures.
enum class RatingStatus {
    Ok,
    NoRefrigerant,      // the refrigerant is not one of the database's
    TemperatureInvalid, // a temperature outside the refrigerant's range
    TubeInvalid,        // the diameter or the length is not above 0, or they give no finite flow
    NotInvertible,      // B or H not above 0 at these temperatures: no heat load follows
    BelowRange,         // the tube serves less than 1 W
    AboveRange,         // the tube serves more than 10000 W
};

struct TubeRating {
    // The first failing check, in the order of the enumeration.
    RatingStatus status = RatingStatus::NoRefrigerant;
    bool bEvapTempOk = false;
    bool bCondTempOk = false;
    bool bRGasTempOk = false;
    // The tube's flow in l/min at 10 bar, and as the report writes it ("0.35 CFM"). Known
    // whenever the tube is valid, whatever the temperatures: 0 and empty otherwise.
    double dN2Flow = 0.0;
    std::string flowText;
    // The heat load in the energy unit in force, and with two decimals and the unit
    // ("100.00 W"). Set when the correlation could be turned round (Ok, BelowRange,
    // AboveRange); 0 and empty otherwise.
    double heatLoad = 0.0;
    std::string heatLoadText;
    // Why there is no heat load to use, on one line; empty when Ok. Windows-1252.
    std::string message;

    bool Valid() const { return status == RatingStatus::Ok; }
    bool FlowKnown() const { return !flowText.empty(); }
};

// Rates a tube for refrigerant nRefrig. The temperatures are in the temperature unit in force,
// the diameter and the length in the diameter and length units in force.
TubeRating RateTube(const RefrigerantDatabase& db, int nRefrig, const UnitSettings& units,
                    double evapTemp, double condTemp, double rgasTemp, double diameter,
                    double length, const TextLocale& texts);
