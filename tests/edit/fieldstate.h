#pragma once

#include "memorytextfield.h"
#include "numberedit.h"

#include <string>
#include <string_view>
#include <vector>

// A field's text and selection written as one string: "12|5" is a caret after 12, "1[23]4" the
// selection of 23.
inline void PutState(MemoryTextField& field, std::string_view state) {
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

// A numeric field in the main window's shape, on an in-memory platform field, with the texts
// its owner was told about.
struct NumberField {
    explicit NumberField(int wholeDigits = 9, int decimalPlaces = 3,
                         const NumberLocale& locale = NumberLocale{})
        : edit(wholeDigits, decimalPlaces, locale) {
        edit.Attach(field);
        edit.SetChangeCallback([this] { notified.push_back(edit.GetText()); });
    }
    void Put(std::string_view state) {
        PutState(field, state);
        notified.clear();
    }
    std::string State() const { return StateOf(field); }
    void Type(std::string_view chars) {
        for (const char c : chars)
            edit.OnChar(c);
    }
    CNumberRule& rule() { return edit.Rule(); }

    MemoryTextField field;
    CNumberEdit edit;
    std::vector<std::string> notified;
};
