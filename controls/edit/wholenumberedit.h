#pragma once

#include "numberedit.h"

// The whole-number field: a numeric field without decimal places. A negative whole-digit count
// forbids negative numbers, as in CNumberEdit.
class CWholeNumberEdit : public CNumberEdit {
public:
    explicit CWholeNumberEdit(int wholeDigits) : CNumberEdit(wholeDigits, 0) {}
    CWholeNumberEdit(int wholeDigits, const NumberLocale& locale)
        : CNumberEdit(wholeDigits, 0, locale) {}
};
