#pragma once

#include "datetimerule.h"
#include "ruleedit.h"

// The date-and-time field: a validating field with one CDateTimeRule.
class CDateTimeEdit : public RuleEdit<CDateTimeRule> {
public:
    using RuleEdit::RuleEdit;
};
