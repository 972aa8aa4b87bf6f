#include "bytefile.h"

#include "regularfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

std::string Reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// A name beside `path` that no other file uses yet, so two runs never share a temporary file.
std::string TemporaryName(const std::string& path) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = path + ".tmp" + std::to_string(random() % 1000000);
        std::error_code ec;
        if (!std::filesystem::exists(name, ec) && !ec)
            return name;
    }
    return path + ".tmp";
}

} // namespace

bool ReadLeadingBytes(const std::string& path, std::size_t limit, std::string& bytes,
                      std::string& error) {
    bytes.clear();
    std::FILE* f = OpenRegularFile(path, error);
    if (!f)
        return false;
    char chunk[65536];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, f);
        bytes.append(chunk, got);
        if (got < want)
            break;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = Reason("cannot read");
        return false;
    }
    return true;
}

bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temporary = TemporaryName(path);
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) {
        error = Reason("cannot create a temporary file beside it");
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        errno = written ? errno : writeErrno;
        error = Reason("cannot write");
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot replace it: " + ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
