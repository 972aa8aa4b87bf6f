#include "elfsection.h"

#include <cstring>
#include <fstream>

namespace {

constexpr unsigned char kClass32 = 1;
constexpr unsigned char kClass64 = 2;
constexpr unsigned char kDataLittle = 1;
constexpr unsigned char kDataBig = 2;
constexpr std::uint32_t kSectionNoBits = 8;           // SHT_NOBITS: occupies no file bytes
constexpr std::uint32_t kSectionIndexEscape = 0xFFFF; // SHN_XINDEX: real index in header 0

// Random access to the bytes of an image, in memory or in a file.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads `count` bytes at `offset`; false when they are not all inside the source.
    virtual bool Read(std::uint64_t offset, unsigned char* dest, std::size_t count) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const unsigned char> image) : m_image(image) {}
    std::uint64_t Size() const override { return m_image.size(); }
    bool Read(std::uint64_t offset, unsigned char* dest, std::size_t count) override {
        if (offset > m_image.size() || count > m_image.size() - offset)
            return false;
        if (count > 0)
            std::memcpy(dest, m_image.data() + offset, count);
        return true;
    }

private:
    std::span<const unsigned char> m_image;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(const char* path) : m_file(path, std::ios::binary) {
        if (!m_file)
            return;
        m_file.seekg(0, std::ios::end);
        const std::streamoff end = m_file.tellg();
        if (end > 0)
            m_size = static_cast<std::uint64_t>(end);
    }
    std::uint64_t Size() const override { return m_size; }
    bool Read(std::uint64_t offset, unsigned char* dest, std::size_t count) override {
        if (offset > m_size || count > m_size - offset)
            return false;
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(offset));
        m_file.read(reinterpret_cast<char*>(dest), static_cast<std::streamsize>(count));
        return static_cast<std::size_t>(m_file.gcount()) == count;
    }

private:
    std::ifstream m_file;
    std::uint64_t m_size = 0;
};

// Decodes the numbers of one ELF file in its byte order.
struct Decoder {
    bool big = false;

    std::uint64_t Get(const unsigned char* p, std::size_t bytes) const {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            const std::size_t shift = big ? 8 * (bytes - 1 - i) : 8 * i;
            v |= static_cast<std::uint64_t>(p[i]) << shift;
        }
        return v;
    }
};

struct SectionHeader {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

struct ElfLayout {
    bool is64 = false;
    Decoder decoder;
    std::uint64_t headersOffset = 0;
    std::uint64_t headerStride = 0;
    std::uint64_t headerCount = 0;

