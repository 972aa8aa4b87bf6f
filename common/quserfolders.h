// The user's own folders, as the freedesktop base directories name them.
#pragma once

#include <QString>

// The home folder: $HOME, else the account's home in the password database (a program started
// without $HOME still finds the user's files), else Qt's guess.
QString HomeFolder();

// The base folder named by the environment variable `variable` (XDG_CONFIG_HOME,
// XDG_CACHE_HOME) when set, else `belowHome` (".config", ".cache") in the home folder.
QString UserBaseFolder(const char* variable, const QString& belowHome);
