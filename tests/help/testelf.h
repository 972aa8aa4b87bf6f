#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Minimal ELF images for tests: a header, the sections' bytes, a section-name table and the
// section-header table (a null header, the sections in order, then the name table).
struct TestSection {
    std::string name;
    std::vector<unsigned char> bytes;
    std::uint32_t type = 1; // PROGBITS
};

struct TestElf {
    std::vector<unsigned char> image;
    std::uint64_t headersOffset = 0; // of the section-header table
    std::size_t headerBytes = 0;     // of one section header
};

TestElf MakeTestElf(bool is64, bool bigEndian, const std::vector<TestSection>& sections);

// Writes `count` bytes of `value` in the image's byte order at `at`.
void PokeElf(TestElf& elf, bool bigEndian, std::size_t at, std::uint64_t value, std::size_t count);

// A file in the temporary directory, removed again when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& stem);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string String() const { return path_.string(); }
    void Write(const std::vector<unsigned char>& bytes) const;

private:
    std::filesystem::path path_;
};
