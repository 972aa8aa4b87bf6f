// Feeds arbitrary bytes to the version record reader and checks its promises; a broken one
// aborts. The bytes are read as a record and as a program file whose version section is looked
// up, and every query the program asks is asked:
// - a record loads only when it has the fixed part's signature and a translation block, and
//   what did not load answers nothing and leaves the caller's buffer alone;
// - a text comes back terminated inside the buffer given, and a smaller buffer gets the
//   start of what a larger one gets;
// - every block found, and the section found in a program file, lies inside the bytes.
// The bytes also make a record through the writer (version words, language, code page and
// three entries whose keys and texts they choose), which must read back as written.
#include "cp1252.h"
#include "elfsection.h"
#include "fuzzcheck.h"
#include "verinfo.h"
#include "versionbuilder.h"
#include "versionrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

using fuzz::Promise;

namespace {

constexpr char kUntouched = '\x55';

// Every query, each into a buffer of 100 and of 8 characters.
void CheckQueries(const CVersionResource& version) {
    for (int i = -1; i <= kVersionStringCount; ++i) {
        char text[100];
        char start[8];
        std::memset(text, kUntouched, sizeof text);
        std::memset(start, kUntouched, sizeof start);
        const int found = version.GetVersionString(i, text, sizeof text);
        Promise(found == version.GetVersionString(i, start, sizeof start),
                "the buffer's size does not change whether an entry is found");
        if (!found) {
            Promise(text[0] == kUntouched || (version.IsValid() && text[0] == '\0'),
                    "a query that finds nothing leaves the buffer untouched or empty");
            Promise(version.IsValid() || (text[0] == kUntouched && start[0] == kUntouched),
                    "nothing loaded answers nothing");
            continue;
        }
        Promise(std::memchr(text, '\0', sizeof text) != nullptr &&
                    std::memchr(start, '\0', sizeof start) != nullptr,
                "a text is terminated inside its buffer");
        Promise(std::strncmp(text, start, sizeof start - 1) == 0,
                "a smaller buffer gets the start of the text");
    }
    char one = kUntouched;
    if (version.GetVersionString(2, &one, 1))
        Promise(one == '\0', "a buffer of one character gets the empty text");
}

void CheckRecord(std::span<const unsigned char> record) {
    CVersionResource version;
    const int valid = version.LoadFromMemory(record.data(), record.size());
    Promise(valid == version.IsValid(), "loading says whether the record is valid");
    if (valid) {
        Promise(record.size() <= CVersionResource::kMaxRecordBytes &&
                    version.FixedFileInfo().dwSignature == kFixedFileInfoSignature,
                "a valid record is not too large and has the signature");
    } else {
        Promise(version.FixedFileInfo() == VS_FIXEDFILEINFO{} && version.TranslationCount() == 0,
                "a record that did not load leaves nothing loaded");
    }
    CheckQueries(version);
    (void)version.CurrentLanguage();
    (void)version.CurrentCodePage();

    static const char* const paths[] = {"\\", "\\StringFileInfo\\040904E4\\ProductName",
                                        "\\VarFileInfo\\Translation", "\\\\x\\"};
    for (const char* path : paths) {
        VersionBlockValue value;
        if (FindVersionBlock(record, path, value))
            Promise(value.offset <= record.size() && value.length <= record.size() - value.offset,
                    "a block's value lies inside the record");
    }
}

// The input, a byte or a UTF-16 unit at a time; past its end every byte is 0.
struct Input {
    std::span<const unsigned char> bytes;
    std::size_t at = 0;
    bool AtEnd() const { return at >= bytes.size(); }
    unsigned Byte() { return at < bytes.size() ? bytes[at++] : 0u; }
    char16_t Unit() { return static_cast<char16_t>(Byte() | (Byte() << 8)); }
};

// The character the reader gives for `unit`: the same ASCII character, the Windows-1252 byte
// of that character, or "?" when the code page has none.
bool ReadsAs(char16_t unit, char c) {
    if (unit < 0x80)
        return c == static_cast<char>(unit);
    if (c != '?')
        return Cp1252ToUnicode(static_cast<unsigned char>(c)) == unit;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (Cp1252ToUnicode(static_cast<unsigned char>(byte)) == unit)
            return false;
    }
    return true;
}

