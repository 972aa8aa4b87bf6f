#pragma once

#include "calendarrule.h"
#include "fieldlocale.h"

#include <string>

// The rule of a date field: "%02d%c%02d%c%4d", month, separator, day, separator, year, or the day
// first with DayFirst; a text whose first number has four digits is read as year, month, day. A
// date is valid when it is a real date within [minimum, maximum]
// (1900-01-01 to 9998-12-31 unless set). The separator and DayFirst come from the user locale
// the field is made with (without one, FieldLocale's defaults).
class CDateRule : public virtual CalendarRule {
public:
    explicit CDateRule(CValidEdit& edit);
    CDateRule(CValidEdit& edit, const FieldLocale& locale);

    bool IsValid(const DateTime& value) const override;
    std::string Text(const DateTime& value) const override;
    std::optional<DateTime> Read(std::string_view text) const override;
    bool InRange(const DateTime& value) const override;
    DateTime Clamp(const DateTime& value) const override;
    // "Please specify a date between <minimum> and <maximum>."
    void ShowRangeMessage() override;

    // Each setter re-filters the text. A minimum after the maximum, a bound that is no real date
    // and time of a year 1 to 9999, and a separator that is NUL or a digit, are refused (false)
    // and change nothing.
    bool SetRange(const DateTime& minimum, const DateTime& maximum);
    DateTime GetMinimum() const { return m_minimum; }
    DateTime GetMaximum() const { return m_maximum; }
    bool SetDateSeparator(char separator);
    char GetDateSeparator() const { return m_separator; }

protected:
    std::vector<DigitPart> Parts(std::string_view text) const override;
    DateTime StartValue() const override;
    // The date's parts and text; the date-and-time rule puts them at the start of its own.
    std::vector<DigitPart> DateParts(std::string_view text) const;
    std::string DateText(const DateTime& value) const;
    // Reads month, day and year (or day, month, year), or year, month and day when the first
    // number has four digits, and says where reading stopped.
    std::optional<DateTime> ReadDate(std::string_view text, std::size_t& consumed) const;
    bool DateInRange(const DateTime& value) const;
    DateTime ClampDate(const DateTime& value) const;
    std::string DateRangeMessage() const;

    DateTime m_minimum{1900, 1, 1, 0, 0, 0};
    DateTime m_maximum{9998, 12, 31, 23, 59, 59};

private:
    char m_separator = '/';
};
