#include "qtsettingsstore.h"

#include "cp1252.h"
#include "inirepair.h"
#include "persistentsettings.h"
#include "qcp1252.h"
#include "qfileread.h"
#include "quserfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <utility>

#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
#define VELNOR_SETTINGS_FILE 1 // the store is an INI file the store reads and writes itself
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString SettingsKey(std::string_view section, std::string_view entry) {
    return QString::fromStdString(Cp1252ToUtf8(section)) + QLatin1Char('/') +
           QString::fromStdString(Cp1252ToUtf8(entry));
}

#ifdef VELNOR_SETTINGS_FILE

// Whether `path` has no write permission for anybody or none for this process: a file or folder
// the user made read-only stays unwritten, whoever runs the program.
bool WriteProtected(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::access(name.constData(), W_OK) != 0;
}

// Whether `path` is missing or an ordinary file of the size of a lock file. QLockFile reads a
// lock it finds to see whether it is stale: it would wait forever on a pipe, read a device
// without end, and could never take a folder.
bool PlainLockOrNone(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_size <= 4096;
}

bool SafeToLock(const QString& lockPath) {
    return PlainLockOrNone(lockPath) && PlainLockOrNone(lockPath + QStringLiteral(".rmlock"));
}

// Removes the temporary files a save killed before its end left beside the file: ordinary files
// of this user named like the file with a dot and six letters or digits, as QSaveFile names
// them. Only while the lock is held, so that no save of another program is under way.
void RemoveStaleTemporaries(const QString& path) {
    const QFileInfo file(path);
    const QString prefix = file.fileName() + QLatin1Char('.');
    const QDir folder = file.absoluteDir();
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringView tail = QStringView(name).mid(prefix.size());
        if (!std::all_of(tail.begin(), tail.end(),
                         [](QChar ch) { return ch.unicode() < 128 && ch.isLetterOrNumber(); }))
            continue;
        const QByteArray native = QFile::encodeName(folder.filePath(name));
        struct stat info {};
        if (::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::getuid())
            ::unlink(native.constData());
    }
}

// Copies `path` to the first free backup name beside it.
bool KeepCopy(const QString& path, const QByteArray& bytes) {
    for (int n = 1; n <= IniRepair::kBackupNames; ++n) {
        const QString name = QString::fromStdString(IniRepair::BackupName(path.toStdString(), n));
        QFileInfo info(name);
        if (info.exists() || info.isSymLink())
            continue;
        QFile copy(name);
        // NewOnly: an earlier copy, or whatever took the name meanwhile, is never overwritten.
        return copy.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
               copy.write(bytes) == bytes.size() && copy.flush();
    }
    return false;
}

#endif // VELNOR_SETTINGS_FILE

std::string Shown(const QString& text) {
    return ToCp1252(QDir::toNativeSeparators(text));
}

} // namespace

QtSettingsStore::QtSettingsStore(const TextLocale& texts)
    : QtSettingsStore(QString::fromLatin1(kCompanyKey), QCoreApplication::applicationName(),
                      texts) {}

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application,
                                 const TextLocale& texts)
    : m_texts(texts) {
#ifdef VELNOR_SETTINGS_FILE
    m_path = FilePath(organization, application);
    OpenFile();
#else
    m_native = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           organization, application);
    m_path = m_native->fileName();
    for (const QString& key : m_native->allKeys())
        m_values.insert(key, m_native->value(key));
#endif
}

#ifdef VELNOR_SETTINGS_FILE
std::optional<QtSettingsStore::FileLines> QtSettingsStore::ReadLines() {
    const FileRead read = ReadOrdinaryFile(m_path, kMaxFileSize);
    switch (read.kind) {
    case FileRead::NotAFile:
        Stop(SettingsProblem::NotAFile, m_path);
        return std::nullopt;
    case FileRead::TooLarge:
        Stop(SettingsProblem::TooLarge, m_path);
        return std::nullopt;
    case FileRead::Unreadable:
        Stop(SettingsProblem::Unreadable, m_path, read.reason);
        return std::nullopt;
    case FileRead::Missing:
    case FileRead::Read:
        break;
    }
    return FileLines{read.bytes,
                     IniRepair::Read(std::string_view(read.bytes.constData(),
                                                      static_cast<std::size_t>(read.bytes.size())),
                                     PersistentSettings::EntryNames())};
}

void QtSettingsStore::OpenFile() {
    {
        const QString lockPath = m_path + QStringLiteral(".lock");
        QLockFile lock(lockPath);
        if (QFileInfo(m_path).absoluteDir().exists() && SafeToLock(lockPath) && lock.tryLock(0))
            RemoveStaleTemporaries(m_path);
    }
    const std::optional<FileLines> file = ReadLines();
    if (!file || file->bytes.isEmpty())
        return;
    const IniRepair& repair = file->lines;
    if (!ReadEntries(repair.Text()))
        return Stop(SettingsProblem::Unreadable, m_path, m_work->errorString());
    if (!repair.Whole()) {
        // Before anything else is written, the file holds what its lines hold.
        m_mend = true;
        Save();
    }
}
#else
void QtSettingsStore::OpenFile() {}
#endif

