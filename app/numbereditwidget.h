#pragma once

#include "numberfield.h"

#include <QLineEdit>

// A numeric input of the main window on the screen: a line edit that shows and reads numbers
// with at most 9 whole digits and 3 decimals.
class NumberEditWidget : public QLineEdit, public NumberField {
    Q_OBJECT
public:
    explicit NumberEditWidget(QWidget* parent = nullptr);

    double GetValue() const override;
    void SetValue(double value, bool trimZeros) override;
    std::string GetText() const override;
    // The background colour the field is painted with (0x00BBGGRR).
    void SetBackColor(unsigned colour);
};
