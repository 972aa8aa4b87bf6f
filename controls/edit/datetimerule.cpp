#include "datetimerule.h"

#include "messages.h"

namespace {

// Where the time part starts behind a date and its blank.
constexpr int kTimeStart = 11;

} // namespace

CDateTimeRule::CDateTimeRule(CValidEdit& edit) : CDateTimeRule(edit, FieldLocale{}) {}

CDateTimeRule::CDateTimeRule(CValidEdit& edit, const FieldLocale& locale)
    : CEditRule(edit), CalendarRule(edit), CDateRule(edit, locale), CTimeRule(edit, locale) {}

std::string CDateTimeRule::Text(const DateTime& value) const {
    const std::string date = HasDate() ? DateText(value) : std::string();
    const std::string time = HasTime() ? TimeText(value) : std::string();
    return date.empty() || time.empty() ? date + time : date + ' ' + time;
}

std::optional<DateTime> CDateTimeRule::Read(std::string_view text) const {
    if (!HasDate())
        return ReadTime(text);
    std::size_t consumed = 0;
    std::optional<DateTime> value = ReadDate(text, consumed);
    if (value && HasTime()) {
        if (const std::optional<DateTime> time = ReadTime(text.substr(consumed))) {
            value->hour = time->hour;
            value->minute = time->minute;
            value->second = time->second;
        }
    }
    return value;
}

bool CDateTimeRule::IsValid(const DateTime& value) const {
    return (!HasDate() || IsValidDate(value)) && IsValidTime(value) && InRange(value);
}

bool CDateTimeRule::InRange(const DateTime& value) const {
    if (!HasDate())
        return TimeInRange(value);
    if (!HasTime())
        return DateInRange(value);
    return value >= CDateRule::m_minimum && value <= CDateRule::m_maximum;
}

DateTime CDateTimeRule::Clamp(const DateTime& value) const {
    if (!HasDate())
        return ClampTime(value);
    if (!HasTime())
        return ClampDate(value);
    return value < CDateRule::m_minimum   ? CDateRule::m_minimum
           : value > CDateRule::m_maximum ? CDateRule::m_maximum
                                          : value;
}

void CDateTimeRule::ShowRangeMessage() {
    TextField* field = Field();
    if (!field)
        return;
    std::string text;
    if (!HasDate())
        text = TimeRangeMessage();
    else if (!HasTime())
        text = DateRangeMessage();
    else
        text = "Please specify a date and time between " + Text(CDateRule::m_minimum) + " and " +
               Text(CDateRule::m_maximum) + ".";
    field->GetMessages().Show(text, Messages::Icon::Exclamation);
}

std::vector<DigitPart> CDateTimeRule::Parts(std::string_view text) const {
    if (!HasDate())
        return TimeParts(0);
    std::vector<DigitPart> parts = DateParts(text);
    if (HasTime()) {
        const std::vector<DigitPart> time = TimeParts(kTimeStart);
        parts.insert(parts.end(), time.begin(), time.end());
    }
    return parts;
}

bool CDateTimeRule::TypeSymbol(std::string& text, char ch) const {
    return HasTime() && TypeSymbolAt(text, ch);
}

void CDateTimeRule::SettleTyped(TypedText& typed) const {
    if (HasTime())
        SettleHourAt(typed.text, HasDate() ? kTimeStart : 0, typed.caret);
}

DateTime CDateTimeRule::StartValue() const {
    return HasDate() ? DatePart(Now()) : CTimeRule::StartValue();
}
