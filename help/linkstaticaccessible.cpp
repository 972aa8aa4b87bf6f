#include "linkstaticaccessible.h"

#include "hyperlink.h"
#include "qaccessiblefactory.h"
#include "qcp1252.h"

LinkStaticAccessible::LinkStaticAccessible(CLinkStatic* link)
    : QAccessibleWidget(link, QAccessible::Link) {}

void LinkStaticAccessible::Install() {
    InstallAccessibleFactory<CLinkStatic, LinkStaticAccessible>();
}

QString LinkStaticAccessible::text(QAccessible::Text type) const {
    const auto* link = static_cast<const CLinkStatic*>(widget());
    switch (type) {
    case QAccessible::Name:
        return link->accessibleName().isEmpty() ? link->text() : link->accessibleName();
    case QAccessible::Value:
        return FromCp1252(link->LinkAddress());
    default:
        return QAccessibleWidget::text(type);
    }
}

QStringList LinkStaticAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkStaticAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        static_cast<CLinkStatic*>(widget())->Open();
    else
        QAccessibleWidget::doAction(actionName);
}
