#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text rules of the numeric field, as pure functions of the field's settings, so that the
// field, the report and the database tool agree on what a number looks like when shown.

// Option bits of a numeric field.
enum NumberFlags : unsigned {
    BeepIfOutOfRange = 0x0001,
    BeepIfEmpty = 0x0002,
    ClampIfOutOfRange = 0x0004,
    ClampIfEmpty = 0x0008,
    RefocusIfOutOfRange = 0x0010,
    RefocusIfEmpty = 0x0020,
    MessageIfOutOfRange = 0x0040,
    MessageIfEmpty = 0x0080,
    PadWholeDigits = 0x0100,
    PadDecimalPlaces = 0x0200,
    NoPadIfEmpty = 0x0400,
    StripLeadingZeros = 0x0800,
    NoNegatives = 0x1000,
    AutoDecimalPoint = 0x2000,
    PadDecimalsAlways = 0x4000,
    PadDecimalsOnSet = 0x8000,
};

// The settings that decide a numeric field's text. The defaults are the main window's fields:
// 9 whole digits, 3 decimals, negatives allowed, no prefix, no grouping, "." and "-".
struct NumberSyntax {
    int WholeDigits = 9;
    int DecimalPlaces = 3;
    char NegativeSign = '-';
    char DecimalPoint = '.';
    char GroupSeparator = ',';
    int GroupSize = 0;
    std::string Prefix;
    std::string Suffix; // shown after the number, as a currency symbol some locales write there
    unsigned Flags = 0;
    bool Adjusting = false; // true only while a field regroups after an edit
};

// Where the number begins in a field's text: after the prefix when the text starts with it,
// else at 0. Characters of the prefix never count as digits, signs or separators.
std::size_t NumberStart(const NumberSyntax& syntax, std::string_view text);
// Where the number ends: before the suffix when the text ends with it (after the prefix), else
// at the end. Nor do the suffix's characters count.
std::size_t NumberEnd(const NumberSyntax& syntax, std::string_view text);

// The digits, the first decimal point and the sign (in front, when a sign stood anywhere).
std::string NumericText(const NumberSyntax& syntax, std::string_view text);

// NumericText with the prefix, the group separators and the suffix (not behind a lone sign) laid
// in; an empty number stays empty.
std::string GroupedText(const NumberSyntax& syntax, std::string_view text);

// The valid form of a text: surplus whole digits dropped, decimals cut (not rounded), then
// grouped.
std::string FilteredText(const NumberSyntax& syntax, std::string_view text);

// v as "%lf", the decimal point and the sign replaced by the syntax's, and with `trim` trailing
// zeros and then trailing decimal points removed.
std::string FormatValue(const NumberSyntax& syntax, double v, bool trim);

// The text a field shows after SetValue(v, trim): FilteredText of FormatValue.
std::string ShownValueText(const NumberSyntax& syntax, double v, bool trim = true);

// The value a field's text reads as: NumericText converted as a decimal number; a text that
// holds no number (empty, a lone sign, a lone point) gives 0.
double ParseValue(const NumberSyntax& syntax, std::string_view text);

// NumericText converted as an integer; the conversion stops at the decimal point.
int ParseIntValue(const NumberSyntax& syntax, std::string_view text);
