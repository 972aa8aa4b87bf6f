#pragma once

#include <QAccessibleWidget>
#include <QList>

// What a screen reader is offered of the main window: the window and the controls it shows.
// Controls that are hidden (the fields placed out of view) are left out of its children, so
// assistive tools neither list nor visit them.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window);

    // Makes every CVelnorDlg answer with this interface; once per program is enough.
    static void Install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> ShownChildren() const;
};
