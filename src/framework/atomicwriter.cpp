#include "framework/atomicwriter.h"

#include "framework/inputfile.h"
#include "framework/ioerror.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellax {

namespace {

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray fileNameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// Follows symbolic links so that the file they point to is replaced, not the link.
QByteArray resolveLinks(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* real = ::realpath(path.constData(), nullptr);
    if (!real)
        return path;
    QByteArray resolved(real);
    std::free(real);
    return resolved;
}

mode_t defaultCreationMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& target, Durability durability) : durability_(durability) {
    targetPath_ = resolveLinks(nativePath(target));
    if (fileNameOf(targetPath_).isEmpty())
        throw EInOutError(ioerr::InvalidFilename);

    mode_t mode = defaultCreationMode();
    struct stat st {};
    if (::stat(targetPath_.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            throw EInOutError(ioerr::AccessDenied);
        // A file without its owner's write bit is read-only, even to root.
        if ((st.st_mode & S_IWUSR) == 0 || ::access(targetPath_.constData(), W_OK) != 0)
            throw EInOutError(ioerr::AccessDenied);
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        EInOutError::raiseErrno(errno);
    }

    const QByteArray dir = parentOf(targetPath_);
    struct stat dirSt {};
    if (::stat(dir.constData(), &dirSt) != 0)
        throw EInOutError(errno == ENOENT ? ioerr::InvalidFilename : ioCodeFromErrno(errno));
    if (!S_ISDIR(dirSt.st_mode))
        throw EInOutError(ioerr::InvalidFilename);

    QByteArray templ = dir + '/' + '.' + fileNameOf(targetPath_) + ".XXXXXX";
    fd_ = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd_ < 0)
        EInOutError::raiseErrno(errno);
    tempPath_ = templ;
    if (::fchmod(fd_, mode) != 0) {
        const int err = errno;
        discard();
        EInOutError::raiseErrno(err);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_)
        discard();
}

void AtomicFileWriter::discard() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(tempPath_.constData());
        tempPath_.clear();
    }
}

void AtomicFileWriter::write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            discard();
            EInOutError::raiseErrno(err);
        }
        if (n == 0) {
            discard();
            throw EInOutError(ioerr::DiskFull);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::appendRestOf(InputFile& source) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    for (;;) {
        const ssize_t n = ::copy_file_range(source.descriptor(), nullptr, fd_, nullptr, kChunk, 0);
        if (n == 0)
            return;
        if (n > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF)
            break;  // the kernel cannot copy between these two files: do it ourselves
        const int err = errno;
        discard();
        EInOutError::raiseErrno(err);
    }
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kBlock);
    for (;;) {
        // A read error leaves the temporary file to the destructor.
        const std::size_t n = source.readSome(buffer.get(), kBlock);
        if (n == 0)
            return;
        write(buffer.get(), n);
    }
}

void AtomicFileWriter::commit() {
    if (fd_ < 0)
        throw EInOutError(ioerr::AccessDenied);
    if ((durability_ == Durability::Synced && ::fsync(fd_) != 0) || ::close(fd_) != 0) {
        const int err = errno;
        fd_ = -1;
        discard();
        EInOutError::raiseErrno(err);
    }
    fd_ = -1;
    if (::rename(tempPath_.constData(), targetPath_.constData()) != 0) {
        const int err = errno;
        discard();
        EInOutError::raiseErrno(err);
    }
    committed_ = true;
    tempPath_.clear();
    if (durability_ == Durability::Flushed)
        return;
    // Make the rename itself durable; a failure here cannot undo it, so it is not reported.
    const int dirFd = ::open(parentOf(targetPath_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void writeFileAtomically(const QString& target, const QByteArray& content) {
    AtomicFileWriter writer(target);
    writer.write(content);
    writer.commit();
}

}  // namespace pellax
