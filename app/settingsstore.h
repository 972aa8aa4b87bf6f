#pragma once

#include <string>
#include <string_view>

// The per-user settings store as the program sees it: named 32-bit integers under a section.
// Section and entry names are Windows-1252 texts and are used exactly as given, blanks
// included ("UnitsEnergy     " and "UnitsEnergy" are two different entries).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The integer stored under (section, entry), or `defaultValue` when there is none (or when
    // what is stored there is not a 32-bit integer).
    virtual int ReadInt(std::string_view section, std::string_view entry, int defaultValue) = 0;

    // Stores `value` under (section, entry), creating the entry when it is missing.
    virtual void WriteInt(std::string_view section, std::string_view entry, int value) = 0;
};
