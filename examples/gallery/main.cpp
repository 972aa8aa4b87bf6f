// The field gallery: one window with one field of each type of the validating field family,
// its messages shown as message boxes over the window.
#include "gallerywindow.h"
#include "qtmessages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QtMessages messages;
    GalleryWindow window(messages);
    window.show();
    return QApplication::exec();
}
