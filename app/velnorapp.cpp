#include "velnorapp.h"

#include "velnordlg.h"

#include <QTimer>

#include <cstdio>

namespace {

// With VELNOR_QUIT_AFTER_FIRST_FRAME set, the program writes "first frame" to standard output
// once its first frame is on the screen and then closes the window as the user would: the
// start-up benchmark times a run from process start to that line.
void QuitAfterFirstFrame(CVelnorDlg& dlg) {
    QObject::connect(
        &dlg, &CVelnorDlg::Painted, &dlg,
        [&dlg] {
            // The next pass of the event loop comes after the frame has gone to the screen.
            QTimer::singleShot(0, &dlg, [&dlg] {
                std::fputs("first frame\n", stdout);
                std::fflush(stdout);
                dlg.reject();
            });
        },
        Qt::SingleShotConnection);
}

} // namespace

CVelnorApp::CVelnorApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The settings store lives under the company key, then the application name, which Qt
    // takes from the executable's base name.
    setOrganizationName(QStringLiteral("Kestrin Velnor 1"));
    // The language follows the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads them).
    m_translations = std::make_unique<Translations>(QLocale::system().uiLanguages());
    m_texts = m_translations->Texts();
    // Named after the organization and application, as the settings are.
    m_drawings = DrawingStore(DrawingStore::UserFolder());
}

int CVelnorApp::Run() {
    CVelnorDlg dlg(m_units, m_identity, m_grain, m_texts);
    dlg.KeepDrawingsIn(m_drawings);
    if (qEnvironmentVariableIsSet("VELNOR_QUIT_AFTER_FIRST_FRAME"))
        QuitAfterFirstFrame(dlg);
    if (dlg.Start())
        dlg.exec();
    return 0;
}
