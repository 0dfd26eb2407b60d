#include "framework/files/atomicwriter.h"

#include "framework/files/inputfile.h"
#include "framework/files/ioerror.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <utility>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace pellax {

namespace {

FsyncCall fsyncCall = ::fsync;

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray fileNameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// Follows symbolic links so that the file they point to is written, not the
// link; the last one may point to a file that does not exist yet. A relative
// link is relative to its own folder.
QByteArray resolveLinks(QByteArray path) {
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        if (hops == kMaxLinkHops)
            EInOutError::raiseErrno(ELOOP);
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), target, sizeof target);
        if (n < 0)
            EInOutError::raiseErrno(errno);
        if (static_cast<std::size_t>(n) == sizeof target)
            EInOutError::raiseErrno(ENAMETOOLONG);
        const QByteArray next(target, n);
        path = next.startsWith('/') ? next : parentOf(path) + '/' + next;
    }
}

mode_t defaultCreationMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file gets the old one's owner and group. A user who may not give a
// file away can often still keep its group (a shared file stays shared); what
// cannot be kept is as for any new file of the user's.
void takeOwner(int fd, const struct stat& old) {
    struct stat own {};
    if (::fstat(fd, &own) != 0 || (own.st_uid == old.st_uid && own.st_gid == old.st_gid))
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
}

QByteArray attributeNames(const QByteArray& path) {
    const ssize_t size = ::listxattr(path.constData(), nullptr, 0);
    if (size <= 0)
        return {};
    QByteArray names(size, Qt::Uninitialized);
    const ssize_t n = ::listxattr(path.constData(), names.data(), static_cast<std::size_t>(size));
    return n < 0 ? QByteArray() : names.left(n);
}

constexpr char kAccessAcl[] = "system.posix_acl_access";

// The access ACL and the user's own attributes; the others belong to the
// system or its security modules. (A file has no default ACL; folders do.)
bool isCarried(const char* name) {
    return std::strncmp(name, "user.", 5) == 0 || std::strcmp(name, kAccessAcl) == 0;
}

// Copies the old file's ACL and user attributes to the new one; any the user
// may not set are left behind.
void copyAttributes(const QByteArray& from, int to) {
    const QByteArray names = attributeNames(from);
    bool hadAcl = false;
    for (const char* name = names.constData(); name < names.constData() + names.size(); name += std::strlen(name) + 1) {
        if (!isCarried(name))
            continue;
        hadAcl = hadAcl || std::strcmp(name, kAccessAcl) == 0;
        const ssize_t size = ::getxattr(from.constData(), name, nullptr, 0);
        if (size < 0)
            continue;
        QByteArray value(size, Qt::Uninitialized);
        const ssize_t n = ::getxattr(from.constData(), name, value.data(), static_cast<std::size_t>(size));
        if (n >= 0)
            ::fsetxattr(to, name, value.constData(), static_cast<std::size_t>(n), 0);
    }
    // A folder's default ACL reaches every file made in it; the old file had
    // none, so neither does its replacement.
    if (!hadAcl)
        ::fremovexattr(to, kAccessAcl);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& target, Durability durability) : durability_(durability) {
    targetPath_ = resolveLinks(nativePath(target));
    if (fileNameOf(targetPath_).isEmpty())
        throw EInOutError(ioerr::InvalidFilename);

    struct stat old {};
    const bool exists = ::stat(targetPath_.constData(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            throw EInOutError(ioerr::AccessDenied);
        // A file without its owner's write bit is read-only, even to root.
        if ((old.st_mode & S_IWUSR) == 0 || ::access(targetPath_.constData(), W_OK) != 0)
            throw EInOutError(ioerr::AccessDenied);
        oldSize_ = old.st_size;
    } else if (errno != ENOENT) {
        EInOutError::raiseErrno(errno);
    }

    const QByteArray dir = parentOf(targetPath_);
    struct stat dirSt {};
    if (::stat(dir.constData(), &dirSt) != 0)
        throw EInOutError(errno == ENOENT ? ioerr::InvalidFilename : ioCodeFromErrno(errno));
    if (!S_ISDIR(dirSt.st_mode))
        throw EInOutError(ioerr::InvalidFilename);

    if (exists && old.st_nlink > 1) {
        openInPlace();
        return;
    }
    createTemporary(dir, exists ? old.st_mode & 07777 : defaultCreationMode(), exists ? &old : nullptr);
}

void AtomicFileWriter::createTemporary(const QByteArray& dir, mode_t mode, const struct stat* old) {
    // A short name of fixed length: the target's own name may already be as
    // long as the file system allows.
    QByteArray templ = dir + "/.pellax-XXXXXX";
    fd_ = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int err = errno;
        if (old && (err == EACCES || err == EPERM)) {
            openInPlace();  // a folder the user may not write, holding a file they may
            return;
        }
        EInOutError::raiseErrno(err);
    }
    tempPath_ = templ;
    if (old) {
        takeOwner(fd_, *old);
        copyAttributes(targetPath_, fd_);
    }
    // Last, since a change of owner clears the set-user-ID and set-group-ID bits.
    if (::fchmod(fd_, mode) != 0)
        fail(errno);
}

