#include "elfsection.h"
#include "testelf.h"
#include "testrecord.h"
#include "verinfo.h"
#include "versionrecord.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

// Loads a record through the same path a program file takes: as the version section of an ELF
// file on disk.
int LoadThroughFile(CVersionResource& version, const Bytes& record, bool is64 = true,
                    bool big = false) {
    TempFile file("velnor-verinfo");
    file.Write(MakeTestElf(is64, big, {{kVersionSectionName, record}}).image);
    return version.LoadFromFile(file.String().c_str());
}

// The test program's own file. Named by its path for the tools it is handed to, since
// /proc/self/exe would name each tool itself.
std::string ThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

std::string Query(const CVersionResource& version, const char* name, int* found = nullptr) {
    char text[200];
    std::memset(text, 'X', sizeof text);
    const int result = version.QueryVersionString(name, text, sizeof text);
    if (found != nullptr)
        *found = result;
    return std::string(text, strnlen(text, sizeof text));
}

// Every query of a reader with nothing loaded answers 0 and leaves the caller's buffer alone.
void ExpectNothingLoaded(const CVersionResource& version) {
    EXPECT_EQ(version.IsValid(), 0);
    EXPECT_EQ(version.GetFileVersionMajor(), 0);
    EXPECT_EQ(version.GetFileVersionMinor(), 0);
    EXPECT_EQ(version.CurrentLanguage(), 0);
    EXPECT_EQ(version.CurrentCodePage(), 0);
    EXPECT_EQ(version.TranslationCount(), 0);
    EXPECT_EQ(version.FixedFileInfo().dwSignature, 0u);
    for (int index = 0; index < kVersionStringCount; ++index) {
        char text[8] = "untouch";
        EXPECT_EQ(version.GetVersionString(index, text, sizeof text), 0);
        EXPECT_STREQ(text, "untouch");
    }
}

// The program's own record, entry by entry in the order of VersionStringNames; null for an
// entry the record does not have.
const char* const kProgramEntries[kVersionStringCount] = {
    "This application is used to specify refrigeration system capillary tubes.",
    "Kestrin",
    "Kestrin Capillary Tube Selector",
    "1.0.0.0",
    "Velnor.exe",
    "Copyright \xA9 Kestrin",
    nullptr,
    "Velnor.exe",
    nullptr,
    "Velnor",
    "1.0.0.0",
    nullptr,
    nullptr,
};

void ExpectProgramRecord(const CVersionResource& version) {
    ASSERT_EQ(version.IsValid(), 1);
    // Signature, structure version, file and product versions 1.0.0.0, flags mask 0x1F, flags
    // 0x1 (debug), 32-bit Windows, an application, no subtype, no date.
    const VS_FIXEDFILEINFO expected{0xFEEF04BD, 0x00010000, 0x00010000, 0, 0x00010000, 0, 0x1F,
                                    0x1,        0x4,        0x1,        0, 0,          0};
    EXPECT_EQ(version.FixedFileInfo(), expected);
    EXPECT_EQ(version.GetFileVersionMajor(), 1);
    EXPECT_EQ(version.GetFileVersionMinor(), 0);
    EXPECT_EQ(version.TranslationCount(), 1);
    EXPECT_EQ(version.CurrentLanguage(), 0x0409);
    EXPECT_EQ(version.CurrentCodePage(), 0x04E4);
    for (int index = 0; index < kVersionStringCount; ++index) {
        SCOPED_TRACE(VersionStringNames[index]);
        const char* const entry = kProgramEntries[index];
        char text[100];
        std::memset(text, 'X', sizeof text);
        EXPECT_EQ(version.GetVersionString(index, text, sizeof text), entry ? 1 : 0);
        EXPECT_STREQ(text, entry ? entry : "");
    }
}

TEST(VersionResource, ReadsTheProgramsOwnRecordFromTheRunningProgram) {
    CVersionResource version;
    ASSERT_EQ(version.LoadFromModule(CVersionResource::ProgramModule()), 1);
    ExpectProgramRecord(version);
}

