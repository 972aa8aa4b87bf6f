#include "moneyedit.h"

#include "moneytext.h"

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

    // The positive currency format: 0 the symbol before the number, 1 after it, 2 before it and
    // a blank, 3 a blank and then the symbol after it.
    const std::string symbol = locale.currencySymbol.substr(0, kMaxSymbol);
    const int format = locale.positiveCurrencyFormat;
    rule.SetPrefix(format == 0 ? symbol : format == 2 ? symbol + ' ' : std::string());
    rule.SetSuffix(format == 1 ? symbol : format == 3 ? ' ' + symbol : std::string());
    int groupSize = 0;
    const std::string& grouping = locale.monetaryGrouping;
    if (std::from_chars(grouping.data(), grouping.data() + grouping.size(), groupSize).ec ==
        std::errc{})
        rule.SetGroupSize(groupSize);
    rule.SetDecimalPlaces(locale.currencyDigits);
    if (!locale.monetaryDecimal.empty() && !locale.monetaryThousands.empty())
        rule.SetSeparators(locale.monetaryDecimal[0], locale.monetaryThousands[0]);
}

void CMoneyEdit::HandleChar(char ch) {
    TextField* field = GetField();
    const std::string& suffix = Rule().GetSuffix();
    if (!field || field->IsReadOnly() || suffix.empty()) {
        CNumberEdit::HandleChar(ch);
        return;
    }
    const std::string text = field->GetText();
    const auto end = static_cast<int>(NumberEnd(Rule().Syntax(), text));
    if (field->GetSel().start > end)
        field->SetSel(end, end);
    const int groups = Rule().CountGroupSeparators(text);
    CNumberEdit::HandleChar(ch);
    // A selection that reached into the symbol took part of it with it; the number rule looks
    // only at the number, so the symbol is laid in again.
    const std::string typed = field->GetText();
    if (!typed.empty() && !typed.ends_with(suffix))
        Rule().RegroupAfterEdit(groups);
}

std::optional<std::string> CMoneyEdit::TakePaste(std::string_view pasted) const {
    if (pasted.empty())
        return std::string();
    return ReadAmount(Rule().Syntax(), pasted);
}
