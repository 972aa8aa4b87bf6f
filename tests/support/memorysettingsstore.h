#pragma once

#include "settingsstore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A settings store held in memory, for the tests and benchmarks, which must not touch the user's
// store. It records every write and every save in order, so a test can check what was written,
// in which order, and what a save took along.
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
    // Records the number of writes so far.
    void Save() override { m_saves.push_back(m_writes.size()); }
    // Gives `notice` once.
    std::string TakeNotice() override { return std::exchange(notice, {}); }

    // Puts a value into the store without recording it as a write.
    void Set(std::string_view section, std::string_view entry, int value);
    bool Contains(std::string_view section, std::string_view entry) const;

    // Every WriteInt since construction or the last ClearWrites, oldest first.
    const std::vector<Write>& Writes() const { return m_writes; }
    // For every Save since construction or the last ClearWrites, how many writes came before it.
    const std::vector<std::size_t>& Saves() const { return m_saves; }
    void ClearWrites() {
        m_writes.clear();
        m_saves.clear();
    }

    std::string notice; // what TakeNotice gives next

private:
    std::map<std::pair<std::string, std::string>, int> m_values;
    std::vector<Write> m_writes;
    std::vector<std::size_t> m_saves;
};
