#include "charfilterrule.h"

#include "messages.h"

#include <algorithm>
#include <utility>

CCharFilterRule::CCharFilterRule(CValidEdit& edit, int maxLength, std::string excludedChars)
    : CEditRule(edit), m_maxLength(std::max(maxLength, 0)),
      m_excludedChars(std::move(excludedChars)) {}

std::string CCharFilterRule::Filter(std::string_view text, int maxLength,
                                    std::string_view excluded) {
    // The cut comes first: a text with excluded characters inside its first maxLength
    // characters ends up shorter than maxLength.
    if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength))
        text = text.substr(0, static_cast<std::size_t>(maxLength));
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (excluded.find(c) == std::string_view::npos)
            result.push_back(c);
    }
    return result;
}

std::string CCharFilterRule::FilteredText() const {
    return Filter(Edit().GetText(), m_maxLength, m_excludedChars);
}

bool CCharFilterRule::IsExcluded(char ch) const {
    return m_excludedChars.find(ch) != std::string::npos;
}

void CCharFilterRule::HandleChar(char ch) {
    TextField* field = Field();
    if (!field || field->IsReadOnly())
        return;
    if (IsExcluded(ch)) {
        field->GetMessages().Beep();
        return;
    }
    const int length = static_cast<int>(field->GetText().size());
    if (m_maxLength > 0 && length == m_maxLength && IsPrintableChar(ch)) {
        // A full field is typed over, one character at a time, whatever the selection's end.
        const int start = field->GetSel().start;
        if (start < m_maxLength && MayEnter(ch)) {
            field->SetSel(start, start + 1);
            field->ReplaceSel(std::string_view(&ch, 1), true);
        }
        return;
    }
    if (MayEnter(ch))
        PassToDefault();
}

void CCharFilterRule::SetMaxLength(int maxLength) {
    if (maxLength < 0 || maxLength == m_maxLength)
        return;
    m_maxLength = maxLength;
    Reapply();
}

void CCharFilterRule::SetExcludedChars(std::string_view excludedChars) {
    if (excludedChars == m_excludedChars)
        return;
    m_excludedChars = excludedChars;
    Reapply();
}
