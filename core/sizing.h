#pragma once

#include "database.h"
#include "unitsettings.h"

// The outcome of the last sizing calculation. A calculation that finds a problem writes only
// the flags; the flow, the lengths and the rows keep the values of the last valid calculation.
struct SizingResult {
    bool bHeatLoadOk = false; // 1 to 10000 W
    bool bEvapTempOk = false;
    bool bCondTempOk = false;
    bool bRGasTempOk = false;
    // The refrigerant's data give a usable flow: the return-gas correction is not 0 and the
    // flow and its square are finite and above 0. Only checked when the four inputs are valid.
    bool bFlowOk = true;
    // The chosen diameter list has at least one diameter, and every length it gives is finite.
    bool bDiametersOk = true;
    double dN2Flow = 0.0;                  // l/min at a pressure difference of 10 bar
    double dLength[2][kMaxDiameters] = {}; // m, per diameter list (Europe, North America)
    int nFirstRow = 0;                     // index of the diameter in the first list row
    int nOptimalRow = 0;                   // list row of the optimal diameter
    int nRows = 0;                         // list rows: nine, or the whole list when it is shorter

    bool InputsValid() const { return bHeatLoadOk && bEvapTempOk && bCondTempOk && bRGasTempOk; }
    bool Valid() const { return InputsValid() && bFlowOk && bDiametersOk; }
    int OptimalIndex() const { return nFirstRow + nOptimalRow; }
};

// The heat loads a tube is sized for, in W, both included.
constexpr double kMinHeatLoadW = 1.0;
constexpr double kMaxHeatLoadW = 10000.0;

// A heat load in the energy unit in force to W (BtuhToW when UnitsEnergy is 0), and the exact
// reverse of that step, so that a heat load taken to W and back is the value entered.
double HeatLoadToWatts(double heatLoad, const UnitSettings& units);
double HeatLoadFromWatts(double watts, const UnitSettings& units);

// The three temperatures of a duty in ºC, converted from the unit in force (FToC when
// UnitsTemperature is 1).
struct DutyTemperatures {
    double te = 0.0;  // evaporating
    double tc = 0.0;  // condensing
    double trg = 0.0; // return gas
};
DutyTemperatures TemperaturesInCelsius(double evapTemp, double condTemp, double rgasTemp,
                                       const UnitSettings& units);

// Sets the three temperature flags of `result` from refrigerant r's ranges (bounds included).
// r must be a refrigerant of `db`.
void CheckTemperatures(const RefrigerantDatabase& db, int r, const DutyTemperatures& t,
                       SizingResult& result);

// The flow correlation of a refrigerant at a duty's temperatures: a tube for a heat load Q (W)
// passes the nitrogen flow F = A + B·Q/H (l/min at 10 bar), H being the return-gas correction.
struct FlowCorrelation {
    double a = 0.0;
    double b = 0.0;
    double h = 0.0;
    // F for Q in W; 0 when H is 0.
    double Flow(double watts) const { return h != 0.0 ? a + (b * watts) / h : 0.0; }
    // The correlation turned round: Q = (F - A)·H/B in W. Meaningful only when Invertible().
    double HeatLoad(double flow) const { return ((flow - a) * h) / b; }
    // B and H finite and above 0 (and A finite): every flow then gives one heat load.
    bool Invertible() const;
};
// r must be a refrigerant of `db`.
FlowCorrelation CorrelationAt(const RefrigerantDatabase& db, int r, const DutyTemperatures& t);

// The length formula: a tube of inner diameter D (mm) and length L (m) passes the nitrogen flow
// F (l/min at 10 bar) when L = D⁵·750/F². TubeLength gives L, TubeFlow the formula turned
// round, F = √(750·D⁵/L).
double TubeLength(double diameterMm, double flow);
double TubeFlow(double diameterMm, double lengthM);

// Sizes the tube for refrigerant nRefrig from the four values as the user entered them (heat
// load, evaporating, condensing and return gas temperature, in the units of `units`).
// Returns Valid(). Does nothing and returns false when nRefrig is not a refrigerant of `db`.
bool ComputeSizing(const RefrigerantDatabase& db, int nRefrig, const UnitSettings& units,
                   double heatLoad, double evapTemp, double condTemp, double rgasTemp,
                   SizingResult& result);

// The optimal diameter index for `lengths` (count n) around the target length: the first
// index whose length lies strictly inside a window widened from (T, T) by 0.01 m per pass, the
// rounding accumulating as in the loop; 0 when nothing is inside before the lower bound drops
// below 0.
int FindOptimalDiameter(const double* lengths, int n, double target);

// Places the nine list rows over a list of n diameters so that the optimal index `opt` sits
// in the fifth row where it can; a list shorter than nine shows all of it.
void PlaceRowWindow(int opt, int n, SizingResult& result);
