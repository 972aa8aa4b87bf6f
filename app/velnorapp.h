#pragma once

#include "drawingstore.h"
#include "graingenerator.h"
#include "identity.h"
#include "qtranslate.h"
#include "unitsettings.h"

#include <QApplication>

#include <memory>

// The application object: names the settings store, loads the translations of the system's
// language, runs the main window modally and ends the program when it closes. It owns what
// there is one of per process, the unit settings, the product identity, the language texts are
// composed in, the shaded buttons' grain and the store of the drawings' renders in the user's
// cache, and lends them to the main window.
class CVelnorApp : public QApplication {
public:
    CVelnorApp(int& argc, char** argv);
    // Runs the main window until it closes; the process's exit code.
    int Run();

private:
    UnitSettings m_units;
    ProductIdentity m_identity;
    GrainGenerator m_grain;
    TextLocale m_texts; // the language of the run: English until a translation loads
    DrawingStore m_drawings;
    std::unique_ptr<Translations> m_translations;
};
