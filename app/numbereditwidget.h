#pragma once

#include "numberedit.h"
#include "numberfield.h"
#include "qttextfield.h"

// A numeric input of the main window on the screen: a line field that only ever holds a number
// with at most 9 whole digits and 3 decimals, negatives allowed, in the user locale's sign and
// decimal point. Every keystroke, paste, cut and focus loss goes through its CNumberEdit;
// textChanged fires on every change of the text, the field's own corrections included.
class NumberEditWidget : public QtLineField, public NumberField {
    Q_OBJECT
public:
    explicit NumberEditWidget(QWidget* parent = nullptr);

    double GetValue() const override;
    void SetValue(double value, bool trimZeros) override;
    // The text as shown (Windows-1252); the same for the main window and the validating field.
    std::string GetText() const override;
    // The background colour the field is painted with.
    void SetBackColor(COLORREF colour);

    // The validating field itself, for settings the main window leaves at their defaults.
    CNumberEdit& NumberEdit() { return *m_numberEdit; }

private:
    CNumberEdit* m_numberEdit; // adopted by the line field
};
