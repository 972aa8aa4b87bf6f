#pragma once

#include "memorysettingsstore.h"
#include "persistentsettings.h"

#include <vector>

// The seven unit fields of `units`, in the order the store keeps them.
inline std::vector<int> UnitValues(const UnitSettings& units) {
    std::vector<int> values;
    for (const auto& entry : PersistentSettings::UnitEntries())
        values.push_back(units.*entry.field);
    return values;
}
