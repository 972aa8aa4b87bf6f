#include "quserfolders.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

QString HomeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
#ifdef Q_OS_UNIX
    if (const passwd* account = ::getpwuid(::getuid());
        account && account->pw_dir && account->pw_dir[0] != '\0')
        return QFile::decodeName(account->pw_dir);
#endif
    return QDir::homePath();
}

QString UserBaseFolder(const char* variable, const QString& belowHome) {
    const QString base = qEnvironmentVariable(variable);
    return base.isEmpty() ? HomeFolder() + QLatin1Char('/') + belowHome : base;
}
