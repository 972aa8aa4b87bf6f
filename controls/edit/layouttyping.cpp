#include "layouttyping.h"

#include <algorithm>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Power10(int n) {
    int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

int NextDigitPosition(std::span<const DigitPart> parts, int position) {
    int best = -1;
    for (const DigitPart& part : parts) {
        const int at = std::max(position, part.start);
        if (at < part.start + part.width && (best < 0 || at < best))
            best = at;
    }
    return best;
}

int PreviousDigitPosition(std::span<const DigitPart> parts, int position) {
    int best = -1;
    for (const DigitPart& part : parts) {
        const int at = std::min(position - 1, part.start + part.width - 1);
        if (at >= part.start && at > best)
            best = at;
    }
    return best;
}

int CaretAfterDigit(std::span<const DigitPart> parts, int caret) {
    const int at = NextDigitPosition(parts, caret);
    if (at < 0)
        return caret;
    const int next = NextDigitPosition(parts, at + 1);
    return next >= 0 ? next : at + 1;
}

std::optional<TypedText> TypeDigit(std::string_view text, int caret, char ch,
                                   std::span<const DigitPart> parts) {
    if (!IsDigit(ch))
        return std::nullopt;
    const int at = NextDigitPosition(parts, caret);
    if (at < 0)
        return std::nullopt;
    const auto part = std::find_if(parts.begin(), parts.end(), [at](const DigitPart& p) {
        return at >= p.start && at < p.start + p.width;
    });
    if (part->start + part->width > static_cast<int>(text.size()))
        return std::nullopt;
    std::string digits(
        text.substr(static_cast<std::size_t>(part->start), static_cast<std::size_t>(part->width)));
    if (!std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    const int offset = at - part->start;
    digits[static_cast<std::size_t>(offset)] = ch;
    // The values that start with the digits up to the typed one.
    const int rest = Power10(part->width - offset - 1);
    const int prefix = std::stoi(digits.substr(0, static_cast<std::size_t>(offset) + 1));
    const int low = std::max(part->low, prefix * rest);
    const int high = std::min(part->high, prefix * rest + rest - 1);
    if (low > high)
        return std::nullopt;
    const int value = std::clamp(std::stoi(digits), low, high);
    TypedText typed{std::string(text), CaretAfterDigit(parts, at)};
    typed.text.replace(static_cast<std::size_t>(part->start), static_cast<std::size_t>(part->width),
                       Digits(value, part->width));
    return typed;
}

std::vector<int> ReadNumbers(std::string_view text, std::span<const int> widths,
                             std::size_t& consumed) {
    std::vector<int> numbers;
    std::size_t i = 0;
    for (const int width : widths) {
        std::size_t start = i;
        while (start < text.size() && !IsDigit(text[start]))
            ++start;
        if (start == text.size())
            break;
        int value = 0;
        std::size_t end = start;
        for (; end < text.size() && IsDigit(text[end]) &&
               end - start < static_cast<std::size_t>(width);
             ++end)
            value = value * 10 + (text[end] - '0');
        numbers.push_back(value);
        i = end;
    }
    consumed = i;
    return numbers;
}

std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

bool IsLayoutSeparator(char c) {
    return c != '\0' && !IsDigit(c);
}
