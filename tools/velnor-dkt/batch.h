#pragma once

#include "database.h"
#include "unitsettings.h"

#include <string>

// velnor-dkt size FILE.dkt [--units ...] --batch DUTIES.csv: sizes every duty of a CSV file with
// the header refrigerant,heat_load,evap,cond,return_gas (refrigerant by index or name, values in
// the units chosen) and writes one CSV line per duty: the inputs as their fields show them, the
// flow as the report writes it, the optimal diameter and its length, or in `message` why the
// duty cannot be sized. A malformed line is named on standard error and skipped; the exit status
// is then 1. The output is UTF-8 with LF line breaks.
int RunSizeBatch(const RefrigerantDatabase& db, const UnitSettings& units,
                 const std::string& dutiesPath);
