// velnor-dkt as built, run on files made for each test.

#include "toolrunner.h"

#include "database.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <regex>
#include <sys/stat.h>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Lines joined with CR LF, the line break of the shipped database.
std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// Two refrigerants whose flow is 0.1 l/min per W of heat load (only c5 and k0 are set), and
// twelve Europe diameters: 100 W gives 10 l/min and tubes of 7.5 × D⁵ m.
std::string SmallDatabase() {
    return CrLf({"[HELP]", "Help line one", "[START]", "Test database", "1.2.3", "2.0",
                 "0.5,0.55,0.6,0.65,0.7,0.75,0.78,0.8,0.9,1.0,1.1,1.2",
                 "0.02,0.024,0.026,0.028,0.031,0.036,0.04,0.042,0.049,0.054", "Name,...",
                 "ALPHA,-40,0,25,60,-10,40,0,0,0,0,0,0.1,0,0,0,0,1,0,0,0",
                 "BETA,-20,10,30,50,0,30,0,0,0,0,0,0.1,0,0,0,0,1,0,0,0"});
}

// The header, the Europe list and the caption of a database, to be followed by records.
std::string DatabaseWithEurope(const std::string& europe) {
    return CrLf({"[HELP]", "[START]", "Test database", "1.0", "2.0"}) + europe + "\r\n" +
           CrLf({"0.02,0.024,0.026,0.028,0.031,0.036,0.04,0.042,0.049", "Name,..."});
}

class DktTest : public ::testing::Test {
protected:
    // Scrambles `text` with the core's encoder, as velnor-dkt encode would.
    std::string WriteDkt(const std::string& name, const std::string& text) {
        const ScrambleResult scrambled = ScrambleDatabaseText(text);
        EXPECT_TRUE(scrambled.ok) << scrambled.error;
        return dir.Write(name, scrambled.bytes);
    }
    TempDir dir;
};

// ---- encode and decode ------------------------------------------------------------------

TEST_F(DktTest, EncodeThenDecodeGivesTheTextBack) {
    // Every kind of line break, and the characters that scramble to CR (0xCB), LF (0xC8) and
    // 0x19 (0xD7), beside the degree mark and the ends of the byte range.
    const std::string text = "[HELP]\r\nline\nline\rline \xBA\xCB\xC8\xD7\x01\xFF\r\n\r\nend";
    const std::string plain = dir.Write("plain.txt", text);
    const std::string dkt = dir.Path("out.dkt");

    const ToolRun encoded = RunTool({"encode", plain, dkt});
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err;
    const std::string bytes = ReadBytes(dkt);
    ASSERT_EQ(bytes.size(), 2 * text.size());
    for (std::size_t i = 1; i < bytes.size(); i += 2)
        EXPECT_TRUE(bytes[i] != '\r' && bytes[i] != '\n' && bytes[i] != '\x1a') << "offset " << i;

    const ToolRun decoded = RunTool({"decode", dkt});
    EXPECT_EQ(decoded.exitCode, 0);
    EXPECT_EQ(decoded.out, text);

    // The program's own reader, which takes a name relative to the working directory.
    const auto file = std::make_unique<DatabaseFile>();
    HelpText help;
    const std::string relative =
        std::filesystem::relative(dkt, std::filesystem::current_path()).string();
    const int length = ReadDatabaseFile(*file, help, relative.c_str());
    EXPECT_EQ(std::string(file->text.data(), static_cast<std::size_t>(length)), text);
}

TEST_F(DktTest, EncodeAcceptsTheLongestText) {
    const std::string text(kDatabaseFileBytes / 2, 'x');
    const std::string dkt = dir.Path("out.dkt");
    ASSERT_EQ(RunTool({"encode", dir.Write("plain.txt", text), dkt}).exitCode, 0);
    EXPECT_EQ(RunTool({"decode", dkt}).out, text);
}

