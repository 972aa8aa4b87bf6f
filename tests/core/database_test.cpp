#include "database.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Parsed {
    DatabaseFile file;
    RefrigerantDatabase db;
    HelpText help;
    ParseReport report;
    bool ok = false;
};

// Parses `text` as if it had been read from a file.
Parsed Parse(const std::string& text) {
    Parsed p;
    const ScrambleResult s = ScrambleDatabaseText(text);
    EXPECT_TRUE(s.ok) << s.error;
    DecodeDatabaseBytes(p.file, s.bytes.data(), s.bytes.size());
    p.ok = ParseDatabase(p.file, p.db, p.help, &p.report);
    return p;
}

const char* kRecord = "R134a,-30,10,25,65,-10,40,1,2,3,4,5,6,7,8,9,10,1,0.01,0.02,0.03";

std::string Database(const std::string& records, const std::string& nl = "\n") {
    return "[HELP]" + nl + "First help line" + nl + "Second" + nl + "Third" + nl + "[START]" + nl +
           "Header" + nl + "1.2.3" + nl + "2.0" + nl + "0.5, 0.6 ,0.7" + nl + "0.031" + nl +
           "Name,EvapMin,..." + nl + records;
}

std::string Lines(int count, const std::string& nl = "\n") {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += kRecord + nl;
    return out;
}

} // namespace

TEST(DatabaseFileReading, UnscramblesEvenBytes) {
    DatabaseFile file;
    const char twoBytes[] = {'\x9d', '\x00'};
    EXPECT_EQ(DecodeDatabaseBytes(file, twoBytes, 2), 1);
    EXPECT_STREQ(file.text.data(), "[");
    const char other[] = {'\x9d', 'z', '\x9d'};
    EXPECT_EQ(DecodeDatabaseBytes(file, other, 3), 1);
    EXPECT_STREQ(file.text.data(), "[");
}

TEST(DatabaseFileReading, TextModeTranslation) {
    DatabaseFile file;
    // CR LF counts as one byte and shifts the pairs; 0x1A ends the data.
    const char crlf[] = {'\r', '\n', '\x9d', 'x', '\x9d'};
    EXPECT_EQ(DecodeDatabaseBytes(file, crlf, sizeof crlf), 2);
    EXPECT_EQ(file.text[0], static_cast<char>('\n' - 66));
    const char eof[] = {'\x9d', 'x', '\x1a', 'y', '\x9d', 'x'};
    EXPECT_EQ(DecodeDatabaseBytes(file, eof, sizeof eof), 1);
}

TEST(DatabaseFileReading, OnlyTheFirst102400BytesCount) {
    std::string big(102401 + 50, 'A');
    DatabaseFile file;
    EXPECT_EQ(DecodeDatabaseBytes(file, big.data(), big.size()), 51200);
}

TEST(DatabaseFileReading, FromTheWorkingDirectory) {
    const char* name = "database_test_read.dkt";
    {
        std::ofstream out(name, std::ios::binary);
        const ScrambleResult s = ScrambleDatabaseText(Database(Lines(2)));
        out << s.bytes;
    }
    DatabaseFile file;
    HelpText help;
    RefrigerantDatabase db;
    EXPECT_GT(ReadDatabaseFile(file, help, name), 0);
    EXPECT_TRUE(ParseDatabase(file, db, help));
    EXPECT_EQ(db.nRefrigerants, 2);
    std::remove(name);

    EXPECT_EQ(ReadDatabaseFile(file, help, "no-such-file.dkt"), 0);
    {
        std::ofstream out(name, std::ios::binary);
        out << '\x9d';
    }
    EXPECT_EQ(ReadDatabaseFile(file, help, name), 0); // fewer than two bytes
    std::remove(name);

    // A FIFO with no writer would block an ordinary open forever: it is refused at once.
    ASSERT_EQ(mkfifo(name, 0600), 0);
    EXPECT_EQ(ReadDatabaseFile(file, help, name), 0);
    std::remove(name);
}

