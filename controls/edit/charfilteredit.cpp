#include "charfilteredit.h"

#include <utility>

CCharFilterEdit::CCharFilterEdit(int maxLength, std::string excludedChars)
    : RuleEdit(maxLength, std::move(excludedChars)) {}
