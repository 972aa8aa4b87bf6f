#pragma once

#include <QAccessibleWidget>

class CLinkStatic;

// What a screen reader is offered of a CLinkStatic: a link named by its text, whose value is the
// address it opens, and whose press action opens it as a click does.
class LinkStaticAccessible : public QAccessibleWidget {
public:
    explicit LinkStaticAccessible(CLinkStatic* link);

    // Makes every CLinkStatic answer with this interface; once per program is enough.
    static void Install();

    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};
