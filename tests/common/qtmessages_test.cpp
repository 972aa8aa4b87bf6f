// The message box as the user meets it: titled from the product identity.
#include "identity.h"
#include "qtmessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

TEST(QtMessages, BoxIsTitledWithTheProgramTitleOrTheProductName) {
    struct Row {
        const char* name;
        const char* title;
        const char* productName;
        const char* shown;
    };
    const Row rows[] = {
        {"the version record's title", "Kestrin Capillary Tube Selector", "Velnor",
         "Kestrin Capillary Tube Selector"},
        {"no version record: a blank title", " ", "Velnor", "Velnor"},
        {"a record without a title", "", "Kestrin Velnor", "Kestrin Velnor"},
        {"no identity yet", "", "", "Velnor"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProductIdentity identity;
        CopyText(identity.szTitle, row.title);
        CopyText(identity.szProductName, row.productName);
        QString title;
        QTimer::singleShot(0, [&title] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                box->accept();
            }
        });
        QtMessages(nullptr, &identity).Show("Could not read Velnor.dkt", Messages::Icon::Error);
        EXPECT_EQ(title.toStdString(), row.shown);
    }
}
