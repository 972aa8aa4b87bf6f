#include "tuberating.h"

#include "formatting.h"
#include "sizing.h"
#include "textnumber.h"
#include "texts.h"

#include <cmath>

namespace {

// A heat load in the energy unit in force, with two decimals and the unit.
std::string HeatLoadText(double heatLoad, const UnitSettings& units) {
    return FormatFixed(heatLoad, 2) + " " + GetUnitLabel(4, units);
}

} // namespace

TubeRating RateTube(const RefrigerantDatabase& db, int nRefrig, const UnitSettings& units,
                    double evapTemp, double condTemp, double rgasTemp, double diameter,
                    double length, const TextLocale& texts) {
    TubeRating rating;
    if (nRefrig < 0 || nRefrig >= db.nRefrigerants || nRefrig >= kMaxRefrigerants) {
        rating.message = MessageRowText(NoRefrigerantList(texts));
        return rating;
    }

    // The flow is the tube's own: it needs no temperature.
    const double flow =
        TubeFlow(FromDisplayDiameter(diameter, units), FromDisplayLength(length, units));
    const bool tubeOk = diameter > 0.0 && length > 0.0 && flow > 0.0 && std::isfinite(flow);
    if (tubeOk) {
        rating.dN2Flow = flow;
        rating.flowText = FlowText(flow, units, texts);
    }

    SizingResult checked;
    checked.bHeatLoadOk = true; // the heat load is the answer here, not an input
    const DutyTemperatures t = TemperaturesInCelsius(evapTemp, condTemp, rgasTemp, units);
    CheckTemperatures(db, nRefrig, t, checked);
    rating.bEvapTempOk = checked.bEvapTempOk;
    rating.bCondTempOk = checked.bCondTempOk;
    rating.bRGasTempOk = checked.bRGasTempOk;
    if (!checked.InputsValid()) {
        rating.status = RatingStatus::TemperatureInvalid;
        rating.message = MessageRowText(FillResultList(checked, db, nRefrig, units, texts));
        return rating;
    }
    if (!tubeOk) {
        rating.status = RatingStatus::TubeInvalid;
        rating.message =
            texts.Tr("Results", "Tube invalid: the inner diameter and the length must be above 0");
        return rating;
    }
    const FlowCorrelation correlation = CorrelationAt(db, nRefrig, t);
    if (!correlation.Invertible()) {
        rating.status = RatingStatus::NotInvertible;
        rating.message =
            texts.Tr("Results", "No heat load: the refrigerant's flow correlation cannot be "
                                "turned round at these temperatures");
        return rating;
    }

    const double watts = correlation.HeatLoad(flow);
    rating.heatLoad = HeatLoadFromWatts(watts, units);
    rating.heatLoadText = HeatLoadText(rating.heatLoad, units);
    if (watts < kMinHeatLoadW) {
        rating.status = RatingStatus::BelowRange;
        rating.message =
            Compose(texts.Tr("Results", "Heat load invalid: the tube serves less than %1"),
                    {HeatLoadText(HeatLoadFromWatts(kMinHeatLoadW, units), units)});
    } else if (watts > kMaxHeatLoadW) {
        rating.status = RatingStatus::AboveRange;
        rating.message =
            Compose(texts.Tr("Results", "Heat load invalid: the tube serves more than %1"),
                    {HeatLoadText(HeatLoadFromWatts(kMaxHeatLoadW, units), units)});
    } else {
        rating.status = RatingStatus::Ok;
    }
    return rating;
}
