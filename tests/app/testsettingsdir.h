#pragma once

#include <QString>

// The temporary directory the widget tests' settings are kept in.
QString TestSettingsDir();
