#pragma once

#include <QAccessible>

// Makes every widget of class Widget (exactly that class, not one derived from it) answer a
// screen reader with the interface Interface, made from the Widget*. Qt keeps the factory for
// the life of the program; installing it again does nothing.
template <class Widget, class Interface> void InstallAccessibleFactory() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                auto* widget = qobject_cast<Widget*>(object);
                if (!widget || className != QLatin1String(Widget::staticMetaObject.className()))
                    return nullptr;
                return new Interface(widget);
            });
        return true;
    }();
}
