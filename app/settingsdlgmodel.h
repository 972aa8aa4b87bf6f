#pragma once

#include "dialogunits.h"
#include "texts.h"
#include "unitsettings.h"

#include <array>

class PersistentSettings;

// The rules of the units dialog: which buttons opening checks and what OK stores.
class SettingsDlgModel {
public:
    // One group of two radio buttons. The first button stands for the field's value 1, the
    // second for 0. Texts are Windows-1252, English, marked for translation
    // ("Units").
    struct UnitPair {
        const char* szGroup;
        const char* szFirst;
        const char* szSecond;
        int nFirstId;
        int nSecondId;
        int UnitSettings::*field;
    };
    // Energy, Temperature, Pressure (top row), Diameter, Length, Flow (bottom row).
    static const std::array<UnitPair, 6>& Pairs();

    static constexpr const char* kDiamListLabel =
        VELNOR_TRANSLATE_NOOP("Units", "Standard tube diameter list");
    // The items of the diameter list; the selected index is `DiamType`.
    static const std::array<const char*, 2>& DiamListItems();

    // Opening: the first button of a pair is checked when its field is not 0, else the second;
    // "North America" is selected when `DiamType` is not 0, else "Europe".
    explicit SettingsDlgModel(const UnitSettings& units);

    bool IsFirstChecked(int pair) const { return m_first.at(static_cast<std::size_t>(pair)); }
    void SetFirstChecked(int pair, bool bFirst) {
        m_first.at(static_cast<std::size_t>(pair)) = bFirst;
    }
    int DiamIndex() const { return m_nDiamIndex; }
    // An index outside the list (no selection) counts as "Europe".
    void SetDiamIndex(int index) { m_nDiamIndex = index == 1 ? 1 : 0; }

    // OK: each field becomes 1 when the first button of its pair is checked, else 0; `DiamType`
    // becomes the selected index; then the entries of the fields that changed are written.
    void Accept(UnitSettings& units, PersistentSettings& settings) const;

    // The dialog's template, in dialog units from the dialog's top-left corner: two rows of
    // three group boxes, the list with its label under them, OK and Cancel at the bottom centre.
    static constexpr int kWidth = 244;
    static constexpr int kHeight = 162;
    static Rect GroupRect(int pair);
    // The buttons of a pair, relative to the dialog (not to their group box).
    static Rect FirstButtonRect(int pair);
    static Rect SecondButtonRect(int pair);
    static constexpr DialogItem kLabelItem{DialogItem::kNoId, Rect::FromSize(15, 112, 100, 8)};
    static constexpr DialogItem kDiamListItem{1026, Rect::FromSize(120, 110, 100, 12)};
    static constexpr DialogItem kOkItem{1, Rect::FromSize(69, 138, 50, 14)};
    static constexpr DialogItem kCancelItem{2, Rect::FromSize(125, 138, 50, 14)};

private:
    std::array<bool, 6> m_first{};
    int m_nDiamIndex = 0;
};
