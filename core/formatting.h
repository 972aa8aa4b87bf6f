#pragma once

#include "database.h"
#include "sizing.h"
#include "texts.h"
#include "unitsettings.h"

#include <string>
#include <vector>

// Unit labels, kinds 0 to 5: length, temperature, pressure, diameter, energy, flow; any other
// kind gives a single blank. The degree mark is º (0xBA in the program's code page).
std::string GetUnitLabel(int kind, const UnitSettings& units);

// Internal units (m, mm, l/min, bar) to the units chosen.
double ToDisplayLength(double metres, const UnitSettings& units);
double ToDisplayDiameter(double mm, const UnitSettings& units);
double ToDisplayFlow(double litresPerMinute, const UnitSettings& units);
double ToDisplayPressure(double bar, const UnitSettings& units);
// A diameter and a length in the units chosen back to mm and m, the exact reverse of the above.
double FromDisplayDiameter(double shown, const UnitSettings& units);
double FromDisplayLength(double shown, const UnitSettings& units);

// A length in inches as a whole number and eighths, always rounded up to the next eighth
// above its fractional part ("75 3/8", "76 ", "3/8"). Lengths that are not a finite number
// from 0 up to below 10^10 inches give "-".
std::string FormatInchFraction(double inches);

// The texts the results list, the summary panel and the report share.
// The numbers take the decimal point of `texts`.
std::string LengthText(double metres, const UnitSettings& units,
                       const TextLocale& texts); // "75 5/8 in.", "1.92 m"
std::string DiameterText(double mm, const UnitSettings& units,
                         const TextLocale& texts); // "0.031 in.", "0.80 mm"
std::string FlowText(double litresPerMinute, const UnitSettings& units,
                     const TextLocale& texts);           // "0.35 CFM"
std::string TestPressureText(const UnitSettings& units); // "145 psi"
// The same texts without the unit label: "75 5/8", "0.80", "0.35".
std::string LengthNumberText(double metres, const UnitSettings& units, const TextLocale& texts);
std::string DiameterNumberText(double mm, const UnitSettings& units, const TextLocale& texts);
std::string FlowNumberText(double litresPerMinute, const UnitSettings& units,
                           const TextLocale& texts);

// What the results list shows: the rows (nine, or a short list's every diameter) with the
// optimal row selected, or one message row with nothing selected.
struct ResultListRow {
    std::string length;   // column "Length", or the message
    std::string diameter; // column "Inner Diameter", or the allowed range
};
struct ResultListContent {
    std::vector<ResultListRow> rows;
    int selectedRow = -1;
    bool valid = false; // a recommendation: the whole window is redrawn to show it
};
// nRefrig is the refrigerant the result was computed for; its limits make the range texts.
ResultListContent FillResultList(const SizingResult& result, const RefrigerantDatabase& db,
                                 int nRefrig, const UnitSettings& units, const TextLocale& texts);

// A message row on one line, "Evap temp invalid (-40.0ºF to 14.0ºF)"; empty for tube rows.
std::string MessageRowText(const ResultListContent& content);

// The message row shown when the database holds no refrigerant to size for.
ResultListContent NoRefrigerantList(const TextLocale& texts);
