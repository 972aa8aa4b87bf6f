#pragma once

#include "numbertext.h"

#include <optional>
#include <string>
#include <string_view>

// Patterns such as "$#,###.##", which set a numeric field's digits, separators and prefix in one
// go.

// `syntax` with the settings of `pattern`, read from its end: '#'s right of the decimal point
// are decimal places, those left of it whole digits (all of them when there is no decimal
// point); the first '.' or decimal point of `syntax` met is the decimal point; the first ',' or
// group separator of `syntax` met is the group separator, and the characters between it and the
// decimal point (or the end) the group size; any other character ends the number, and the
// pattern up to and including it is the prefix. Negatives become allowed. Nothing when the
// pattern gives no whole digit.
std::optional<NumberSyntax> ReadPattern(const NumberSyntax& syntax, std::string_view pattern);

// The pattern of `syntax`: the prefix, then '#'s with the separators laid in.
std::string PatternText(const NumberSyntax& syntax);