    std::size_t HeaderBytes() const { return is64 ? 64 : 40; }
};

bool ReadSectionHeader(ByteSource& source, const ElfLayout& layout, std::uint64_t index,
                       SectionHeader& header) {
    if (index >= layout.headerCount)
        return false;
    unsigned char raw[64] = {};
    const std::uint64_t at = layout.headersOffset + index * layout.headerStride;
    if (!source.Read(at, raw, layout.HeaderBytes()))
        return false;
    const Decoder& d = layout.decoder;
    header.name = static_cast<std::uint32_t>(d.Get(raw, 4));
    header.type = static_cast<std::uint32_t>(d.Get(raw + 4, 4));
    if (layout.is64) {
        header.offset = d.Get(raw + 24, 8);
        header.size = d.Get(raw + 32, 8);
        header.link = static_cast<std::uint32_t>(d.Get(raw + 40, 4));
    } else {
        header.offset = d.Get(raw + 16, 4);
        header.size = d.Get(raw + 20, 4);
        header.link = static_cast<std::uint32_t>(d.Get(raw + 24, 4));
    }
    return true;
}

bool FitsInSource(const ByteSource& source, std::uint64_t offset, std::uint64_t size) {
    return offset <= source.Size() && size <= source.Size() - offset;
}

// Where an ELF file header keeps the section-header fields: the header's size, the offset of
// the table (as wide as an address), the size of one entry, their count and the index of the
// section-name table.
struct FileHeaderFields {
    std::size_t bytes;
    std::size_t offsetAt;
    std::size_t addressBytes;
    std::size_t entrySizeAt;
    std::size_t countAt;
    std::size_t namesAt;
};
constexpr FileHeaderFields kFileHeader64{64, 0x28, 8, 0x3A, 0x3C, 0x3E};
constexpr FileHeaderFields kFileHeader32{52, 0x20, 4, 0x2E, 0x30, 0x32};

// The file's section-header table and the index of its section-name table.
bool ReadLayout(ByteSource& source, ElfLayout& layout, std::uint64_t& namesIndex) {
    unsigned char ident[64] = {};
    if (!source.Read(0, ident, 16))
        return false;
    if (ident[0] != 0x7F || ident[1] != 'E' || ident[2] != 'L' || ident[3] != 'F')
        return false;
    if (ident[4] != kClass32 && ident[4] != kClass64)
        return false;
    if (ident[5] != kDataLittle && ident[5] != kDataBig)
        return false;
    layout.is64 = ident[4] == kClass64;
    layout.decoder.big = ident[5] == kDataBig;
    const Decoder& d = layout.decoder;

    const FileHeaderFields& fields = layout.is64 ? kFileHeader64 : kFileHeader32;
    if (!source.Read(0, ident, fields.bytes))
        return false;
    layout.headersOffset = d.Get(ident + fields.offsetAt, fields.addressBytes);
    const std::uint64_t entrySize = d.Get(ident + fields.entrySizeAt, 2);
    layout.headerCount = d.Get(ident + fields.countAt, 2);
    namesIndex = d.Get(ident + fields.namesAt, 2);
    if (layout.headersOffset == 0 || entrySize < layout.HeaderBytes())
        return false;
    layout.headerStride = entrySize;
    if (!FitsInSource(source, layout.headersOffset, entrySize))
        return false;
    // Room for how many headers the file has at that place: bounds every count below.
    const std::uint64_t room = (source.Size() - layout.headersOffset) / entrySize;

    // Too many sections for the 16-bit fields: the real count and name-table index are in the
    // first section header.
    if (layout.headerCount == 0 || namesIndex == kSectionIndexEscape) {
        SectionHeader first;
        const std::uint64_t count = layout.headerCount;
        layout.headerCount = 1;
        if (!ReadSectionHeader(source, layout, 0, first))
            return false;
        layout.headerCount = count == 0 ? first.size : count;
        if (namesIndex == kSectionIndexEscape)
            namesIndex = first.link;
    }
    return layout.headerCount > 0 && layout.headerCount <= room;
}

bool FindSection(ByteSource& source, std::string_view name, ElfSectionPlace& place) {
    ElfLayout layout;
    std::uint64_t namesIndex = 0;
    if (!ReadLayout(source, layout, namesIndex))
        return false;
    SectionHeader names;
    if (!ReadSectionHeader(source, layout, namesIndex, names) || names.type == kSectionNoBits ||
        !FitsInSource(source, names.offset, names.size))
        return false;

    std::vector<unsigned char> candidate(name.size() + 1);
    for (std::uint64_t i = 0; i < layout.headerCount; ++i) {
        SectionHeader header;
        if (!ReadSectionHeader(source, layout, i, header))
            return false;
        // The name with its terminator must lie inside the name table.
        if (header.name > names.size || candidate.size() > names.size - header.name)
            continue;
        if (!source.Read(names.offset + header.name, candidate.data(), candidate.size()))
            return false;
        if (candidate.back() != 0 || std::memcmp(candidate.data(), name.data(), name.size()) != 0)
            continue;
        if (header.type == kSectionNoBits || header.size == 0 ||
            !FitsInSource(source, header.offset, header.size))
            return false;
        place.offset = header.offset;
        place.size = header.size;
        return true;
    }
    return false;
}

} // namespace

bool FindElfSection(std::span<const unsigned char> image, std::string_view name,
                    ElfSectionPlace& place) {
    MemorySource source(image);
    return FindSection(source, name, place);
}

bool ReadElfSection(const char* path, std::string_view name, std::size_t maxBytes,
                    std::vector<unsigned char>& bytes) {
    bytes.clear();
    if (path == nullptr)
        return false;
    FileSource source(path);
    ElfSectionPlace place;
    if (!FindSection(source, name, place) || place.size > maxBytes)
        return false;
    bytes.resize(static_cast<std::size_t>(place.size));
    if (!source.Read(place.offset, bytes.data(), bytes.size())) {
        bytes.clear();
        return false;
    }
    return true;
}
