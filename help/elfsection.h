#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Finds a named section of an ELF file through its section headers: 32- and 64-bit, little- and
// big-endian. Every offset, size and count of the file is checked against the file's size
// before it is used, so a damaged or hostile file is refused rather than read out of bounds.

// Where a section's bytes lie in the file.
struct ElfSectionPlace {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// Finds the first section called `name` in the ELF image `image`. False when the image is not
// ELF, its section headers or section-name table do not fit in it, no section has that name,
// or the section holds no bytes in the file (or does not fit in it).
bool FindElfSection(std::span<const unsigned char> image, std::string_view name,
                    ElfSectionPlace& place);

// Reads the bytes of the first section called `name` of the file at `path` into `bytes`.
// False, with `bytes` empty, for the reasons above, when the file cannot be opened or read, or
// when the section is larger than `maxBytes`.
bool ReadElfSection(const char* path, std::string_view name, std::size_t maxBytes,
                    std::vector<unsigned char>& bytes);
