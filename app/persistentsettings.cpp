#include "persistentsettings.h"

#include "defaultinputs.h"
#include "settingsstore.h"

#include <cmath>
#include <limits>

namespace {

constexpr const char* kRefrig = "Refrig";

// The five inputs: entry name and member, in writing order, the order of DefaultInput.
struct InputEntry {
    const char* szName;
    double SavedInputs::*field;
};

constexpr std::array<InputEntry, kDefaultInputCount> kInputEntries = {{
    {"dHeatLoad", &SavedInputs::dHeatLoad},
    {"dEvapTemp", &SavedInputs::dEvapTemp},
    {"dCondTemp", &SavedInputs::dCondTemp},
    {"dRGasTemp", &SavedInputs::dRGasTemp},
    {"dAmbient", &SavedInputs::dAmbient},
}};

// The gap left to the screen's edges when a stored size does not fit on the screen.
constexpr int kScreenInset = 10;

} // namespace

const std::array<PersistentSettings::UnitEntry, 7>& PersistentSettings::UnitEntries() {
    static const std::array<UnitEntry, 7> entries = {{
        {"UnitsEnergy     ", &UnitSettings::UnitsEnergy, 0},
        {"UnitsTemperature", &UnitSettings::UnitsTemperature, 1},
        {"UnitsPressure   ", &UnitSettings::UnitsPressure, 1},
        {"UnitsDiameter   ", &UnitSettings::UnitsDiameter, 1},
        {"UnitsLength     ", &UnitSettings::UnitsLength, 1},
        {"UnitsFlow       ", &UnitSettings::UnitsFlow, 0},
        {"DiamType        ", &UnitSettings::DiamType, 0},
    }};
    return entries;
}

void PersistentSettings::ReadUnits(UnitSettings& units) {
    for (const UnitEntry& entry : UnitEntries()) {
        units.*entry.field = m_store.ReadInt(kSettings, entry.szName, entry.nDefault) != 0 ? 1 : 0;
    }
}

void PersistentSettings::WriteUnits(const UnitSettings& units) {
    for (const UnitEntry& entry : UnitEntries()) {
        m_store.WriteInt(kSettings, entry.szName, units.*entry.field);
    }
}

WindowPlacement PersistentSettings::ReadPlacement() {
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.x = m_store.ReadInt(kLocation, "XPos", defaults.x);
    placement.y = m_store.ReadInt(kLocation, "YPos", defaults.y);
    placement.width = m_store.ReadInt(kLocation, "XSiz", defaults.width);
    placement.height = m_store.ReadInt(kLocation, "YSiz", defaults.height);
    return placement;
}

WindowPlacement PersistentSettings::ReadPlacement(int screenWidth, int screenHeight) {
    return FitToScreen(ReadPlacement(), screenWidth, screenHeight);
}

int PersistentSettings::ReadRefrigerant(int nRefrigerants) {
    return ClampRefrigerant(m_store.ReadInt(kSettings, kRefrig, 0), nRefrigerants);
}

SavedInputs PersistentSettings::ReadInputs(const UnitSettings& units) {
    const std::array<int, kDefaultInputCount> defaults = DefaultInputHundredths(units);
    SavedInputs inputs;
    for (std::size_t i = 0; i < kInputEntries.size(); ++i) {
        const InputEntry& entry = kInputEntries[i];
        inputs.*entry.field = m_store.ReadInt(kSettings, entry.szName, defaults[i]) / 100.0;
    }
    return inputs;
}

void PersistentSettings::WriteSelectionAndInputs(int nRefrig, const SavedInputs& inputs) {
    m_store.WriteInt(kSettings, kRefrig, nRefrig);
    for (const InputEntry& entry : kInputEntries) {
        m_store.WriteInt(kSettings, entry.szName, StoredHundredths(inputs.*entry.field));
    }
}

bool PersistentSettings::StorePosition(const WindowState& state, int x, int y) {
    return StoreLocation(state, {"XPos", x}, {"YPos", y});
}

bool PersistentSettings::StoreSize(const WindowState& state, int width, int height) {
    return StoreLocation(state, {"XSiz", width}, {"YSiz", height});
}

bool PersistentSettings::StoreLocation(const WindowState& state, LocationEntry first,
                                       LocationEntry second) {
    if (!CanRecordPlacement(state)) {
        return false;
    }
    m_store.WriteInt(kLocation, first.szName, first.nValue);
    m_store.WriteInt(kLocation, second.szName, second.nValue);
    return true;
}

WindowPlacement PersistentSettings::FitToScreen(WindowPlacement placement, int screenWidth,
                                                int screenHeight) {
    if (placement.width > screenWidth) {
        placement.x = kScreenInset;
        placement.width = screenWidth - 2 * kScreenInset;
    }
    if (placement.height > screenHeight) {
        placement.y = kScreenInset;
        placement.height = screenHeight - 2 * kScreenInset;
    }
    return placement;
}

int PersistentSettings::ClampRefrigerant(int nStored, int nRefrigerants) {
    int n = nStored < 0 ? 0 : nStored;
    // With no refrigerants the last index is -1: the "nothing selected" state.
    if (n > nRefrigerants - 1) {
        n = nRefrigerants - 1;
    }
    return n;
}

int PersistentSettings::StoredHundredths(double value) {
    const double hundredths = value * 100.0;
    if (std::isnan(hundredths)) {
        return 0;
    }
    // Compared as doubles: both limits are exact in a double, and the cast below is only
    // defined for values whose truncation fits.
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (hundredths >= kMax) {
        return std::numeric_limits<int>::max();
    }
    if (hundredths <= kMin) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(hundredths); // truncates toward zero
}

bool PersistentSettings::CanRecordPlacement(const WindowState& state) {
    return state.bReady && !state.bMinimised && !state.bMaximised;
}
