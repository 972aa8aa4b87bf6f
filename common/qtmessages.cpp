#include "qtmessages.h"

#include "qcp1252.h"

#include <QApplication>
#include <QMessageBox>

QString ToQString(const std::string& cp1252) {
    return FromCp1252(cp1252);
}

void QtMessages::Show(const std::string& text, Icon icon) {
    const QMessageBox::Icon qtIcon = icon == Icon::Error         ? QMessageBox::Critical
                                     : icon == Icon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
    QMessageBox box(qtIcon, QApplication::applicationName(), ToQString(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

void QtMessages::Beep() {
    QApplication::beep();
}
