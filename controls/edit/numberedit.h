#pragma once

#include "numberrule.h"
#include "ruleedit.h"

#include <string>

// The numeric field: a validating field whose typed characters, keys and focus loss go to one
// CNumberRule, and whose text is always the rule's filtered form after a paste or a new text.
class CNumberEdit : public RuleEdit<CNumberRule> {
public:
    // A negative whole-digit count forbids negative numbers.
    CNumberEdit(int wholeDigits, int decimalPlaces);
    CNumberEdit(int wholeDigits, int decimalPlaces, const NumberLocale& locale);

    void SetValue(double value, bool trimZeros = true) { Rule().SetValue(value, trimZeros); }
    double GetValue() const { return Rule().GetValue(); }
    void SetIntValue(int value) { Rule().SetIntValue(value); }
    int GetIntValue() const { return Rule().GetIntValue(); }
    bool CheckRange(bool showMessage) { return Rule().CheckRange(showMessage); }
};