TEST(DatabaseParsing, WholeFile) {
    const Parsed p = Parse(Database(Lines(3)));
    ASSERT_TRUE(p.ok) << p.report.failure;
    EXPECT_EQ(p.help.nHelpLines, 3);
    EXPECT_STREQ(p.help.szHelp[0], "First help line");
    EXPECT_STREQ(p.help.szHelp[2], "Third");
    EXPECT_STREQ(p.db.szDbHeader, "Header");
    EXPECT_STREQ(p.db.szDbVersion, "1.2.3");
    EXPECT_EQ(p.db.dTargetLength, 2.0);
    ASSERT_EQ(p.db.nDiamEurope, 3);
    EXPECT_EQ(p.db.dDiamEurope[0], 0.5);
    EXPECT_EQ(p.db.dDiamEurope[1], 0.6);
    EXPECT_EQ(p.db.dDiamEurope[2], 0.7);
    ASSERT_EQ(p.db.nDiamNorthAmerica, 1);
    EXPECT_EQ(p.db.dDiamNorthAmerica[0], 0.031 * 25.4);
    EXPECT_NEAR(p.db.dDiamNorthAmerica[0], 0.7874, 1e-12);
    ASSERT_EQ(p.db.nRefrigerants, 3);
    EXPECT_STREQ(p.db.szName[2], "R134a");
    EXPECT_EQ(p.db.dEvapMin[0], -30);
    EXPECT_EQ(p.db.dEvapMax[0], 10);
    EXPECT_EQ(p.db.dCondMin[0], 25);
    EXPECT_EQ(p.db.dCondMax[0], 65);
    EXPECT_EQ(p.db.dRGasMin[0], -10);
    EXPECT_EQ(p.db.dRGasMax[0], 40);
    EXPECT_EQ(p.db.dFlowCoef[0][0], 1);
    EXPECT_EQ(p.db.dFlowCoef[0][9], 10);
    EXPECT_EQ(p.db.dCorrCoef[0][0], 1);
    EXPECT_EQ(p.db.dCorrCoef[0][3], 0.03);
    EXPECT_EQ(DbVersionText(p.db), "1.2.3");
}

TEST(DatabaseParsing, HelpSection) {
    std::string longLine(120, 'x');
    Parsed p = Parse("[HELP]\n" + longLine + "\n[START]\nH\nV\n2\n0.5\n0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.help.nHelpLines, 1);
    EXPECT_EQ(std::string(p.help.szHelp[0]), std::string(100, 'x'));

    // No [HELP], or [HELP] after [START]: no help lines.
    p = Parse("[START]\nH\nV\n2\n0.5\n0.02\n[HELP]\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.help.nHelpLines, 0);
    p = Parse("[START]\nH\nV\n2\n0.5\n0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.help.nHelpLines, 0);

    // At most 99 help lines.
    std::string many = "[HELP]\n";
    for (int i = 0; i < 150; ++i)
        many += "line " + std::to_string(i) + "\n";
    p = Parse(many + "[START]\nH\nV\n2\n0.5\n0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.help.nHelpLines, 99);
    EXPECT_STREQ(p.help.szHelp[98], "line 98");
}

TEST(DatabaseParsing, HeaderLimits) {
    const std::string v19(19, 'v');
    Parsed p = Parse("[START]\nH\n" + v19 + "\n2\n0.5\n0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(std::string(p.db.szDbVersion), v19);
    EXPECT_EQ(DbVersionText(p.db), std::string(15, 'v')); // the program's 16-byte version text
    EXPECT_FALSE(Parse("[START]\nH\n" + std::string(20, 'v') + "\n2\n0.5\n0.02\nc\n").ok);
    EXPECT_FALSE(Parse("[START]\n" + std::string(20, 'h') + "\nV\n2\n0.5\n0.02\nc\n").ok);
    EXPECT_FALSE(Parse("[START]\nH\nV\n" + std::string(20, '2') + "\n0.5\n0.02\nc\n").ok);
    EXPECT_FALSE(Parse("[HELP]\nno start\n").ok);
    Parsed ended = Parse("[START]\nH\nV");
    EXPECT_FALSE(ended.ok);
    EXPECT_EQ(ended.report.failureLine, 3);
}

TEST(DatabaseParsing, DiameterLists) {
    Parsed p = Parse("[START]\nH\nV\n2\n0.5,,0.7\n,0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nDiamEurope, 1);
    EXPECT_EQ(p.db.nDiamNorthAmerica, 0);

    std::string sixty;
    for (int i = 1; i <= 60; ++i)
        sixty += std::to_string(i) + ",";
    p = Parse("[START]\nH\nV\n2\n" + sixty + "\n0.02\nc\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nDiamEurope, 50);
    EXPECT_EQ(p.db.dDiamEurope[49], 50);
    EXPECT_FALSE(p.report.warnings.empty());

    // Blanks do not count towards the 1000 characters; other characters do.
    const std::string spaced = "0.5" + std::string(2000, ' ');
    EXPECT_TRUE(Parse("[START]\nH\nV\n2\n" + spaced + "\n0.02\nc\n").ok);
    std::string full;
    for (int i = 0; i < 250; ++i)
        full += "0.5,";
    EXPECT_TRUE(Parse("[START]\nH\nV\n2\n" + full + "\n0.02\nc\n").ok); // 1000 fit
    const std::string over = std::string(1001, ',');
    Parsed bad = Parse("[START]\nH\nV\n2\n" + over + "\n0.02\nc\n");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.report.failureLine, 5);
}

TEST(DatabaseParsing, Records) {
    // A short record reads its missing numbers as 0.
    Parsed p = Parse(Database("R22,-40,0,30,60,-20,40\n"));
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.db.nRefrigerants, 1);
    EXPECT_EQ(p.db.dRGasMax[0], 40);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p.db.dFlowCoef[0][i], 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.db.dCorrCoef[0][i], 0);

    EXPECT_TRUE(Parse(Database(Lines(50))).ok);
    Parsed tooMany = Parse(Database(Lines(51)));
    EXPECT_FALSE(tooMany.ok);
    EXPECT_EQ(tooMany.report.failureLine, 8 + 51 + 3);

    // No records at all is not a failure.
    p = Parse(Database(""));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nRefrigerants, 0);
}

TEST(DatabaseParsing, EmptyLineEndsRecordsOnlyWithCrLf) {
    const std::string crlf = Database(Lines(12, "\r\n") + "\r\n" + Lines(3, "\r\n"), "\r\n");
    Parsed p = Parse(crlf);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nRefrigerants, 12);
    EXPECT_FALSE(p.report.warnings.empty());

    const std::string lf = Database(Lines(12) + "\n" + Lines(3));
    p = Parse(lf);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nRefrigerants, 15);
}

TEST(DatabaseParsing, MalformedRecordsAndFields) {
    // A record without "," after its name, and a number field over 29 characters.
    EXPECT_FALSE(Parse(Database("R134a\n")).ok);
    EXPECT_FALSE(Parse(Database("R134a," + std::string(30, '1') + "\n")).ok);
    EXPECT_TRUE(Parse(Database("R134a," + std::string(29, '1') + "\n")).ok);

    // A line of blanks ends the records like an empty line.
    Parsed p = Parse(Database(Lines(2) + "   \t \n" + Lines(1)));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nRefrigerants, 2);

    // A name over 20 characters is cut; the numbers still start after its comma.
    p = Parse(Database("ABCDEFGHIJKLMNOPQRSTUVWXYZ,-30,10\n"));
    ASSERT_TRUE(p.ok);
    EXPECT_STREQ(p.db.szName[0], "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(p.db.dEvapMin[0], -30);
    EXPECT_EQ(p.db.dEvapMax[0], 10);

    // An overlong record line ends the records, the ones before stand.
    p = Parse(Database(Lines(2) + "X," + std::string(1000, '1') + "\n" + Lines(1)));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.db.nRefrigerants, 2);
}

