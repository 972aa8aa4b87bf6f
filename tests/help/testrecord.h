#pragma once

#include "versionbuilder.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A version record for tests, described by what differs from a plain good record.
struct TestRecordOptions {
    std::uint32_t signature = kFixedFileInfoSignature;
    std::uint32_t fileVersionMS = 0x00020003; // 2.3
    std::uint32_t fileVersionLS = 0x00040005;
    bool withTranslationBlock = true;
    std::vector<VersionTranslation> translations = {{0x0409, 0x04E4}};
    // One string table per key, each holding all of `strings`.
    std::vector<std::u16string> tableKeys = {u"040904E4"};
    std::vector<std::pair<std::u16string, std::u16string>> strings = {
        {u"FileDescription", u"Test Description"},
        {u"ProductName", u"Test Product"},
    };
};

inline std::vector<unsigned char> BuildTestRecord(const TestRecordOptions& options) {
    VS_FIXEDFILEINFO fixed{};
    fixed.dwSignature = options.signature;
    fixed.dwStrucVersion = 0x00010000;
    fixed.dwFileVersionMS = options.fileVersionMS;
    fixed.dwFileVersionLS = options.fileVersionLS;
    const auto fixedBytes = FixedFileInfoBytes(fixed);

    std::vector<unsigned char> translationBytes;
    for (const VersionTranslation& t : options.translations) {
        const auto entry = TranslationBytes<1>({t});
        translationBytes.insert(translationBytes.end(), entry.begin(), entry.end());
    }
    std::vector<VersionBlockSource> strings;
    for (const auto& [key, value] : options.strings)
        strings.push_back(VersionText(key, value));
    std::vector<VersionBlockSource> tables;
    for (const std::u16string& key : options.tableKeys)
        tables.push_back(VersionGroup(key, strings));
    const VersionBlockSource vars[] = {VersionBinary(u"Translation", translationBytes)};
    std::vector<VersionBlockSource> top = {VersionGroup(u"StringFileInfo", tables)};
    if (options.withTranslationBlock)
        top.push_back(VersionGroup(u"VarFileInfo", vars));
    return EncodeVersionRecord(VersionBinary(u"VS_VERSION_INFO", fixedBytes, top));
}
