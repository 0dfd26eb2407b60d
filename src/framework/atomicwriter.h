#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace pellax {

class InputFile;

// How far commit() makes sure the new content has reached the disk before it
// replaces the target.
enum class Durability {
    // Forced to disk first: a crash right after a save cannot leave an empty file.
    Synced,
    // Handed to the system only. For large outputs that can always be made again
    // from a source that is never changed, where a forced write would cost more
    // than the copy itself.
    Flushed,
};

// Writes a file so that it either appears complete or not at all: the bytes go
// to a temporary file beside the target, which is flushed and renamed over the
// target by commit(). Until then, and on any failure, the target is
// exactly as it was and no temporary file is left behind.
//
// QSaveFile does the same, but its errors do not carry errno, and the messages
// must tell a full disk from a denied access; hence this small class.
class AtomicFileWriter {
public:
    // Raises EInOutError when the target may not be written: a folder, a device,
    // a read-only file, a missing folder, no permission.
    explicit AtomicFileWriter(const QString& target, Durability durability = Durability::Synced);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(const void* data, std::size_t size);
    void write(const QByteArray& data) { write(data.constData(), static_cast<std::size_t>(data.size())); }

    // Appends everything from the source's current position to its end. The
    // kernel copies the bytes where it can, without passing them through us.
    void appendRestOf(InputFile& source);

    // Flushes and replaces the target. After a failure the target is unchanged.
    void commit();

    const QByteArray& temporaryPath() const noexcept { return tempPath_; }

private:
    void discard() noexcept;

    QByteArray targetPath_;
    QByteArray tempPath_;
    Durability durability_;
    int fd_ = -1;
    bool committed_ = false;
};

// Convenience: the whole content in one go.
void writeFileAtomically(const QString& target, const QByteArray& content);

}  // namespace pellax
