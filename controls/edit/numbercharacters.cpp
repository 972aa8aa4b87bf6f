#include "numbercharacters.h"

namespace {

bool ReadsAlike(const NumberSyntax& a, const NumberSyntax& b) {
    return a.NegativeSign == b.NegativeSign && a.DecimalPoint == b.DecimalPoint &&
           a.GroupSeparator == b.GroupSeparator && a.Prefix == b.Prefix;
}

// The number part of a text written with `from`, its sign and separators those of `to`.
std::string Translate(const NumberSyntax& from, const NumberSyntax& to, std::string_view text) {
    std::string out;
    for (const char c : text.substr(NumberStart(from, text))) {
        if (c == from.DecimalPoint)
            out.push_back(to.DecimalPoint);
        else if (c == from.GroupSeparator)
            out.push_back(to.GroupSeparator);
        else if (c == from.NegativeSign)
            out.push_back(to.NegativeSign);
        else
            out.push_back(c);
    }
    return out;
}

} // namespace

char LocaleCharacter(const std::string& text, char fallback) {
    if (text.empty() || text[0] == '\0' || (text[0] >= '0' && text[0] <= '9'))
        return fallback;
    return text[0];
}

char DistinctGroupSeparator(char decimalPoint, char groupSeparator) {
    if (groupSeparator != decimalPoint)
        return groupSeparator;
    return decimalPoint == ',' ? '.' : ',';
}

std::string CarriedOverText(const NumberSyntax& before, const NumberSyntax& after,
                            std::string_view text) {
    if (ReadsAlike(before, after))
        return std::string(text);
    return FilteredText(after, Translate(before, after, text));
}

char TypedNumberChar(const NumberSyntax& syntax, char ch) {
    if (ch == kEnDash)
        return syntax.NegativeSign;
    if (syntax.GroupSize == 0 && (ch == '.' || ch == ','))
        return syntax.DecimalPoint;
    return ch;
}

std::optional<std::string> ReadPastedNumber(const NumberSyntax& syntax, std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xA0';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!syntax.Prefix.empty() && text.substr(0, syntax.Prefix.size()) == syntax.Prefix)
        text.remove_prefix(syntax.Prefix.size());

    std::string number;
    std::size_t at = 0;
    const auto isDigit = [&text](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    if (at < text.size()) {
        const char c = text[at];
        if (c == syntax.NegativeSign || c == '-' || c == kEnDash) {
            number.push_back(syntax.NegativeSign);
            ++at;
        } else if (c == '+') {
            ++at;
        }
    }
    // The whole part: digits, and where a group separator follows them, groups of `size`. A
    // no-break space that groups digits is often copied as a plain blank.
    const auto isGroup = [&syntax, &text](std::size_t i) {
        return i < text.size() && (text[i] == syntax.GroupSeparator ||
                                   (syntax.GroupSeparator == '\xA0' && text[i] == ' '));
    };
    const std::size_t size = syntax.GroupSize > 0 ? static_cast<std::size_t>(syntax.GroupSize) : 3;
    const std::size_t wholeStart = at;
    while (isDigit(at))
        number.push_back(text[at++]);
    std::size_t digits = at - wholeStart;
    if (isGroup(at)) {
        if (digits == 0 || digits > size)
            return std::nullopt;
        while (isGroup(at)) {
            ++at;
            for (std::size_t i = 0; i < size; ++i, ++at) {
                if (!isDigit(at))
                    return std::nullopt;
                number.push_back(text[at]);
            }
        }
        if (isDigit(at))
            return std::nullopt; // a last group of more than `size` digits
    }
    if (at < text.size() && text[at] == syntax.DecimalPoint) {
        number.push_back(syntax.DecimalPoint);
        ++at;
        while (isDigit(at)) {
            number.push_back(text[at++]);
            ++digits;
        }
    }
    // Decimals counted in `digits` too: ".5" is a number, "." and "-" are not.
    if (at != text.size() || digits == 0)
        return std::nullopt;
    return number;
}
