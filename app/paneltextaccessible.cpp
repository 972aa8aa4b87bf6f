#include "paneltextaccessible.h"

#include "velnordlg.h"

PanelTextAccessible::PanelTextAccessible(CVelnorDlg* window, std::size_t index)
    : m_window(window), m_index(index) {}

bool PanelTextAccessible::isValid() const {
    return !m_window.isNull();
}

QAccessibleInterface* PanelTextAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_window.data());
}

QString PanelTextAccessible::AccessibleText() const {
    return m_window ? m_window->PanelReadings()[m_index].text : QString();
}

QString PanelTextAccessible::text(QAccessible::Text type) const {
    return type == QAccessible::Name || type == QAccessible::Value ? AccessibleText() : QString();
}

QRect PanelTextAccessible::rect() const {
    if (!m_window)
        return {};
    const QRect local = m_window->PanelReadings()[m_index].rect;
    return local.translated(m_window->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State PanelTextAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_window || !m_window->isVisible();
    return state;
}

void* PanelTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
PanelTextAccessible::relations(QAccessible::Relation match) const {
    if (!m_window || !(match & QAccessible::Labelled))
        return {};
    QWidget* control = m_window->LabelledControl(m_window->PanelReadings()[m_index].inputRow);
    if (!control)
        return {};
    // Qt names the relation from the control's side: it is labelled by this text.
    return {{QAccessible::queryAccessibleInterface(control), QAccessible::Labelled}};
}
