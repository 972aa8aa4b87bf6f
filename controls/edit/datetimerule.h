#pragma once

#include "daterule.h"
#include "timerule.h"

// The rule of a date-and-time field: the date text, a blank and the time text, the time from
// position 11; with DateOnly the date alone, with TimeOnly the time alone (from position 0). The
// date and time parts share one CEditRule and so one set of option bits. The range is the date
// rule's minimum and maximum, date and time together; with TimeOnly the time rule's.
class CDateTimeRule : public CDateRule, public CTimeRule {
public:
    explicit CDateTimeRule(CValidEdit& edit);
    CDateTimeRule(CValidEdit& edit, const FieldLocale& locale);

    bool IsValid(const DateTime& value) const override;
    std::string Text(const DateTime& value) const override;
    std::optional<DateTime> Read(std::string_view text) const override;
    bool InRange(const DateTime& value) const override;
    DateTime Clamp(const DateTime& value) const override;
    // The date-and-time message, each bound as date, blank, time; with DateOnly the date's,
    // with TimeOnly the time's.
    void ShowRangeMessage() override;

    using CDateRule::GetMaximum;
    using CDateRule::GetMinimum;
    using CDateRule::SetRange;

protected:
    std::vector<DigitPart> Parts(std::string_view text) const override;
    bool TypeSymbol(std::string& text, char ch) const override;
    void SettleTyped(TypedText& typed) const override;
    DateTime StartValue() const override;

private:
    bool HasDate() const { return (m_flags & TimeOnly) == 0; }
    bool HasTime() const { return (m_flags & TimeOnly) != 0 || (m_flags & DateOnly) == 0; }
};
