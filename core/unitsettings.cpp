#include "unitsettings.h"

UnitSettings& TheUnitSettings() {
    static UnitSettings settings;
    return settings;
}
