#include "charfilteredit.h"

#include <utility>

CCharFilterEdit::CCharFilterEdit(int maxLength, std::string excludedChars)
    : m_rule(*this, maxLength, std::move(excludedChars)) {}
