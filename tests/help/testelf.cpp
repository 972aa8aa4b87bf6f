#include "testelf.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace {

struct Writer {
    std::vector<unsigned char>& out;
    bool big;

    void Put(std::size_t at, std::uint64_t value, std::size_t count) {
        if (out.size() < at + count)
            out.resize(at + count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t shift = big ? 8 * (count - 1 - i) : 8 * i;
            out[at + i] = static_cast<unsigned char>((value >> shift) & 0xFF);
        }
    }
};

} // namespace

TestElf MakeTestElf(bool is64, bool bigEndian, const std::vector<TestSection>& sections) {
    TestElf elf;
    elf.headerBytes = is64 ? 64 : 40;
    const std::size_t fileHeaderBytes = is64 ? 64 : 52;
    Writer w{elf.image, bigEndian};
    elf.image.assign(fileHeaderBytes, 0);
    const unsigned char ident[] = {0x7F,
                                   'E',
                                   'L',
                                   'F',
                                   static_cast<unsigned char>(is64 ? 2 : 1),
                                   static_cast<unsigned char>(bigEndian ? 2 : 1),
                                   1};
    std::copy(std::begin(ident), std::end(ident), elf.image.begin());

    // Section bytes, then the name table.
    std::vector<std::uint64_t> offsets;
    std::vector<unsigned char> names(1, 0);
    std::vector<std::uint32_t> nameOffsets;
    for (const TestSection& s : sections) {
        offsets.push_back(elf.image.size());
        if (s.type != 8)
            elf.image.insert(elf.image.end(), s.bytes.begin(), s.bytes.end());
        nameOffsets.push_back(static_cast<std::uint32_t>(names.size()));
        names.insert(names.end(), s.name.begin(), s.name.end());
        names.push_back(0);
    }
    const std::uint32_t namesName = static_cast<std::uint32_t>(names.size());
    const std::string namesTitle = ".shstrtab";
    names.insert(names.end(), namesTitle.begin(), namesTitle.end());
    names.push_back(0);
    const std::uint64_t namesOffset = elf.image.size();
    elf.image.insert(elf.image.end(), names.begin(), names.end());
    while (elf.image.size() % 8 != 0)
        elf.image.push_back(0);

    elf.headersOffset = elf.image.size();
    const std::size_t count = sections.size() + 2;
    elf.image.resize(elf.image.size() + count * elf.headerBytes, 0);
    auto header = [&](std::size_t index, std::uint32_t name, std::uint32_t type,
                      std::uint64_t offset, std::uint64_t size) {
        const std::size_t at = elf.headersOffset + index * elf.headerBytes;
        w.Put(at, name, 4);
        w.Put(at + 4, type, 4);
        if (is64) {
            w.Put(at + 24, offset, 8);
            w.Put(at + 32, size, 8);
        } else {
            w.Put(at + 16, offset, 4);
            w.Put(at + 20, size, 4);
        }
    };
    for (std::size_t i = 0; i < sections.size(); ++i)
        header(i + 1, nameOffsets[i], sections[i].type, offsets[i], sections[i].bytes.size());
    header(count - 1, namesName, 3, namesOffset, names.size());

    if (is64) {
        w.Put(0x28, elf.headersOffset, 8);
        w.Put(0x3A, elf.headerBytes, 2);
        w.Put(0x3C, count, 2);
        w.Put(0x3E, count - 1, 2);
    } else {
        w.Put(0x20, elf.headersOffset, 4);
        w.Put(0x2E, elf.headerBytes, 2);
        w.Put(0x30, count, 2);
        w.Put(0x32, count - 1, 2);
    }
    return elf;
}

void PokeElf(TestElf& elf, bool bigEndian, std::size_t at, std::uint64_t value, std::size_t count) {
    Writer{elf.image, bigEndian}.Put(at, value, count);
}

TempFile::TempFile(const std::string& stem) {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            (stem + "-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void TempFile::Write(const std::vector<unsigned char>& bytes) const {
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}
