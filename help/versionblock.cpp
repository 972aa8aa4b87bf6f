#include "versionblock.h"

#include <algorithm>

namespace {

constexpr std::size_t kBlockHeaderBytes = 6;

std::uint16_t Read16(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

constexpr std::size_t Align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

// One block as found in the record; every offset is from the start of the record and lies
// within [begin, end].
struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t keyBegin = 0;
    std::size_t keyUnits = 0; // without the terminating NUL
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    std::size_t childrenBegin = 0;
    std::uint16_t type = 0;
};

// Reads the block starting at `at`, which must end no later than `limit` (the end of its
// parent). False when the header, the stated length or the key does not fit.
bool ReadBlock(std::span<const unsigned char> record, std::size_t at, std::size_t limit,
               Block& block) {
    if (limit > record.size() || at > limit || limit - at < kBlockHeaderBytes)
        return false;
    const std::size_t length = Read16(record, at);
    if (length < kBlockHeaderBytes || length > limit - at)
        return false;
    block.begin = at;
    block.end = at + length;
    const std::uint16_t valueLength = Read16(record, at + 2);
    block.type = Read16(record, at + 4);

    // The key must end with its NUL inside the block.
    block.keyBegin = at + kBlockHeaderBytes;
    std::size_t p = block.keyBegin;
    for (;;) {
        if (block.end - p < 2)
            return false;
        if (Read16(record, p) == 0)
            break;
        p += 2;
    }
    block.keyUnits = (p - block.keyBegin) / 2;

    block.valueBegin = std::min(Align4(p + 2), block.end);
    const std::size_t valueBytes =
        block.type == 1 ? std::size_t{valueLength} * 2 : std::size_t{valueLength};
    block.valueEnd = block.valueBegin + std::min(valueBytes, block.end - block.valueBegin);
    block.childrenBegin = std::min(Align4(block.valueEnd), block.end);
    return true;
}

char AsciiLower(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char>(c - u'A' + 'a');
    return static_cast<char>(c);
}

bool KeyEquals(std::span<const unsigned char> record, const Block& block, std::string_view name) {
    if (block.keyUnits != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t unit = Read16(record, block.keyBegin + 2 * i);
        const auto wanted = static_cast<unsigned char>(name[i]);
        if (unit >= 0x80 || wanted >= 0x80) {
            if (unit != wanted)
                return false;
        } else if (AsciiLower(unit) != AsciiLower(wanted)) {
            return false;
        }
    }
    return true;
}

bool FindChild(std::span<const unsigned char> record, const Block& parent, std::string_view name,
               Block& child) {
    std::size_t at = parent.childrenBegin;
    while (at < parent.end) {
        if (!ReadBlock(record, at, parent.end, child))
            return false;
        if (KeyEquals(record, child, name))
            return true;
        at = Align4(child.end);
    }
    return false;
}

} // namespace

bool FindVersionBlock(std::span<const unsigned char> record, std::string_view path,
                      VersionBlockValue& value) {
    Block block;
    if (!ReadBlock(record, 0, record.size(), block))
        return false;
    while (!path.empty()) {
        const std::size_t separator = path.find('\\');
        const std::string_view key = path.substr(0, separator);
        path =
            separator == std::string_view::npos ? std::string_view{} : path.substr(separator + 1);
        if (key.empty())
            continue;
        Block child;
        if (!FindChild(record, block, key, child))
            return false;
        block = child;
    }
    value.offset = block.valueBegin;
    value.length = block.valueEnd - block.valueBegin;
    value.type = block.type;
    return true;
}

VS_FIXEDFILEINFO DecodeFixedFileInfo(std::span<const unsigned char> bytes) {
    std::uint32_t words[13] = {};
    if (bytes.size() < kFixedFileInfoBytes)
        return VS_FIXEDFILEINFO{};
    for (std::size_t i = 0; i < 13; ++i)
        words[i] = Read32(bytes, 4 * i);
    return VS_FIXEDFILEINFO{words[0], words[1], words[2], words[3],  words[4],  words[5], words[6],
                            words[7], words[8], words[9], words[10], words[11], words[12]};
}
