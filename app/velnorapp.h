#pragma once

#include "qtranslate.h"

#include <QApplication>

#include <memory>

// The application object: names the settings store, loads the translations of the system's
// language, runs the main window modally and ends the program when it closes.
class CVelnorApp : public QApplication {
public:
    CVelnorApp(int& argc, char** argv);
    // Runs the main window until it closes; the process's exit code.
    int Run();

private:
    std::unique_ptr<Translations> m_translations;
};
