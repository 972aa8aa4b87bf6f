// The field gallery: one window with one field of each type of the validating field family,
// its messages shown as message boxes over the window.
#include "gallerywindow.h"
#include "qfieldlocale.h"
#include "qnumberlocale.h"
#include "qtmessages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallQtNumberLocale();
    InstallQtFieldLocale();

    QtMessages messages;
    GalleryWindow window(messages);
    window.show();
    return QApplication::exec();
}
