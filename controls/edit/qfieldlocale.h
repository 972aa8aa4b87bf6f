#pragma once

#include "fieldlocale.h"

#include <QLocale>

// The date, time and currency settings of a Qt locale for the fields, in Windows-1252: the
// separators are the first character that is not a letter in the short date and time formats,
// the clock has 24 hours when the short time format shows no AM/PM, the currency digits and
// the symbol's position are those of the locale's currency text, the symbol is taken in its
// compatibility form (ja_JP's full-width yen sign is the yen sign), the monetary separators are
// the locale's number separators (NumberLocaleOf) and the grouping is by 3.
FieldLocale FieldLocaleOf(const QLocale& locale);
