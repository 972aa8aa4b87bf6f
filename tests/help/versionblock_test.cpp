#include "versionblock.h"
#include "versionbuilder.h"
#include "versionrecord.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// Root "A" with the binary value 01 02 03 and one text child "B" = "x", laid out by hand.
const Bytes kSmallRecord = {
    0x20, 0x00, 0x03, 0x00, 0x00, 0x00, 'A', 0x00, 0x00, 0x00, 0x00, 0x00, // header, key, pad
    0x01, 0x02, 0x03, 0x00,                                                // value, pad
    0x10, 0x00, 0x02, 0x00, 0x01, 0x00, 'B', 0x00, 0x00, 0x00, 0x00, 0x00, // child
    'x',  0x00, 0x00, 0x00};

Bytes BuildSmallRecord() {
    static constexpr unsigned char value[] = {1, 2, 3};
    static constexpr VersionBlockSource children[] = {VersionText(u"B", u"x")};
    return EncodeVersionRecord(VersionBinary(u"A", value, children));
}

TEST(VersionBuilder, LaysOutBlocksWithPaddingAndLengths) {
    EXPECT_EQ(BuildSmallRecord(), kSmallRecord);
}

TEST(VersionBuilder, CompileTimeAndRunTimeRecordsAgree) {
    static constexpr unsigned char value[] = {1, 2, 3};
    static constexpr VersionBlockSource children[] = {VersionText(u"B", u"x")};
    static constexpr VersionBlockSource root = VersionBinary(u"A", value, children);
    constexpr auto bytes = EncodeVersionRecord<VersionRecordSize(root)>(root);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), kSmallRecord);
}

TEST(VersionBlock, FindsRootAndChildren) {
    struct Row {
        const char* path;
        bool found;
        std::size_t offset;
        std::size_t length;
        std::uint16_t type;
    };
    const Row rows[] = {
        {"\\", true, 12, 3, 0},  {"", true, 12, 3, 0},       {"\\B", true, 28, 4, 1},
        {"B", true, 28, 4, 1},   {"\\b", true, 28, 4, 1},    {"\\\\B\\", true, 28, 4, 1},
        {"\\C", false, 0, 0, 0}, {"\\B\\x", false, 0, 0, 0}, {"\\BB", false, 0, 0, 0},
        {"\\A", false, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        VersionBlockValue value;
        ASSERT_EQ(FindVersionBlock(kSmallRecord, row.path, value), row.found);
        if (!row.found)
            continue;
        EXPECT_EQ(value.offset, row.offset);
        EXPECT_EQ(value.length, row.length);
        EXPECT_EQ(value.type, row.type);
    }
}

TEST(VersionBlock, MalformedLengthsAreRefusedOrCutToTheirBlock) {
    struct Row {
        const char* name;
        std::size_t at;     // byte to change in the small record
        unsigned char byte; // its new value
        bool rootFound;
        bool childFound;
        std::size_t rootLength; // of the root's value, when found
    };
    const Row rows[] = {
        {"root longer than the record", 0, 0x21, false, false, 0},
        {"root shorter than its header", 0, 0x05, false, false, 0},
        {"root length zero", 0, 0x00, false, false, 0},
        {"root value runs past the block", 3, 0xFF, true, false, 20},
        {"child longer than its parent", 16, 0x11, true, false, 3},
        {"child length zero", 16, 0x00, true, false, 3},
        {"child value counted in bytes", 18, 0x04, true, true, 3},
        {"root cut before the child", 0, 0x10, true, false, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes record = kSmallRecord;
        record[row.at] = row.byte;
        VersionBlockValue value;
        ASSERT_EQ(FindVersionBlock(record, "\\", value), row.rootFound);
        if (row.rootFound) {
            EXPECT_EQ(value.length, row.rootLength);
            EXPECT_LE(value.offset + value.length, record.size());
        }
        EXPECT_EQ(FindVersionBlock(record, "\\B", value), row.childFound);
    }
}

TEST(VersionBlock, KeyWithoutTerminatorIsRefused) {
    const Bytes record = {0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 'A', 0x00};
    VersionBlockValue value;
    EXPECT_FALSE(FindVersionBlock(record, "\\", value));
    EXPECT_FALSE(FindVersionBlock({}, "\\", value));
    EXPECT_FALSE(FindVersionBlock(Bytes(5, 0), "\\", value));
}

// Every prefix and many single-byte corruptions of the program's own record: whatever is found
// lies inside the bytes handed in. (Run under the address sanitizer, any read beyond them fails.)
TEST(VersionBlock, DamagedRecordsNeverLeadOutsideTheirBytes) {
    const auto program = ProgramVersionRecord();
    const Bytes good(program.begin(), program.end());
    const char* paths[] = {"\\", "\\VarFileInfo\\Translation",
                           "\\StringFileInfo\\040904E4\\ProductName",
                           "\\StringFileInfo\\040904E4\\Comments", "\\StringFileInfo\\040904E4\\X"};
    auto check = [&](const Bytes& record) {
        for (const char* path : paths) {
            VersionBlockValue value;
            if (FindVersionBlock(record, path, value)) {
                ASSERT_LE(value.offset, record.size()) << path;
                ASSERT_LE(value.length, record.size() - value.offset) << path;
            }
        }
    };
    for (std::size_t n = 0; n <= good.size(); ++n)
        check(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)));
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const unsigned char byte : {0x00, 0x01, 0x7F, 0xFF}) {
            Bytes record = good;
            record[at] = byte;
            check(record);
        }
    }
}

} // namespace
