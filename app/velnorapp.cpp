#include "velnorapp.h"

#include "velnordlg.h"

CVelnorApp::CVelnorApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The settings store lives under the company key, then the application name, which Qt
    // takes from the executable's base name.
    setOrganizationName(QStringLiteral("Kestrin Velnor 1"));
}

int CVelnorApp::Run() {
    CVelnorDlg dlg;
    if (dlg.Start())
        dlg.exec();
    return 0;
}
