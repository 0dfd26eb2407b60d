#include "framework/files/inputfile.h"

#include "framework/files/filelocation.h"
#include "framework/files/ioerror.h"
#include "framework/files/nativebytes.h"

#include <algorithm>

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
    return toNativeBytes(path);
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
    if (parseLocation(path).inArchive)
        return false;
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

void FileReader::readExact(void* buffer, std::size_t size) {
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
    // Straight into the result, which grows only if the file grew since it was opened.
    QByteArray data;
    qsizetype used = 0;
    qsizetype room = size_ > 0 ? static_cast<qsizetype>(size_) + 1 : 64 * 1024;
    for (;;) {
        if (data.size() < used + 1)
            data.resize(used + room);  // new bytes are left as they are
        const std::size_t n = readSome(data.data() + used, static_cast<std::size_t>(data.size() - used));
        if (n == 0)
            break;
        used += static_cast<qsizetype>(n);
        room = std::max<qsizetype>(room, used);
    }
    data.truncate(used);
    return data;
}

}  // namespace pellax
