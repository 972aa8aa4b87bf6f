#include "versionrecord.h"

#include "versionbuilder.h"

#include <array>
#include <string_view>

namespace {

constexpr VS_FIXEDFILEINFO kFixed{
    .dwSignature = kFixedFileInfoSignature,
    .dwStrucVersion = 0x00010000,
    .dwFileVersionMS = 0x00010000, // 1.0
    .dwFileVersionLS = 0x00000000, // .0.0
    .dwProductVersionMS = 0x00010000,
    .dwProductVersionLS = 0x00000000,
    .dwFileFlagsMask = 0x1F,
    .dwFileFlags = 0x1, // debug build
    .dwFileOS = 0x4,    // 32-bit Windows
    .dwFileType = 0x1,  // application
    .dwFileSubtype = 0x0,
    .dwFileDateMS = 0,
    .dwFileDateLS = 0,
};
constexpr auto kFixedBytes = FixedFileInfoBytes(kFixed);

// US English, code page 1252; the string table's key is the same pair as "%04X%04X".
constexpr auto kTranslation = TranslationBytes<1>({{{0x0409, 0x04E4}}});

// No "LegalTrademarks", "PrivateBuild", "SpecialBuild" or "OLESelfRegister": without a special
// build the version text is the major and minor number followed by one blank.
constexpr VersionBlockSource kStrings[] = {
    VersionText(u"Comments",
                u"This application is used to specify refrigeration system capillary tubes."),
    VersionText(u"CompanyName", u"Kestrin"),
    VersionText(u"FileDescription", u"Kestrin Capillary Tube Selector"),
    VersionText(u"FileVersion", u"1.0.0.0"),
    VersionText(u"InternalName", u"Velnor.exe"),
    VersionText(u"LegalCopyright", u"Copyright \u00A9 Kestrin"),
    VersionText(u"OriginalFilename", u"Velnor.exe"),
    VersionText(u"ProductName", u"Velnor"),
    VersionText(u"ProductVersion", u"1.0.0.0"),
};
constexpr VersionBlockSource kStringTables[] = {VersionGroup(u"040904E4", kStrings)};
constexpr VersionBlockSource kVars[] = {VersionBinary(u"Translation", kTranslation)};
constexpr VersionBlockSource kTop[] = {
    VersionGroup(u"StringFileInfo", kStringTables),
    VersionGroup(u"VarFileInfo", kVars),
};
constexpr VersionBlockSource kRoot = VersionBinary(u"VS_VERSION_INFO", kFixedBytes, kTop);

constexpr std::size_t kRecordSize = VersionRecordSize(kRoot);
static_assert(kRecordSize <= 0xFFFF, "a version record's length is a 16-bit field");

static_assert(std::string_view(kVersionSectionName) == "velnor_version");

// `used` and `retain` keep the section through the linker's garbage collection even where no
// code refers to it; the reader finds it by its section name.
__attribute__((used, retain, aligned(4),
               section("velnor_version"))) constexpr std::array<unsigned char, kRecordSize>
    kVersionRecord = EncodeVersionRecord<kRecordSize>(kRoot);

} // namespace

std::span<const unsigned char> ProgramVersionRecord() {
    return kVersionRecord;
}
