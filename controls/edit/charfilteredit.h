#pragma once

#include "amsedit.h"
#include "charfilterrule.h"

#include <string>
#include <string_view>

// The character-filter field: a validating field whose typed characters go to one
// CCharFilterRule and whose text is the rule's filtered form after every paste and new text.
// Keys and focus loss get the platform field's own handling.
class CCharFilterEdit : public CValidEdit {
public:
    CCharFilterEdit(int maxLength, std::string excludedChars);

    CCharFilterRule& Rule() { return m_rule; }
    const CCharFilterRule& Rule() const { return m_rule; }

    std::string FilteredText() const override { return m_rule.FilteredText(); }

    int GetMaxLength() const { return m_rule.GetMaxLength(); }
    void SetMaxLength(int maxLength) { m_rule.SetMaxLength(maxLength); }
    const std::string& GetExcludedChars() const { return m_rule.GetExcludedChars(); }
    void SetExcludedChars(std::string_view excludedChars) {
        m_rule.SetExcludedChars(excludedChars);
    }

protected:
    void HandleChar(char ch) override { m_rule.HandleChar(ch); }

private:
    CCharFilterRule m_rule;
};
