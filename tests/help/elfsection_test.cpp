#include "elfsection.h"
#include "testelf.h"
#include "versionrecord.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

struct Kind {
    const char* name;
    bool is64;
    bool big;
};
const Kind kKinds[] = {
    {"64-bit little-endian", true, false},
    {"32-bit little-endian", false, false},
    {"64-bit big-endian", true, true},
    {"32-bit big-endian", false, true},
};

const Bytes kPayload = {'r', 'e', 'c', 'o', 'r', 'd', 0, 1};

std::vector<TestSection> Sections() {
    return {{".text", Bytes(24, 0x90)}, {"velnor_version", kPayload}, {".bss", Bytes(64, 0), 8}};
}

// The header index of the section-name table MakeTestElf writes last.
std::size_t NamesIndex() {
    return Sections().size() + 1;
}

// Offset of field `index` of section header `section` (name 0, type 1, offset 2, size 3).
std::size_t HeaderField(const TestElf& elf, bool is64, std::size_t section, int field) {
    const std::size_t at = elf.headersOffset + section * elf.headerBytes;
    const std::size_t fields64[] = {0, 4, 24, 32};
    const std::size_t fields32[] = {0, 4, 16, 20};
    return at + (is64 ? fields64[field] : fields32[field]);
}

TEST(ElfSection, FindsTheFirstSectionOfTheNameInEveryKind) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const TestElf elf = MakeTestElf(kind.is64, kind.big, Sections());
        ElfSectionPlace place;
        ASSERT_TRUE(FindElfSection(elf.image, "velnor_version", place));
        ASSERT_EQ(place.size, kPayload.size());
        EXPECT_EQ(Bytes(elf.image.begin() + static_cast<std::ptrdiff_t>(place.offset),
                        elf.image.begin() + static_cast<std::ptrdiff_t>(place.offset + place.size)),
                  kPayload);
        EXPECT_TRUE(FindElfSection(elf.image, ".text", place));
        EXPECT_FALSE(FindElfSection(elf.image, "velnor", place));
        EXPECT_FALSE(FindElfSection(elf.image, "velnor_version_", place));
        EXPECT_FALSE(FindElfSection(elf.image, "version", place));
        EXPECT_FALSE(FindElfSection(elf.image, ".bss", place)) << "no bytes in the file";
    }
}

TEST(ElfSection, TakesTheFirstOfTwoSectionsOfTheName) {
    std::vector<TestSection> sections = Sections();
    sections.push_back({"velnor_version", Bytes(4, 0xEE)});
    const TestElf elf = MakeTestElf(true, false, sections);
    ElfSectionPlace place;
    ASSERT_TRUE(FindElfSection(elf.image, "velnor_version", place));
    EXPECT_EQ(place.size, kPayload.size());
}

TEST(ElfSection, RefusesWhatIsNotElf) {
    const std::string text = "This is not a program file at all, just some text.";
    Bytes image = MakeTestElf(true, false, Sections()).image;
    Bytes badClass = image;
    badClass[4] = 3;
    Bytes badData = image;
    badData[5] = 0;
    Bytes badMagic = image;
    badMagic[1] = 'e';
    ElfSectionPlace place;
    EXPECT_FALSE(FindElfSection(Bytes(text.begin(), text.end()), "velnor_version", place));
    EXPECT_FALSE(FindElfSection({}, "velnor_version", place));
    EXPECT_FALSE(FindElfSection(badClass, "velnor_version", place));
    EXPECT_FALSE(FindElfSection(badData, "velnor_version", place));
    EXPECT_FALSE(FindElfSection(badMagic, "velnor_version", place));
}