QtSettingsStore::~QtSettingsStore() {
    m_tryAgain = true;
    Save();
}

QString QtSettingsStore::FilePath(const QString& organization, const QString& application) {
    const QString config = UserBaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    return config + QLatin1Char('/') + organization + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view entry, int defaultValue) {
    const QVariant value = m_values.value(SettingsKey(section, entry));
    if (!value.isValid()) {
        return defaultValue;
    }
    // Read wide and range-checked: QVariant::toInt would wrap a larger stored number around.
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
        return defaultValue;
    }
    return static_cast<int>(n);
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    const QString key = SettingsKey(section, entry);
    m_values.insert(key, value);
    m_unsaved.insert(key, value);
    m_tryAgain = true;
}

void QtSettingsStore::Save() {
    if (!m_keep || (m_unsaved.isEmpty() && !m_mend) || !m_tryAgain)
        return;
#ifdef VELNOR_SETTINGS_FILE
    SaveFile();
#else
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        m_native->setValue(it.key(), it.value());
    m_native->sync();
    if (m_native->status() != QSettings::NoError) {
        m_tryAgain = false;
        return Tell(SettingsProblem::WriteFailed, m_path);
    }
    m_unsaved.clear();
#endif
}

#ifdef VELNOR_SETTINGS_FILE
void QtSettingsStore::SaveFile() {
    // Until this save succeeds, the next is tried only when something new is to be saved.
    m_tryAgain = false;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return Tell(SettingsProblem::NoFolder, folder);
    if (WriteProtected(folder))
        return Tell(SettingsProblem::ReadOnly, folder);
    const QString lockPath = m_path + QStringLiteral(".lock");
    if (!SafeToLock(lockPath))
        return Tell(SettingsProblem::Locked, lockPath);
    QLockFile lock(lockPath);
    if (!lock.tryLock(m_lockWaitMs)) {
        if (lock.error() == QLockFile::PermissionError)
            return Tell(SettingsProblem::ReadOnly, folder);
        m_lockWaitMs = 0;
        return Tell(SettingsProblem::Locked, lockPath);
    }
    m_lockWaitMs = kLockWaitMs;

    // Another program may have saved since: its entries are kept, this run's put in.
    const std::optional<FileLines> now = ReadLines();
    if (!now)
        return;
    const IniRepair& repair = now->lines;
    if (!repair.Whole() && !KeepCopy(m_path, now->bytes))
        return Stop(SettingsProblem::NoBackup, m_path);
    if (WriteProtected(m_path))
        return Tell(SettingsProblem::ReadOnly, m_path);
    QByteArray merged;
    if (!MergedText(repair.Text(), merged))
        return Tell(SettingsProblem::WriteFailed, m_path, m_work->errorString());
    // Written beside the file and renamed over it: a kill leaves the old file or the new one.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(merged) != merged.size() || !file.commit())
        return Tell(SettingsProblem::WriteFailed, m_path, file.errorString());
    m_unsaved.clear();
    m_mend = false;
    m_tryAgain = true;
}
#else
void QtSettingsStore::SaveFile() {}
#endif

QString QtSettingsStore::WorkFile(const std::string& iniText) {
    if (!m_work)
        m_work = std::make_unique<QTemporaryDir>();
    if (!m_work->isValid())
        return {};
    // A new name each time: QSettings keeps what it read of a file name for later readers.
    const QString name = m_work->filePath(QString::number(++m_nWorkFiles) + QStringLiteral(".ini"));
    QFile file(name);
    const auto size = static_cast<qint64>(iniText.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(iniText.data(), size) != size)
        return {};
    return name;
}

bool QtSettingsStore::ReadEntries(const std::string& iniText) {
    const QString name = WorkFile(iniText);
    if (name.isEmpty())
        return false;
    const QSettings entries(name, QSettings::IniFormat);
    for (const QString& key : entries.allKeys())
        m_values.insert(key, entries.value(key));
    return true;
}

bool QtSettingsStore::MergedText(const std::string& iniText, QByteArray& merged) {
    const QString name = WorkFile(iniText);
    if (name.isEmpty())
        return false;
    {
        QSettings entries(name, QSettings::IniFormat);
        for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
            entries.setValue(it.key(), it.value());
        entries.sync();
        if (entries.status() != QSettings::NoError)
            return false;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    merged = file.readAll();
    return true;
}

void QtSettingsStore::Tell(SettingsProblem problem, const QString& path, const QString& reason) {
    if (!m_told.insert(problem).second)
        return;
    if (!m_notice.empty())
        m_notice += "\n\n";
    m_notice += SettingsNotice(m_texts, problem, Shown(path), ToCp1252(reason));
}

void QtSettingsStore::Stop(SettingsProblem problem, const QString& path, const QString& reason) {
    m_keep = false;
    Tell(problem, path, reason);
}

std::string QtSettingsStore::TakeNotice() {
    return std::exchange(m_notice, {});
}

QString QtSettingsStore::Location() const {
    return m_path;
}
