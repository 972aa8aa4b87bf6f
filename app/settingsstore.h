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

    // Stores `value` under (section, entry), creating the entry when it is missing. What is
    // written is read back at once; it lasts beyond the run once the store is saved.
    virtual void WriteInt(std::string_view section, std::string_view entry, int value) = 0;

    // Makes the writes since the last save last, all at once. A save that fails keeps them for
    // the next one.
    virtual void Save() = 0;

    // What the user is to be told about the store (why the settings are not kept, or why a save
    // failed), each thing once; "" when there is nothing new.
    virtual std::string TakeNotice() = 0;
};
