#pragma once

#include "calendarrule.h"
#include "fieldlocale.h"

#include <string>

// The rule of a time field: "%02d%c%02d" (hours, minutes), with ":%02d" seconds under
// ShowSeconds, and on the 12-hour clock (TwentyFourHour clear) a blank and the AM or PM symbol.
// A time is valid within [minimum, maximum] (00:00:00 to 23:59:59 unless set). The separator,
// the symbols and the clock come from the user locale the field is made with (without one,
// FieldLocale's defaults). On the 12-hour clock an hour of 13 to 23, pasted or typed, is the
// afternoon hour of the 24-hour clock.
class CTimeRule : public virtual CalendarRule {
public:
    explicit CTimeRule(CValidEdit& edit);
    CTimeRule(CValidEdit& edit, const FieldLocale& locale);

    bool IsValid(const DateTime& value) const override;
    std::string Text(const DateTime& value) const override;
    std::optional<DateTime> Read(std::string_view text) const override;
    bool InRange(const DateTime& value) const override;
    DateTime Clamp(const DateTime& value) const override;
    // "Please specify a time between <minimum> and <maximum>", without a full stop.
    void ShowRangeMessage() override;

    // Each setter re-filters the text. A minimum after the maximum, a separator that is NUL or a
    // digit, and symbols of different lengths are refused (false) and change nothing; an empty
    // symbol is "AM" or "PM".
    bool SetRange(const DateTime& minimum, const DateTime& maximum);
    DateTime GetMinimum() const { return m_minimum; }
    DateTime GetMaximum() const { return m_maximum; }
    bool SetTimeSeparator(char separator);
    char GetTimeSeparator() const { return m_separator; }
    bool SetAmPmSymbols(std::string_view am, std::string_view pm);
    const std::string& GetAmSymbol() const { return m_am; }
    const std::string& GetPmSymbol() const { return m_pm; }

protected:
    std::vector<DigitPart> Parts(std::string_view text) const override;
    bool TypeSymbol(std::string& text, char ch) const override;
    void SettleTyped(TypedText& typed) const override;
    DateTime StartValue() const override;
    // The time's parts and text from `offset` of the field's text.
    std::vector<DigitPart> TimeParts(int offset) const;
    std::string TimeText(const DateTime& value) const;
    std::optional<DateTime> ReadTime(std::string_view text) const;
    bool TimeInRange(const DateTime& value) const;
    DateTime ClampTime(const DateTime& value) const;
    std::string TimeRangeMessage() const;
    // Puts the symbol that `ch` starts at the end of `text`.
    bool TypeSymbolAt(std::string& text, char ch) const;
    // On the 12-hour clock, an hour of 13 to 23 typed at `offset` becomes its afternoon hour
    // with the PM symbol once the caret is no longer at the hour's second digit.
    void SettleHourAt(std::string& text, int offset, int caret) const;

private:
    DateTime m_minimum{0, 0, 0, 0, 0, 0};
    DateTime m_maximum{0, 0, 0, 23, 59, 59};
    char m_separator = ':';
    std::string m_am = "AM";
    std::string m_pm = "PM";
};
