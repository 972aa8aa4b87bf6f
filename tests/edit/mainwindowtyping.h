#pragma once

#include "fieldstate.h"

// Typing into a field with the main window's settings: 9 whole digits, 3 decimals, negatives
// allowed, no prefix, no grouping, '.' and '-'. The rule's tests run it on an in-memory field,
// the numeric widget's tests through Qt's keys.
inline constexpr TypingCase kMainWindowTyping[] = {
    {"tenth whole digit refused", "", "1234567890", "123456789|"},
    {"full whole part typed over", "|123456789", "5", "5|23456789"},
    {"full whole part typed over inside", "1234|56789", "0", "12340|6789"},
    {"digit after full whole part refused", "123456789|.5", "1", "123456789|.5"},
    {"digit replaces the selection", "1[23]4", "9", "19|4"},
    {"sign toggles on at the front", "12|", "-", "-12|"},
    {"sign toggles off", "-12|", "-", "12|"},
    {"sign toggles from inside the number", "1|2.5", "-", "-1|2.5"},
    {"toggle keeps the selection", "1[2]", "-", "-1[2]"},
    {"sign typed at the front", "|12", "-", "-|12"},
    {"sign at the front typed over", "|-12", "-", "-|12"},
    {"second point moves the caret", "12.5|", ".", "12.|5"},
    {"second point moves the caret behind the first", "1.2|", ".3", "1.3|2"},
    {"point drops the fourth decimal", "1|2345", ".", "1.|234"},
    {"point replaces a selection holding one", "1[2.3]4", ".", "1.|4"},
    {"decimals fill up", "1.2|", "3", "1.23|"},
    {"fourth decimal refused at the end", "1.234|", "5", "1.234|"},
    {"full decimals typed over", "1.|234", "5", "1.5|34"},
    {"letters and blanks dropped", "12|", "a xZ\xE9", "12|"},
    {"a comma is the decimal point", "14|", ",5", "14.5|"},
    {"an en dash is the sign", "12|", "\x96", "-12|"},
    {"backspace works", "123|", "\b", "12|"},
    {"backspace on a selection", "1[23]", "\b", "1|"},
    {"backspace of the point regroups", "123456789.|5", "\b", "123456789|"},
    {"delete works", "1|23", "\x7F", "1|3"},
    {"delete of the point regroups", "123456789|.5", "\x7F", "123456789|"},
    {"delete of a selection at the end collapses it", "1[2.5]", "\x7F", "1|"},
};
