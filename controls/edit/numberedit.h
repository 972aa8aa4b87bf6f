#pragma once

#include "amsedit.h"
#include "numberrule.h"

#include <string>

// The numeric field: a validating field whose typed characters, keys and focus loss go to one
// CNumberRule, and whose text is always the rule's filtered form after a paste or a new text.
class CNumberEdit : public CValidEdit {
public:
    // A negative whole-digit count forbids negative numbers.
    CNumberEdit(int wholeDigits, int decimalPlaces);
    CNumberEdit(int wholeDigits, int decimalPlaces, const NumberLocale& locale);

    CNumberRule& Rule() { return m_rule; }
    const CNumberRule& Rule() const { return m_rule; }

    std::string FilteredText() const override { return m_rule.FilteredText(); }

    void SetValue(double value, bool trimZeros = true) { m_rule.SetValue(value, trimZeros); }
    double GetValue() const { return m_rule.GetValue(); }
    void SetIntValue(int value) { m_rule.SetIntValue(value); }
    int GetIntValue() const { return m_rule.GetIntValue(); }
    bool CheckRange(bool showMessage) { return m_rule.CheckRange(showMessage); }

protected:
    void HandleChar(char ch) override { m_rule.HandleChar(ch); }
    void HandleKeyDown(int key) override { m_rule.HandleKeyDown(key); }
    void HandleFocusLost() override { m_rule.HandleFocusLost(); }

private:
    CNumberRule m_rule;
};
