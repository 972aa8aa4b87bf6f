#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QStringList>

class CVelnorDlg;

// What a screen reader is offered of the main window: the controls it shows and the texts it
// paints itself (header, titles, input rows, flow line, hint) as static texts, in reading order
// (top to bottom, then left to right). Controls that are hidden (the fields placed out of view)
// are left out of its children, so assistive tools neither list nor visit them.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(CVelnorDlg* window);
    ~MainWindowAccessible() override;

    // Makes every CVelnorDlg answer with this interface; once per program is enough.
    static void Install();
    // The window's painted texts may have changed (a new flow rate, other units): a reader is
    // told of each one that did.
    static void PanelChanged(CVelnorDlg* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> ShownChildren() const;

    QList<QAccessible::Id> m_panelTexts;
    // The panel's texts as a reader was last told of them; empty until a reader first asks for
    // the window's children.
    mutable QStringList m_readTexts;
};
