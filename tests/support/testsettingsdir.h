#pragma once

#include <QString>

// The temporary directory the widget tests' settings are kept in (made by the Qt test main).
QString TestSettingsDir();
