#include "bitcomboboxaccessible.h"

#include "bitcombobox.h"
#include "qaccessiblefactory.h"

#include <QAbstractItemView>

namespace {

bool ListOpen(const CBitComboBox& picker) {
    return picker.view() && picker.view()->isVisible();
}

} // namespace

BitComboBoxAccessible::BitComboBoxAccessible(CBitComboBox* picker)
    : QAccessibleWidget(picker, QAccessible::ComboBox) {}

void BitComboBoxAccessible::Install() {
    InstallAccessibleFactory<CBitComboBox, BitComboBoxAccessible>();
}

void BitComboBoxAccessible::ReplaceEarlyInterface(CBitComboBox* picker) {
    if (!QAccessible::isActive())
        return; // nobody asked, so nothing was made
    QAccessibleInterface* early = QAccessible::queryAccessibleInterface(picker);
    if (early && !dynamic_cast<BitComboBoxAccessible*>(early))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

CBitComboBox* BitComboBoxAccessible::Picker() const {
    return static_cast<CBitComboBox*>(widget());
}

QString BitComboBoxAccessible::text(QAccessible::Text type) const {
    switch (type) {
    case QAccessible::Name:
        return Picker()->accessibleName().isEmpty() ? Picker()->currentText()
                                                    : Picker()->accessibleName();
    case QAccessible::Value:
        return Picker()->currentText();
    default:
        return QAccessibleWidget::text(type);
    }
}

QString BitComboBoxAccessible::AccessibleText() const {
    return Picker()->currentText();
}

void* BitComboBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State BitComboBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = ListOpen(*Picker());
    state.collapsed = !state.expanded;
    return state;
}

QAccessibleInterface* BitComboBoxAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(Picker()->view()) : nullptr;
}

int BitComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == Picker()->view() ? 0 : -1;
}

QStringList BitComboBoxAccessible::actionNames() const {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void BitComboBoxAccessible::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (ListOpen(*Picker()))
        Picker()->hidePopup();
    else
        Picker()->showPopup();
}
