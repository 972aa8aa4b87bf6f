#pragma once

#include "settingsstore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A settings store held in memory, for the tests and benchmarks, which must not touch the user's
// store.
// It records every write in order, so a test can check what was written and in which order.
class MemorySettingsStore : public SettingsStore {
public:
    struct Write {
        std::string section;
        std::string entry;
        int value;
        bool operator==(const Write&) const = default;
    };

    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;

    // Puts a value into the store without recording it as a write.
    void Set(std::string_view section, std::string_view entry, int value);
    bool Contains(std::string_view section, std::string_view entry) const;

    // Every WriteInt since construction or the last ClearWrites, oldest first.
    const std::vector<Write>& Writes() const { return m_writes; }
    void ClearWrites() { m_writes.clear(); }

private:
    std::map<std::pair<std::string, std::string>, int> m_values;
    std::vector<Write> m_writes;
};
