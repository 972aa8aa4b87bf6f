#include "numbereditwidget.h"

#include "qnumberlocale.h"

#include <memory>

namespace {

// The main window's fields: 9 whole digits, 3 decimals, negatives allowed.
constexpr int kWholeDigits = 9;
constexpr int kDecimalPlaces = 3;

// The rule reads the locale's characters when it is made.
std::unique_ptr<CNumberEdit> MakeNumberEdit() {
    InstallQtNumberLocale();
    return std::make_unique<CNumberEdit>(kWholeDigits, kDecimalPlaces);
}

} // namespace

NumberEditWidget::NumberEditWidget(QWidget* parent) : QtLineField(parent) {
    std::unique_ptr<CNumberEdit> edit = MakeNumberEdit();
    m_numberEdit = edit.get();
    Adopt(std::move(edit));
}

double NumberEditWidget::GetValue() const {
    return m_numberEdit->GetValue();
}

void NumberEditWidget::SetValue(double value, bool trimZeros) {
    m_numberEdit->SetValue(value, trimZeros);
}

std::string NumberEditWidget::GetText() const {
    // Not m_numberEdit->GetText(): that asks this very function.
    return QtLineField::GetText();
}

void NumberEditWidget::SetBackColor(COLORREF colour) {
    m_numberEdit->SetBackColor(colour);
}
