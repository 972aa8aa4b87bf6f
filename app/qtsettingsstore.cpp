#include "qtsettingsstore.h"

#include "cp1252.h"
#include "inirepair.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

#include <limits>

namespace {

QString SettingsKey(std::string_view section, std::string_view entry) {
    return QString::fromStdString(Cp1252ToUtf8(section)) + QLatin1Char('/') +
           QString::fromStdString(Cp1252ToUtf8(entry));
}

// Copies `path` to the first free backup name beside it.
bool KeepCopy(const QString& path) {
    for (int n = 1; n <= IniRepair::kBackupNames; ++n) {
        const QString name = QString::fromStdString(IniRepair::BackupName(path.toStdString(), n));
        if (!QFile::exists(name))
            return QFile::copy(path, name);
    }
    return false;
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QString::fromLatin1(kCompanyKey), QCoreApplication::applicationName()) {}

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             organization, application)) {
    MendFile();
}

QtSettingsStore::~QtSettingsStore() = default;

void QtSettingsStore::MendFile() {
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN) // elsewhere the registry or a property list
    const QString path = m_settings->fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // no file yet
    const QByteArray bytes = file.readAll();
    file.close();
    const IniRepair read = IniRepair::Read(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (read.Whole())
        return;
    const bool kept = KeepCopy(path);
    // QSettings reads the mended lines from a temporary file, the way it reads any INI file.
    auto mended = std::make_unique<QTemporaryFile>();
    const auto size = static_cast<qint64>(read.Text().size());
    if (!mended->open() || mended->write(read.Text().data(), size) != size || !mended->flush())
        return;
    if (!kept) {
        // Nothing may be written over the only copy of the user's file.
        m_settings = std::make_unique<QSettings>(mended->fileName(), QSettings::IniFormat);
        m_mendedCopy = std::move(mended);
        return;
    }
    const QSettings source(mended->fileName(), QSettings::IniFormat);
    m_settings->clear();
    for (const QString& key : source.allKeys())
        m_settings->setValue(key, source.value(key));
    m_settings->sync();
#endif
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view entry, int defaultValue) {
    const QVariant value = m_settings->value(SettingsKey(section, entry));
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
    m_settings->setValue(SettingsKey(section, entry), value);
}

QString QtSettingsStore::Location() const {
    return m_settings->fileName();
}
