#include "bytefile.h"

#include "regularfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::string Reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// The file that writing to `path` replaces: `path` itself, or for a symbolic link the file it
// finally leads to, so that the link stays a link. Empty, with `error` set, for a link that
// leads nowhere (missing file or a loop).
std::string FileToReplace(const std::string& path, std::string& error) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec) {
        error = "a symbolic link that leads to no file: " + ec.message();
        return {};
    }
    return target.string();
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
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

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string target = FileToReplace(path, error);
    if (target.empty())
        return false;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        error = Reason("cannot examine it");
        return false;
    }
    // A FIFO, a socket, a device or a directory is never replaced by a regular file.
    if (exists && !S_ISREG(existing.st_mode)) {
        error = "it exists and is not a regular file";
        return false;
    }

    // Created exclusively under a fresh name, so no file of anyone else's is opened or
    // truncated; beside the target, so that the rename stays on one file system.
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = Reason("cannot create a temporary file beside it");
        return false;
    }
    // The replaced file's permissions, or for a new file those the umask leaves of rw-rw-rw-.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Only possible for root or a member of the group; otherwise the file becomes the
        // caller's, as any rewrite by them would.
        (void)::fchown(fd, existing.st_uid, existing.st_gid);
    }
    bool written = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (!written) {
        errno = failure;
        error = Reason("cannot write");
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = Reason("cannot replace it");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
