#include "numberedit.h"

CNumberEdit::CNumberEdit(int wholeDigits, int decimalPlaces)
    : RuleEdit(wholeDigits, decimalPlaces) {}

CNumberEdit::CNumberEdit(int wholeDigits, int decimalPlaces, const NumberLocale& locale)
    : RuleEdit(wholeDigits, decimalPlaces, locale) {}
