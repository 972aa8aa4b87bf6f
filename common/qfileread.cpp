#include "qfileread.h"

#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileRead Unreadable(int error) {
    return {FileRead::Unreadable, {}, QString::fromLocal8Bit(std::strerror(error))};
}

} // namespace

FileRead ReadOrdinaryFile(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? FileRead{} : Unreadable(errno);
    if (!S_ISREG(info.st_mode))
        return {FileRead::NotAFile, {}, {}};
    if (info.st_size > maxBytes)
        return {FileRead::TooLarge, {}, {}};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Unreadable(errno);
    FileRead read{FileRead::Read, {}, {}};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        read.kind = FileRead::NotAFile;
    } else {
        // One byte more than the limit, to see a file that grew beyond it since the look.
        const qsizetype limit = maxBytes + 1;
        read.bytes.resize(std::min<qsizetype>(info.st_size + 1, limit));
        qsizetype got = 0;
        while (got < limit) {
            if (got == read.bytes.size())
                read.bytes.resize(limit);
            const ssize_t n = ::read(fd, read.bytes.data() + got,
                                     static_cast<std::size_t>(read.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                read = Unreadable(errno);
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        if (read.kind == FileRead::Read) {
            read.bytes.resize(got);
            if (got > maxBytes)
                read = {FileRead::TooLarge, {}, {}};
        }
    }
    ::close(fd);
    return read;
}

#else

FileRead ReadOrdinaryFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (file.size() > maxBytes)
        return {FileRead::TooLarge, {}, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {FileRead::Unreadable, {}, file.errorString()};
    FileRead read{FileRead::Read, file.read(maxBytes + 1), {}};
    if (read.bytes.size() > maxBytes)
        return {FileRead::TooLarge, {}, {}};
    return read;
}

#endif