TEST(ElfSection, RefusesFieldsThatPointOutsideTheFile) {
    constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();
    struct Row {
        const char* name;
        int what; // 0 file header field, 1 header of the section, 2 header of the name table
        std::size_t field;
        std::uint64_t value64;
        std::uint64_t value32;
    };
    // File-header fields are given as (64-bit offset); the 32-bit offset follows from the row.
    const Row rows[] = {
        {"section headers beyond the file", 0, 0, 1u << 20, 1u << 20},
        {"section headers at offset 0", 0, 0, 0, 0},
        {"section header size too small", 0, 1, 39, 39},
        {"more section headers than fit", 0, 2, 200, 200},
        {"name table index out of range", 0, 3, 77, 77},
        {"name beyond the name table", 1, 0, 5000, 5000},
        {"section bytes beyond the file", 1, 2, 1u << 20, 1u << 20},
        {"section size overflowing", 1, 3, kHuge, 0xFFFFFFFF},
        {"section of size 0", 1, 3, 0, 0},
        {"name table beyond the file", 2, 2, kHuge - 2, 0xFFFFFFF0},
        {"name table of no bytes", 2, 1, 8, 8},
    };
    for (const Kind& kind : kKinds) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(kind.name) + ": " + row.name);
            TestElf elf = MakeTestElf(kind.is64, kind.big, Sections());
            const std::uint64_t value = kind.is64 ? row.value64 : row.value32;
            if (row.what == 0) {
                const std::size_t at64[] = {0x28, 0x3A, 0x3C, 0x3E};
                const std::size_t at32[] = {0x20, 0x2E, 0x30, 0x32};
                const std::size_t bytes = row.field == 0 ? (kind.is64 ? 8 : 4) : 2;
                PokeElf(elf, kind.big, kind.is64 ? at64[row.field] : at32[row.field], value, bytes);
            } else {
                const std::size_t section = row.what == 1 ? 2 : NamesIndex();
                const int field = static_cast<int>(row.field);
                const std::size_t bytes = field >= 2 && kind.is64 ? 8 : 4;
                PokeElf(elf, kind.big, HeaderField(elf, kind.is64, section, field), value, bytes);
            }
            ElfSectionPlace place;
            EXPECT_FALSE(FindElfSection(elf.image, "velnor_version", place));
        }
    }
}

TEST(ElfSection, EveryTruncationIsRefusedOrStaysInside) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const Bytes image = MakeTestElf(kind.is64, kind.big, Sections()).image;
        for (std::size_t n = 0; n < image.size(); ++n) {
            const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(n));
            ElfSectionPlace place;
            // The headers are at the end, so every cut loses them.
            EXPECT_FALSE(FindElfSection(cut, "velnor_version", place)) << n;
        }
    }
}

TEST(ElfSection, ReadsExtendedSectionNumbering) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TestElf elf = MakeTestElf(kind.is64, kind.big, Sections());
        const std::size_t count = Sections().size() + 2;
        // The count moves to the first header's size, the name-table index to its link.
        PokeElf(elf, kind.big, kind.is64 ? 0x3C : 0x30, 0, 2);
        PokeElf(elf, kind.big, kind.is64 ? 0x3E : 0x32, 0xFFFF, 2);
        PokeElf(elf, kind.big, HeaderField(elf, kind.is64, 0, 3), count, kind.is64 ? 8 : 4);
        PokeElf(elf, kind.big, elf.headersOffset + (kind.is64 ? 40 : 24), count - 1, 4);
        ElfSectionPlace place;
        ASSERT_TRUE(FindElfSection(elf.image, "velnor_version", place));
        EXPECT_EQ(place.size, kPayload.size());

        PokeElf(elf, kind.big, HeaderField(elf, kind.is64, 0, 3), 1u << 30, kind.is64 ? 8 : 4);
        EXPECT_FALSE(FindElfSection(elf.image, "velnor_version", place));
    }
}

TEST(ElfSection, ReadsTheSectionFromAFile) {
    const TestElf elf = MakeTestElf(false, false, Sections());
    TempFile file("velnor-elfsection");
    file.Write(elf.image);
    Bytes bytes = {1, 2, 3};
    ASSERT_TRUE(ReadElfSection(file.String().c_str(), "velnor_version", 64, bytes));
    EXPECT_EQ(bytes, kPayload);
    EXPECT_FALSE(
        ReadElfSection(file.String().c_str(), "velnor_version", kPayload.size() - 1, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadElfSection(file.String().c_str(), ".data", 64, bytes));
    EXPECT_FALSE(ReadElfSection("/nonexistent/velnor", "velnor_version", 64, bytes));
    EXPECT_FALSE(ReadElfSection(nullptr, "velnor_version", 64, bytes));
    EXPECT_FALSE(ReadElfSection(std::filesystem::temp_directory_path().c_str(), "velnor_version",
                                64, bytes));
}

TEST(ElfSection, TheProgramFileHoldsTheLinkedRecord) {
    const auto record = ProgramVersionRecord();
    Bytes bytes;
    ASSERT_TRUE(ReadElfSection("/proc/self/exe", kVersionSectionName, 1 << 20, bytes));
    ASSERT_GE(bytes.size(), record.size());
    EXPECT_TRUE(std::equal(record.begin(), record.end(), bytes.begin()));
}

} // namespace
