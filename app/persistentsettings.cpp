#include "persistentsettings.h"

#include "defaultinputs.h"
#include "settingsstore.h"

#include <cmath>
#include <limits>

namespace {

constexpr const char* kRefrig = "Refrig";
constexpr const char* kLocationNames[] = {"XPos", "YPos", "XSiz", "YSiz"};

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

std::vector<std::string> PersistentSettings::EntryNames() {
    std::vector<std::string> names;
    for (const UnitEntry& entry : UnitEntries())
        names.emplace_back(entry.szName);
    names.emplace_back(kRefrig);
    for (const InputEntry& entry : kInputEntries)
        names.emplace_back(entry.szName);
    names.insert(names.end(), std::begin(kLocationNames), std::end(kLocationNames));
    return names;
}

int PersistentSettings::KnownValues::ReadInt(std::string_view section, std::string_view entry,
                                             int defaultValue) {
    const int value = m_store.ReadInt(section, entry, defaultValue);
    Assume(section, entry, value);
    return value;
}

void PersistentSettings::KnownValues::Assume(std::string_view section, std::string_view entry,
                                             int value) {
    m_values[{std::string(section), std::string(entry)}] = value;
}

void PersistentSettings::KnownValues::WriteInt(std::string_view section, std::string_view entry,
                                               int value) {
    const auto [known, added] =
        m_values.try_emplace({std::string(section), std::string(entry)}, value);
    if (!added && known->second == value)
        return;
    known->second = value;
    m_store.WriteInt(section, entry, value);
}

void PersistentSettings::ReadUnits(UnitSettings& units) {
    for (const UnitEntry& entry : UnitEntries()) {
        units.*entry.field = m_store.ReadInt(kSettings, entry.szName, entry.nDefault) != 0 ? 1 : 0;
    }
}

void PersistentSettings::WriteUnits(const UnitSettings& units, const UnitSettings& before) {
    for (const UnitEntry& entry : UnitEntries()) {
        if (units.*entry.field != before.*entry.field)
            m_store.WriteInt(kSettings, entry.szName, units.*entry.field);
    }
}

WindowPlacement PersistentSettings::ReadPlacement() {
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.x = m_store.ReadInt(kLocation, kLocationNames[0], defaults.x);
    placement.y = m_store.ReadInt(kLocation, kLocationNames[1], defaults.y);
    placement.width = m_store.ReadInt(kLocation, kLocationNames[2], defaults.width);
    placement.height = m_store.ReadInt(kLocation, kLocationNames[3], defaults.height);
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

void PersistentSettings::RestoredSelectionAndInputs(int nRefrig, const SavedInputs& inputs) {
    m_known.Assume(kSettings, kRefrig, nRefrig);
    for (const InputEntry& entry : kInputEntries) {
        m_known.Assume(kSettings, entry.szName, StoredHundredths(inputs.*entry.field));
    }
}

bool PersistentSettings::StorePosition(const WindowState& state, int x, int y) {
    return StoreLocation(state, {kLocationNames[0], x}, {kLocationNames[1], y});
}

bool PersistentSettings::StoreSize(const WindowState& state, int width, int height) {
    return StoreLocation(state, {kLocationNames[2], width}, {kLocationNames[3], height});
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
