#pragma once

#include "maskrule.h"
#include "ruleedit.h"

// The masked field: a validating field with one CMaskRule, constructed with its mask.
class CMaskEdit : public RuleEdit<CMaskRule> {
public:
    using RuleEdit::RuleEdit;
};
