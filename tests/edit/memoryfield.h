#pragma once

#include "charfilteredit.h"
#include "dateedit.h"
#include "datetimeedit.h"
#include "fieldstate.h"
#include "maskedit.h"
#include "memorytextfield.h"
#include "numberedit.h"
#include "timeedit.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A validating field on an in-memory platform field, with the texts its owner was told about.
template <class Edit> struct MemoryField {
    template <typename... Args>
    explicit MemoryField(Args&&... args) : edit(std::forward<Args>(args)...) {
        edit.Attach(field);
        edit.SetChangeCallback([this] { notified.push_back(edit.GetText()); });
    }
    void Put(std::string_view state) {
        PutState(field, state);
        notified.clear();
    }
    std::string State() const { return StateOf(field); }
    // Types `keys` as TypingCase writes them.
    void Type(std::string_view keys) {
        for (const char c : keys) {
            if (c == '\x7F')
                edit.OnKeyDown(kKeyDelete);
            else
                edit.OnChar(c);
        }
    }
    auto& Rule() { return edit.Rule(); }

    MemoryTextField field;
    Edit edit;
    std::vector<std::string> notified;
};

// A numeric field in the main window's shape unless told otherwise.
struct NumberField : MemoryField<CNumberEdit> {
    explicit NumberField(int wholeDigits = 9, int decimalPlaces = 3,
                         const NumberLocale& locale = NumberLocale{})
        : MemoryField(wholeDigits, decimalPlaces, locale) {}
};

using FilterField = MemoryField<CCharFilterEdit>;
using DateField = MemoryField<CDateEdit>;
using TimeField = MemoryField<CTimeEdit>;
using DateTimeField = MemoryField<CDateTimeEdit>;
using MaskField = MemoryField<CMaskEdit>;
