#pragma once

#include "numberlocale.h"

#include <QLocale>

// The number characters of a Qt locale for the numeric fields: the first character of its
// negative sign, decimal point and group separator, each in Windows-1252, or empty (the field's
// default) when the code page has no byte for it.
NumberLocale NumberLocaleOf(const QLocale& locale);
