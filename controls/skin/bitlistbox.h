#pragma once

#include "rect.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QString>

class QWidget;

// The drop-down list window of a bitmap picker, once the picker has learnt it. It adds nothing
// to the list: it only lets the picker count the list's items, read their texts and rectangles,
// see which item has the focus and draw on the list's surface. Until a list is attached, and
// after the list is gone, it has no items.
class CBitListBox {
public:
    void Attach(QAbstractItemView* list);
    void Detach();
    bool IsKnown() const { return !m_list.isNull(); }
    QAbstractItemView* Window() const { return m_list; }
    // What the items are drawn on: the list's client area.
    QWidget* Surface() const;

    int GetCount() const;
    QString GetText(int nItem) const;
    // In the coordinates of Surface(), scrolled as the list shows it.
    Rect GetItemRect(int nItem) const;
    Rect GetClientRect() const;
    // The item the list's keyboard and pointer focus is on (the one that is highlighted).
    bool HasFocus(int nItem) const;

private:
    QPointer<QAbstractItemView> m_list;
};
