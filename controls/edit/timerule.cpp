#include "timerule.h"

#include "messages.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
    if (word.empty() || word.size() > text.size())
        return false;
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        if (std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(i),
                       [](char a, char b) { return Upper(a) == Upper(b); }))
            return true;
    }
    return false;
}

} // namespace

CTimeRule::CTimeRule(CValidEdit& edit) : CTimeRule(edit, FieldLocale{}) {}

CTimeRule::CTimeRule(CValidEdit& edit, const FieldLocale& locale)
    : CEditRule(edit), CalendarRule(edit) {
    if (!locale.timeSeparator.empty() && IsLayoutSeparator(locale.timeSeparator[0]))
        m_separator = locale.timeSeparator[0];
    // The symbols are read with room for two characters each.
    const std::string am = locale.amSymbol.substr(0, 2);
    const std::string pm = locale.pmSymbol.substr(0, 2);
    if (!am.empty() && am.size() == pm.size()) {
        m_am = am;
        m_pm = pm;
    }
    if (locale.twentyFourHour)
        m_flags |= TwentyFourHour;
}

std::string CTimeRule::TimeText(const DateTime& value) const {
    const bool twelve = (m_flags & TwentyFourHour) == 0;
    const int hour = twelve && value.hour % 12 == 0 ? 12 : twelve ? value.hour % 12 : value.hour;
    std::string text = Digits(hour, 2) + m_separator + Digits(value.minute, 2);
    if ((m_flags & ShowSeconds) != 0)
        text += m_separator + Digits(value.second, 2);
    if (twelve)
        text += ' ' + (value.hour < 12 ? m_am : m_pm);
    return text;
}

std::vector<DigitPart> CTimeRule::TimeParts(int offset) const {
    // On the 12-hour clock the hours 13 to 23 may be typed too: SettleHourAt makes them
    // afternoon hours.
    const bool twelve = (m_flags & TwentyFourHour) == 0;
    std::vector<DigitPart> parts{{offset, 2, twelve ? 1 : 0, 23}, {offset + 3, 2, 0, 59}};
    if ((m_flags & ShowSeconds) != 0)
        parts.push_back({offset + 6, 2, 0, 59});
    return parts;
}

std::optional<DateTime> CTimeRule::ReadTime(std::string_view text) const {
    static constexpr std::array kWidths{2, 2, 2};
    const std::size_t count = (m_flags & ShowSeconds) != 0 ? 3 : 2;
    std::size_t consumed = 0;
    const std::vector<int> numbers = ReadNumbers(text, std::span(kWidths).first(count), consumed);
    if (numbers.empty())
        return std::nullopt;
    const auto number = [&](std::size_t i) { return i < numbers.size() ? numbers[i] : 0; };
    DateTime value{0, 0, 0, number(0), std::min(number(1), 59), std::min(number(2), 59)};
    if ((m_flags & TwentyFourHour) != 0 || value.hour > 12) {
        // 13 to 23 are afternoon hours on either clock, whatever symbol follows.
        value.hour = std::min(value.hour, 23);
    } else {
        // 1 to 11 with the PM symbol are 13 to 23; 12 with the AM symbol is 0.
        const int hour = std::clamp(value.hour, 0, 12) % 12;
        const bool pm = ContainsNoCase(text.substr(consumed), m_pm) &&
                        !ContainsNoCase(text.substr(consumed), m_am);
        value.hour = pm ? hour + 12 : hour;
    }
    return value;
}

bool CTimeRule::TimeInRange(const DateTime& value) const {
    const DateTime time = TimePart(value);
    return time >= TimePart(m_minimum) && time <= TimePart(m_maximum);
}

DateTime CTimeRule::ClampTime(const DateTime& value) const {
    DateTime clamped = value;
    const DateTime time = TimePart(value);
    const DateTime bound = time < TimePart(m_minimum)   ? m_minimum
                           : time > TimePart(m_maximum) ? m_maximum
                                                        : value;
    clamped.hour = bound.hour;
    clamped.minute = bound.minute;
    clamped.second = bound.second;
    return clamped;
}

std::string CTimeRule::TimeRangeMessage() const {
    return "Please specify a time between " + TimeText(m_minimum) + " and " + TimeText(m_maximum);
}

bool CTimeRule::TypeSymbolAt(std::string& text, char ch) const {
    if ((m_flags & TwentyFourHour) != 0 || text.size() < m_am.size())
        return false;
    const std::string* symbol = Upper(ch) == Upper(m_am[0])   ? &m_am
                                : Upper(ch) == Upper(m_pm[0]) ? &m_pm
                                                              : nullptr;
    if (!symbol || m_am[0] == m_pm[0])
        return false;
    text.replace(text.size() - symbol->size(), symbol->size(), *symbol);
    return true;
}

void CTimeRule::SettleHourAt(std::string& text, int offset, int caret) const {
    const auto at = static_cast<std::size_t>(offset);
    if ((m_flags & TwentyFourHour) != 0 || caret == offset + 1 || text.size() < at + 2 ||
        text.size() < m_pm.size())
        return;
    const char tens = text[at];
    const char ones = text[at + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return;
    const int hour = (tens - '0') * 10 + (ones - '0');
    if (hour <= 12)
        return;
    text.replace(at, 2, Digits(hour - 12, 2));
    text.replace(text.size() - m_pm.size(), m_pm.size(), m_pm);
}

bool CTimeRule::IsValid(const DateTime& value) const {
    return IsValidTime(value) && TimeInRange(value);
}

std::string CTimeRule::Text(const DateTime& value) const {
    return TimeText(value);
}

std::optional<DateTime> CTimeRule::Read(std::string_view text) const {
    return ReadTime(text);
}

bool CTimeRule::InRange(const DateTime& value) const {
    return TimeInRange(value);
}

DateTime CTimeRule::Clamp(const DateTime& value) const {
    return ClampTime(value);
}

void CTimeRule::ShowRangeMessage() {
    if (TextField* field = Field())
        field->GetMessages().Show(TimeRangeMessage(), Messages::Icon::Exclamation);
}

std::vector<DigitPart> CTimeRule::Parts(std::string_view) const {
    return TimeParts(0);
}

bool CTimeRule::TypeSymbol(std::string& text, char ch) const {
    return TypeSymbolAt(text, ch);
}

void CTimeRule::SettleTyped(TypedText& typed) const {
    SettleHourAt(typed.text, 0, typed.caret);
}

DateTime CTimeRule::StartValue() const {
    return m_minimum;
}

bool CTimeRule::SetRange(const DateTime& minimum, const DateTime& maximum) {
    if (TimePart(maximum) < TimePart(minimum))
        return false;
    CarryOver([&] {
        m_minimum = TimePart(minimum);
        m_maximum = TimePart(maximum);
    });
    return true;
}

bool CTimeRule::SetTimeSeparator(char separator) {
    if (!IsLayoutSeparator(separator))
        return false;
    CarryOver([&] { m_separator = separator; });
    return true;
}

bool CTimeRule::SetAmPmSymbols(std::string_view am, std::string_view pm) {
    const std::string newAm = am.empty() ? "AM" : std::string(am);
    const std::string newPm = pm.empty() ? "PM" : std::string(pm);
    if (newAm.size() != newPm.size())
        return false;
    CarryOver([&] {
        m_am = newAm;
        m_pm = newPm;
    });
    return true;
}
