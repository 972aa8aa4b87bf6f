#include "numbertext.h"

#include "textnumber.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view NumberPart(const NumberSyntax& syntax, std::string_view text) {
    const std::size_t start = NumberStart(syntax, text);
    return text.substr(start, NumberEnd(syntax, text) - start);
}

// The prefix, the group separators and the suffix laid into a text that is already numeric
// (optional sign, digits, optional decimal point and decimals).
std::string Grouped(const NumberSyntax& syntax, const std::string& n) {
    const std::size_t dn = n.find(syntax.DecimalPoint);
    std::string w = dn == std::string::npos ? n : n.substr(0, dn);
    if (syntax.GroupSize > 0) {
        const long long s = !w.empty() && w[0] == syntax.NegativeSign ? 1 : 0;
        for (long long i = static_cast<long long>(w.size()) - syntax.GroupSize - 1; i >= s;
             i -= syntax.GroupSize)
            w.insert(static_cast<std::size_t>(i + 1), 1, syntax.GroupSeparator);
    }
    if (!w.empty() || dn != std::string::npos) {
        w = syntax.Prefix + w;
        if (dn != std::string::npos)
            w += n.substr(dn);
        // The suffix stands behind a number, not behind a lone sign: typed off again, the sign
        // leaves nothing.
        if (n.size() > (n[0] == syntax.NegativeSign ? 1u : 0u))
            w += syntax.Suffix;
    }
    return w;
}

} // namespace

std::size_t NumberStart(const NumberSyntax& syntax, std::string_view text) {
    return !syntax.Prefix.empty() && text.starts_with(syntax.Prefix) ? syntax.Prefix.size() : 0;
}

std::size_t NumberEnd(const NumberSyntax& syntax, std::string_view text) {
    const std::size_t start = NumberStart(syntax, text);
    return !syntax.Suffix.empty() && text.size() - start >= syntax.Suffix.size() &&
                   text.ends_with(syntax.Suffix)
               ? text.size() - syntax.Suffix.size()
               : text.size();
}

std::string NumericText(const NumberSyntax& syntax, std::string_view text) {
    text = NumberPart(syntax, text);
    std::string result;
    bool negative = false;
    bool point = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            result.push_back(c);
        } else if (c == syntax.NegativeSign) {
            negative = true;
        } else if (c == syntax.DecimalPoint && !point) {
            point = true;
            result.push_back(c);
        }
    }
    if (negative)
        result.insert(result.begin(), syntax.NegativeSign);
    return result;
}

std::string GroupedText(const NumberSyntax& syntax, std::string_view text) {
    return Grouped(syntax, NumericText(syntax, text));
}

std::string FilteredText(const NumberSyntax& syntax, std::string_view text) {
    std::string r;
    bool negative = false;
    long long d = -1;
    const bool noNegatives = (syntax.Flags & NoNegatives) != 0;
    for (const char c : NumberPart(syntax, text)) {
        if (c == syntax.NegativeSign && !noNegatives) {
            negative = true;
        } else if (IsDigit(c)) {
            if (d < 0 && static_cast<long long>(r.size()) >= syntax.WholeDigits)
                continue;
            if (d >= 0 && static_cast<long long>(r.size()) > d + syntax.DecimalPlaces)
                break;
            r.push_back(c);
        } else if (c == syntax.DecimalPoint && d < 0) {
            if (syntax.DecimalPlaces == 0)
                break;
            d = static_cast<long long>(r.size());
            r.push_back(c);
        }
    }
    const bool pad = (syntax.Flags & PadDecimalsAlways) != 0 ||
                     ((syntax.Flags & PadDecimalsOnSet) != 0 && !syntax.Adjusting);
    if (syntax.DecimalPlaces > 0 && !r.empty() && pad) {
        if (d < 0) {
            d = static_cast<long long>(r.size());
            r.push_back(syntax.DecimalPoint);
        }
        while (static_cast<long long>(r.size()) - d - 1 < syntax.DecimalPlaces)
            r.push_back('0');
    }
    if (negative)
        r.insert(r.begin(), syntax.NegativeSign);
    return Grouped(syntax, r);
}

std::string FormatValue(const NumberSyntax& syntax, double v, bool trim) {
    std::string text = FormatFixed(v, 6);
    for (char& c : text) {
        if (c == '.')
            c = syntax.DecimalPoint;
        else if (c == '-')
            c = syntax.NegativeSign;
    }
    if (trim) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        while (!text.empty() && text.back() == syntax.DecimalPoint)
            text.pop_back();
    }
    return text;
}

std::string ShownValueText(const NumberSyntax& syntax, double v, bool trim) {
    return FilteredText(syntax, FormatValue(syntax, v, trim));
}

double ParseValue(const NumberSyntax& syntax, std::string_view text) {
    // The conversion reads "." only; the field's own decimal point is handed over as ".", so
    // a locale with a decimal comma still reads its decimals.
    std::string n = NumericText(syntax, text);
    for (char& c : n) {
        if (c == syntax.DecimalPoint)
            c = '.';
        else if (c == syntax.NegativeSign)
            c = '-';
    }
    return ParseLeadingNumber(n);
}

int ParseIntValue(const NumberSyntax& syntax, std::string_view text) {
    std::string n = NumericText(syntax, text);
    if (!n.empty() && n[0] == syntax.NegativeSign)
        n[0] = '-';
    return ParseLeadingInt(n);
}
