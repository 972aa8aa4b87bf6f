#pragma once

#include "qreadonlytext.h"

#include <QAccessibleWidget>

class CBitComboBox;

// What a screen reader is offered of the bitmap picker: a combo box named by its accessible
// name (the label beside it; the chosen item when it has none), whose value and text are the
// chosen item, whose one child is its drop-down list (with the chosen item selected) and whose
// press action opens or closes that list. The picker announces a change of the choice: Qt's
// value change, and the change of this text.
class BitComboBoxAccessible : public QAccessibleWidget, public ReadOnlyAccessibleText {
public:
    explicit BitComboBoxAccessible(CBitComboBox* picker);

    // Makes every CBitComboBox answer with this interface; once per program is enough.
    static void Install();
    // A reader listening while the picker's combo box part was being made was given Qt's own
    // interface for it; that one is dropped, so the next question finds this one. Called at the
    // end of the picker's constructor.
    static void ReplaceEarlyInterface(CBitComboBox* picker);

    QString text(QAccessible::Text type) const override;
    using ReadOnlyAccessibleText::text; // the text interface's, beside the interface's text()
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QString AccessibleText() const override;

private:
    CBitComboBox* Picker() const;
};
