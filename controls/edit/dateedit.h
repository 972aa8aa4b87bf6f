#pragma once

#include "daterule.h"
#include "ruleedit.h"

// The date field: a validating field with one CDateRule.
class CDateEdit : public RuleEdit<CDateRule> {
public:
    using RuleEdit::RuleEdit;
};
