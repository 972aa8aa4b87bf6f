#pragma once

#include "amsedit.h"
#include "charfilterrule.h"
#include "datetimerule.h"
#include "maskrule.h"
#include "numberrule.h"

#include <string>
#include <string_view>

// A field whose pattern chooses what it is: a character-filter, masked, numeric or
// date-and-time field. It owns one rule of each kind; one of them is active and gets the typed
// characters, keys, focus loss and the filtered-text question.
class CMultiFormatEdit : public CValidEdit {
public:
    // The numeric and date-and-time rules take the user locale's characters and settings from
    // `numbers` and `locale`; without them, the defaults.
    explicit CMultiFormatEdit(std::string_view pattern);
    CMultiFormatEdit(std::string_view pattern, const FieldLocale& locale,
                     const NumberLocale& numbers);

    // Chooses and sets up the active rule for `pattern`, then re-filters the text:
    // - without '#': the character-filter rule, its maximum length the pattern's length;
    // - "##/##/#### ##:##:##", "##/##/#### ##:##", "##/##/####", "##:##:##", "##:##": the
    //   date-and-time rule, adding ShowSeconds, nothing, DateOnly, TimeOnly and ShowSeconds,
    //   TimeOnly (bits set before stay);
    // - a pattern that from its first '#' on holds anything but '#' and the numeric rule's
    //   decimal point and group separator, or that ends in anything but '#': the mask rule with
    //   the pattern as its mask;
    // - any other: the numeric rule, with the pattern through SetPattern.
    void SetMask(std::string_view pattern);

    CEditRule& ActiveRule() { return *m_active; }
    CCharFilterRule& CharFilterRule() { return m_charFilter; }
    CMaskRule& MaskRule() { return m_mask; }
    CNumberRule& NumberRule() { return m_number; }
    CDateTimeRule& DateTimeRule() { return m_dateTime; }

    std::string FilteredText() const override { return m_active->FilteredText(); }

protected:
    void HandleChar(char ch) override { m_active->HandleChar(ch); }
    void HandleKeyDown(int key) override { m_active->HandleKeyDown(key); }
    void HandleFocusLost() override { m_active->HandleFocusLost(); }

private:
    void SelectRule(std::string_view pattern);

    CCharFilterRule m_charFilter;
    CMaskRule m_mask;
    CNumberRule m_number;
    CDateTimeRule m_dateTime;
    CEditRule* m_active;
};
