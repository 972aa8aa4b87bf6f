#pragma once

#include "charfilterrule.h"
#include "ruleedit.h"

#include <string>
#include <string_view>

// The character-filter field: a validating field whose typed characters go to one
// CCharFilterRule and whose text is the rule's filtered form after every paste and new text.
// Keys and focus loss get the platform field's own handling.
class CCharFilterEdit : public RuleEdit<CCharFilterRule> {
public:
    CCharFilterEdit(int maxLength, std::string excludedChars);

    int GetMaxLength() const { return Rule().GetMaxLength(); }
    void SetMaxLength(int maxLength) { Rule().SetMaxLength(maxLength); }
    const std::string& GetExcludedChars() const { return Rule().GetExcludedChars(); }
    void SetExcludedChars(std::string_view excludedChars) {
        Rule().SetExcludedChars(excludedChars);
    }
};
