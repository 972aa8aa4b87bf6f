#include "database.h"
#include "productidentity.h"
#include "testrecord.h"
#include "verinfo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

ProductIdentity FillFrom(const TestRecordOptions& options) {
    const Bytes record = BuildTestRecord(options);
    CVersionResource version;
    EXPECT_EQ(version.LoadFromMemory(record.data(), record.size()), 1);
    ProductIdentity identity;
    FillProductIdentity(identity, version);
    return identity;
}

TEST(ProductIdentity, TheProgramsOwnRecordGivesTitleProductAndVersion) {
    ProductIdentity identity;
    LoadProductIdentity(identity);
    EXPECT_STREQ(identity.szTitle, "Kestrin Capillary Tube Selector");
    EXPECT_STREQ(identity.szProductName, "Velnor");
    EXPECT_STREQ(identity.szVersion, "1.0 ") << "a blank where the special build would be";
    EXPECT_STREQ(identity.szDbVersion, "0.0.x");
}

TEST(ProductIdentity, WithoutARecordTheBuiltInTextsApply) {
    CVersionResource version;
    version.LoadFromFile("/nonexistent/Velnor");
    ProductIdentity identity;
    std::memset(identity.szTitle, 'X', sizeof identity.szTitle);
    std::memset(identity.szVersion, 'X', sizeof identity.szVersion);
    FillProductIdentity(identity, version);
    EXPECT_STREQ(identity.szTitle, " ");
    EXPECT_STREQ(identity.szProductName, "Velnor");
    EXPECT_STREQ(identity.szVersion, "0.0");
    EXPECT_STREQ(identity.szDbVersion, "0.0");
}

TEST(ProductIdentity, EntriesOfTheRecordShapeTheTexts) {
    const std::u16string longText(120, u'd');
    const std::u16string longBuild(60, u'b');
    const struct {
        const char* name;
        std::vector<std::pair<std::u16string, std::u16string>> strings;
        std::uint32_t fileVersionMS;
        const char* title;
        const char* product;
        std::string version;
    } rows[] = {
        {"no FileDescription: empty title, not a blank",
         {{u"ProductName", u"P"}},
         0x00010000,
         "",
         "P",
         "1.0 "},
        {"no entries at all", {}, 0x00010000, "", "", "1.0 "},
        {"special build follows the blank",
         {{u"SpecialBuild", u"beta 2"}},
         0x00020003,
         "",
         "",
         "2.3 beta 2"},
        {"special build cut to 48 characters",
         {{u"SpecialBuild", longBuild}},
         0x00010000,
         "",
         "",
         "1.0 " + std::string(48, 'b')},
        {"largest numbers", {}, 0xFFFFFFFF, "", "", "65535.65535 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestRecordOptions options;
        options.strings = row.strings;
        options.fileVersionMS = row.fileVersionMS;
        const ProductIdentity identity = FillFrom(options);
        EXPECT_STREQ(identity.szTitle, row.title);
        EXPECT_STREQ(identity.szProductName, row.product);
        EXPECT_EQ(identity.szVersion, row.version);
        EXPECT_STREQ(identity.szDbVersion, "0.0.x");
    }

    TestRecordOptions options;
    options.strings = {{u"FileDescription", longText}, {u"ProductName", longText}};
    const ProductIdentity identity = FillFrom(options);
    EXPECT_EQ(identity.szTitle, std::string(98, 'd'));
    EXPECT_EQ(identity.szProductName, std::string(98, 'd'));
}

TEST(ProductIdentity, TheDatabaseVersionReplacesThePlaceholderWhenGiven) {
    const struct {
        const char* line;
        const char* expected;
    } rows[] = {
        {"", "0.0.x"},
        {"2.1", "2.1"},
        {"1234567890123456789", "123456789012345"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ProductIdentity identity;
        LoadProductIdentity(identity);
        RefrigerantDatabase db;
        std::strncpy(db.szDbVersion, row.line, sizeof db.szDbVersion - 1);
        ApplyDatabaseVersion(identity, db);
        EXPECT_STREQ(identity.szDbVersion, row.expected);
    }
}

} // namespace
