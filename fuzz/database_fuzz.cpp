// Feeds arbitrary bytes through everything the program and the database tool do with a database
// file and checks their promises; a broken one aborts. Each input is taken twice: as the bytes
// of a file, unscrambled as the program reads it, and as a plain text that velnor-dkt encode
// scrambles and the program reads back. For each text the parser sees:
// - parsing with a report, as velnor-dkt check does, reads exactly what the program reads, and
//   the report agrees with the result: a failure says why and on which line of the text, and
//   every warning names a line of the text;
// - the text encodes and decodes back to itself and parses the same again, unless it holds
//   the character 0xD8, which the encoder refuses;
// - every refrigerant, sized in every unit setting from the middle of its ranges, gives either
//   a valid result with a finite flow, finite lengths and a row window inside the diameter list,
//   or an invalid one that the results list shows as a single message row; the optimal tube of
//   a valid one, checked the other way round, gives a heat load or says why there is none.
#include "convert.h"
#include "database.h"
#include "formatting.h"
#include "fuzzcheck.h"
#include "numbertext.h"
#include "report.h"
#include "sizing.h"
#include "tuberating.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

using fuzz::Promise;
using fuzz::SameBytes;

namespace {

// Everything one reading produces. The reader's buffers are large: kept off the stack.
struct Reading {
    DatabaseFile file;
    RefrigerantDatabase db;
    HelpText help;
    ParseReport report;
    bool ok = false;
};

bool SameDatabase(const RefrigerantDatabase& a, const RefrigerantDatabase& b) {
    return a.nRefrigerants == b.nRefrigerants && a.nDiamEurope == b.nDiamEurope &&
           a.nDiamNorthAmerica == b.nDiamNorthAmerica && SameBytes(a.szDbHeader, b.szDbHeader) &&
           SameBytes(a.szDbVersion, b.szDbVersion) && SameBytes(a.szName, b.szName) &&
           SameBytes(a.dEvapMin, b.dEvapMin) && SameBytes(a.dEvapMax, b.dEvapMax) &&
           SameBytes(a.dCondMin, b.dCondMin) && SameBytes(a.dCondMax, b.dCondMax) &&
           SameBytes(a.dRGasMin, b.dRGasMin) && SameBytes(a.dRGasMax, b.dRGasMax) &&
           SameBytes(a.dFlowCoef, b.dFlowCoef) && SameBytes(a.dCorrCoef, b.dCorrCoef) &&
           SameBytes(a.dDiamEurope, b.dDiamEurope) &&
           SameBytes(a.dDiamNorthAmerica, b.dDiamNorthAmerica) &&
           SameBytes(a.dTargetLength, b.dTargetLength);
}

bool SameHelp(const HelpText& a, const HelpText& b) {
    return a.nHelpLines == b.nHelpLines && SameBytes(a.szHelp, b.szHelp);
}

bool SameReport(const ParseReport& a, const ParseReport& b) {
    return a.failure == b.failure && a.failureLine == b.failureLine && a.warnings == b.warnings;
}

// The text as the parser sees it: up to its length or its first NUL.
std::string_view ParsedText(const DatabaseFile& file) {
    const std::string_view text(file.text.data(), static_cast<std::size_t>(file.length));
    return text.substr(0, text.find('\0'));
}

// Lines of `text`, counted as the parser counts them: LF, or CR not followed by LF, ends one.
int LineCount(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

// "line N: ..." with N a line of a text of `lines` lines.
bool NamesALine(const std::string& warning, int lines) {
    if (warning.compare(0, 5, "line ") != 0)
        return false;
    std::size_t at = 5;
    long n = 0;
    while (at < warning.size() && at < 15 && warning[at] >= '0' && warning[at] <= '9')
        n = n * 10 + (warning[at++] - '0');
    return at > 5 && warning.compare(at, 2, ": ") == 0 && n >= 1 && n <= lines;
}

// Parses the text in `reading.file` as the program does and again with a report.
void Parse(Reading& reading) {
    reading.report = ParseReport{};
    reading.ok = ParseDatabase(reading.file, reading.db, reading.help, &reading.report);
    static Reading program;
    Promise(ParseDatabase(reading.file, program.db, program.help) == reading.ok &&
                SameDatabase(program.db, reading.db) && SameHelp(program.help, reading.help),
            "a report leaves what is read alone");
    const int lines = LineCount(ParsedText(reading.file));
    Promise(reading.ok == reading.report.failure.empty(), "a failure has a reason");
    Promise(reading.ok ? reading.report.failureLine == 0
                       : reading.report.failureLine >= 1 && reading.report.failureLine <= lines,
            "a failure names a line of the text");
    for (const std::string& warning : reading.report.warnings)
        Promise(NamesALine(warning, lines), "a warning names a line of the text");
}

// What velnor-dkt encode writes for the text the parser saw reads back as that text, and as
// the same database.
void CheckRoundTrip(const Reading& reading) {
    const std::string text(ParsedText(reading.file));
    const ScrambleResult scrambled = ScrambleDatabaseText(text);
    if (text.find('\xD8') != std::string::npos) {
        Promise(!scrambled.ok && scrambled.line >= 1 && scrambled.column >= 1,
                "the encoder refuses 0xD8 and says where");
        return;
    }
    Promise(scrambled.ok && scrambled.bytes.size() == 2 * text.size(),
            "a text the parser saw can be encoded");
    for (std::size_t i = 0; i < scrambled.bytes.size(); ++i) {
        const char c = scrambled.bytes[i];
        Promise(c != '\x1a' && (i % 2 == 0 || (c != '\r' && c != '\n')),
                "no encoded byte cuts or shifts the text");
    }
    static Reading again;
    DecodeDatabaseBytes(again.file, scrambled.bytes.data(), scrambled.bytes.size());
    Promise(std::string_view(again.file.text.data(), static_cast<std::size_t>(again.file.length)) ==
                text,
            "the encoded text decodes back to itself");
    Parse(again);
    Promise(again.ok == reading.ok && SameDatabase(again.db, reading.db) &&
                SameHelp(again.help, reading.help) && SameReport(again.report, reading.report),
            "the encoded text parses as before");
}

// The seven unit choices from the bits of `bits`.
UnitSettings Units(int bits) {
    UnitSettings units;
    units.UnitsEnergy = bits & 1;
    units.UnitsTemperature = (bits >> 1) & 1;
    units.DiamType = (bits >> 2) & 1;
    units.UnitsPressure = (bits >> 3) & 1;
    units.UnitsDiameter = (bits >> 4) & 1;
    units.UnitsLength = (bits >> 5) & 1;
    units.UnitsFlow = (bits >> 6) & 1;
    return units;
}

// A value in ºC (or W) as its field holds it in the units chosen: the text the field shows.
std::string FieldText(double value, bool fahrenheit) {
    const NumberSyntax field; // the main window's fields
    return ShownValueText(field, fahrenheit ? CToF(value) : value);
}

void CheckSizing(const RefrigerantDatabase& db, int r, const UnitSettings& units) {
    const bool f = units.UnitsTemperature == 1;
    const ReportInputs inputs{
        db.szName[r],
        ShownValueText(NumberSyntax{}, units.UnitsEnergy == 0 ? WToBtuh(500.0) : 500.0),
        FieldText((db.dEvapMin[r] + db.dEvapMax[r]) / 2, f),
        FieldText((db.dCondMin[r] + db.dCondMax[r]) / 2, f),
        FieldText((db.dRGasMin[r] + db.dRGasMax[r]) / 2, f)};
    const NumberSyntax field;
    SizingResult result;
    const bool valid = ComputeSizing(db, r, units, ParseValue(field, inputs.heatLoadText),
                                     ParseValue(field, inputs.evapTempText),
                                     ParseValue(field, inputs.condTempText),
                                     ParseValue(field, inputs.rgasTempText), result);
    Promise(valid == result.Valid(), "the sizing says whether its result is valid");
    const ResultListContent list = FillResultList(result, db, r, units, TextLocale{});
    if (valid) {
        const int n = DiameterCount(db, units.DiamType);
        Promise(std::isfinite(result.dN2Flow) && result.dN2Flow > 0.0,
                "a valid sizing has a finite flow above 0");
        for (int i = 0; i < n; ++i)
            Promise(std::isfinite(result.dLength[units.DiamType != 0 ? 1 : 0][i]),
                    "a valid sizing has finite lengths");
        Promise(result.nRows == (n < 9 ? n : 9) && result.nFirstRow >= 0 &&
                    result.nFirstRow + result.nRows <= n && result.nOptimalRow >= 0 &&
                    result.nOptimalRow < result.nRows,
                "the row window lies inside the diameter list");
        Promise(list.valid && static_cast<int>(list.rows.size()) == result.nRows &&
                    list.selectedRow == result.nOptimalRow,
                "the results list shows a valid sizing's rows");
        const int k = result.OptimalIndex();
        const TubeRating rating = RateTube(
            db, r, units, ParseValue(field, inputs.evapTempText),
            ParseValue(field, inputs.condTempText), ParseValue(field, inputs.rgasTempText),
            ToDisplayDiameter(DiameterList(db, units.DiamType)[k], units),
            ToDisplayLength(result.dLength[units.DiamType != 0 ? 1 : 0][k], units), TextLocale{});
        Promise(rating.Valid() == rating.message.empty(),
                "a tube check gives a heat load or says why there is none");
    } else {
        Promise(!list.valid && list.rows.size() == 1 && list.selectedRow == -1,
                "the results list shows an invalid sizing as one message row");
    }
    Promise(!ComposeReportLines(inputs, result, db, units, TextLocale{}).empty(),
            "the report has lines");
}

void CheckText(Reading& reading) {
    Parse(reading);
    CheckRoundTrip(reading);
    if (!reading.ok)
        return;
    // The sizing reads only the first three unit choices, so eight sizings cover all 128 unit
    // settings. The other four only change how the results are shown: each sizing is shown in
    // one of their sixteen settings, in turn, so a database of two refrigerants or more shows
    // every one of them.
    for (int r = 0; r < reading.db.nRefrigerants; ++r) {
        for (int sizing = 0; sizing < 8; ++sizing)
            CheckSizing(reading.db, r, Units(sizing + 8 * ((8 * r + sizing) % 16)));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // One byte past what the reader takes, so that the cut at its limit is tried too.
    fuzz::LetInputsGrowTo(argc, argv, kDatabaseFileBytes + 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto reading = std::make_unique<Reading>();
    const auto* bytes = reinterpret_cast<const char*>(data);

    // The bytes of a file.
    DecodeDatabaseBytes(reading->file, bytes, size);
    CheckText(*reading);

    // A plain text, scrambled as velnor-dkt encode does.
    const std::string text(bytes, size);
    const ScrambleResult scrambled = ScrambleDatabaseText(text);
    const bool storable = text.find('\0') == std::string::npos &&
                          text.find('\xD8') == std::string::npos &&
                          size <= static_cast<std::size_t>(kDatabaseFileBytes / 2);
    Promise(scrambled.ok == storable, "the encoder takes exactly the texts it can store");
    if (!scrambled.ok) {
        Promise(scrambled.bytes.empty() && scrambled.line >= 1 && scrambled.column >= 1 &&
                    !scrambled.error.empty(),
                "a refused text is refused with a reason and a place");
        return 0;
    }
    DecodeDatabaseBytes(reading->file, scrambled.bytes.data(), scrambled.bytes.size());
    Promise(std::string_view(reading->file.text.data(),
                             static_cast<std::size_t>(reading->file.length)) == text,
            "an encoded text decodes back to itself");
    CheckText(*reading);
    return 0;
}
