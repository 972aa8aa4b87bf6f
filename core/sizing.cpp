#include "sizing.h"

#include "convert.h"

#include <algorithm>
#include <cmath>

int FindOptimalDiameter(const double* lengths, int n, double target) {
    if (n > kMaxDiameters)
        n = kMaxDiameters;
    double lo = target;
    double hi = target;
    int found = n;
    // A preferred length beyond 1000 m would take over 100,000 passes (or never end, once
    // 0.01 no longer changes it); the window stops widening there.
    constexpr int kMaxPasses = 100000;
    for (int pass = 0; found == n && pass < kMaxPasses; ++pass) {
        found = n;
        for (int i = 0; i < n; ++i) {
            if (lo < lengths[i] && lengths[i] < hi) {
                found = i;
                break;
            }
        }
        lo = lo - 0.01;
        hi = hi + 0.01;
        // A NaN target would never make lo negative; treat it like an exhausted window.
        if (lo < 0.0 || std::isnan(lo))
            break;
    }
    return found == n ? 0 : found;
}

double HeatLoadToWatts(double heatLoad, const UnitSettings& units) {
    return units.UnitsEnergy == 0 ? BtuhToW(heatLoad) : heatLoad;
}

double HeatLoadFromWatts(double watts, const UnitSettings& units) {
    // Divides by BtuhToW's own factor: WToBtuh's factor is not its exact reciprocal.
    return units.UnitsEnergy == 0 ? watts / BtuhToW(1.0) : watts;
}

DutyTemperatures TemperaturesInCelsius(double evapTemp, double condTemp, double rgasTemp,
                                       const UnitSettings& units) {
    if (units.UnitsTemperature == 1)
        return {FToC(evapTemp), FToC(condTemp), FToC(rgasTemp)};
    return {evapTemp, condTemp, rgasTemp};
}

void CheckTemperatures(const RefrigerantDatabase& db, int r, const DutyTemperatures& t,
                       SizingResult& result) {
    result.bEvapTempOk = db.dEvapMin[r] <= t.te && t.te <= db.dEvapMax[r];
    result.bCondTempOk = db.dCondMin[r] <= t.tc && t.tc <= db.dCondMax[r];
    result.bRGasTempOk = db.dRGasMin[r] <= t.trg && t.trg <= db.dRGasMax[r];
}

bool FlowCorrelation::Invertible() const {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(h) && b > 0.0 && h > 0.0;
}

FlowCorrelation CorrelationAt(const RefrigerantDatabase& db, int r, const DutyTemperatures& t) {
    const double te = t.te;
    const double tc = t.tc;
    const double* k = db.dCorrCoef[r];
    const double d = t.trg - 32.0;
    const double* c = db.dFlowCoef[r];
    FlowCorrelation f;
    f.h = (d * k[1] + k[0]) + (d * k[2]) * te + (d * k[3]) * tc;
    f.a = (te * c[1] + c[0]) + tc * c[2] + (te * c[3]) * tc + (te * c[4]) * te;
    f.b = (te * c[6] + c[5]) + tc * c[7] + (te * c[8]) * tc + (te * c[9]) * te;
    return f;
}

namespace {

// 750·D⁵, D⁵ evaluated as D·((D·D)·(D·D)).
double TubeConstant(double d) {
    return d * ((d * d) * (d * d)) * 750.0;
}

} // namespace

double TubeLength(double diameterMm, double flow) {
    return TubeConstant(diameterMm) / (flow * flow);
}

double TubeFlow(double diameterMm, double lengthM) {
    return std::sqrt(TubeConstant(diameterMm) / lengthM);
}

bool ComputeSizing(const RefrigerantDatabase& db, int nRefrig, const UnitSettings& units,
                   double heatLoad, double evapTemp, double condTemp, double rgasTemp,
                   SizingResult& result) {
    if (nRefrig < 0 || nRefrig >= db.nRefrigerants || nRefrig >= kMaxRefrigerants)
        return false;
    const double q = HeatLoadToWatts(heatLoad, units);
    const DutyTemperatures t = TemperaturesInCelsius(evapTemp, condTemp, rgasTemp, units);

    result.bHeatLoadOk = kMinHeatLoadW <= q && q <= kMaxHeatLoadW;
    CheckTemperatures(db, nRefrig, t, result);
    result.bFlowOk = true;
    result.bDiametersOk = true;
    if (!result.InputsValid())
        return false;

    // A correction of 0 would divide by zero, and a flow that is not a positive finite number
    // gives no tube; neither may reach the lengths. Nor may a flow whose square, which every
    // length is divided by, underflows to 0 or overflows.
    const double flow = CorrelationAt(db, nRefrig, t).Flow(q);
    const double square = flow * flow;
    if (!(flow > 0.0) || !std::isfinite(flow) || !(square > 0.0) || !std::isfinite(square)) {
        result.bFlowOk = false;
        return false;
    }

    const int list = units.DiamType != 0 ? 1 : 0;
    const double* diam = DiameterList(db, units.DiamType);
    int n = DiameterCount(db, units.DiamType);
    if (n > kMaxDiameters)
        n = kMaxDiameters;
    if (n <= 0) {
        result.bDiametersOk = false;
        return false;
    }

    // A diameter so large that its length overflows makes the list unusable; the result keeps
    // its last valid lengths then.
    double length[kMaxDiameters];
    for (int i = 0; i < n; ++i) {
        length[i] = TubeLength(diam[i], flow);
        if (!std::isfinite(length[i])) {
            result.bDiametersOk = false;
            return false;
        }
    }

    result.dN2Flow = flow;
    std::copy(length, length + n, result.dLength[list]);
    PlaceRowWindow(FindOptimalDiameter(length, n, db.dTargetLength), n, result);
    return true;
}

void PlaceRowWindow(int opt, int n, SizingResult& result) {
    if (n < 9) {
        result.nFirstRow = 0;
        result.nRows = n;
    } else {
        result.nFirstRow = opt > n - 5 ? n - 9 : (opt < 4 ? 0 : opt - 4);
        result.nRows = 9;
    }
    result.nOptimalRow = opt - result.nFirstRow;
}