void AtomicFileWriter::openInPlace() {
    inPlace_ = true;
    do {
        fd_ = ::open(targetPath_.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        EInOutError::raiseErrno(errno);
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
    pending_.clear();
}

void AtomicFileWriter::fail(int err) {
    discard();
    EInOutError::raiseErrno(err);
}

void AtomicFileWriter::write(const void* data, std::size_t size) {
    if (fd_ < 0)
        throw EInOutError(ioerr::AccessDenied);
    const auto* bytes = static_cast<const char*>(data);
    if (inPlace_) {
        pending_.append(bytes, static_cast<qsizetype>(size));
        return;
    }
    while (size > 0) {
        const ssize_t n = ::write(fd_, bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        if (n == 0) {
            discard();
            throw EInOutError(ioerr::DiskFull);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::appendRestOf(FileReader& source) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    while (!inPlace_ && source.descriptor() >= 0) {
        const ssize_t n = ::copy_file_range(source.descriptor(), nullptr, fd_, nullptr, kChunk, 0);
        if (n == 0)
            return;
        if (n > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF)
            break;  // the kernel cannot copy between these two files: do it ourselves
        fail(errno);
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

void AtomicFileWriter::writeInPlace() {
    const auto size = static_cast<off_t>(pending_.size());
    // Take the room first, so that a full disk fails while every old byte is
    // still there. A reservation that fails half-way may have lengthened the
    // file; it is cut back. Some file systems cannot reserve: write anyway.
    if (size > 0 && ::fallocate(fd_, 0, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        const int err = errno;
        [[maybe_unused]] const int cutBack = ::ftruncate(fd_, oldSize_);
        fail(err);
    }
    for (off_t at = 0; at < size;) {
        const ssize_t n = ::pwrite(fd_, pending_.constData() + at, static_cast<std::size_t>(size - at), at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        if (n == 0)
            fail(ENOSPC);
        at += n;
    }
    if (::ftruncate(fd_, size) != 0)
        fail(errno);
}

void AtomicFileWriter::flushAndClose() {
    int err = 0;
    if (durability_ == Durability::Synced && fsyncCall(fd_) != 0)
        err = errno;
    // Linux releases the descriptor even when close reports an error.
    if (::close(std::exchange(fd_, -1)) != 0 && err == 0 && errno != EINTR)
        err = errno;
    if (err != 0)
        fail(err);
}

void AtomicFileWriter::commit() {
    if (fd_ < 0)
        throw EInOutError(ioerr::AccessDenied);
    if (inPlace_) {
        writeInPlace();
        flushAndClose();
        committed_ = true;
        pending_.clear();
        return;
    }
    flushAndClose();
    if (::rename(tempPath_.constData(), targetPath_.constData()) != 0)
        fail(errno);
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

void writeFileAtomically(const QString& target, const QByteArray& content) { writeWholeFile(target, content); }

FsyncCall replaceFsyncForTests(FsyncCall call) noexcept { return std::exchange(fsyncCall, call); }

}  // namespace pellax
