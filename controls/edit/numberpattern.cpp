#include "numberpattern.h"

#include "numbercharacters.h"

#include <algorithm>

std::optional<NumberSyntax> ReadPattern(const NumberSyntax& syntax, std::string_view pattern) {
    int whole = 0;
    int decimals = 0; // '#'s met before the decimal point, read from the end
    bool point = false;
    bool group = false;
    char decimalPoint = syntax.DecimalPoint;
    char groupSeparator = syntax.GroupSeparator;
    std::size_t pointAt = pattern.size();
    std::size_t groupAt = 0;
    std::string prefix;
    for (std::size_t k = pattern.size(); k-- > 0;) {
        const char c = pattern[k];
        if (c == '#') {
            ++(point ? whole : decimals);
        } else if (!point && (c == '.' || c == syntax.DecimalPoint)) {
            point = true;
            decimalPoint = c;
            pointAt = k;
        } else if (c == ',' || c == syntax.GroupSeparator) {
            // Later group separators only repeat the first.
            if (!group) {
                group = true;
                groupSeparator = c;
                groupAt = k;
            }
        } else {
            prefix = pattern.substr(0, k + 1);
            break;
        }
    }
    if (!point) {
        whole += decimals;
        decimals = 0;
    }
    if (whole < 1)
        return std::nullopt;

    NumberSyntax read = syntax;
    read.WholeDigits = whole;
    read.DecimalPlaces = decimals;
    read.DecimalPoint = decimalPoint;
    read.GroupSeparator = DistinctGroupSeparator(decimalPoint, groupSeparator);
    read.GroupSize = 0;
    if (group) {
        // The characters between the group separator and the decimal point (or the end).
        const std::size_t gap = pointAt > groupAt ? pointAt - groupAt : groupAt - pointAt;
        read.GroupSize = static_cast<int>(gap - 1);
    }
    read.Prefix = prefix;
    read.Flags &= ~static_cast<unsigned>(NoNegatives);
    return read;
}

std::string PatternText(const NumberSyntax& syntax) {
    NumberSyntax digitsOnly = syntax;
    digitsOnly.Prefix.clear(); // laid in front below, so that a '0' of the prefix stays a '0'
    std::string digits(static_cast<std::size_t>(syntax.WholeDigits), '0');
    if (syntax.DecimalPlaces > 0) {
        digits.push_back(syntax.DecimalPoint);
        digits.append(static_cast<std::size_t>(syntax.DecimalPlaces), '0');
    }
    std::string number = GroupedText(digitsOnly, digits);
    std::replace(number.begin(), number.end(), '0', '#');
    return syntax.Prefix + number;
}
