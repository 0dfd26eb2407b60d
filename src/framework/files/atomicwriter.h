#pragma once

#include "framework/files/fileaccess.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

namespace pellax {

// Writes a file so that it either appears complete or not at all: the bytes go
// to a temporary file in the target's folder, which is flushed and renamed over
// the target by commit(). Until then, and on any failure, the target is exactly
// as it was and no temporary file is left behind. Before the rename the
// temporary file takes over what belonged to the old file: its owner and group,
// permissions, ACLs and user attributes, as far as the user may set them.
//
// A rename would split a target that has more than one hard link, and cannot
// happen in a folder the user may not write. Such a target is rewritten in
// place by commit() instead, which is not atomic: the new content waits in
// memory until then, and room for it is taken before the first old byte is
// overwritten, so that a full disk still leaves the old file whole.
//
// QSaveFile does the atomic part, but its errors do not carry errno, and the
// messages must tell a full disk from a denied access; hence this small class.
class AtomicFileWriter final : public FileWriter {
public:
    // Raises EInOutError when the target may not be written: a folder, a device,
    // a read-only file, a missing folder, no permission. Symbolic links are
    // followed to the file they name, which need not exist yet.
    explicit AtomicFileWriter(const QString& target, Durability durability = Durability::Synced);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    using FileWriter::write;
    void write(const void* data, std::size_t size) override;

    // Appends everything from the source's current position to its end. The
    // kernel copies the bytes where it can, without passing them through us.
    void appendRestOf(FileReader& source) override;

    // Flushes and replaces the target. After a failure the target is unchanged,
    // except in place, where a failure after the room was taken may leave it
    // partly written.
    void commit() override;

    // Empty when the target is rewritten in place.
    const QByteArray& temporaryPath() const noexcept { return tempPath_; }

private:
    void createTemporary(const QByteArray& dir, mode_t mode, const struct stat* old);
    void openInPlace();
    void writeInPlace();
    void flushAndClose();
    [[noreturn]] void fail(int err);
    void discard() noexcept;

    QByteArray targetPath_;
    QByteArray tempPath_;
    QByteArray pending_;  // in place: the new content, written by commit()
    Durability durability_;
    off_t oldSize_ = 0;
    int fd_ = -1;
    bool inPlace_ = false;
    bool committed_ = false;
};

// Convenience: the whole content in one go. The target may be any location,
// a member of an archive too (writeWholeFile).
void writeFileAtomically(const QString& target, const QByteArray& content);

// The call through which the writer forces bytes to disk; ::fsync unless a test
// replaces it to make the disk fail on demand. Returns the call it replaces.
using FsyncCall = int (*)(int fd);
FsyncCall replaceFsyncForTests(FsyncCall call) noexcept;

}  // namespace pellax
