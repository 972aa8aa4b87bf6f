#include "formatting.h"

#include "convert.h"
#include "textnumber.h"
#include "texts.h"

#include <cmath>

std::string GetUnitLabel(int kind, const UnitSettings& units) {
    switch (kind) {
    case 0:
        return units.UnitsLength != 0 ? "in." : "m";
    case 1:
        return units.UnitsTemperature != 0 ? "\xBA"
                                             "F"
                                           : "\xBA"
                                             "C";
    case 2:
        return units.UnitsPressure != 0 ? "psi" : "bar";
    case 3:
        return units.UnitsDiameter != 0 ? "in." : "mm";
    case 4:
        return units.UnitsEnergy != 0 ? "W" : "Btu/hr";
    case 5:
        return units.UnitsFlow != 0 ? "l/min" : "CFM";
    default:
        return " ";
    }
}

double ToDisplayLength(double metres, const UnitSettings& units) {
    return units.UnitsLength == 1 ? metres * 39.37 : metres;
}
double ToDisplayDiameter(double mm, const UnitSettings& units) {
    return units.UnitsDiameter == 1 ? mm * 0.039370078740157 : mm;
}
double ToDisplayFlow(double litresPerMinute, const UnitSettings& units) {
    return units.UnitsFlow == 0 ? litresPerMinute * 0.035314662471284765 : litresPerMinute;
}
double ToDisplayPressure(double bar, const UnitSettings& units) {
    return units.UnitsPressure == 1 ? bar * 14.5037738 : bar;
}

double FromDisplayDiameter(double shown, const UnitSettings& units) {
    return shown / ToDisplayDiameter(1.0, units);
}
double FromDisplayLength(double shown, const UnitSettings& units) {
    return shown / ToDisplayLength(1.0, units);
}

std::string FormatInchFraction(double inches) {
    if (!(inches >= 0.0) || !(inches < 1e10))
        return "-";
    const double t = std::trunc(inches);
    const double f = inches - t;
    long long whole = static_cast<long long>(std::floor(inches));
    const int n0 = static_cast<int>(f / 0.125 + 1.0);
    std::string fraction;
    if (n0 == 8) {
        whole += 1;
    } else {
        int n = n0;
        int denominator = 8;
        while (n % 2 == 0) {
            n /= 2;
            denominator /= 2;
        }
        fraction = std::to_string(n) + "/" + std::to_string(denominator);
    }
    std::string text = std::to_string(whole) + " " + fraction;
    if (text[0] == '0')
        text.erase(0, 2);
    return text;
}

std::string LengthNumberText(double metres, const UnitSettings& units, const TextLocale& texts) {
    const double shown = ToDisplayLength(metres, units);
    return units.UnitsLength != 0 ? FormatInchFraction(shown)
                                  : texts.LocalNumber(FormatFixed(shown, 2));
}

std::string DiameterNumberText(double mm, const UnitSettings& units, const TextLocale& texts) {
    return texts.LocalNumber(
        FormatFixed(ToDisplayDiameter(mm, units), units.UnitsDiameter != 0 ? 3 : 2));
}

std::string FlowNumberText(double litresPerMinute, const UnitSettings& units,
                           const TextLocale& texts) {
    return texts.LocalNumber(
        FormatFixed(ToDisplayFlow(litresPerMinute, units), units.UnitsFlow == 0 ? 2 : 1));
}

std::string LengthText(double metres, const UnitSettings& units, const TextLocale& texts) {
    return LengthNumberText(metres, units, texts) + " " + GetUnitLabel(0, units);
}

std::string DiameterText(double mm, const UnitSettings& units, const TextLocale& texts) {
    return DiameterNumberText(mm, units, texts) + " " + GetUnitLabel(3, units);
}

std::string FlowText(double litresPerMinute, const UnitSettings& units, const TextLocale& texts) {
    return FlowNumberText(litresPerMinute, units, texts) + " " + GetUnitLabel(5, units);
}

std::string TestPressureText(const UnitSettings& units) {
    return FormatFixed(ToDisplayPressure(10.0, units), 0) + " " + GetUnitLabel(2, units);
}

namespace {

std::string TemperatureRange(double lo, double hi, const UnitSettings& units,
                             const TextLocale& texts) {
    if (units.UnitsTemperature == 1) {
        lo = CToF(lo);
        hi = CToF(hi);
    }
    const std::string label = GetUnitLabel(1, units);
    return Compose(texts.Tr("Results", "%1 to %2"),
                   {texts.LocalNumber(FormatFixed(lo, 1)) + label,
                    texts.LocalNumber(FormatFixed(hi, 1)) + label});
}

ResultListContent MessageRow(std::string message, std::string detail) {
    ResultListContent content;
    content.rows.push_back({std::move(message), std::move(detail)});
    return content;
}

} // namespace

ResultListContent FillResultList(const SizingResult& result, const RefrigerantDatabase& db,
                                 int nRefrig, const UnitSettings& units, const TextLocale& texts) {
    if (!result.InputsValid()) {
        // The first failing check, in the order heat load, evaporating, return gas, condensing.
        const int r = nRefrig;
        if (!result.bHeatLoadOk)
            return MessageRow(
                texts.Tr("Results", "Heat load invalid"),
                units.UnitsEnergy != 0
                    ? Compose(texts.Tr("Results", "%1 to %2"), {"1", "10000W"})
                    : Compose(texts.Tr("Results", "%1 to %2"), {"4", "34121 btu/hr"}));
        if (!result.bEvapTempOk)
            return MessageRow(texts.Tr("Results", "Evap temp invalid"),
                              TemperatureRange(db.dEvapMin[r], db.dEvapMax[r], units, texts));
        if (!result.bRGasTempOk)
            return MessageRow(texts.Tr("Results", "Return gas invalid"),
                              TemperatureRange(db.dRGasMin[r], db.dRGasMax[r], units, texts));
        return MessageRow(texts.Tr("Results", "Cond temp invalid"),
                          TemperatureRange(db.dCondMin[r], db.dCondMax[r], units, texts));
    }
    if (!result.bFlowOk)
        return MessageRow(texts.Tr("Results", "Refrigerant data invalid"),
                          texts.Tr("Results", "no usable flow"));
    if (!result.bDiametersOk)
        return MessageRow(texts.Tr("Results", "No tube diameters"),
                          texts.Tr("Results", "in the chosen list"));

    ResultListContent content;
    const int list = units.DiamType != 0 ? 1 : 0;
    const double* diam = DiameterList(db, units.DiamType);
    for (int i = 0; i < result.nRows; ++i) {
        const int j = result.nFirstRow + i;
        if (j < 0 || j >= DiameterCount(db, units.DiamType) || j >= kMaxDiameters)
            break;
        content.rows.push_back({LengthText(result.dLength[list][j], units, texts),
                                DiameterText(diam[j], units, texts)});
    }
    content.selectedRow = result.nOptimalRow;
    content.valid = true;
    return content;
}

std::string MessageRowText(const ResultListContent& content) {
    if (content.valid || content.rows.empty())
        return {};
    return content.rows[0].length + " (" + content.rows[0].diameter + ")";
}

ResultListContent NoRefrigerantList(const TextLocale& texts) {
    return MessageRow(texts.Tr("Results", "No refrigerants"), texts.Tr("Results", "in Velnor.dkt"));
}
