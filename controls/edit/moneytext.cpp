#include "moneytext.h"

#include <algorithm>
#include <array>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes the signs and the currency symbol off both ends of `text`; false when there are two
// signs.
bool TakeSignAndSymbol(const NumberSyntax& syntax, std::string_view& text, bool& negative) {
    int signs = 0;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        ++signs;
        text = Trimmed(text.substr(1, text.size() - 2));
    }
    const auto isSign = [&](char c) { return c == syntax.NegativeSign || c == '-'; };
    const std::array symbols{Trimmed(syntax.Prefix), Trimmed(syntax.Suffix)};
    bool symbol = false;
    for (bool again = true; again;) {
        again = false;
        if (!text.empty() && isSign(text.front())) {
            text = Trimmed(text.substr(1));
            ++signs;
            again = true;
        }
        if (!text.empty() && isSign(text.back())) {
            text = Trimmed(text.substr(0, text.size() - 1));
            ++signs;
            again = true;
        }
        for (const std::string_view s : symbols) {
            if (symbol || s.empty())
                continue;
            if (text.starts_with(s))
                text = Trimmed(text.substr(s.size()));
            else if (text.ends_with(s))
                text = Trimmed(text.substr(0, text.size() - s.size()));
            else
                continue;
            symbol = again = true;
        }
    }
    negative = signs == 1;
    return signs <= 1;
}

// The digits of a whole part whose group separators stand where the groups fall: a first group
// of 1 to GroupSize digits, then groups of exactly GroupSize. None otherwise.
std::optional<std::string> WholeDigits(const NumberSyntax& syntax, std::string_view whole) {
    std::string digits;
    std::size_t group = 0;
    bool grouped = false;
    const auto size = static_cast<std::size_t>(std::max(syntax.GroupSize, 0));
    for (const char c : whole) {
        if (IsDigit(c)) {
            digits.push_back(c);
            ++group;
        } else if (c == syntax.GroupSeparator && size > 0 && group > 0 &&
                   (grouped ? group == size : group <= size)) {
            grouped = true;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && group != size)
        return std::nullopt;
    return digits;
}

} // namespace

std::optional<std::string> ReadAmount(const NumberSyntax& syntax, std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!TakeSignAndSymbol(syntax, text, negative))
        return std::nullopt;
    if (negative && (syntax.Flags & NoNegatives) != 0)
        return std::nullopt;
    const std::size_t point = std::min(text.find(syntax.DecimalPoint), text.size());
    std::optional<std::string> whole = WholeDigits(syntax, text.substr(0, point));
    const std::string_view decimals = text.substr(std::min(point + 1, text.size()));
    if (!whole || !std::all_of(decimals.begin(), decimals.end(), IsDigit) ||
        (whole->empty() && decimals.empty()))
        return std::nullopt;
    whole->erase(0, std::min(whole->find_first_not_of('0'), whole->size() - 1));
    const auto places = static_cast<std::size_t>(std::max(syntax.DecimalPlaces, 0));
    const std::string_view kept = decimals.substr(0, std::min(places, decimals.size()));
    if (static_cast<long long>(whole->size()) > syntax.WholeDigits ||
        decimals.find_first_not_of('0', kept.size()) != std::string_view::npos)
        return std::nullopt;
    std::string amount = negative ? std::string(1, syntax.NegativeSign) : std::string();
    amount += *whole;
    if (!kept.empty())
        amount += syntax.DecimalPoint + std::string(kept);
    return amount;
}
