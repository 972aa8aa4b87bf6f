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

bool ComputeSizing(const RefrigerantDatabase& db, int nRefrig, const UnitSettings& units,
                   double heatLoad, double evapTemp, double condTemp, double rgasTemp,
                   SizingResult& result) {
    if (nRefrig < 0 || nRefrig >= db.nRefrigerants || nRefrig >= kMaxRefrigerants)
        return false;
    const int r = nRefrig;
    double q = heatLoad;
    double te = evapTemp;
    double tc = condTemp;
    double trg = rgasTemp;
    if (units.UnitsEnergy == 0)
        q = BtuhToW(q);
    if (units.UnitsTemperature == 1) {
        te = FToC(te);
        tc = FToC(tc);
        trg = FToC(trg);
    }

    result.bHeatLoadOk = 1.0 <= q && q <= 10000.0;
    result.bEvapTempOk = db.dEvapMin[r] <= te && te <= db.dEvapMax[r];
    result.bCondTempOk = db.dCondMin[r] <= tc && tc <= db.dCondMax[r];
    result.bRGasTempOk = db.dRGasMin[r] <= trg && trg <= db.dRGasMax[r];
    result.bFlowOk = true;
    result.bDiametersOk = true;
    if (!result.InputsValid())
        return false;

    const double* k = db.dCorrCoef[r];
    const double d = trg - 32.0;
    const double h = (d * k[1] + k[0]) + (d * k[2]) * te + (d * k[3]) * tc;

    const double* c = db.dFlowCoef[r];
    const double a = (te * c[1] + c[0]) + tc * c[2] + (te * c[3]) * tc + (te * c[4]) * te;
    const double b = (te * c[6] + c[5]) + tc * c[7] + (te * c[8]) * tc + (te * c[9]) * te;
    // A correction of 0 would divide by zero, and a flow that is not a positive finite number
    // gives no tube; neither may reach the lengths. Nor may a flow whose square, which every
    // length is divided by, underflows to 0 or overflows.
    const double flow = h != 0.0 ? a + (b * q) / h : 0.0;
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
        const double di = diam[i];
        length[i] = (di * ((di * di) * (di * di)) * 750.0) / square;
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
