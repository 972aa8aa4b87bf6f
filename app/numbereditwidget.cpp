#include "numbereditwidget.h"

#include "numbertext.h"

#include <QPalette>

NumberEditWidget::NumberEditWidget(QWidget* parent) : QLineEdit(parent) {}

double NumberEditWidget::GetValue() const {
    return ParseValue(NumberSyntax{}, text().toStdString());
}

void NumberEditWidget::SetValue(double value, bool trimZeros) {
    setText(QString::fromStdString(ShownValueText(NumberSyntax{}, value, trimZeros)));
}

std::string NumberEditWidget::GetText() const { return text().toStdString(); }

void NumberEditWidget::SetBackColor(unsigned colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    setPalette(p);
}
