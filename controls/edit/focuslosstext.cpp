#include "focuslosstext.h"

std::string FocusLossText(const NumberSyntax& syntax, std::string_view numeric) {
    const char sign = syntax.NegativeSign;
    const char point = syntax.DecimalPoint;
    std::string x(numeric);
    if ((syntax.Flags & StripLeadingZeros) != 0 && !x.empty()) {
        const bool negative = x[0] == sign;
        if (negative)
            x.erase(0, 1);
        x.erase(0, x.find_first_not_of('0'));
        if (x.empty() || x[0] == point)
            x.insert(0, 1, '0');
        if (negative)
            x.insert(0, 1, sign);
    }
    if ((syntax.Flags & PadDecimalPlaces) != 0 && syntax.DecimalPlaces > 0) {
        std::size_t d = x.find(point);
        if (d == std::string::npos) {
            if (x.empty() || x == std::string(1, sign))
                x.assign(1, '0');
            d = x.size();
            x.push_back(point);
        }
        const auto places = static_cast<std::size_t>(syntax.DecimalPlaces);
        if (x.size() - d - 1 < places)
            x.append(places - (x.size() - d - 1), '0');
    }
    if ((syntax.Flags & PadWholeDigits) != 0 && syntax.WholeDigits > 0) {
        const std::size_t start = !x.empty() && x[0] == sign ? 1 : 0;
        const std::size_t d = x.find(point);
        const std::size_t whole = (d == std::string::npos ? x.size() : d) - start;
        const auto digits = static_cast<std::size_t>(syntax.WholeDigits);
        if (whole < digits)
            x.insert(start, digits - whole, '0');
    }
    return x;
}
