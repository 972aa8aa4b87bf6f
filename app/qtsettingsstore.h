#pragma once

#include "inirepair.h"
#include "settingsnotice.h"
#include "settingsstore.h"

#include <QMap>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <set>
#include <string>

class QSettings;
class QTemporaryDir;

// The user's settings store under the company key and the application name, in QSettings'
// native format: on Linux and the other Unixes the INI file
// $XDG_CONFIG_HOME/Kestrin Velnor 1/<application name>.conf ($XDG_CONFIG_HOME being ~/.config
// unless set), on Windows the registry key HKEY_CURRENT_USER\Software\Kestrin Velnor 1\<application
// name>, on macOS a property list. A section is a group, an entry a key within it. Blanks in
// names are kept: the INI file writes them as %20 ("UnitsEnergy%20%20%20%20%20=1") and reads them
// back under the same name, so a name without its blanks is another entry. Names must not contain
// '/' or '\', which QSettings takes as group separators.
//
// The INI file is read and written by the store itself, QSettings only turning text into entries
// and back (in a private temporary folder), so that nothing the file system holds can hang or
// flood the program:
//   - at the start the file is read only when it is an ordinary file of at most kMaxFileSize
//     bytes. Otherwise the run starts with the defaults, never writes over what is there, and
//     TakeNotice says why. Temporary files a killed save left beside the file are removed.
//   - the file is read line by line (IniRepair). When QSettings would not read it as a whole, a
//     copy is kept beside it ("velnor.conf.bak", else "velnor.conf.2.bak" up to ".9.bak") and the
//     file is written anew with every entry the lines hold. Without a copy the file is never
//     written: the run keeps its changes to itself.
//   - writes stay in memory until Save. A save takes the lock QSettings takes (the file's name
//     with ".lock"), waiting for it at most kLockWaitMs, reads the file afresh, puts in the
//     entries written since the last save and nothing else, and replaces the file in one step.
//     So two programs sharing the file keep each other's changes. A save that fails keeps its
//     entries for the next one, which is tried when something new is written and when the store
//     is destroyed, and TakeNotice says why, once for each kind of failure.
class QtSettingsStore : public SettingsStore {
public:
    static constexpr const char* kCompanyKey = "Kestrin Velnor 1";
    // A settings file holds a few hundred bytes.
    static constexpr long long kMaxFileSize = 1 << 20;
    // The longest a save waits for the lock; after a save that did not get it, saves do not
    // wait until one gets it again.
    static constexpr int kLockWaitMs = 200;

    // The store of the running program: kCompanyKey and QCoreApplication::applicationName(),
    // which is the executable's base name unless the application set another one. What it
    // tells the user (TakeNotice) is in the language of `texts`.
    explicit QtSettingsStore(const TextLocale& texts = TextLocale{});
    QtSettingsStore(const QString& organization, const QString& application,
                    const TextLocale& texts = TextLocale{});
    // Saves what is not saved yet.
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // A missing entry, or one whose stored text is not a 32-bit integer, gives the default.
    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    void Save() override;
    std::string TakeNotice() override;

    // Where the values live (a file path, or a registry path on Windows).
    QString Location() const;

    // The INI file of (organization, application) on the Unixes: under $XDG_CONFIG_HOME, else
    // under .config in the home folder, which is $HOME or, when that is unset, the account's
    // home as the password database has it.
    static QString FilePath(const QString& organization, const QString& application);

private:
    // Reads the file at the start: removes what killed saves left, reads what is to be read,
    // and mends a damaged file.
    void OpenFile();
    // The file as it is now, read line by line; none when it is no file to read, and then this
    // run writes it no more and tells why.
    struct FileLines {
        QByteArray bytes;
        IniRepair lines;
    };
    std::optional<FileLines> ReadLines();
    // The file's entries, or what the file's damaged lines hold.
    bool ReadEntries(const std::string& iniText);
    // The file's text with the unsaved entries put in, in QSettings' own format.
    bool MergedText(const std::string& iniText, QByteArray& merged);
    // A new file in the private folder holding `iniText`; "" when none could be written.
    QString WorkFile(const std::string& iniText);
    void SaveFile();
    // Keeps the problem to tell; Stop also ends the writing to the file for this run.
    void Tell(SettingsProblem problem, const QString& path, const QString& reason = {});
    void Stop(SettingsProblem problem, const QString& path, const QString& reason = {});

    TextLocale m_texts;
    QString m_path;
    QMap<QString, QVariant> m_values;  // what the store reads: the file and every write
    QMap<QString, QVariant> m_unsaved; // the writes since the last save
    bool m_keep = true;                // the file may be written
    bool m_mend = false;               // the file is damaged and is to be written anew
    bool m_tryAgain = true;            // something to save came since the last failed save
    int m_lockWaitMs = kLockWaitMs;
    std::unique_ptr<QTemporaryDir> m_work; // where QSettings turns text into entries and back
    int m_nWorkFiles = 0;
    std::set<SettingsProblem> m_told;
    std::string m_notice;
    std::unique_ptr<QSettings> m_native; // the registry or property list, where not a file
};
