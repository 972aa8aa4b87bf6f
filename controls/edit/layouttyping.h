#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One number of a text of fixed layout (a date's month, a time's minutes): `width` digits from
// `start`, zero-padded, whose value may lie in [low, high] while it is typed.
struct DigitPart {
    int start = 0;
    int width = 0;
    int low = 0;
    int high = 0;
};

struct TypedText {
    std::string text;
    int caret = 0;
};

// Types the digit `ch` at the first digit position at or after `caret`. The digit is taken only
// when some value of its part with the digits before it and this digit lies in [low, high]; the
// part's value then moves to the nearest such value (typing 1 over the 0 of month 09 gives 12).
// The caret goes to the next digit position, over separators. None when refused.
std::optional<TypedText> TypeDigit(std::string_view text, int caret, char ch,
                                   std::span<const DigitPart> parts);

// Where the caret goes when a digit is typed at `caret`, taken or refused: the digit position
// after the one the digit goes to, or just behind that one at the end of the layout; `caret`
// itself when no digit position follows it.
int CaretAfterDigit(std::span<const DigitPart> parts, int caret);

// The digit position at or after `position`, or -1.
int NextDigitPosition(std::span<const DigitPart> parts, int position);
// The digit position before `position`, or -1.
int PreviousDigitPosition(std::span<const DigitPart> parts, int position);

// Reads up to widths.size() numbers from `text`, leniently: non-digits before a number are
// skipped, a number is at most its width of digits. `consumed` is where reading stopped. Stops
// early at a text without further digits.
std::vector<int> ReadNumbers(std::string_view text, std::span<const int> widths,
                             std::size_t& consumed);

// A character that may separate the numbers of a layout: neither NUL nor a digit.
bool IsLayoutSeparator(char c);

// `value` written with `width` digits, zero-padded.
std::string Digits(int value, int width);
