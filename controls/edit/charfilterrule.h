#pragma once

#include "amsedit.h"

#include <string>
#include <string_view>

// The rule of a character-filter field: the text never holds any of the excluded characters
// and, with a maximum length above 0, never more than that many characters. A typed excluded
// character is refused with the exclamation sound; a full field is typed over one character at
// a time. Pasted and set texts are filtered by the base field through FilteredText.
class CCharFilterRule : public CEditRule {
public:
    // maxLength 0 means no limit; a negative one counts as 0.
    CCharFilterRule(CValidEdit& edit, int maxLength, std::string excludedChars);

    // The text cut to MaxLength characters, then without its excluded characters.
    std::string FilteredText() const override;
    void HandleChar(char ch) override;

    int GetMaxLength() const { return m_maxLength; }
    // A change re-filters the text; a negative length is refused and changes nothing.
    void SetMaxLength(int maxLength);
    const std::string& GetExcludedChars() const { return m_excludedChars; }
    // A change re-filters the text.
    void SetExcludedChars(std::string_view excludedChars);

    // `text` as a field with these settings shows it.
    static std::string Filter(std::string_view text, int maxLength, std::string_view excluded);

private:
    bool IsExcluded(char ch) const;

    int m_maxLength;
    std::string m_excludedChars;
};
