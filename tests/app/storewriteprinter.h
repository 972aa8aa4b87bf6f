#pragma once

#include "memorysettingsstore.h"

#include <ostream>

// Lets test failures show a recorded write as (section, "entry", value).
inline void PrintTo(const MemorySettingsStore::Write& write, std::ostream* os) {
    *os << "(" << write.section << ", \"" << write.entry << "\", " << write.value << ")";
}
