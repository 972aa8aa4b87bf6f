#include "size.h"

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

// An input as its field holds it: the text the field shows after SetValue(value, true), and
// the value the main window reads back from that text.
struct FieldInput {
    std::string shown;
    double value = 0.0;
};

FieldInput ThroughField(double entered) {
    const NumberSyntax syntax; // the main window's fields: 9 whole digits, 3 decimals
    FieldInput input;
    input.shown = ShownValueText(syntax, entered, true);
    input.value = ParseValue(syntax, input.shown);
    return input;
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

std::string ReportBodyText(const std::vector<ReportLine>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].column != 0)
            text += "\t"; // a column-1 text without a column-0 text before it
        text += Cp1252ToUtf8(lines[i].text);
        if (lines[i].column == 0 && i + 1 < lines.size() && lines[i + 1].column != 0) {
            ++i;
            text += "\t" + Cp1252ToUtf8(lines[i].text);
        }
        text += "\n";
    }
    return text;
}

int RunSize(const std::vector<std::string>& args) {
    SizeOptions options;
    std::string error;
    if (!ParseSizeOptions(args, options, error)) {
        WriteError("size: " + error);
        return 1;
    }
    const auto loaded = LoadDatabase(options.database);
    if (!loaded->readable) {
        std::string where;
        if (loaded->failureLine > 0)
            where = " (line " + std::to_string(loaded->failureLine) + ")";
        WriteError(options.database +
                   ": Could not read Velnor.dkt: " + Cp1252ToUtf8(loaded->failure) + where);
        return 1;
    }
    const RefrigerantDatabase& db = loaded->db;
    const int r = FindRefrigerant(db, options.refrigerant);
    if (r < 0) {
        WriteError("size: unknown refrigerant " + options.refrigerant + " (the database has " +
                   std::to_string(db.nRefrigerants) + ")");
        return 1;
    }

    struct Entered {
        const char* option;
        double value;
        FieldInput field;
    };
    Entered inputs[] = {{"--heat-load", options.heatLoad, {}},
                        {"--evap", options.evapTemp, {}},
                        {"--cond", options.condTemp, {}},
                        {"--return-gas", options.rgasTemp, {}}};
    for (Entered& input : inputs) {
        input.field = ThroughField(input.value);
        if (input.field.value != input.value)
            WriteError("note: " + std::string(input.option) + " " + ExactNumber(input.value) +
                       " is shown as " + input.field.shown + " and sized as " +
                       ShortNumber(input.field.value));
    }

    SizingResult result;
    ComputeSizing(db, r, options.units, inputs[0].field.value, inputs[1].field.value,
                  inputs[2].field.value, inputs[3].field.value, result);
    const ReportInputs report{db.szName[r], inputs[0].field.shown, inputs[1].field.shown,
                              inputs[2].field.shown, inputs[3].field.shown};
    WriteOut(ReportBodyText(ComposeReportLines(report, result, db, options.units)));
    if (!result.Valid()) {
        // The results list says which input failed; the report does not.
        const ResultListContent list = FillResultList(result, db, r, options.units);
        if (!list.rows.empty())
            WriteError("note: the results list shows \"" + Cp1252ToUtf8(list.rows[0].length) +
                       "\", \"" + Cp1252ToUtf8(list.rows[0].diameter) + "\"");
    }
    return 0;
}
