#pragma once

#include "versionblock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Writes version records in the layout of versionblock.h from a readable description: a tree
// of VersionBlockSource, each naming its key, its value and its children. Everything here is
// constexpr so that the program's own record is laid out by the compiler (versionrecord.cpp);
// the same functions build records at run time.

struct VersionBlockSource {
    std::u16string_view key;
    std::uint16_t type = 1;                       // 0 binary value, 1 text value
    std::span<const unsigned char> binary;        // the value of a binary block
    std::u16string_view text;                     // the value of a text entry, without its NUL
    bool hasText = false;                         // a text entry; other text blocks have no value
    std::span<const VersionBlockSource> children; // written in this order
};

// A block with a text value, written with its terminating NUL: one entry of a string table.
constexpr VersionBlockSource VersionText(std::u16string_view key, std::u16string_view text) {
    return VersionBlockSource{key, 1, {}, text, true, {}};
}

// A text-type block without a value that only groups its children ("StringFileInfo", a string
// table, "VarFileInfo").
constexpr VersionBlockSource VersionGroup(std::u16string_view key,
                                          std::span<const VersionBlockSource> children) {
    return VersionBlockSource{key, 1, {}, {}, false, children};
}

// A block with a binary value (the root with VS_FIXEDFILEINFO, "Translation").
constexpr VersionBlockSource VersionBinary(std::u16string_view key,
                                           std::span<const unsigned char> value,
                                           std::span<const VersionBlockSource> children = {}) {
    return VersionBlockSource{key, 0, value, {}, false, children};
}

namespace versionbuilder_detail {

constexpr std::size_t Align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

constexpr std::size_t ValueOffset(const VersionBlockSource& block) {
    return Align4(6 + 2 * (block.key.size() + 1));
}

constexpr std::size_t ValueBytes(const VersionBlockSource& block) {
    if (block.type != 1)
        return block.binary.size();
    return block.hasText ? 2 * (block.text.size() + 1) : 0;
}

// The block's length field: everything up to the end of its last child (or of its value),
// without padding after it.
constexpr std::size_t BlockLength(const VersionBlockSource& block) {
    std::size_t n = ValueOffset(block) + ValueBytes(block);
    for (const VersionBlockSource& child : block.children)
        n = Align4(n) + BlockLength(child);
    return n;
}

constexpr void Put16(unsigned char* out, std::size_t at, std::size_t value) {
    out[at] = static_cast<unsigned char>(value & 0xFF);
    out[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

// Writes `block` at `at` (a multiple of 4) into zero-filled `out`.
constexpr void WriteBlock(const VersionBlockSource& block, unsigned char* out, std::size_t at) {
    Put16(out, at, BlockLength(block));
    Put16(out, at + 2,
          block.type == 1 ? (block.hasText ? block.text.size() + 1 : 0) : block.binary.size());
    Put16(out, at + 4, block.type);
    for (std::size_t i = 0; i < block.key.size(); ++i)
        Put16(out, at + 6 + 2 * i, block.key[i]);
    std::size_t p = at + ValueOffset(block);
    if (block.type != 1) {
        for (const unsigned char byte : block.binary)
            out[p++] = byte;
    } else if (block.hasText) {
        for (const char16_t unit : block.text) {
            Put16(out, p, unit);
            p += 2;
        }
        p += 2;
    }
    for (const VersionBlockSource& child : block.children) {
        p = Align4(p);
        WriteBlock(child, out, p);
        p += BlockLength(child);
    }
}

} // namespace versionbuilder_detail

// Bytes of the record written from `root`: its length rounded up to a multiple of 4.
constexpr std::size_t VersionRecordSize(const VersionBlockSource& root) {
    return versionbuilder_detail::Align4(versionbuilder_detail::BlockLength(root));
}

// The record for compile-time use; N must be VersionRecordSize(root) (all zero otherwise).
template <std::size_t N>
constexpr std::array<unsigned char, N> EncodeVersionRecord(const VersionBlockSource& root) {
    std::array<unsigned char, N> bytes{};
    if (N == VersionRecordSize(root))
        versionbuilder_detail::WriteBlock(root, bytes.data(), 0);
    return bytes;
}

// The record at run time. Lengths above 0xFFFF do not fit the 16-bit fields and are written
// cut to 16 bits, which tests use to make malformed records.
inline std::vector<unsigned char> EncodeVersionRecord(const VersionBlockSource& root) {
    std::vector<unsigned char> bytes(VersionRecordSize(root));
    versionbuilder_detail::WriteBlock(root, bytes.data(), 0);
    return bytes;
}

// VS_FIXEDFILEINFO as the 52 little-endian bytes of a root block's value.
constexpr std::array<unsigned char, kFixedFileInfoBytes>
FixedFileInfoBytes(const VS_FIXEDFILEINFO& info) {
    const std::uint32_t words[13] = {
        info.dwSignature,     info.dwStrucVersion,     info.dwFileVersionMS,
        info.dwFileVersionLS, info.dwProductVersionMS, info.dwProductVersionLS,
        info.dwFileFlagsMask, info.dwFileFlags,        info.dwFileOS,
        info.dwFileType,      info.dwFileSubtype,      info.dwFileDateMS,
        info.dwFileDateLS};
    std::array<unsigned char, kFixedFileInfoBytes> bytes{};
    for (std::size_t i = 0; i < 13; ++i)
        for (std::size_t b = 0; b < 4; ++b)
            bytes[4 * i + b] = static_cast<unsigned char>((words[i] >> (8 * b)) & 0xFF);
    return bytes;
}

// One language/code-page pair of "Translation": the language in the low 16 bits.
struct VersionTranslation {
    std::uint16_t language;
    std::uint16_t codePage;
};

// The value of "Translation" for the pairs given.
template <std::size_t N>
constexpr std::array<unsigned char, 4 * N>
TranslationBytes(const std::array<VersionTranslation, N>& pairs) {
    std::array<unsigned char, 4 * N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        bytes[4 * i] = static_cast<unsigned char>(pairs[i].language & 0xFF);
        bytes[4 * i + 1] = static_cast<unsigned char>(pairs[i].language >> 8);
        bytes[4 * i + 2] = static_cast<unsigned char>(pairs[i].codePage & 0xFF);
        bytes[4 * i + 3] = static_cast<unsigned char>(pairs[i].codePage >> 8);
    }
    return bytes;
}
