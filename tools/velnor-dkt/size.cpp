#include "size.h"

#include "batch.h"
#include "console.h"
#include "cp1252.h"
#include "databaseload.h"
#include "formatting.h"
#include "numbertext.h"
#include "shortnumber.h"
#include "sizeoptions.h"
#include "sizing.h"
#include "textnumber.h"

#include <algorithm>
#include <charconv>

namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text that reads back as exactly `v` ("12.3456", "1e-320", "1e+300"), so that a note about a
// changed value never shows the old value like the new one.
std::string ExactNumber(double v) {
    const std::string plain = ShortNumber(v);
    if (plain.size() <= 17 && ParseLeadingNumber(plain) == v)
        return plain;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

} // namespace

FieldInput EnterThroughField(const std::string& name, double entered, const char* used,
                             const std::string& where) {
    const NumberSyntax syntax; // the main window's fields: 9 whole digits, 3 decimals
    FieldInput input;
    input.shown = ShownValueText(syntax, entered, true);
    input.value = ParseValue(syntax, input.shown);
    if (input.value != entered)
        WriteError(where + "note: " + name + " " + ExactNumber(entered) + " is shown as " +
                   input.shown + " and " + used + " as " + ShortNumber(input.value));
    return input;
}

bool SetUpSizing(const std::vector<std::string>& args, SizeCommand command, SizingSetup& setup) {
    const std::string name = command == SizeCommand::Rate ? "rate: " : "size: ";
    std::string error;
    if (!ParseSizeOptions(args, setup.options, error, command)) {
        WriteError(name + error);
        return false;
    }
    setup.loaded = LoadDatabase(setup.options.database);
    const LoadedDatabase& loaded = *setup.loaded;
    if (!loaded.readable) {
        std::string where;
        if (loaded.failureLine > 0)
            where = " (line " + std::to_string(loaded.failureLine) + ")";
        WriteError(setup.options.database +
                   ": Could not read Velnor.dkt: " + Cp1252ToUtf8(loaded.failure) + where);
        return false;
    }
    if (!setup.options.batch.empty())
        return true;
    setup.refrigerant = FindRefrigerant(loaded.db, setup.options.refrigerant);
    if (setup.refrigerant < 0) {
        WriteError(name + UnknownRefrigerantText(loaded.db, setup.options.refrigerant));
        return false;
    }
    return true;
}

int FindRefrigerant(const RefrigerantDatabase& db, const std::string& which) {
    const int count = std::min(db.nRefrigerants, kMaxRefrigerants);
    if (AllDigits(which)) {
        // Leading zeros are fine ("007" is 7); more than two digits after them is no index.
        const std::size_t first = std::min(which.find_first_not_of('0'), which.size() - 1);
        if (which.size() - first > 2)
            return -1;
        const int index = std::stoi(which.substr(first));
        return index < count ? index : -1;
    }
    for (int r = 0; r < count; ++r) {
        // Names are Windows-1252 in the file; the command line may give either form.
        if (which == db.szName[r] || which == Cp1252ToUtf8(db.szName[r]))
            return r;
    }
    return -1;
}

std::string UnknownRefrigerantText(const RefrigerantDatabase& db, const std::string& which) {
    return "unknown refrigerant " + which + " (the database has " +
           std::to_string(db.nRefrigerants) + ")";
}

int RunSize(const std::vector<std::string>& args) {
    SizingSetup setup;
    if (!SetUpSizing(args, SizeCommand::Size, setup))
        return 1;
    const SizeOptions& options = setup.options;
    const RefrigerantDatabase& db = setup.loaded->db;
    if (!options.batch.empty())
        return RunSizeBatch(db, options.units, options.batch);
    const int r = setup.refrigerant;

    const FieldInput q = EnterThroughField("--heat-load", options.heatLoad, "sized");
    const FieldInput te = EnterThroughField("--evap", options.evapTemp, "sized");
    const FieldInput tc = EnterThroughField("--cond", options.condTemp, "sized");
    const FieldInput trg = EnterThroughField("--return-gas", options.rgasTemp, "sized");

    SizingResult result;
    ComputeSizing(db, r, options.units, q.value, te.value, tc.value, trg.value, result);
    const ReportInputs report{db.szName[r], q.shown, te.shown, tc.shown, trg.shown};
    WriteOut(ReportBodyText(ComposeReportLines(report, result, db, options.units, TextLocale{})));
    if (!result.Valid()) {
        // The results list says which input failed; the report does not.
        const ResultListContent list = FillResultList(result, db, r, options.units, TextLocale{});
        if (!list.rows.empty())
            WriteError("note: the results list shows \"" + Cp1252ToUtf8(list.rows[0].length) +
                       "\", \"" + Cp1252ToUtf8(list.rows[0].diameter) + "\"");
    }
    return 0;
}
