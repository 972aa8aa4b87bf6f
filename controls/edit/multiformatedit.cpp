#include "multiformatedit.h"

#include "datetimeflags.h"

#include <array>
#include <utility>

namespace {

// The date-and-time patterns and the option bits each adds.
constexpr std::array<std::pair<std::string_view, unsigned>, 5> kDateTimePatterns{{
    {"##/##/#### ##:##:##", ShowSeconds},
    {"##/##/#### ##:##", 0},
    {"##/##/####", DateOnly},
    {"##:##:##", TimeOnly | ShowSeconds},
    {"##:##", TimeOnly},
}};

} // namespace

CMultiFormatEdit::CMultiFormatEdit(std::string_view pattern)
    : CMultiFormatEdit(pattern, FieldLocale{}, NumberLocale{}) {}

CMultiFormatEdit::CMultiFormatEdit(std::string_view pattern, const FieldLocale& locale,
                                   const NumberLocale& numbers)
    : m_charFilter(*this, 0, ""), m_mask(*this, ""), m_number(*this, 9, 2, numbers),
      m_dateTime(*this, locale), m_active(&m_charFilter) {
    SetMask(pattern);
}

void CMultiFormatEdit::SetMask(std::string_view pattern) {
    SelectRule(pattern);
    // The text is stored again in the new rule's form, which also starts a new undo history:
    // undoing must not bring back a text of the rule before.
    if (GetField())
        SetText(GetText());
}

void CMultiFormatEdit::SelectRule(std::string_view pattern) {
    const std::size_t firstDigit = pattern.find('#');
    if (firstDigit == std::string_view::npos) {
        m_active = &m_charFilter;
        m_charFilter.SetMaxLength(static_cast<int>(pattern.size()));
        return;
    }
    for (const auto& [dateTimePattern, flags] : kDateTimePatterns) {
        if (pattern == dateTimePattern) {
            m_active = &m_dateTime;
            m_dateTime.ChangeFlags(flags, 0);
            return;
        }
    }
    const std::string numberChars =
        std::string("#") + m_number.GetDecimalPoint() + m_number.GetGroupSeparator();
    if (pattern.find_first_not_of(numberChars, firstDigit) != std::string_view::npos ||
        pattern.back() != '#') {
        m_active = &m_mask;
        m_mask.SetMask(pattern);
        return;
    }
    m_active = &m_number;
    m_number.SetPattern(pattern);
}
