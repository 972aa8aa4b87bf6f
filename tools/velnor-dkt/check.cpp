#include "check.h"

#include "console.h"
#include "cp1252.h"
#include "shortnumber.h"

namespace {

std::string Utf8(const char* cp1252) {
    return Cp1252ToUtf8(cp1252);
}

std::string ListText(const double* values, int count, double scale) {
    std::string text;
    for (int i = 0; i < count && i < kMaxDiameters; ++i) {
        if (i > 0)
            text += ", ";
        text += ShortNumber(values[i] / scale, 4);
    }
    return text;
}

std::string RangeText(const char* what, double lo, double hi) {
    return std::string(what) + " " + ShortNumber(lo) + " to " + ShortNumber(hi) +
           " \xC2\xBA"
           "C";
}

std::string Contents(const LoadedDatabase& loaded) {
    const RefrigerantDatabase& db = loaded.db;
    std::string text;
    text += "Header: " + Utf8(db.szDbHeader) + "\n";
    text += "Database version: " + Cp1252ToUtf8(DbVersionText(db));
    if (db.szDbVersion[0] == '\0')
        text += "(the line is empty: the program keeps its own version text)";
    else if (std::string_view(db.szDbVersion) != DbVersionText(db))
        text += " (the line reads " + Utf8(db.szDbVersion) + ")";
    text += "\n";
    text += "Preferred length: " + ShortNumber(db.dTargetLength) + " m\n";
    text += "Europe diameters (" + std::to_string(db.nDiamEurope) +
            "): " + ListText(db.dDiamEurope, db.nDiamEurope, 1.0) + " mm\n";
    text += "North America diameters (" + std::to_string(db.nDiamNorthAmerica) +
            "): " + ListText(db.dDiamNorthAmerica, db.nDiamNorthAmerica, 1.0) + " mm (" +
            ListText(db.dDiamNorthAmerica, db.nDiamNorthAmerica, 25.4) + " in.)\n";
    text += "Refrigerants (" + std::to_string(db.nRefrigerants) + "):\n";
    for (int r = 0; r < db.nRefrigerants && r < kMaxRefrigerants; ++r) {
        text += "  " + std::to_string(r) + " " + Utf8(db.szName[r]) + ": " +
                RangeText("evaporating", db.dEvapMin[r], db.dEvapMax[r]) + ", " +
                RangeText("condensing", db.dCondMin[r], db.dCondMax[r]) + ", " +
                RangeText("return gas", db.dRGasMin[r], db.dRGasMax[r]) + "\n";
    }
    text += "Help lines: " + std::to_string(loaded.help.nHelpLines) + "\n";
    return text;
}

} // namespace

std::string DescribeDatabase(const LoadedDatabase& loaded, bool quiet) {
    std::string text;
    if (loaded.readable && !quiet)
        text += Contents(loaded);
    for (const std::string& note : loaded.fileNotes)
        text += "note: " + note + "\n";
    for (const std::string& warning : loaded.warnings)
        text += "warning: " + Cp1252ToUtf8(warning) + "\n";
    if (!loaded.readable) {
        // The program's own message, then what a maintainer needs to mend the file.
        text += "Could not read Velnor.dkt\n";
        text += "reason: " + Cp1252ToUtf8(loaded.failure) + "\n";
        if (loaded.failureLine > 0)
            text += "stopped at line " + std::to_string(loaded.failureLine) + "\n";
    }
    return text;
}

int RunCheck(const std::vector<std::string>& args) {
    bool quiet = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--quiet") {
            quiet = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            WriteError("check: unknown option " + arg);
            return 1;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1) {
        WriteError("check takes one file: velnor-dkt check [--quiet] FILE.dkt");
        return 1;
    }
    const auto loaded = LoadDatabase(files[0]);
    WriteOut(DescribeDatabase(*loaded, quiet));
    return loaded->readable ? 0 : 1;
}
