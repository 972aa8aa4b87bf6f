#pragma once

#include "texts.h"

#include <string>
#include <string_view>

// Why the settings cannot be kept, or why a save failed.
enum class SettingsProblem {
    NotAFile,    // the settings file is a folder, a pipe, a device...: never read nor written
    TooLarge,    // larger than a settings file can be
    Unreadable,  // the file cannot be read
    NoBackup,    // the file is damaged and no copy of it can be made before it is mended
    Locked,      // another program holds the lock, or the lock is not a lock file
    ReadOnly,    // the file or its folder is read-only
    NoFolder,    // the folder for the file cannot be made
    WriteFailed, // the system refused the write (a full disk...)
};

// What the user is told, in the language of `texts`: `path` (Windows-1252) is the file or folder
// concerned, `reason` the system's own words where it gave any. Every text the store shows the
// user is here.
std::string SettingsNotice(const TextLocale& texts, SettingsProblem problem, std::string_view path,
                           std::string_view reason = {});