void CheckWrittenRecord(std::span<const unsigned char> bytes) {
    Input in{bytes};
    VS_FIXEDFILEINFO fixed{};
    fixed.dwSignature = kFixedFileInfoSignature;
    fixed.dwFileVersionMS = static_cast<std::uint32_t>(in.Unit()) << 16 | in.Unit();
    const auto fixedBytes = FixedFileInfoBytes(fixed);
    const std::uint16_t language = in.Unit();
    const std::uint16_t codePage = in.Unit();
    const auto translation = TranslationBytes<1>({{{language, codePage}}});
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", unsigned{language}, unsigned{codePage});
    const std::u16string tableKey(table, table + 8);

    // Three entries the program reads, their keys in letter cases the input picks.
    constexpr int kEntries[] = {2, 9, 11};
    std::u16string keys[3];
    std::u16string texts[3];
    VersionBlockSource strings[3];
    for (int e = 0; e < 3; ++e) {
        const unsigned cases = in.Byte();
        const char* name = VersionStringNames[kEntries[e]];
        for (std::size_t i = 0; name[i] != '\0'; ++i) {
            const bool flip =
                ((cases >> (i % 8)) & 1) != 0 &&
                ((name[i] >= 'a' && name[i] <= 'z') || (name[i] >= 'A' && name[i] <= 'Z'));
            keys[e].push_back(static_cast<char16_t>(flip ? name[i] ^ 0x20 : name[i]));
        }
        for (unsigned n = in.Byte(); n > 0 && !in.AtEnd(); --n)
            texts[e].push_back(in.Unit());
        strings[e] = VersionText(keys[e], texts[e]);
    }
    const VersionBlockSource tables[] = {VersionGroup(tableKey, strings)};
    const VersionBlockSource vars[] = {VersionBinary(u"Translation", translation)};
    const VersionBlockSource top[] = {VersionGroup(u"StringFileInfo", tables),
                                      VersionGroup(u"VarFileInfo", vars)};
    const std::vector<unsigned char> record =
        EncodeVersionRecord(VersionBinary(u"VS_VERSION_INFO", fixedBytes, top));

    CVersionResource version;
    Promise(version.LoadFromMemory(record.data(), record.size()) == 1, "a written record loads");
    Promise(version.FixedFileInfo() == fixed && version.CurrentLanguage() == language &&
                version.CurrentCodePage() == codePage,
            "a written record's numbers read back");
    for (int e = 0; e < 3; ++e) {
        char text[300];
        Promise(version.GetVersionString(kEntries[e], text, sizeof text) == 1,
                "a written entry is found whatever the case of its key");
        const std::u16string& units = texts[e];
        std::size_t n = 0;
        while (n < units.size() && units[n] != 0) {
            Promise(ReadsAs(units[n], text[n]), "a written text reads back");
            ++n;
        }
        Promise(text[n] == '\0', "a written text ends where it was written or at a NUL");
    }
    CheckQueries(version);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // One byte past the largest record the reader takes.
    fuzz::LetInputsGrowTo(argc, argv, CVersionResource::kMaxRecordBytes + 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    CheckRecord(bytes);
    ElfSectionPlace place;
    if (FindElfSection(bytes, kVersionSectionName, place)) {
        Promise(place.size > 0 && place.offset <= size && place.size <= size - place.offset,
                "a section found lies inside the file");
        CheckRecord(bytes.subspan(static_cast<std::size_t>(place.offset),
                                  static_cast<std::size_t>(place.size)));
    }
    CheckWrittenRecord(bytes);
    return 0;
}
