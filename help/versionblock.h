#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The layout of a version record. A record is a tree of blocks; every block is, in order:
//   length        16-bit, bytes of the whole block including its children
//   value length  16-bit, bytes for a binary value, UTF-16 units for a text value
//   type          16-bit, 0 binary value, 1 text value
//   key           UTF-16 units, NUL-terminated
//   padding       to a multiple of 4 bytes from the start of the record
//   value
//   padding       to a multiple of 4 bytes
//   children      blocks, each starting on a multiple of 4 bytes
// All numbers are little-endian. The root block "VS_VERSION_INFO" holds VS_FIXEDFILEINFO as its
// value and has the children "StringFileInfo" (one table per language, keyed by language and
// code page as eight hexadecimal digits, holding the text entries) and "VarFileInfo" (holding
// "Translation", an array of 32-bit language/code-page pairs).

constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedFileInfoBytes = 52;

// The fixed numeric part of a version record: 13 little-endian 32-bit words in this order.
struct VS_FIXEDFILEINFO {
    std::uint32_t dwSignature;
    std::uint32_t dwStrucVersion;
    std::uint32_t dwFileVersionMS;
    std::uint32_t dwFileVersionLS;
    std::uint32_t dwProductVersionMS;
    std::uint32_t dwProductVersionLS;
    std::uint32_t dwFileFlagsMask;
    std::uint32_t dwFileFlags;
    std::uint32_t dwFileOS;
    std::uint32_t dwFileType;
    std::uint32_t dwFileSubtype;
    std::uint32_t dwFileDateMS;
    std::uint32_t dwFileDateLS;

    bool operator==(const VS_FIXEDFILEINFO&) const = default;
};

// Where a block's value lies: `offset` and `length` in bytes from the start of the record.
// `length` is already cut to the end of its block, so the value is always inside the record.
struct VersionBlockValue {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::uint16_t type = 0;
};

// Finds the block named by `path` in `record` and reports its value. The path is a list of keys
// separated by backslashes, "\" alone naming the root block; keys compare without regard to
// the case of ASCII letters. Every length is checked against the enclosing block and the
// record: a block that does not fit ends the search of its parent, so a malformed record never
// causes a read outside `record`. False when the block is not found.
bool FindVersionBlock(std::span<const unsigned char> record, std::string_view path,
                      VersionBlockValue& value);

// Reads VS_FIXEDFILEINFO from the first 52 bytes of `bytes`; all zero when there are fewer.
VS_FIXEDFILEINFO DecodeFixedFileInfo(std::span<const unsigned char> bytes);
