#include "regularfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* OpenRegularFile(const std::string& path, std::string& reason) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the type is then checked
    // on the opened descriptor, so a file swapped in between cannot slip past the check.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = std::string("cannot open: ") + std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = "not a regular file";
        return nullptr;
    }
    // Reads of a regular file never block; clearing the flag keeps stdio's reads ordinary.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        reason = std::string("cannot open: ") + std::strerror(errno);
        ::close(fd);
    }
    return f;
}
