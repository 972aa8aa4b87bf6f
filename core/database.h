#pragma once

#include <array>
#include <string>
#include <vector>

constexpr int kMaxRefrigerants = 50;
constexpr int kMaxDiameters = 50;
constexpr int kMaxHelpRows = 100;
constexpr int kHelpRowLength = 100; // characters per help row, without the terminator
constexpr int kDatabaseFileBytes = 102400;

// Everything the database file supplies. Filled by ParseDatabase, read-only afterwards.
// Temperatures are ºC, diameters mm (the North America list is stored in the file in inches),
// the target length m.
struct RefrigerantDatabase {
    int nRefrigerants = 0;
    int nDiamEurope = 0;
    int nDiamNorthAmerica = 0;
    char szDbHeader[20] = {};
    char szDbVersion[20] = {};
    char szName[kMaxRefrigerants][21] = {};
    double dEvapMin[kMaxRefrigerants] = {};
    double dEvapMax[kMaxRefrigerants] = {};
    double dCondMin[kMaxRefrigerants] = {};
    double dCondMax[kMaxRefrigerants] = {};
    double dRGasMin[kMaxRefrigerants] = {};
    double dRGasMax[kMaxRefrigerants] = {};
    double dFlowCoef[kMaxRefrigerants][10] = {};
    double dCorrCoef[kMaxRefrigerants][4] = {};
    double dDiamEurope[kMaxDiameters] = {};
    double dDiamNorthAmerica[kMaxDiameters] = {};
    double dTargetLength = 0.0;
};

// The help text of the database: rows 0 to nHelpLines - 1 of szHelp.
struct HelpText {
    char szHelp[kMaxHelpRows][kHelpRowLength + 1] = {};
    int nHelpLines = 0;
};

// The reader's working storage: the bytes as read and the unscrambled text, each with room for
// a terminator. Zero-filled before every read.
struct DatabaseFile {
    std::array<char, kDatabaseFileBytes + 1> bytes{};
    std::array<char, kDatabaseFileBytes + 1> text{};
    int length = 0; // characters of text
};

// What a maintainer wants to know about a file beyond "readable or not". ParseDatabase fills
// it when one is handed in; the program itself passes none.
struct ParseReport {
    std::string failure; // why the file was refused; empty on success
    int failureLine = 0; // 1-based line of the text where parsing stopped on failure
    std::vector<std::string> warnings;
};

// Why the database file could not be read. A file that gives fewer than two bytes, or that
// ParseDatabase refuses, is not a database.
enum class DatabaseFailure { None, Missing, NotRegularFile, Unreadable, NotDatabase };
struct DatabaseReadError {
    DatabaseFailure kind = DatabaseFailure::None;
    std::string systemError; // the system's words for an Unreadable file ("Permission denied")
};

// Reads the file `name` from the current working directory in text mode (CR LF counts as LF,
// 0x1A ends the data), at most the first 102,400 bytes, and unscrambles it: character i is the
// byte at 2i minus 66, modulo 256. Returns the text length, 0 when the file could not be opened
// or gave fewer than two bytes; `error`, when given, then says why. `help` is cleared as well.
int ReadDatabaseFile(DatabaseFile& file, HelpText& help, const char* name,
                     DatabaseReadError* error = nullptr);

// The unscrambling alone, on bytes already in memory (at most 102,400 of them are used, after
// the text-mode translation). Returns the text length.
int DecodeDatabaseBytes(DatabaseFile& file, const char* data, std::size_t size);

// Clears `db` and `help` and fills them from file.text. False when the text is malformed:
// no "[START]", a header or preferred-length line of 20 characters or more or not ended by a
// line break, a diameter list over 1000 characters, a number field over 29 characters, a record
// without "," or more than 50 records.
bool ParseDatabase(const DatabaseFile& file, RefrigerantDatabase& db, HelpText& help,
                   ParseReport* report = nullptr);

// The database version as the 16-byte version text of the program holds it: cut to 15
// characters. Empty when the file's version line was empty.
std::string DbVersionText(const RefrigerantDatabase& db);

// The diameter list selected by `diamType` (0 Europe, otherwise North America), mm.
const double* DiameterList(const RefrigerantDatabase& db, int diamType);
int DiameterCount(const RefrigerantDatabase& db, int diamType);

// The reverse of the unscrambling, for the people who maintain the file: every character c
// becomes the byte c + 66 at an even position, followed by a filler byte that is never CR, LF
// or 0x1A. Refuses, naming the 1-based line and column, a text the reader could not give back
// exactly: a NUL, a character that would scramble to 0x1A, or more than 51,200 characters.
struct ScrambleResult {
    bool ok = false;
    std::string bytes;
    std::string error;
    int line = 0;
    int column = 0;
};
ScrambleResult ScrambleDatabaseText(const std::string& text);
