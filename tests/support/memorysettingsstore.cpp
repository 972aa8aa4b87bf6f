#include "memorysettingsstore.h"

namespace {

std::pair<std::string, std::string> Key(std::string_view section, std::string_view entry) {
    return {std::string(section), std::string(entry)};
}

} // namespace

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view entry,
                                 int defaultValue) {
    auto it = m_values.find(Key(section, entry));
    return it == m_values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    Set(section, entry, value);
    m_writes.push_back({std::string(section), std::string(entry), value});
}

void MemorySettingsStore::Set(std::string_view section, std::string_view entry, int value) {
    m_values[Key(section, entry)] = value;
}

bool MemorySettingsStore::Contains(std::string_view section, std::string_view entry) const {
    return m_values.find(Key(section, entry)) != m_values.end();
}
