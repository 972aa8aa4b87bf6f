#pragma once

#include "qreadonlytext.h"

#include <QAccessibleInterface>
#include <QPointer>

#include <cstddef>

class CVelnorDlg;

// One of the texts the main window paints itself (header, titles, input rows, flow line, hint),
// offered to a screen reader as a static text with its text interface; an input row's text is
// the label of its control. It keeps no copy: every answer reads the window's panel as it is
// now, so a new flow rate is read as soon as it is painted.
class PanelTextAccessible : public QAccessibleInterface, public ReadOnlyAccessibleText {
public:
    PanelTextAccessible(CVelnorDlg* window, std::size_t index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    // An input row's text is the label of the row's control.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    using ReadOnlyAccessibleText::text; // the text interface's, beside the interface's text()

protected:
    QString AccessibleText() const override;

private:
    QPointer<CVelnorDlg> m_window;
    std::size_t m_index;
};
