#include "mainwindowaccessible.h"

#include "paneltextaccessible.h"
#include "qaccessiblefactory.h"
#include "velnordlg.h"

#include <algorithm>

MainWindowAccessible::MainWindowAccessible(CVelnorDlg* window)
    : QAccessibleWidget(window, QAccessible::Dialog) {
    // Qt makes this interface when the window is shown, whether a reader listens or not; the
    // painted texts are measured only once a reader asks for the window's children.
    for (std::size_t i = 0; i < kSummaryReadingCount; ++i)
        m_panelTexts.append(
            QAccessible::registerAccessibleInterface(new PanelTextAccessible(window, i)));
}

MainWindowAccessible::~MainWindowAccessible() {
    for (QAccessible::Id id : std::as_const(m_panelTexts))
        QAccessible::deleteAccessibleInterface(id);
}

void MainWindowAccessible::Install() {
    InstallAccessibleFactory<CVelnorDlg, MainWindowAccessible>();
}

void MainWindowAccessible::PanelChanged(CVelnorDlg* window) {
    // Without a reader listening there is nobody to tell, and the texts are not measured.
    if (!QAccessible::isActive())
        return;
    auto* self = static_cast<MainWindowAccessible*>(QAccessible::queryAccessibleInterface(window));
    // A reader that has not yet read the texts reads them as they are when it does.
    if (!self || self->m_readTexts.isEmpty())
        return;
    const auto readings = window->PanelReadings();
    for (qsizetype i = 0; i < self->m_panelTexts.size(); ++i) {
        const QString& text = readings[static_cast<std::size_t>(i)].text;
        if (text == self->m_readTexts[i])
            continue;
        self->m_readTexts[i] = text;
        QAccessibleEvent changed(QAccessible::accessibleInterface(self->m_panelTexts[i]),
                                 QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

int MainWindowAccessible::childCount() const {
    return static_cast<int>(ShownChildren().size());
}

QAccessibleInterface* MainWindowAccessible::child(int index) const {
    const QList<QAccessibleInterface*> children = ShownChildren();
    return index >= 0 && index < children.size() ? children.at(index) : nullptr;
}

int MainWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QList<QAccessibleInterface*> children = ShownChildren();
    const auto at = std::find(children.begin(), children.end(), child);
    return at == children.end() ? -1 : static_cast<int>(at - children.begin());
}

QList<QAccessibleInterface*> MainWindowAccessible::ShownChildren() const {
    QList<std::pair<QRect, QAccessibleInterface*>> shown;
    // The texts are measured once for all of them.
    const auto readings = static_cast<const CVelnorDlg*>(widget())->PanelReadings();
    const QPoint origin = widget()->mapToGlobal(QPoint(0, 0));
    // A reader reads the texts as they are now; only later changes are announced.
    if (m_readTexts.isEmpty()) {
        for (const PanelReading& reading : readings)
            m_readTexts.append(reading.text);
    }
    for (qsizetype i = 0; i < m_panelTexts.size(); ++i) {
        shown.append({readings[static_cast<std::size_t>(i)].rect.translated(origin),
                      QAccessible::accessibleInterface(m_panelTexts[i])});
    }
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* child = QAccessibleWidget::child(i);
        const auto* widget = child ? qobject_cast<const QWidget*>(child->object()) : nullptr;
        if (child && !(widget && widget->isHidden()))
            shown.append({child->rect(), child});
    }
    // Reading order: by the top edge, then the left.
    std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) {
        return a.first.top() != b.first.top() ? a.first.top() < b.first.top()
                                              : a.first.left() < b.first.left();
    });
    QList<QAccessibleInterface*> children;
    for (const auto& [rect, child] : shown)
        children.append(child);
    return children;
}
