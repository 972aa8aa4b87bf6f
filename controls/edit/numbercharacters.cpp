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
