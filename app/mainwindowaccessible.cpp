#include "mainwindowaccessible.h"

#include "velnordlg.h"

#include <algorithm>

namespace {

QAccessibleInterface* MainWindowFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(CVelnorDlg::staticMetaObject.className()))
        return nullptr;
    return new MainWindowAccessible(widget);
}

} // namespace

MainWindowAccessible::MainWindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Dialog) {}

void MainWindowAccessible::Install() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(MainWindowFactory);
        return true;
    }();
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
    QList<QAccessibleInterface*> shown;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* child = QAccessibleWidget::child(i);
        const auto* widget = child ? qobject_cast<const QWidget*>(child->object()) : nullptr;
        if (child && !(widget && widget->isHidden()))
            shown.append(child);
    }
    return shown;
}
