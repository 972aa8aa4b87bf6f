// Feeds arbitrary file contents through everything the program does with a database file:
// the unscrambling, the parser, and for every refrigerant parsed one sizing with its rows and
// report lines.
#include "database.h"
#include "formatting.h"
#include "numbertext.h"
#include "report.h"
#include "sizing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static DatabaseFile file;
    static RefrigerantDatabase db;
    static HelpText help;
    DecodeDatabaseBytes(file, reinterpret_cast<const char*>(data), size);
    if (!ParseDatabase(file, db, help))
        return 0;
    const NumberSyntax field;
    for (int r = 0; r < db.nRefrigerants; ++r) {
        UnitSettings units;
        units.UnitsEnergy = 1;
        units.UnitsTemperature = 0;
        units.DiamType = r % 2;
        units.UnitsLength = (r / 2) % 2;
        // The middle of each range, so that most records reach the flow and the lengths.
        const double te = (db.dEvapMin[r] + db.dEvapMax[r]) / 2;
        const double tc = (db.dCondMin[r] + db.dCondMax[r]) / 2;
        const double trg = (db.dRGasMin[r] + db.dRGasMax[r]) / 2;
        const ReportInputs inputs{db.szName[r], ShownValueText(field, 500.0),
                                  ShownValueText(field, te), ShownValueText(field, tc),
                                  ShownValueText(field, trg)};
        SizingResult result;
        ComputeSizing(db, r, units, ParseValue(field, inputs.heatLoadText),
                      ParseValue(field, inputs.evapTempText),
                      ParseValue(field, inputs.condTempText),
                      ParseValue(field, inputs.rgasTempText), result);
        FillResultList(result, db, r, units);
        ComposeReportLines(inputs, result, db, units);
    }
    return 0;
}