TEST(VersionResource, ReadsTheProgramsOwnRecordFromAStrippedCopy) {
    if (std::system("command -v strip >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strip is not installed";
    TempFile stripped("velnor-stripped");
    const std::string command =
        "strip --strip-all -o '" + stripped.String() + "' '" + ThisProgram() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // The copy really lost its symbols, and kept the record.
    Bytes symbols;
    EXPECT_FALSE(ReadElfSection(stripped.String().c_str(), ".symtab", 1 << 30, symbols));
    CVersionResource version;
    ASSERT_EQ(version.LoadFromFile(stripped.String().c_str()), 1);
    ExpectProgramRecord(version);
}

TEST(VersionResource, AProgramWithoutTheSectionHasNoRecord) {
    if (std::system("command -v objcopy >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "objcopy is not installed";
    TempFile copy("velnor-norecord");
    const std::string command = std::string("objcopy --remove-section ") + kVersionSectionName +
                                " '" + ThisProgram() + "' '" + copy.String() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    CVersionResource version;
    EXPECT_EQ(version.LoadFromFile(copy.String().c_str()), 0);
    ExpectNothingLoaded(version);
}

TEST(VersionResource, ModulesThatCannotBeFoundLoadNothing) {
    CVersionResource version;
    EXPECT_EQ(version.LoadFromModule(nullptr), 0);
    ExpectNothingLoaded(version);
    const auto heap = std::make_unique<int[]>(16);
    EXPECT_EQ(version.LoadFromModule(heap.get()), 0);
    ExpectNothingLoaded(version);
}

TEST(VersionResource, FilesThatAreNotProgramsLoadNothing) {
    TempFile text("velnor-text");
    const std::string words = "Velnor 1.0 is not a program file.\r\n";
    text.Write(Bytes(words.begin(), words.end()));
    TempFile empty("velnor-empty");
    empty.Write({});
    CVersionResource version;
    EXPECT_EQ(version.LoadFromFile(text.String().c_str()), 0);
    ExpectNothingLoaded(version);
    EXPECT_EQ(version.LoadFromFile(empty.String().c_str()), 0);
    EXPECT_EQ(version.LoadFromFile("/nonexistent/Velnor"), 0);
    EXPECT_EQ(version.LoadFromFile(nullptr), 0);
    ExpectNothingLoaded(version);
}

TEST(VersionResource, ReadsCraftedRecordsFromEveryKindOfElfFile) {
    const Bytes record = BuildTestRecord({});
    for (const bool is64 : {true, false}) {
        for (const bool big : {false, true}) {
            CVersionResource version;
            ASSERT_EQ(LoadThroughFile(version, record, is64, big), 1) << is64 << big;
            EXPECT_EQ(version.GetFileVersionMajor(), 2);
            EXPECT_EQ(version.GetFileVersionMinor(), 3);
            EXPECT_EQ(Query(version, "ProductName"), "Test Product");
        }
    }
}

TEST(VersionResource, RecordsThatFailLeaveNothingLoaded) {
    TestRecordOptions badSignature;
    badSignature.signature = 0xFEEF04BC;
    TestRecordOptions noTranslation;
    noTranslation.withTranslationBlock = false;
    const struct {
        const char* name;
        Bytes record;
    } rows[] = {
        {"bad signature", BuildTestRecord(badSignature)},
        {"no translation block", BuildTestRecord(noTranslation)},
        {"root value shorter than the fixed part",
         EncodeVersionRecord(VersionBinary(u"VS_VERSION_INFO", Bytes(48, 0)))},
        {"too short for a block", Bytes{0x06, 0x00, 0x00}},
        {"all zero", Bytes(256, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CVersionResource version;
        EXPECT_EQ(version.LoadFromMemory(row.record.data(), row.record.size()), 0);
        ExpectNothingLoaded(version);
        EXPECT_EQ(LoadThroughFile(version, row.record), 0);
        ExpectNothingLoaded(version);
    }
}

TEST(VersionResource, AFailedLoadReplacesAnEarlierRecordAndAGoodOneFollows) {
    const Bytes good = BuildTestRecord({});
    CVersionResource version;
    ASSERT_EQ(version.LoadFromMemory(good.data(), good.size()), 1);
    EXPECT_EQ(version.LoadFromFile("/nonexistent/Velnor"), 0);
    ExpectNothingLoaded(version);
    ASSERT_EQ(LoadThroughFile(version, good), 1);
    EXPECT_EQ(Query(version, "FileDescription"), "Test Description");
    version.Reset();
    ExpectNothingLoaded(version);
}

TEST(VersionResource, EveryTruncatedRecordFails) {
    const Bytes good = BuildTestRecord({});
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        CVersionResource version;
        EXPECT_EQ(version.LoadFromMemory(cut.data(), cut.size()), 0) << n;
    }
}

TEST(VersionResource, GarbledRecordsAreReadWithinTheirBytes) {
    const auto program = ProgramVersionRecord();
    const Bytes good(program.begin(), program.end());
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        Bytes record = good;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            record[random() % record.size()] = static_cast<unsigned char>(random());
        record.resize(record.size() - random() % 16);
        CVersionResource version;
        if (version.LoadFromMemory(record.data(), record.size()) == 0)
            continue;
        for (int index = 0; index < kVersionStringCount; ++index) {
            char text[400];
            std::memset(text, 'X', sizeof text);
            if (version.GetVersionString(index, text, sizeof text)) {
                ASSERT_LT(strnlen(text, sizeof text), sizeof text);
            }
        }
    }
}

TEST(VersionResource, MissingEntriesReadAsEmptyTexts) {
    TestRecordOptions options;
    options.strings = {{u"ProductName", u"Only Product"}};
    const Bytes record = BuildTestRecord(options);
    CVersionResource version;
    ASSERT_EQ(version.LoadFromMemory(record.data(), record.size()), 1);
    int found = -1;
    EXPECT_EQ(Query(version, "FileDescription", &found), "");
    EXPECT_EQ(found, 0);
    EXPECT_EQ(Query(version, "ProductName", &found), "Only Product");
    EXPECT_EQ(found, 1);
    EXPECT_EQ(Query(version, "productname"), "Only Product") << "keys ignore ASCII case";
}

TEST(VersionResource, BufferSizesIndexesAndNamesOutsideTheRules) {
    const auto program = ProgramVersionRecord();
    CVersionResource version;
    ASSERT_EQ(version.LoadFromMemory(program.data(), program.size()), 1);

    char text[16];
    std::memset(text, 'X', sizeof text);
    EXPECT_EQ(version.GetVersionString(9, text, 1), 1) << "size 1: found, empty";
    EXPECT_EQ(text[0], '\0');
    EXPECT_EQ(text[1], 'X');

    std::memset(text, 'X', sizeof text);
    EXPECT_EQ(version.GetVersionString(9, text, 4), 1);
    EXPECT_STREQ(text, "Vel");
    EXPECT_EQ(text[4], 'X') << "nothing written past the size";

    for (const int index : {-1, 13, 1000}) {
        std::memset(text, 'X', sizeof text);
        EXPECT_EQ(version.GetVersionString(index, text, sizeof text), 0) << index;
        EXPECT_EQ(text[0], 'X');
    }
    for (const int size : {0, -1}) {
        std::memset(text, 'X', sizeof text);
        EXPECT_EQ(version.GetVersionString(9, text, size), 0) << size;
        EXPECT_EQ(text[0], 'X');
    }
    EXPECT_EQ(version.QueryVersionString(nullptr, text, sizeof text), 0);

    // A name too long for the query path finds nothing, even if the record had it.
    TestRecordOptions options;
    const std::u16string longName(260, u'N');
    options.strings = {{longName, u"found"}};
    const Bytes record = BuildTestRecord(options);
    ASSERT_EQ(version.LoadFromMemory(record.data(), record.size()), 1);
    int found = -1;
    EXPECT_EQ(Query(version, std::string(260, 'N').c_str(), &found), "");
    EXPECT_EQ(found, 0);
    EXPECT_EQ(Query(version, std::string(200, 'N').c_str(), &found), "");
    EXPECT_EQ(found, 0);
}

TEST(VersionResource, QueriesTheTableOfTheFirstTranslation) {
    struct Row {
        const char* name;
        std::vector<VersionTranslation> translations;
        std::u16string table;
        int language;
        int codePage;
        int found;
    };
    const Row rows[] = {
        {"first of two", {{0x0407, 0x04E4}, {0x0409, 0x04E4}}, u"040704E4", 0x0407, 0x04E4, 1},
        {"second of two is not used",
         {{0x0407, 0x04E4}, {0x0409, 0x04E4}},
         u"040904E4",
         0x0407,
         0x04E4,
         0},
        {"upper-case hexadecimal", {{0x0C0A, 0x04B0}}, u"0C0A04B0", 0x0C0A, 0x04B0, 1},
        {"empty translation block", {}, u"00000000", 0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestRecordOptions options;
        options.translations = row.translations;
        options.tableKeys = {row.table};
        const Bytes record = BuildTestRecord(options);
        CVersionResource version;
        ASSERT_EQ(version.LoadFromMemory(record.data(), record.size()), 1);
        EXPECT_EQ(version.TranslationCount(), static_cast<int>(row.translations.size()));
        EXPECT_EQ(version.CurrentLanguage(), row.language);
        EXPECT_EQ(version.CurrentCodePage(), row.codePage);
        int found = -1;
        EXPECT_EQ(Query(version, "ProductName", &found), row.found ? "Test Product" : "");
        EXPECT_EQ(found, row.found);
    }
}

TEST(VersionResource, TextsComeOutInWindows1252) {
    const struct {
        const char* name;
        std::u16string value;
        std::string expected;
    } rows[] = {
        {"Latin-1", u"Caf\u00E9 \u00BA", "Caf\xE9 \xBA"},
        {"code page's own high block", u"\u2122 \u20AC \u00AE", "\x99 \x80 \xAE"},
        {"outside the code page", u"\u4E2D\u6587", "??"},
        {"surrogate pair", u"\U0001F600", "??"},
        {"NUL inside the value ends it", std::u16string(u"ab\0cd", 5), "ab"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestRecordOptions options;
        options.strings = {{u"Comments", row.value}};
        const Bytes record = BuildTestRecord(options);
        CVersionResource version;
        ASSERT_EQ(version.LoadFromMemory(record.data(), record.size()), 1);
        EXPECT_EQ(Query(version, "Comments"), row.expected);
    }
}

} // namespace
