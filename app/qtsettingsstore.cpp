#include "qtsettingsstore.h"

#include "cp1252.h"

#include <QCoreApplication>
#include <QSettings>

#include <limits>

namespace {

QString SettingsKey(std::string_view section, std::string_view entry) {
    return QString::fromStdString(Cp1252ToUtf8(section)) + QLatin1Char('/') +
           QString::fromStdString(Cp1252ToUtf8(entry));
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QString::fromLatin1(kCompanyKey), QCoreApplication::applicationName()) {}

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             organization, application)) {}

QtSettingsStore::~QtSettingsStore() = default;

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
