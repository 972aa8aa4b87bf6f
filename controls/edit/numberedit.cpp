#include "numberedit.h"

CNumberEdit::CNumberEdit(int wholeDigits, int decimalPlaces)
    : m_rule(*this, wholeDigits, decimalPlaces) {}

CNumberEdit::CNumberEdit(int wholeDigits, int decimalPlaces, const NumberLocale& locale)
    : m_rule(*this, wholeDigits, decimalPlaces, locale) {}
