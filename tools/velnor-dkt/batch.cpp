#include "batch.h"

#include "bytefile.h"
#include "console.h"
#include "cp1252.h"
#include "csv.h"
#include "formatting.h"
#include "size.h"
#include "sizeoptions.h"
#include "sizing.h"

#include <array>

namespace {

constexpr std::array<const char*, 5> kInputColumns = {"refrigerant", "heat_load", "evap", "cond",
                                                      "return_gas"};
constexpr const char* kOutputHeader = "refrigerant,heat_load,evap,cond,return_gas,flow,flow_unit,"
                                      "diameter,diameter_unit,length,length_unit,message\n";

// A batch of a million duties is some 40 MB; more is not a duty list.
constexpr std::size_t kMaxDutiesBytes = 256u << 20;

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + CsvField(fields[i]);
    return line + "\n";
}

// One duty's output line, or why its record is malformed (empty `error` when it is not).
struct DutyLine {
    std::string csv;
    std::string error;
};

DutyLine SizeDuty(const RefrigerantDatabase& db, const UnitSettings& units, const CsvRecord& record,
                  const std::string& where) {
    DutyLine out;
    if (record.fields.size() != kInputColumns.size()) {
        out.error = "expected " + std::to_string(kInputColumns.size()) + " fields, found " +
                    std::to_string(record.fields.size());
        return out;
    }
    const int r = FindRefrigerant(db, record.fields[0]);
    if (r < 0) {
        out.error = UnknownRefrigerantText(db, record.fields[0]);
        return out;
    }
    std::array<double, 4> entered{};
    for (std::size_t i = 0; i < entered.size(); ++i) {
        if (!ParseNumberArgument(TrimBlanks(record.fields[i + 1]), entered[i])) {
            out.error = std::string(kInputColumns[i + 1]) + " \"" + record.fields[i + 1] +
                        "\" is not a number";
            return out;
        }
    }
    std::array<FieldInput, 4> in;
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = EnterThroughField(kInputColumns[i + 1], entered[i], "sized", where);

    SizingResult result;
    ComputeSizing(db, r, units, in[0].value, in[1].value, in[2].value, in[3].value, result);
    std::vector<std::string> fields{Cp1252ToUtf8(db.szName[r]), in[0].shown, in[1].shown,
                                    in[2].shown, in[3].shown};
    if (result.Valid()) {
        const int k = result.OptimalIndex();
        std::string length =
            LengthNumberText(result.dLength[units.DiamType != 0 ? 1 : 0][k], units, TextLocale{});
        if (length.back() == ' ')
            length.pop_back(); // a whole number of inches, "76 "
        fields.insert(fields.end(),
                      {FlowNumberText(result.dN2Flow, units, TextLocale{}), GetUnitLabel(5, units),
                       DiameterNumberText(DiameterList(db, units.DiamType)[k], units, TextLocale{}),
                       GetUnitLabel(3, units), length, GetUnitLabel(0, units), ""});
    } else {
        fields.insert(fields.end(), 6, "");
        fields.push_back(
            Cp1252ToUtf8(MessageRowText(FillResultList(result, db, r, units, TextLocale{}))));
    }
    out.csv = CsvLine(fields);
    return out;
}

} // namespace

int RunSizeBatch(const RefrigerantDatabase& db, const UnitSettings& units,
                 const std::string& dutiesPath) {
    std::string text;
    std::string error;
    if (!ReadLeadingBytes(dutiesPath, kMaxDutiesBytes + 1, text, error)) {
        WriteError(dutiesPath + ": " + error);
        return 1;
    }
    if (text.size() > kMaxDutiesBytes) {
        WriteError(dutiesPath + ": more than 256 MiB of duties");
        return 1;
    }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3); // the byte order mark spreadsheets put before UTF-8

    const std::vector<CsvRecord> records = ParseCsv(text);
    std::vector<std::string> header;
    if (!records.empty())
        header = records[0].fields;
    for (std::string& name : header)
        name = TrimBlanks(name);
    if (records.empty() || !records[0].error.empty() ||
        header != std::vector<std::string>(kInputColumns.begin(), kInputColumns.end())) {
        WriteError(dutiesPath + ": the first line must be the header " +
                   "refrigerant,heat_load,evap,cond,return_gas");
        return 1;
    }

    WriteOut(kOutputHeader);
    bool skipped = false;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        const std::string where = dutiesPath + ":" + std::to_string(record.line) + ": ";
        DutyLine duty;
        duty.error = record.error;
        if (duty.error.empty())
            duty = SizeDuty(db, units, record, where);
        if (!duty.error.empty()) {
            WriteError(where + duty.error + "; line skipped");
            skipped = true;
            continue;
        }
        WriteOut(duty.csv);
    }
    return skipped ? 1 : 0;
}