TEST_F(DktTest, EncodeRefusesWhatCannotSurviveTheRoundTrip) {
    const struct {
        const char* name;
        std::string text;
        std::string where;
        std::string why;
    } cases[] = {
        {"char 0xD8", "[START]\r\nab\xD8", "line 2, column 3", "0xD8"},
        {"NUL", std::string("abcd\0ef", 7), "line 1, column 5", "NUL"},
        {"over 51,200 characters", "x\n" + std::string(51199, 'y'), "line 2, column 51199",
         "51,200"},
        {"empty", "", "", "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dkt = dir.Path("out.dkt");
        const ToolRun run = RunTool({"encode", dir.Write("plain.txt", c.text), dkt});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(Contains(run.err, c.where)) << run.err;
        EXPECT_TRUE(Contains(run.err, c.why)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dkt));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")),
                                std::filesystem::directory_iterator()),
                  1)
            << "only the plain text is left";
    }
}

TEST_F(DktTest, RefusedEncodeLeavesAnExistingFileAlone) {
    const std::string dkt = dir.Write("out.dkt", "old contents");
    EXPECT_NE(RunTool({"encode", dir.Write("plain.txt", "a\xD8"), dkt}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dkt), "old contents");
    EXPECT_NE(RunTool({"encode", dir.Path("missing.txt"), dkt}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dkt), "old contents");
}

TEST_F(DktTest, EncodeReplacesOnlyARegularFileThatIsNotItsInput) {
    const std::string plain = dir.Write("plain.txt", "[START]");
    const std::string fifo = dir.Path("fifo.dkt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string toDevice = dir.Path("device.dkt");
    std::filesystem::create_symlink("/dev/null", toDevice);
    const std::string nowhere = dir.Path("nowhere.dkt");
    std::filesystem::create_symlink(dir.Path("missing"), nowhere);
    const std::string toPlain = dir.Path("link.txt");
    std::filesystem::create_symlink(plain, toPlain);
    const std::string hardLink = dir.Path("hard.txt");
    std::filesystem::create_hard_link(plain, hardLink);
    const struct {
        std::string out;
        std::string why;
    } cases[] = {
        {fifo, "not a regular file"},      {toDevice, "not a regular file"},
        {nowhere, "leads to no file"},     {plain, "the text file itself"},
        {toPlain, "the text file itself"}, {hardLink, "the text file itself"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        const auto before = std::filesystem::symlink_status(c.out).type();
        const ToolRun run = RunTool({"encode", plain, c.out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.err, c.why)) << run.err;
        EXPECT_EQ(std::filesystem::symlink_status(c.out).type(), before);
    }
    EXPECT_EQ(ReadBytes(plain), "[START]");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")),
                            std::filesystem::directory_iterator()),
              6)
        << "no temporary file is left";
}

