#include "bitlistbox.h"

#include "qrect.h"

#include <QAbstractItemView>
#include <QListView>

namespace {

QModelIndex Item(const QAbstractItemView& list, int nItem) {
    if (!list.model())
        return {};
    const auto* listView = qobject_cast<const QListView*>(&list);
    return list.model()->index(nItem, listView ? listView->modelColumn() : 0, list.rootIndex());
}

} // namespace

void CBitListBox::Attach(QAbstractItemView* list) {
    m_list = list;
}

void CBitListBox::Detach() {
    m_list = nullptr;
}

QWidget* CBitListBox::Surface() const {
    return m_list ? m_list->viewport() : nullptr;
}

int CBitListBox::GetCount() const {
    if (!m_list || !m_list->model())
        return 0;
    return m_list->model()->rowCount(m_list->rootIndex());
}

QString CBitListBox::GetText(int nItem) const {
    return m_list ? Item(*m_list, nItem).data(Qt::DisplayRole).toString() : QString();
}

Rect CBitListBox::GetItemRect(int nItem) const {
    return m_list ? FromQRect(m_list->visualRect(Item(*m_list, nItem))) : Rect{};
}

Rect CBitListBox::GetClientRect() const {
    return m_list ? FromQRect(m_list->viewport()->rect()) : Rect{};
}

bool CBitListBox::HasFocus(int nItem) const {
    if (!m_list)
        return false;
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() && current == Item(*m_list, nItem);
}
