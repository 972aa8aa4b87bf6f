#pragma once

#include "settingsstore.h"

#include <QString>

#include <memory>

class QSettings;
class QTemporaryFile;

// The user's settings store, kept by QSettings in the platform's native format under the company
// key and the application name: on Linux the INI file
// ~/.config/Kestrin Velnor 1/<application name>.conf, on Windows the registry key
// HKEY_CURRENT_USER\Software\Kestrin Velnor 1\<application name>, on macOS a property list.
// A section is a group, an entry a key within it. Blanks in names are kept: the INI file writes
// them as %20 ("UnitsEnergy%20%20%20%20%20=1") and reads them back under the same name, so a name
// without its blanks is another entry. Names must not contain '/' or '\', which QSettings takes
// as group separators.
// Writes reach the file at the next turn of the event loop, and at the latest when the store is
// destroyed.
//
// Where the store is an INI file (Linux and the other Unixes), the file is first read line by
// line (IniRepair). When QSettings would not read it as a whole (a quote left open, a backslash
// at a line's end, a section header glued to the line before, a line that is no entry, a
// comment), a copy of the file is kept beside it ("velnor.conf.bak", else "velnor.conf.2.bak" up
// to ".9.bak"), and then the file is written anew with every entry the lines hold. Without a copy
// the user's file is never written: that run reads and writes a mended copy in a temporary file.
class QtSettingsStore : public SettingsStore {
public:
    static constexpr const char* kCompanyKey = "Kestrin Velnor 1";

    // The store of the running program: kCompanyKey and QCoreApplication::applicationName(),
    // which is the executable's base name unless the application set another one.
    QtSettingsStore();
    QtSettingsStore(const QString& organization, const QString& application);
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // A missing entry, or one whose stored text is not a 32-bit integer, gives the default.
    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;

    // Where the values live (a file path, or a registry path on Windows).
    QString Location() const;

private:
    // Makes the store hold what every line of a file QSettings cannot read as a whole holds.
    void MendFile();

    std::unique_ptr<QTemporaryFile> m_mendedCopy; // the run's copy when no backup could be made
    std::unique_ptr<QSettings> m_settings;        // goes before the copy it may be writing
};
