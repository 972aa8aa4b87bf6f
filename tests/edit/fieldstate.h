#pragma once

#include "textfield.h"

#include <string>
#include <string_view>

// A field's text and selection written as one string: "12|5" is a caret after 12, "1[23]4" the
// selection of 23 (with the caret at its end).
inline void PutState(TextField& field, std::string_view state) {
    std::string text;
    int start = -1;
    int end = -1;
    for (const char c : state) {
        const int at = static_cast<int>(text.size());
        if (c == '|')
            start = end = at;
        else if (c == '[')
            start = at;
        else if (c == ']')
            end = at;
        else
            text.push_back(c);
    }
    field.SetWindowText(text); // as stored, not filtered
    if (start < 0)
        start = end = static_cast<int>(text.size());
    field.SetSel(start, end);
}

inline std::string StateOf(const TextField& field) {
    std::string text = field.GetText();
    const TextSelection sel = field.GetSel();
    const auto start = static_cast<std::size_t>(sel.start);
    const auto end = static_cast<std::size_t>(sel.end);
    if (start == end)
        return text.insert(start, 1, '|');
    text.insert(end, 1, ']');
    return text.insert(start, 1, '[');
}

// One row of a typing table: a field's state before, the keys typed ('\b' is Backspace, '\x7F'
// the Delete key) and the state after.
struct TypingCase {
    const char* name;
    const char* before;
    const char* keys;
    const char* after;
};
