#pragma once

#include "numbertext.h"

#include <string>
#include <string_view>

// The sign, separators and prefix of a numeric field: where they come from, and what a field's
// text keeps of them when they change.

// The first character of a locale text; `fallback` when there is none. A digit cannot serve as
// a sign or separator, so it counts as none.
char LocaleCharacter(const std::string& text, char fallback);

// The group separator to use with `decimalPoint`: a group separator equal to the decimal point
// would make every number ambiguous, so it becomes '.' when the decimal point is ',' and ','
// otherwise.
char DistinctGroupSeparator(char decimalPoint, char groupSeparator);

// The text a field holds once its settings change from `before` to `after`. A text the two read
// alike (same sign, separators and prefix) stays as it is; any other loses its prefix and has
// its sign and separators translated before it is filtered, so that 12.5 stays 12.5 when the
// decimal point becomes ','.
std::string CarriedOverText(const NumberSyntax& before, const NumberSyntax& after,
                            std::string_view text);
