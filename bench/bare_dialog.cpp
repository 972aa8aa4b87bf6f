// The floor for the start-up benchmark: a bare Qt dialog with one label at the main window's
// default size, shown with exec(). Like the program under VELNOR_QUIT_AFTER_FIRST_FRAME it
// writes "first frame" to standard output once its first frame is on the screen, then closes.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(QDialog& dialog) : dlg(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            // The next pass of the event loop comes after the frame has gone to the screen.
            QTimer::singleShot(0, &dlg, [this] {
                std::fputs("first frame\n", stdout);
                std::fflush(stdout);
                dlg.reject();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog& dlg;
    bool seen = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Velnor"), &dialog));
    dialog.resize(800, 640); // the main window's size with no stored placement
    FirstFrame first(dialog);
    dialog.installEventFilter(&first);
    dialog.exec();
    return 0;
}
