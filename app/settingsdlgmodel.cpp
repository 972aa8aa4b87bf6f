#include "settingsdlgmodel.h"

#include "persistentsettings.h"

// "\272" is the degree mark º (0xBA); octal, because a hex escape would swallow the "F".
const std::array<SettingsDlgModel::UnitPair, 6>& SettingsDlgModel::Pairs() {
    static const std::array<UnitPair, 6> pairs = {{
        {VELNOR_TRANSLATE_NOOP("Units", "Energy"), "W", "Btu/hr", 1004, 1005,
         &UnitSettings::UnitsEnergy},
        {VELNOR_TRANSLATE_NOOP("Units", "Temperature"), "\272F", "\272C", 1008, 1009,
         &UnitSettings::UnitsTemperature},
        {VELNOR_TRANSLATE_NOOP("Units", "Pressure"), "psi", "Bar", 1010, 1011,
         &UnitSettings::UnitsPressure},
        {VELNOR_TRANSLATE_NOOP("Units", "Diameter"), VELNOR_TRANSLATE_NOOP("Units", "inches"),
         VELNOR_TRANSLATE_NOOP("Units", "millimeters"), 1012, 1013, &UnitSettings::UnitsDiameter},
        {VELNOR_TRANSLATE_NOOP("Units", "Length"), VELNOR_TRANSLATE_NOOP("Units", "inches"),
         VELNOR_TRANSLATE_NOOP("Units", "meters"), 1014, 1015, &UnitSettings::UnitsLength},
        {VELNOR_TRANSLATE_NOOP("Units", "Flow"), "l/min", "CFM", 1016, 1017,
         &UnitSettings::UnitsFlow},
    }};
    return pairs;
}

const std::array<const char*, 2>& SettingsDlgModel::DiamListItems() {
    static const std::array<const char*, 2> items = {
        VELNOR_TRANSLATE_NOOP("Units", "Europe"), VELNOR_TRANSLATE_NOOP("Units", "North America")};
    return items;
}

namespace {

// The first group box; the others follow three to a row, each a step right of or below the one
// before.
constexpr Rect kFirstGroup = Rect::FromSize(5, 5, 74, 46);
constexpr int kGroupStepX = 80;
constexpr int kGroupStepY = 50;
// A pair's first button relative to its group box; the second lies one step lower.
constexpr Rect kFirstButtonInGroup = Rect::FromSize(8, 13, 62, 10);
constexpr int kButtonStepY = 15;

} // namespace

Rect SettingsDlgModel::GroupRect(int pair) {
    return kFirstGroup.Moved(pair % 3 * kGroupStepX, pair / 3 * kGroupStepY);
}

Rect SettingsDlgModel::FirstButtonRect(int pair) {
    const Rect group = GroupRect(pair);
    return kFirstButtonInGroup.Moved(group.left, group.top);
}

Rect SettingsDlgModel::SecondButtonRect(int pair) {
    return FirstButtonRect(pair).Moved(0, kButtonStepY);
}

SettingsDlgModel::SettingsDlgModel(const UnitSettings& units)
    : m_nDiamIndex(units.DiamType != 0 ? 1 : 0) {
    for (std::size_t i = 0; i < Pairs().size(); ++i) {
        m_first[i] = units.*Pairs()[i].field != 0;
    }
}

void SettingsDlgModel::Accept(UnitSettings& units, PersistentSettings& settings) const {
    const UnitSettings before = units;
    for (std::size_t i = 0; i < Pairs().size(); ++i) {
        units.*Pairs()[i].field = m_first[i] ? 1 : 0;
    }
    units.DiamType = m_nDiamIndex;
    settings.WriteUnits(units, before);
}
