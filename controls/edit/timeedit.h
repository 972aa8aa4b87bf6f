#pragma once

#include "ruleedit.h"
#include "timerule.h"

// The time field: a validating field with one CTimeRule.
class CTimeEdit : public RuleEdit<CTimeRule> {
public:
    using RuleEdit::RuleEdit;
};
