#include "defaultinputs.h"

#include "convert.h"

namespace {

constexpr double kHeatLoadW = 110.0;
// Evaporating, condensing, return gas and ambient, ºC.
constexpr double kTemperaturesC[] = {-25.0, 55.0, 32.0, 25.0};

// The converted values are a few hundred at most, so the product always fits.
int Hundredths(double value) {
    return static_cast<int>(value * 100.0);
}

} // namespace

std::array<int, kDefaultInputCount> DefaultInputHundredths(const UnitSettings& units) {
    std::array<int, kDefaultInputCount> inputs{};
    inputs[kDefaultHeatLoad] =
        Hundredths(units.UnitsEnergy != 0 ? kHeatLoadW : WToBtuh(kHeatLoadW));
    for (int i = 0; i < 4; ++i) {
        const double c = kTemperaturesC[i];
        inputs[kDefaultEvapTemp + i] = Hundredths(units.UnitsTemperature != 0 ? CToF(c) : c);
    }
    return inputs;
}
