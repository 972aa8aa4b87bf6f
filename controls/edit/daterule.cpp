#include "daterule.h"

#include "messages.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr int kMonthStart = 0;
constexpr int kDayStart = 3;
constexpr int kYearStart = 6;
constexpr std::string_view kDigits = "0123456789";

// The first 'd' or 'm' of a short date format, either case, is a 'd'.
bool DayFirstIn(const std::string& format) {
    const auto at = std::find_if(format.begin(), format.end(), [](char c) {
        return c == 'd' || c == 'D' || c == 'm' || c == 'M';
    });
    return at != format.end() && (*at == 'd' || *at == 'D');
}

} // namespace

CDateRule::CDateRule(CValidEdit& edit) : CDateRule(edit, FieldLocale{}) {}

CDateRule::CDateRule(CValidEdit& edit, const FieldLocale& locale)
    : CEditRule(edit), CalendarRule(edit) {
    if (!locale.dateSeparator.empty() && IsLayoutSeparator(locale.dateSeparator[0]))
        m_separator = locale.dateSeparator[0];
    if (DayFirstIn(locale.shortDateFormat))
        m_flags |= DayFirst;
}

std::string CDateRule::DateText(const DateTime& value) const {
    const bool dayFirst = (m_flags & DayFirst) != 0;
    return Digits(dayFirst ? value.day : value.month, 2) + m_separator +
           Digits(dayFirst ? value.month : value.day, 2) + m_separator + Digits(value.year, 4);
}

std::vector<DigitPart> CDateRule::DateParts(std::string_view text) const {
    const bool dayFirst = (m_flags & DayFirst) != 0;
    // While it is typed the day may reach the month's longest length when the month stands
    // before it, 31 when the month is typed after it; the filter corrects the rest.
    int days = 31;
    if (!dayFirst && text.size() >= 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' &&
        text[1] <= '9') {
        const int month = (text[0] - '0') * 10 + (text[1] - '0');
        days = month == 2 ? 29 : std::max(DaysInMonth(2001, month), 1);
    }
    return {{dayFirst ? kDayStart : kMonthStart, 2, 1, 12},
            {dayFirst ? kMonthStart : kDayStart, 2, 1, days},
            {kYearStart, 4, m_minimum.year, m_maximum.year}};
}

std::optional<DateTime> CDateRule::ReadDate(std::string_view text, std::size_t& consumed) const {
    // A first number of four digits is a year, followed by month and day (2024-02-29,
    // 2024/02/29); otherwise the parts come in the field's own order.
    const std::size_t first = std::min(text.find_first_of(kDigits), text.size());
    const std::size_t firstEnd = std::min(text.find_first_not_of(kDigits, first), text.size());
    const bool yearFirst = firstEnd - first == 4;
    static constexpr std::array kWidths{2, 2, 4};
    static constexpr std::array kYearFirstWidths{4, 2, 2};
    const std::vector<int> numbers =
        ReadNumbers(text, yearFirst ? kYearFirstWidths : kWidths, consumed);
    if (numbers.empty())
        return std::nullopt;
    // A part left out is today's; an all-zero date is today.
    const DateTime today = DatePart(Now());
    const bool dayFirst = (m_flags & DayFirst) != 0;
    const auto number = [&](std::size_t i, int missing) {
        return i < numbers.size() ? numbers[i] : missing;
    };
    const std::size_t year = yearFirst ? 0 : 2;
    const std::size_t month = yearFirst ? 1 : dayFirst ? 1 : 0;
    const std::size_t day = yearFirst ? 2 : dayFirst ? 0 : 1;
    DateTime value{
        number(year, today.year), number(month, today.month), number(day, today.day), 0, 0, 0};
    if (value.year == 0 && value.month == 0 && value.day == 0)
        return today;
    value.year = std::max(value.year, 1);
    value.month = std::clamp(value.month, 1, 12);
    value.day = std::clamp(value.day, 1, DaysInMonth(value.year, value.month));
    return value;
}

bool CDateRule::DateInRange(const DateTime& value) const {
    const DateTime date = DatePart(value);
    return date >= DatePart(m_minimum) && date <= DatePart(m_maximum);
}

DateTime CDateRule::ClampDate(const DateTime& value) const {
    const DateTime date = DatePart(value);
    if (date < DatePart(m_minimum))
        return DatePart(m_minimum);
    if (date > DatePart(m_maximum))
        return DatePart(m_maximum);
    return value;
}

std::string CDateRule::DateRangeMessage() const {
    return "Please specify a date between " + DateText(m_minimum) + " and " + DateText(m_maximum) +
           ".";
}

bool CDateRule::IsValid(const DateTime& value) const {
    return IsValidDate(value) && DateInRange(value);
}

std::string CDateRule::Text(const DateTime& value) const {
    return DateText(value);
}

std::optional<DateTime> CDateRule::Read(std::string_view text) const {
    std::size_t consumed = 0;
    return ReadDate(text, consumed);
}

bool CDateRule::InRange(const DateTime& value) const {
    return DateInRange(value);
}

DateTime CDateRule::Clamp(const DateTime& value) const {
    return ClampDate(value);
}

void CDateRule::ShowRangeMessage() {
    if (TextField* field = Field())
        field->GetMessages().Show(DateRangeMessage(), Messages::Icon::Exclamation);
}

std::vector<DigitPart> CDateRule::Parts(std::string_view text) const {
    return DateParts(text);
}

DateTime CDateRule::StartValue() const {
    return DatePart(Now());
}

bool CDateRule::SetRange(const DateTime& minimum, const DateTime& maximum) {
    // The bounds are real dates with four-digit years.
    const auto bound = [](const DateTime& d) {
        return d.year >= 1 && d.year <= 9999 && IsValidDate(d) && IsValidTime(d);
    };
    if (maximum < minimum || !bound(minimum) || !bound(maximum))
        return false;
    CarryOver([&] {
        m_minimum = minimum;
        m_maximum = maximum;
    });
    return true;
}

bool CDateRule::SetDateSeparator(char separator) {
    if (!IsLayoutSeparator(separator))
        return false;
    CarryOver([&] { m_separator = separator; });
    return true;
}
