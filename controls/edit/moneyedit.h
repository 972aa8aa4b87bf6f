#pragma once

#include "fieldlocale.h"
#include "numberedit.h"

// The money field: a numeric field of 9 whole digits in groups of 3, 2 decimal places padded on
// focus loss and when set (not when empty), leading zeros stripped, and the prefix "$"; then the
// user locale's currency symbol, grouping, currency digits, symbol position and monetary
// separators where it gives them. Made without a locale, the field has the defaults.
class CMoneyEdit : public CNumberEdit {
public:
    CMoneyEdit();
    explicit CMoneyEdit(const FieldLocale& locale, const NumberLocale& numbers = NumberLocale{});
};
