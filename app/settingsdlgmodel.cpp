#include "settingsdlgmodel.h"

#include "persistentsettings.h"

// "\272" is the degree mark º (0xBA); octal, because a hex escape would swallow the "F".
const std::array<SettingsDlgModel::UnitPair, 6>& SettingsDlgModel::Pairs() {
    static const std::array<UnitPair, 6> pairs = {{
        {"Energy", "W", "Btu/hr", 1004, 1005, &UnitSettings::UnitsEnergy},
        {"Temperature", "\272F", "\272C", 1008, 1009, &UnitSettings::UnitsTemperature},
        {"Pressure", "psi", "Bar", 1010, 1011, &UnitSettings::UnitsPressure},
        {"Diameter", "inches", "millimeters", 1012, 1013, &UnitSettings::UnitsDiameter},
        {"Length", "inches", "meters", 1014, 1015, &UnitSettings::UnitsLength},
        {"Flow", "l/min", "CFM", 1016, 1017, &UnitSettings::UnitsFlow},
    }};
    return pairs;
}

const std::array<const char*, 2>& SettingsDlgModel::DiamListItems() {
    static const std::array<const char*, 2> items = {"Europe", "North America"};
    return items;
}

namespace {

constexpr int kMargin = 5;
constexpr int kGroupWidth = 74;
constexpr int kGroupHeight = 46;
constexpr int kGroupGapX = 6;
constexpr int kGroupGapY = 4;
constexpr int kButtonIndent = 8;
constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 10;
constexpr int kFirstButtonTop = 13;
constexpr int kSecondButtonTop = 28;

} // namespace

Rect SettingsDlgModel::GroupRect(int pair) {
    const int column = pair % 3;
    const int row = pair / 3;
    return Rect::FromSize(kMargin + column * (kGroupWidth + kGroupGapX),
                          kMargin + row * (kGroupHeight + kGroupGapY), kGroupWidth, kGroupHeight);
}

Rect SettingsDlgModel::FirstButtonRect(int pair) {
    return ButtonRect(pair, kFirstButtonTop);
}

Rect SettingsDlgModel::SecondButtonRect(int pair) {
    return ButtonRect(pair, kSecondButtonTop);
}

Rect SettingsDlgModel::ButtonRect(int pair, int top) {
    const Rect group = GroupRect(pair);
    return Rect::FromSize(group.left + kButtonIndent, group.top + top, kButtonWidth, kButtonHeight);
}

SettingsDlgModel::SettingsDlgModel(const UnitSettings& units)
    : m_nDiamIndex(units.DiamType != 0 ? 1 : 0) {
    for (std::size_t i = 0; i < Pairs().size(); ++i) {
        m_first[i] = units.*Pairs()[i].field != 0;
    }
}

void SettingsDlgModel::Accept(UnitSettings& units, PersistentSettings& settings) const {
    for (std::size_t i = 0; i < Pairs().size(); ++i) {
        units.*Pairs()[i].field = m_first[i] ? 1 : 0;
    }
    units.DiamType = m_nDiamIndex;
    settings.WriteUnits(units);
}
