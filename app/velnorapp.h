#pragma once

#include <QApplication>

// The application object: names the settings store, runs the main window modally and ends the
// program when it closes.
class CVelnorApp : public QApplication {
public:
    CVelnorApp(int& argc, char** argv);
    // Runs the main window until it closes; the process's exit code.
    int Run();
};
