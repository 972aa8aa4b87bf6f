// The main of every widget test program: an offscreen QApplication (unless QT_QPA_PLATFORM
// names another platform) in US English, whose settings and standard paths lie in a temporary
// directory, so no test ever touches the user's own settings or files.
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testsettingsdir.h"

namespace {
QString settingsDir;
}

QString TestSettingsDir() {
    return settingsDir;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Texts and numbers as an English (US) system shows them, whatever the machine's language;
    // a test that wants another language installs it.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANGUAGE", "en_US");
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return 2;
    }
    settingsDir = dir.path();
    // The settings store's own file lies under $XDG_CONFIG_HOME.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir));
    // Before any QSettings exists: every format and scope points into the temporary directory.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsDir);
        QSettings::setPath(format, QSettings::SystemScope, settingsDir + QStringLiteral("/system"));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
