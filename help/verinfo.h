#pragma once

#include "versionblock.h"

#include <cstddef>
#include <vector>

// The 13 entry names of GetVersionString, by index: 2 "FileDescription", 9 "ProductName",
// 11 "SpecialBuild", ...
constexpr int kVersionStringCount = 13;
extern const char* const VersionStringNames[kVersionStringCount];

// Reads the version record of a program file: the fixed numeric part and the text entries of
// its first language. The record is kept in memory while loaded; queries answer from it.
// On this platform a program file's record is the ELF section named kVersionSectionName
// (versionrecord.h), where the program's own record is linked.
//
// Texts come out single-byte Windows-1252; characters the code page lacks read as "?".
class CVersionResource {
public:
    CVersionResource() = default;
    ~CVersionResource() { Reset(); }
    // The translation pointer points into the owned buffer: not copyable.
    CVersionResource(const CVersionResource&) = delete;
    CVersionResource& operator=(const CVersionResource&) = delete;

    // The running program's own module, the argument LoadFromModule takes for it. Any address
    // inside a loaded module names that module.
    static const void* ProgramModule();

    // Loads the record of the file the module was loaded from. 0 when `module` is null, lies in
    // no loaded module, or the module's file has no valid record.
    int LoadFromModule(const void* module);
    // Loads the record of the file at `path`; returns the valid flag. Fails, with nothing left
    // loaded, for a file without a record, a record whose fixed part lacks the signature
    // 0xFEEF04BD, or one without a "\VarFileInfo\Translation" block.
    int LoadFromFile(const char* path);
    // The same for a record already in memory (copied; `data` need not outlive the call).
    int LoadFromMemory(const unsigned char* data, std::size_t size);
    void Reset();

    int IsValid() const { return m_valid; }

    // GetVersionString looks up VersionStringNames[index]; an index outside 0..12 gives 0 and
    // leaves the buffer untouched.
    int GetVersionString(int index, char* text, int size) const;
    // Copies the entry `name` of the current language's string table into `buffer`, cut to
    // size - 1 characters and terminated; 1 when found. With a record loaded, `size` > 0 and a
    // name, the buffer is zero-filled first, so a missing entry reads as an empty text;
    // otherwise it is left as it was.
    int QueryVersionString(const char* name, char* text, int size) const;

    // The fixed part; all zero when nothing is loaded (the callers load first).
    const VS_FIXEDFILEINFO& FixedFileInfo() const { return m_fixed; }
    int GetFileVersionMajor() const { return static_cast<int>(m_fixed.dwFileVersionMS >> 16); }
    int GetFileVersionMinor() const { return static_cast<int>(m_fixed.dwFileVersionMS & 0xFFFF); }

    int TranslationCount() const { return m_translationCount; }
    // Low and high 16 bits of the current translation entry; 0 when the current index is not
    // below the translation count.
    int CurrentLanguage() const { return static_cast<int>(CurrentTranslation() & 0xFFFF); }
    int CurrentCodePage() const { return static_cast<int>(CurrentTranslation() >> 16); }

    // Largest record accepted from a file. A record's own length is a 16-bit field; the room
    // above it allows for padding the section may carry.
    static constexpr std::size_t kMaxRecordBytes = 1 << 20;

private:
    std::uint32_t CurrentTranslation() const;

    VS_FIXEDFILEINFO m_fixed{};
    std::vector<unsigned char> m_buffer;           // the whole record as read
    const unsigned char* m_translations = nullptr; // into buffer: 32-bit little-endian pairs
    int m_currentTranslation = 0;
    int m_translationCount = 0;
    int m_valid = 0;
};
