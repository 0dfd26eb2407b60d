#include "framework/inputfile.h"

#include "framework/ioerror.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellax {

QByteArray nativePath(const QString& path) {
    if (path.isEmpty())
        throw EInOutError(ioerr::FileNotFound);
    if (path.contains(QChar(0)))
        throw EInOutError(ioerr::InvalidFilename);
    return QFile::encodeName(path);
}

InputFile::InputFile(const QString& path) {
    const QByteArray native = nativePath(path);
    do {
        // Non-blocking, so that opening a named pipe cannot hang the program.
        fd_ = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        EInOutError::raiseErrno(errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        const int err = errno;
        ::close(fd_);
        EInOutError::raiseErrno(err);
    }
    // Folders, pipes and devices open on Linux but are not files the user can
    // read from: a pipe may never end, a device may never stop giving bytes.
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw EInOutError(ioerr::AccessDenied);
    }
    size_ = static_cast<std::int64_t>(st.st_size);
}

bool InputFile::isSameFileAs(const QString& path) const {
    struct stat other {};
    struct stat own {};
    return ::stat(nativePath(path).constData(), &other) == 0 && ::fstat(fd_, &own) == 0 && other.st_dev == own.st_dev &&
           other.st_ino == own.st_ino;
}

InputFile::~InputFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t InputFile::readSome(void* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            EInOutError::raiseErrno(errno);
    }
}

void InputFile::readExact(void* buffer, std::size_t size) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t n = readSome(out + done, size - done);
        if (n == 0)
            throw EInOutError(ioerr::ReadBeyondEnd);
        done += n;
    }
}

QByteArray InputFile::readAll() {
    QByteArray data;
    if (size_ > 0)
        data.reserve(static_cast<qsizetype>(size_));
    char chunk[64 * 1024];
    for (;;) {
        const std::size_t n = readSome(chunk, sizeof chunk);
        if (n == 0)
            break;
        data.append(chunk, static_cast<qsizetype>(n));
    }
    return data;
}

}  // namespace pellax
