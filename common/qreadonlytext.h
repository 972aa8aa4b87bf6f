#pragma once

#include <QAccessibleInterface>
#include <QString>

// The text interface of a screen reader's view of a text that is only read: the whole of
// AccessibleText(), nothing selected, the caret at its start, one run without attributes. The
// text is asked for at every question, so the reader always gets what is shown now.
class ReadOnlyAccessibleText : public QAccessibleTextInterface {
public:
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString AccessibleText() const = 0;
};
