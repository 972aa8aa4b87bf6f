#pragma once

#include "numbertext.h"

#include <optional>
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

// The en dash, which some pages write for a minus sign (Windows-1252 0x96).
constexpr char kEnDash = '\x96';

// A typed character as the numeric field takes it: the en dash is the negative sign, and in a
// field that shows no grouping either '.' or ',' is the decimal point, whatever the locale's.
char TypedNumberChar(const NumberSyntax& syntax, char ch);

// A pasted text read as a number in the locale's form. Blanks (and line breaks) around it are
// left out. Then: the prefix, if the text starts with it; an optional sign (the negative sign,
// '-', the en dash or '+'); digits, either all together or grouped by the group separator, the
// first group of one to three digits and each further one of three (of GroupSize when the field
// groups); and optionally the decimal point with the decimals after it. At least one digit. The
// result is that number in the field's characters without grouping (sign, digits, decimal
// point); nothing when the text is not such a number.
std::optional<std::string> ReadPastedNumber(const NumberSyntax& syntax, std::string_view text);
