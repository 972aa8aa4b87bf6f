#pragma once

#include <string>
#include <string_view>

// Locale-independent number reading and writing. The program's texts always use "." as the
// decimal point, whatever locale the process runs in, so nothing here goes through the C locale.

// Reads the longest prefix of `text` of the form: white space, optional sign, digits with an
// optional ".", optional exponent (e or E, optional sign, digits). No digits gives 0 and
// consumes nothing. Values beyond the double range give an infinity, tiny ones 0, as strtod does.
// `consumed`, when given, receives the number of characters used (0 when there was no number).
double ParseLeadingNumber(std::string_view text, std::size_t* consumed = nullptr);

// Reads an optional sign and digits ("%d"-like, stops at the first other character); saturates
// at the int range. Leading white space is skipped.
int ParseLeadingInt(std::string_view text);

// printf("%.*f", decimals, v) in the "C" locale: fixed notation, correctly rounded, no grouping.
std::string FormatFixed(double v, int decimals);
