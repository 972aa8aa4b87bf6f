#include "moneyedit.h"

#include <charconv>

namespace {

// The currency symbol is kept to at most this many characters.
constexpr std::size_t kMaxSymbol = 9;

} // namespace

CMoneyEdit::CMoneyEdit() : CMoneyEdit(FieldLocale{}, NumberLocale{}) {}

CMoneyEdit::CMoneyEdit(const FieldLocale& locale, const NumberLocale& numbers)
    : CNumberEdit(9, 3, numbers) {
    CNumberRule& rule = Rule();
    rule.SetDecimalPlaces(2);
    rule.SetGroupSize(3);
    rule.SetPrefix("$");
    rule.ChangeFlags(PadDecimalPlaces | NoPadIfEmpty | StripLeadingZeros | PadDecimalsOnSet, 0);

    std::string prefix = locale.currencySymbol.substr(0, kMaxSymbol);
    if (locale.positiveCurrencyFormat == 2)
        prefix += ' ';
    else if (locale.positiveCurrencyFormat != 0)
        prefix.clear();
    rule.SetPrefix(prefix);
    int groupSize = 0;
    const std::string& grouping = locale.monetaryGrouping;
    if (std::from_chars(grouping.data(), grouping.data() + grouping.size(), groupSize).ec ==
        std::errc{})
        rule.SetGroupSize(groupSize);
    rule.SetDecimalPlaces(locale.currencyDigits);
    if (!locale.monetaryDecimal.empty() && !locale.monetaryThousands.empty())
        rule.SetSeparators(locale.monetaryDecimal[0], locale.monetaryThousands[0]);
}
