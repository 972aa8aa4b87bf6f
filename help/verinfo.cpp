#include "verinfo.h"

#include "cp1252.h"
#include "elfsection.h"
#include "versionrecord.h"

#include <cstdio>
#include <cstring>
#include <span>

#if defined(__linux__)
#include <link.h>
#endif

const char* const VersionStringNames[kVersionStringCount] = {
    "Comments",       "CompanyName",     "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "LegalTrademarks", "OriginalFilename", "PrivateBuild", "ProductName",
    "ProductVersion", "SpecialBuild",    "OLESelfRegister"};

namespace {

// The Windows-1252 byte of a UTF-16 unit; "?" for characters outside the code page, including
// each half of a surrogate pair.
char ToCp1252(char16_t unit) {
    if (unit < 0x80)
        return static_cast<char>(unit);
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (Cp1252ToUnicode(static_cast<unsigned char>(byte)) == unit)
            return static_cast<char>(byte);
    }
    return '?';
}

#if defined(__linux__)
struct ModuleSearch {
    std::uintptr_t address = 0;
    bool found = false;
    bool isProgram = false;
    const char* path = nullptr;
};

int FindModuleOf(dl_phdr_info* info, std::size_t, void* data) {
    auto* search = static_cast<ModuleSearch*>(data);
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD)
            continue;
        const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
        if (search->address >= begin && search->address - begin < segment.p_memsz) {
            search->found = true;
            // The program itself is listed without a name.
            search->isProgram = info->dlpi_name == nullptr || info->dlpi_name[0] == '\0';
            search->path = info->dlpi_name;
            return 1;
        }
    }
    return 0;
}
#endif

} // namespace

const void* CVersionResource::ProgramModule() {
    return ProgramVersionRecord().data();
}

int CVersionResource::LoadFromModule(const void* module) {
    Reset();
    if (module == nullptr)
        return 0;
#if defined(__linux__)
    ModuleSearch search;
    search.address = reinterpret_cast<std::uintptr_t>(module);
    dl_iterate_phdr(FindModuleOf, &search);
    if (!search.found)
        return 0;
    // The kernel's link to the running program's file works whatever the program's path and
    // even after the file has been moved.
    if (search.isProgram)
        return LoadFromFile("/proc/self/exe");
    return LoadFromFile(search.path);
#else
    return 0;
#endif
}

int CVersionResource::LoadFromFile(const char* path) {
    Reset();
    std::vector<unsigned char> bytes;
    if (!ReadElfSection(path, kVersionSectionName, kMaxRecordBytes, bytes) || bytes.empty())
        return 0;
    return LoadFromMemory(bytes.data(), bytes.size());
}

int CVersionResource::LoadFromMemory(const unsigned char* data, std::size_t size) {
    Reset();
    if (data == nullptr || size == 0 || size > kMaxRecordBytes)
        return 0;
    m_buffer.assign(data, data + size);
    const std::span<const unsigned char> record(m_buffer);

    // The root's value must hold the whole fixed part; a shorter one is not a record.
    VersionBlockValue root;
    if (FindVersionBlock(record, "\\", root) && root.length >= kFixedFileInfoBytes) {
        m_fixed = DecodeFixedFileInfo(record.subspan(root.offset, kFixedFileInfoBytes));
        m_valid = m_fixed.dwSignature == kFixedFileInfoSignature ? 1 : 0;
    }
    bool hasTranslations = false;
    if (m_valid) {
        VersionBlockValue translations;
        if (FindVersionBlock(record, "\\VarFileInfo\\Translation", translations)) {
            m_translations = m_buffer.data() + translations.offset;
            m_translationCount = static_cast<int>(translations.length / 4);
            hasTranslations = true;
        }
    }
    if (!m_valid || !hasTranslations)
        Reset();
    return m_valid;
}

void CVersionResource::Reset() {
    m_fixed = VS_FIXEDFILEINFO{};
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_translations = nullptr;
    m_currentTranslation = 0;
    m_translationCount = 0;
    m_valid = 0;
}

int CVersionResource::GetVersionString(int index, char* text, int size) const {
    if (index < 0 || index >= kVersionStringCount)
        return 0;
    return QueryVersionString(VersionStringNames[index], text, size);
}

int CVersionResource::QueryVersionString(const char* name, char* text, int size) const {
    if (!m_valid || name == nullptr || text == nullptr || size <= 0)
        return 0;
    std::memset(text, 0, static_cast<std::size_t>(size));

    // 256 characters at most; a longer path names no entry.
    char path[257];
    const int length = std::snprintf(path, sizeof path, "\\StringFileInfo\\%04X%04X\\%s",
                                     static_cast<unsigned>(CurrentLanguage()),
                                     static_cast<unsigned>(CurrentCodePage()), name);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof path)
        return 0;

    VersionBlockValue value;
    if (!FindVersionBlock(m_buffer, path, value))
        return 0;
    const unsigned char* units = m_buffer.data() + value.offset;
    const std::size_t available = value.length / 2;
    const std::size_t room = static_cast<std::size_t>(size) - 1;
    for (std::size_t i = 0; i < available && i < room; ++i) {
        const auto unit = static_cast<char16_t>(units[2 * i] | (units[2 * i + 1] << 8));
        if (unit == 0)
            break;
        text[i] = ToCp1252(unit);
    }
    return 1;
}

std::uint32_t CVersionResource::CurrentTranslation() const {
    if (m_translations == nullptr || m_currentTranslation < 0 ||
        m_currentTranslation >= m_translationCount)
        return 0;
    const unsigned char* entry = m_translations + 4 * m_currentTranslation;
    return static_cast<std::uint32_t>(entry[0]) | (static_cast<std::uint32_t>(entry[1]) << 8) |
           (static_cast<std::uint32_t>(entry[2]) << 16) |
           (static_cast<std::uint32_t>(entry[3]) << 24);
}
