#pragma once

#include "numbertext.h"

#include <string>
#include <string_view>

// What focus loss makes of a numeric field's NumericText `numeric`, as the option bits of
// `syntax` ask, each step working on what the one before left: StripLeadingZeros takes the
// leading zeros off (a '0' stays in front of a bare decimal point), PadDecimalPlaces fills the
// decimals with zeros (an empty number or a lone sign becomes 0 first), PadWholeDigits fills the
// whole part with leading zeros, behind the sign.
std::string FocusLossText(const NumberSyntax& syntax, std::string_view numeric);
