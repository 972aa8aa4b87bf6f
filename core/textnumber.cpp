#include "textnumber.h"

#include <charconv>
#include <climits>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The position after the leading white space and an optional sign; `negative` tells the sign.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    return i;
}

} // namespace

double ParseLeadingNumber(std::string_view text, std::size_t* consumed) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    const std::size_t n = text.size();
    const std::size_t start = i; // the unsigned number begins here
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        if (consumed)
            *consumed = 0;
        return 0.0;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    if (consumed)
        *consumed = i;

    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + i;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: decide which by the decimal exponent of the leading digit.
        long long exponent = 0;
        const char* p = first;
        long long intDigits = 0;
        bool seenNonZero = false;
        long long leadingFractionZeros = 0;
        while (p < last && IsDigit(*p)) {
            if (*p != '0' || seenNonZero) {
                seenNonZero = true;
                ++intDigits;
            }
            ++p;
        }
        if (p < last && *p == '.') {
            ++p;
            while (!seenNonZero && p < last && *p == '0') {
                ++leadingFractionZeros;
                ++p;
            }
        }
        while (p < last && *p != 'e' && *p != 'E')
            ++p;
        if (p < last) {
            ++p;
            bool expNegative = false;
            if (*p == '+' || *p == '-') {
                expNegative = *p == '-';
                ++p;
            }
            while (p < last && exponent < 100000) {
                exponent = exponent * 10 + (*p - '0');
                ++p;
            }
            if (expNegative)
                exponent = -exponent;
        }
        const long long magnitude =
            seenNonZero && intDigits > 0 ? intDigits + exponent : exponent - leadingFractionZeros;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

int ParseLeadingInt(std::string_view text) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    const std::size_t n = text.size();
    long long value = 0;
    while (i < n && IsDigit(text[i])) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string FormatFixed(double v, int decimals) {
    if (decimals < 0)
        decimals = 0;
    // 309 whole digits for the largest double, a sign, a point and the decimals.
    char buffer[400];
    if (decimals > 60)
        decimals = 60;
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}
