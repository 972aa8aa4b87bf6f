#pragma once

#include "numbertext.h"

#include <optional>
#include <string>
#include <string_view>

// Reads `text` as an amount in a money field's own format: digits, the group separators where
// the groups fall, the decimal point and decimals, the field's currency symbol (its prefix or
// suffix, without blanks) before or after the number, a sign in front of or behind it or
// parentheses around it, blanks between them. The amount comes back as the field types it: the
// sign, the whole digits without leading zeros, the decimal point and the decimals, surplus
// decimals dropped when they are zeros. None when the text is no amount in that format or the
// field cannot hold it (more whole digits, nonzero surplus decimals, a sign the field refuses),
// so that no other number is read from it.
std::optional<std::string> ReadAmount(const NumberSyntax& syntax, std::string_view text);