TEST_F(DktTest, EncodeWritesThroughALinkAndKeepsTheMode) {
    const std::string plain = dir.Write("plain.txt", "[START]");
    const std::string target = dir.Write("target.dkt", "old");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const std::string link = dir.Path("link.dkt");
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(RunTool({"encode", plain, link}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(RunTool({"decode", target}).out, "[START]");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST_F(DktTest, DecodeReadsRawBytesAsTheProgramDoes) {
    // 0x9D less 66 is "["; the byte after it carries nothing.
    EXPECT_EQ(RunTool({"decode", dir.Write("nul.dkt", std::string("\x9D\x00", 2))}).out, "[");
    EXPECT_EQ(RunTool({"decode", dir.Write("any.dkt", "\x9D\x1b")}).out, "[");

    // Only the first 102,400 bytes are read, and the tool says so.
    const ToolRun longer = RunTool({"decode", dir.Write("long.dkt", std::string(102402, 'z'))});
    EXPECT_EQ(longer.exitCode, 0);
    EXPECT_EQ(longer.out, std::string(51200, 'z' - 66));
    EXPECT_TRUE(Contains(longer.err, "102,400")) << longer.err;

    const ToolRun tiny = RunTool({"decode", dir.Write("tiny.dkt", "\x9D")});
    EXPECT_EQ(tiny.exitCode, 1);
    EXPECT_TRUE(Contains(tiny.err, "fewer than two bytes")) << tiny.err;
}

// ---- check ------------------------------------------------------------------------------

// The database source as the program reads it once scrambled.
void ParseSource(RefrigerantDatabase& db, HelpText& help) {
    const ScrambleResult source = ScrambleDatabaseText(ReadBytes(VELNOR_DATABASE_SOURCE));
    ASSERT_TRUE(source.ok);
    const auto file = std::make_unique<DatabaseFile>();
    DecodeDatabaseBytes(*file, source.bytes.data(), source.bytes.size());
    ASSERT_TRUE(ParseDatabase(*file, db, help));
}

TEST_F(DktTest, CheckListsTheBundledDatabase) {
    const ToolRun run = RunTool({"check", VELNOR_BUNDLED_DKT});
    ASSERT_EQ(run.exitCode, 0) << run.out;
    // Every refrigerant of the source text, whatever it currently holds.
    RefrigerantDatabase db;
    HelpText help;
    ParseSource(db, help);
    ASSERT_GT(db.nRefrigerants, 0);
    for (int r = 0; r < db.nRefrigerants; ++r)
        EXPECT_TRUE(Contains(run.out, std::to_string(r) + " " + db.szName[r] + ":")) << r;
    EXPECT_TRUE(Contains(run.out, "Help lines: " + std::to_string(help.nHelpLines)));
}

// Every refrigerant of the bundled database, whatever their number, sizes a tube at the corners of
// its ranges (coldest evaporator with the hottest condenser and return gas at either end, and the
// reverse): no input is refused and a flow and an optimal selection come out.
TEST_F(DktTest, SizeGivesATubeAtTheCornersOfEveryRefrigerantsRanges) {
    RefrigerantDatabase db;
    HelpText help;
    ParseSource(db, help);
    ASSERT_GT(db.nRefrigerants, 0);
    const auto text = [](double v) { return std::to_string(v); };
    for (int r = 0; r < db.nRefrigerants; ++r) {
        for (const auto& [te, tc, trg] :
             {std::array{db.dEvapMin[r], db.dCondMax[r], db.dRGasMin[r]},
              std::array{db.dEvapMin[r], db.dCondMax[r], db.dRGasMax[r]},
              std::array{db.dEvapMax[r], db.dCondMin[r], db.dRGasMax[r]}}) {
            SCOPED_TRACE(std::string(db.szName[r]) + " at " + text(te) + "/" + text(tc) + "/" +
                         text(trg));
            // W, ºC, bar, mm, m, l/min, Europe list.
            const ToolRun run =
                RunTool({"size", VELNOR_BUNDLED_DKT, "--units", "1000010", "--refrigerant",
                         std::to_string(r), "--heat-load", "1000", "--evap", text(te), "--cond",
                         text(tc), "--return-gas", text(trg)});
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_FALSE(Contains(run.out, "Invalid input")) << run.err;
            EXPECT_TRUE(Contains(run.out, "Optimal Selection:")) << run.out;
            // A positive flow: H and B keep their sign over the whole box.
            EXPECT_TRUE(Contains(run.out, "Flow Rate\t") && !Contains(run.out, "Flow Rate\t-") &&
                        !Contains(run.out, "Flow Rate\t0.00 "))
                << run.out;
        }
    }
}

// A user may work in ºF or ºC: every temperature the help text gives in C comes with its F.
TEST(BundledHelp, GivesTemperaturesInBothUnits) {
    RefrigerantDatabase db;
    HelpText help;
    ParseSource(db, help);
    const std::regex celsius(R"((-?\d+(?:\.\d+)?) C\b( \((-?\d+(?:\.\d+)?) F\))?)");
    int found = 0;
    for (int i = 0; i < help.nHelpLines; ++i) {
        const std::string line = help.szHelp[i];
        for (std::sregex_iterator m(line.begin(), line.end(), celsius), end; m != end; ++m) {
            ++found;
            ASSERT_TRUE((*m)[2].matched) << line;
            EXPECT_NEAR(std::stod((*m)[3]), std::stod((*m)[1]) * 1.8 + 32, 0.05) << line;
        }
    }
    EXPECT_GT(found, 0);
}

TEST_F(DktTest, CheckDescribesASmallDatabase) {
    const ToolRun run = RunTool({"check", WriteDkt("small.dkt", SmallDatabase())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Header: Test database\n"
                       "Database version: 1.2.3\n"
                       "Preferred length: 2 m\n"
                       "Europe diameters (12): 0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.78, 0.8, "
                       "0.9, 1, 1.1, 1.2 mm\n"
                       "North America diameters (10): 0.508, 0.6096, 0.6604, 0.7112, 0.7874, "
                       "0.9144, 1.016, 1.0668, 1.2446, 1.3716 mm (0.02, 0.024, 0.026, 0.028, "
                       "0.031, 0.036, 0.04, 0.042, 0.049, 0.054 in.)\n"
                       "Refrigerants (2):\n"
                       "  0 ALPHA: evaporating -40 to 0 \xC2\xBA"
                       "C, condensing 25 to 60 \xC2\xBA"
                       "C, return gas -10 to 40 \xC2\xBA"
                       "C\n"
                       "  1 BETA: evaporating -20 to 10 \xC2\xBA"
                       "C, condensing 30 to 50 \xC2\xBA"
                       "C, return gas 0 to 30 \xC2\xBA"
                       "C\n"
                       "Help lines: 1\n");
    EXPECT_EQ(RunTool({"check", "--quiet", WriteDkt("small.dkt", SmallDatabase())}).out, "");
}

TEST_F(DktTest, CheckShowsTheVersionAsTheProgramDoes) {
    const struct {
        const char* line;
        std::string shown;
    } cases[] = {
        {"1.2.3", "Database version: 1.2.3\n"},
        {"", "Database version: (the line is empty: the program keeps its own version text)\n"},
        {"0123456789abcdefgh",
         "Database version: 0123456789abcde (the line reads 0123456789abcdefgh)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string text =
            CrLf({"[HELP]", "[START]", "Test", c.line, "2.0", "0.5", "0.02", "Name"});
        const ToolRun run = RunTool({"check", WriteDkt("version.dkt", text)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(Contains(run.out, c.shown)) << run.out;
    }
}

TEST_F(DktTest, CheckSaysWhyTheProgramCannotRead) {
    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } cases[] = {
        {"no [START]", WriteDkt("nostart.dkt", CrLf({"[HELP]", "help", "Test", "1.0"})),
         "no [START]"},
        {"missing file", dir.Path("missing.dkt"), "cannot open"},
        {"one byte", dir.Write("one.dkt", "\x9D"), "fewer than two bytes"},
        {"a FIFO",
         [this] {
             const std::string path = dir.Path("fifo.dkt");
             EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
             return path;
         }(),
         "not a regular file"},
        {"51 records",
         WriteDkt("many.dkt",
                  [] {
                      std::string text = DatabaseWithEurope("0.5,0.6,0.7,0.8,0.9,1.0,1.1,1.2,1.3");
                      for (int i = 0; i < 51; ++i)
                          text += "R" + std::to_string(i) + ",-40,0,25,60,-10,40\r\n";
                      return text;
                  }()),
         "more than 50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = RunTool({"check", c.path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.out, "Could not read Velnor.dkt\n")) << run.out;
        EXPECT_TRUE(Contains(run.out, c.reason)) << run.out;
    }
    const ToolRun run = RunTool({"check", WriteDkt("nostart.dkt", CrLf({"[HELP]", "a", "b"}))});
    EXPECT_TRUE(Contains(run.out, "stopped at line 4")) << run.out;
}

TEST_F(DktTest, CheckWarnsAboutWhatTheProgramTolerates) {
    const std::string nine = "0.5,0.6,0.7,0.8,0.9,1.0,1.1,1.2,1.3";
    const std::string record = "R1,-40,0,25,60,-10,40,0,0,0,0,0,0.1,0,0,0,0,1,0,0,0\r\n";
    std::string fiftyOne = "0.1";
    for (int i = 0; i < 50; ++i)
        fiftyOne += ",0.2";
    const struct {
        const char* name;
        std::string text;
        std::string warning;
    } cases[] = {
        {"short list", DatabaseWithEurope("0.5,0.6,0.7,0.8,0.9") + record,
         "warning: line 6: the Europe list has 5 diameters"},
        {"51 values", DatabaseWithEurope(fiftyOne) + record, "past the fiftieth"},
        {"empty line", DatabaseWithEurope(nine) + record + "\r\n" + record,
         "warning: line 10: empty line: the records end here"},
        {"overlong record", DatabaseWithEurope(nine) + record + "R2," + std::string(1000, '1'),
         "warning: line 10: record line over 1000 characters"},
        {"long help line",
         "[HELP]\r\n" + std::string(120, 'h') + "\r\n" + DatabaseWithEurope(nine).substr(8) +
             record,
         "warning: line 2: help line of 120 characters cut to 100"},
        {"no records", DatabaseWithEurope(nine), "no refrigerant records"},
        {"short record", DatabaseWithEurope(nine) + "R448A,-40,0,25,60,-10,40,1e-3\r\n" + record,
         "warning: line 9: the record of R448A has 7 of its 20 numbers"},
        {"cut after the last number",
         DatabaseWithEurope(nine) + record.substr(0, record.size() - 2),
         "warning: line 9: the text ends inside the record of R1"},
        {"cut inside a record", DatabaseWithEurope(nine) + record + "R449A,-40,0,2",
         "warning: line 10: the record of R449A has 3 of its 20 numbers; the rest read as 0\n"
         "warning: line 10: the text ends inside the record of R449A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = RunTool({"check", WriteDkt("warn.dkt", c.text)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(Contains(run.out, c.warning)) << run.out;
    }
}

TEST_F(DktTest, CheckNotesBytesThatCutOrShiftTheText) {
    const std::string bytes = ScrambleDatabaseText(SmallDatabase()).bytes;
    const ToolRun cut = RunTool({"check", dir.Write("cut.dkt", bytes.substr(0, 40) + "\x1a")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_TRUE(Contains(cut.out, "note: byte 0x1A at offset 40")) << cut.out;

    const ToolRun shifted = RunTool({"check", dir.Write("shift.dkt", "\r\n" + bytes)});
    EXPECT_TRUE(Contains(shifted.out, "CR LF byte pair(s), the first at offset 0")) << shifted.out;
}

// ---- size -------------------------------------------------------------------------------

const char* const kInputHeader = " \n \nInput Data: \n \n";

TEST_F(DktTest, SizePrintsTheReportOfAValidResult) {
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const ToolRun run =
        RunTool({"size", dkt, "--refrigerant", "ALPHA", "--units", "1000000", "--heat-load", "100",
                 "--evap", "-25", "--cond", "45", "--return-gas", "20"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // 7.5 × D⁵ m for each diameter; 2.17 m (0.78 mm) is the first to come within the window
    // widening around 2.0 m, so the nine rows start two diameters before it.
    EXPECT_EQ(run.out, std::string(kInputHeader) + "Refrigerant\tALPHA\n"
                                                   "Heat load of the system\t100 W\n"
                                                   "Evaporating temperature\t-25 \xC2\xBA"
                                                   "C\n"
                                                   "Condensing temperature\t45 \xC2\xBA"
                                                   "C\n"
                                                   "Return gas temperature\t20 \xC2\xBA"
                                                   "C\n"
                                                   " \n \n \n \n"
                                                   "Capillary Tube Recommendation: \n"
                                                   "Flow Rate\t0.35 CFM (N2 at delta p 10 bar)\n"
                                                   " \n"
                                                   "Length\tDiameter\n"
                                                   "0.58 m\t0.60 mm\n"
                                                   "0.87 m\t0.65 mm\n"
                                                   "1.26 m\t0.70 mm\n"
                                                   "1.78 m\t0.75 mm\n"
                                                   "2.17 m\t0.78 mm\n"
                                                   "2.46 m\t0.80 mm\n"
                                                   "4.43 m\t0.90 mm\n"
                                                   "7.50 m\t1.00 mm\n"
                                                   "12.08 m\t1.10 mm\n"
                                                   " \n \n"
                                                   "Optimal Selection:\n"
                                                   "A 2.17 m length of 0.78 mm diameter tubing.\n");
}

TEST_F(DktTest, SizeInTheDefaultUnitsShowsFieldsAndInchFractions) {
    // The default units: Btu/hr, ºF, psi, inches, CFM, Europe list. 341.214 Btu/hr is just
    // under 100 W; -13, 113 and 68 ºF are -25, 45 and 20 ºC. 12.3456 is shown as 12.345 and
    // read back as shown.
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const ToolRun run = RunTool({"size", dkt, "--heat-load", "341.214", "--evap", "-13.0", "--cond",
                                 "113", "--return-gas", "68"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, std::string(kInputHeader) +
                           "Refrigerant\tALPHA\n"
                           "Heat load of the system\t341.214 Btu/hr\n"
                           "Evaporating temperature\t-13 \xC2\xBA"
                           "F\n"
                           "Condensing temperature\t113 \xC2\xBA"
                           "F\n"
                           "Return gas temperature\t68 \xC2\xBA"
                           "F\n"
                           " \n \n \n \n"
                           "Capillary Tube Recommendation: \n"
                           "Flow Rate\t0.35 CFM (N2 at delta p 145 psi)\n"
                           " \n"
                           "Length\tDiameter\n"
                           "23  in.\t0.024 in.\n"
                           "34 3/8 in.\t0.026 in.\n"
                           "49 3/4 in.\t0.028 in.\n"
                           "70 1/8 in.\t0.030 in.\n"
                           "85 3/8 in.\t0.031 in.\n"
                           "96 7/8 in.\t0.031 in.\n"
                           "174 3/8 in.\t0.035 in.\n"
                           "295 3/8 in.\t0.039 in.\n"
                           "475 5/8 in.\t0.043 in.\n"
                           " \n \n"
                           "Optimal Selection:\n"
                           "A 85 3/8 in. length of 0.031 in. diameter tubing.\n");

    const ToolRun cut = RunTool({"size", dkt, "--heat-load", "12.3456"});
    EXPECT_TRUE(Contains(cut.out, "Heat load of the system\t12.345 Btu/hr\n")) << cut.out;
    EXPECT_TRUE(Contains(cut.err, "shown as 12.345")) << cut.err;
    const ToolRun tiny = RunTool({"size", dkt, "--heat-load", "1e-320"});
    EXPECT_TRUE(Contains(tiny.err, "--heat-load 1e-320 is shown as 0 ")) << tiny.err;
}

TEST_F(DktTest, SizeTakesTheFirstRunInputsInTheUnitsChosen) {
    // 110 W, -25, 55 and 32 ºC, wherever --units stands.
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const std::string imperial = RunTool({"size", dkt}).out;
    EXPECT_TRUE(Contains(imperial, "system\t375.33 Btu/hr\nEvaporating temperature\t-13 \xC2\xBA"
                                   "F\nCondensing temperature\t131 \xC2\xBA"
                                   "F\nReturn gas temperature\t89.6 \xC2\xBA"))
        << imperial;
    const std::string si = RunTool({"size", dkt, "--cond", "50", "--units", "1000000"}).out;
    EXPECT_TRUE(Contains(si, "system\t110 W\nEvaporating temperature\t-25 \xC2\xBA"
                             "C\nCondensing temperature\t50 \xC2\xBA"
                             "C\nReturn gas temperature\t32 \xC2\xBA"))
        << si;
}

TEST_F(DktTest, SizePrintsTheReportOfAnInvalidResult) {
    // BETA evaporates from -20 ºC; -30 ºC is out of range.
    const ToolRun run = RunTool({"size", WriteDkt("small.dkt", SmallDatabase()), "--refrigerant",
                                 "BETA", "--units", "1000000", "--heat-load", "100", "--evap",
                                 "-30", "--cond", "45", "--return-gas", "20"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string(kInputHeader) + "Refrigerant\tBETA\n"
                                                   "Heat load of the system\t100 W\n"
                                                   "Evaporating temperature\t-30 \xC2\xBA"
                                                   "C\n"
                                                   "Condensing temperature\t45 \xC2\xBA"
                                                   "C\n"
                                                   "Return gas temperature\t20 \xC2\xBA"
                                                   "C\n"
                                                   " \n \n \n"
                                                   "Cannot calculate tube data. Invalid input.\n");
    EXPECT_TRUE(Contains(run.err, "Evap temp invalid")) << run.err;
}

TEST_F(DktTest, SizeTakesTheRefrigerantByIndexOrName) {
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const ToolRun byIndex = RunTool({"size", dkt, "--refrigerant", "1"});
    const ToolRun byName = RunTool({"size", dkt, "--refrigerant=BETA"});
    EXPECT_EQ(byIndex.exitCode, 0);
    EXPECT_TRUE(Contains(byIndex.out, "Refrigerant\tBETA\n")) << byIndex.out;
    EXPECT_EQ(byName.out, byIndex.out);
    EXPECT_EQ(RunTool({"size", dkt, "--refrigerant", "001"}).out, byIndex.out);
    EXPECT_TRUE(Contains(RunTool({"size", dkt}).out, "Refrigerant\tALPHA\n"));
}

TEST_F(DktTest, SizeRefusesBadArguments) {
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string message;
        const char* command = "size";
    } cases[] = {
        {"unknown option", {dkt, "--colour", "red"}, "unknown option --colour"},
        {"missing value", {dkt, "--evap"}, "needs a value"},
        {"six unit digits", {dkt, "--units", "011110"}, "seven digits"},
        {"eight unit digits", {dkt, "--units", "01111000"}, "seven digits"},
        {"unit digit 2", {dkt, "--units", "0121100"}, "seven digits"},
        {"letters", {dkt, "--heat-load", "abc"}, "not a number"},
        {"trailing text", {dkt, "--cond", "12x"}, "not a number"},
        {"empty number", {dkt, "--return-gas="}, "not a number"},
        {"decimal comma", {dkt, "--evap", "-2,5"}, "not a number"},
        {"beyond double", {dkt, "--heat-load", "1e999"}, "not a number"},
        {"unknown name", {dkt, "--refrigerant", "GAMMA"}, "unknown refrigerant GAMMA"},
        {"index past the end", {dkt, "--refrigerant", "2"}, "unknown refrigerant 2"},
        {"no database", {"--evap", "-10"}, "needs a database file"},
        {"two databases", {dkt, dkt}, "one database file"},
        {"unreadable database", {dir.Write("bad.dkt", "xy")}, "Could not read Velnor.dkt"},
        {"a duty's input with --batch", {dkt, "--batch", "d.csv", "--evap", "1"}, "--evap cannot"},
        {"no duties file", {dkt, "--batch", dir.Path("none.csv")}, "none.csv: cannot open"},
        {"rate without a length", {dkt, "--diameter", "1"}, "--length is missing", "rate"},
        {"rate with a heat load", {dkt, "--heat-load", "1"}, "unknown option --heat-load", "rate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{c.command};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
}

// ---- rate -------------------------------------------------------------------------------

TEST_F(DktTest, RatePrintsTheHeatLoadATubeServes) {
    // 10 × F W for ALPHA, F = √(750 × 0.78⁵ / 2.17) l/min: the tube size picks for 100 W.
    const std::string dkt = WriteDkt("small.dkt", SmallDatabase());
    const std::vector<std::string> args{"rate",         dkt,   "--units",    "1000000",
                                        "--evap",       "-25", "--cond",     "45",
                                        "--return-gas", "20",  "--diameter", "0.78"};
    std::vector<std::string> valid = args;
    valid.insert(valid.end(), {"--length", "2.17"});
    const ToolRun run = RunTool(valid);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, std::string(kInputHeader) + "Refrigerant\tALPHA\n"
                                                   "Evaporating temperature\t-25 \xC2\xBA"
                                                   "C\n"
                                                   "Condensing temperature\t45 \xC2\xBA"
                                                   "C\n"
                                                   "Return gas temperature\t20 \xC2\xBA"
                                                   "C\n"
                                                   "Inner diameter\t0.78 mm\n"
                                                   "Length\t2.17 m\n"
                                                   " \n"
                                                   "Flow Rate\t0.35 CFM (N2 at delta p 10 bar)\n"
                                                   "Heat load of the system\t99.89 W\n");

    // A tube too long for 1 W: the flow line stays, the answer says why there is none.
    std::vector<std::string> tooLong = args;
    tooLong.insert(tooLong.end(), {"--length", "30000"});
    const ToolRun serves = RunTool(tooLong);
    EXPECT_EQ(serves.exitCode, 0);
    EXPECT_TRUE(Contains(serves.out, "Flow Rate\t0.00 CFM (N2 at delta p 10 bar)\n"
                                     "Heat load invalid: the tube serves less than 1.00 W\n"))
        << serves.out;
}

// ---- size --batch ------------------------------------------------------------------------

TEST_F(DktTest, SizeBatchSizesEveryDutyAndSkipsMalformedLines) {
    // A third refrigerant whose name holds quotes.
    const std::string dkt =
        WriteDkt("small.dkt", SmallDatabase() +
                                  CrLf({"R\"Q\",-20,10,30,50,0,30,0,0,0,0,0,0.1,0,0,0,0,1,0,0,0"}));
    const std::string duties =
        dir.Write("duties.csv", "refrigerant,heat_load,evap,cond,return_gas\r\n"
                                "ALPHA,100,-25,45,20\r\n"
                                "1,100,-30,45,20\r\n"
                                "\r\n"
                                "\"R\"\"Q\"\"\", 100 ,\"-10\",40,10\r\n"
                                "ALPHA,100,-25\r\n"
                                "GAMMA,1,2,3,4\r\n"
                                "ALPHA,abc,1,2,3\r\n"
                                "\"ALPHA\"x,1,2,3,4\r\n"
                                "0,12.3456,-25,45,20");
    const ToolRun run = RunTool({"size", dkt, "--units", "1000000", "--batch", duties});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "refrigerant,heat_load,evap,cond,return_gas,flow,flow_unit,diameter,"
                       "diameter_unit,length,length_unit,message\n"
                       "ALPHA,100,-25,45,20,0.35,CFM,0.78,mm,2.17,m,\n"
                       "BETA,100,-30,45,20,,,,,,,Evap temp invalid (-20.0\xC2\xBA"
                       "C to 10.0\xC2\xBA"
                       "C)\n"
                       "\"R\"\"Q\"\"\",100,-10,40,10,0.35,CFM,0.78,mm,2.17,m,\n"
                       "ALPHA,12.345,-25,45,20,0.04,CFM,0.50,mm,15.38,m,\n");
    for (const char* skipped :
         {"duties.csv:6: expected 5 fields", "duties.csv:7: unknown refrigerant GAMMA",
          "duties.csv:8: heat_load \"abc\" is not a number",
          "duties.csv:9: text after a closing quote",
          "duties.csv:10: note: heat_load 12.3456 is shown as 12.345"})
        EXPECT_TRUE(Contains(run.err, skipped)) << run.err;

    // A whole inch is written without the report's trailing blank; no bad line, exit status 0.
    const ToolRun inches = RunTool(
        {"size", dkt, "--units", "1000100", "--batch",
         dir.Write("one.csv", "refrigerant,heat_load,evap,cond,return_gas\n0,100,-25,45,20\n")});
    EXPECT_EQ(inches.exitCode, 0) << inches.err;
    EXPECT_TRUE(Contains(inches.out, ",0.78,mm,85 3/8,in.,\n")) << inches.out;

    const ToolRun noHeader =
        RunTool({"size", dkt, "--batch", dir.Write("bad.csv", "ALPHA,100,-25,45,20\n")});
    EXPECT_EQ(noHeader.exitCode, 1);
    EXPECT_EQ(noHeader.out, "");
    EXPECT_TRUE(Contains(noHeader.err, "the first line must be the header")) << noHeader.err;
}

TEST_F(DktTest, EveryCommandExplainsItselfOnRequest) {
    for (const char* command : {"decode", "encode", "check", "size", "rate"}) {
        const ToolRun run = RunTool({command, "--help"});
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_TRUE(Contains(run.out, std::string("usage: velnor-dkt ") + command)) << run.out;
    }
    EXPECT_TRUE(Contains(RunTool({"size", "x.dkt", "--help"}).out, "--batch DUTIES.csv"));
    EXPECT_TRUE(Contains(RunTool({"rate", "--help"}).out, "--diameter D"));
}

TEST_F(DktTest, UsageWithoutArgumentsOrOnRequest) {
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(Contains(help.out, "usage: velnor-dkt"));
    const ToolRun none = RunTool({});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(Contains(none.err, "usage: velnor-dkt"));
    EXPECT_EQ(RunTool({"unpack", "x"}).exitCode, 1);
}

} // namespace