TEST(DatabaseParsing, EmbeddedNulEndsTheText) {
    DatabaseFile file;
    const std::string text = "[START]\nH\nV\n2\n0.5\n0.02\nc\n";
    for (std::size_t i = 0; i < text.size(); ++i)
        file.text[i] = text[i];
    file.length = static_cast<int>(text.size()) + 10; // bytes after the NUL are not looked at
    RefrigerantDatabase db;
    HelpText help;
    EXPECT_TRUE(ParseDatabase(file, db, help));
    file.text[3] = '\0';
    EXPECT_FALSE(ParseDatabase(file, db, help));
}

TEST(DatabaseScrambling, RoundTripAndRefusals) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        if (c != 0xD8)
            all.push_back(static_cast<char>(c));
    }
    all += "\r\n\r\n\n\r";
    const ScrambleResult s = ScrambleDatabaseText(all);
    ASSERT_TRUE(s.ok);
    for (std::size_t i = 1; i < s.bytes.size(); i += 2) {
        const char f = s.bytes[i];
        EXPECT_TRUE(f != '\r' && f != '\n' && f != '\x1a') << i;
    }
    DatabaseFile file;
    ASSERT_EQ(DecodeDatabaseBytes(file, s.bytes.data(), s.bytes.size()),
              static_cast<int>(all.size()));
    EXPECT_EQ(std::string(file.text.data(), all.size()), all);

    ScrambleResult bad = ScrambleDatabaseText("ab\nc\xD8");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.line, 2);
    EXPECT_EQ(bad.column, 2);
    EXPECT_FALSE(ScrambleDatabaseText(std::string("a\0b", 3)).ok);
    EXPECT_TRUE(ScrambleDatabaseText(std::string(51200, 'a')).ok);
    EXPECT_FALSE(ScrambleDatabaseText(std::string(51201, 'a')).ok);
}
