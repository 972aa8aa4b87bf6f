#include "qtmessages.h"

#include "identity.h"
#include "qcp1252.h"

#include <QApplication>
#include <QMessageBox>

void QtMessages::Show(const std::string& text, Icon icon) {
    const QMessageBox::Icon qtIcon = icon == Icon::Error         ? QMessageBox::Critical
                                     : icon == Icon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
    const std::string title = MessageBoxTitle(m_identity ? *m_identity : ProductIdentity{});
    QMessageBox box(qtIcon, FromCp1252(title), FromCp1252(text), QMessageBox::Ok, m_parent);
    box.exec();
}

void QtMessages::Beep() {
    QApplication::beep();
}
