#include "numbereditwidget.h"

#include "qnumberlocale.h"

namespace {

// The main window's fields: 9 whole digits, 3 decimals, negatives allowed.
constexpr int kWholeDigits = 9;
constexpr int kDecimalPlaces = 3;

} // namespace

NumberEditWidget::NumberEditWidget(QWidget* parent) : ValidLineEdit(parent) {
    // The rule reads the locale's characters when it is made.
    InstallQtNumberLocale();
    m_edit = std::make_unique<CNumberEdit>(kWholeDigits, kDecimalPlaces);
    Bind(m_edit.get());
}

NumberEditWidget::~NumberEditWidget() {
    Bind(nullptr);
}

double NumberEditWidget::GetValue() const {
    return m_edit->GetValue();
}

void NumberEditWidget::SetValue(double value, bool trimZeros) {
    m_edit->SetValue(value, trimZeros);
}

std::string NumberEditWidget::GetText() const {
    // Not m_edit->GetText(): that asks this very function.
    return ValidLineEdit::GetText();
}

void NumberEditWidget::SetBackColor(unsigned colour) {
    m_edit->SetBackColor(colour);
}
