#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <memory>

namespace pellax {

// What reads a file, loose or a member of an archive (filelocation.h). Every
// failure raises an Exception, EInOutError for the run-time I/O errors.
class FileReader {
public:
    virtual ~FileReader() = default;

    // Reads up to `size` bytes; returns how many were read, 0 at the end.
    virtual std::size_t readSome(void* buffer, std::size_t size) = 0;
    // Reads everything from the current position to the end.
    virtual QByteArray readAll() = 0;
    // True when writing `location` would change what this reads.
    virtual bool isSameFileAs(const QString& location) const = 0;
    // An open descriptor the kernel can copy from, or -1; owned by the reader.
    virtual int descriptor() const noexcept { return -1; }

    // Reads exactly `size` bytes or raises "Read beyond end of file".
    void readExact(void* buffer, std::size_t size);
};

// What writes a file, loose or a member of an archive, so that it is replaced
// whole or not at all: nothing changes before commit(), nor after a failure.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    virtual void write(const void* data, std::size_t size) = 0;
    void write(const QByteArray& data) { write(data.constData(), static_cast<std::size_t>(data.size())); }
    // Appends everything from the source's current position to its end.
    virtual void appendRestOf(FileReader& source) = 0;
    // Puts the new content in place; on failure the old one stays.
    virtual void commit() = 0;
};

// How far a writer makes sure the new content has reached the disk before it
// replaces the old one.
enum class Durability {
    // Forced to disk first: a crash right after a save cannot leave an empty file.
    Synced,
    // Handed to the system only. For large outputs that can always be made again
    // from a source that is never changed, where a forced write would cost more
    // than the copy itself.
    Flushed,
};

std::unique_ptr<FileReader> openFileReader(const QString& location);
std::unique_ptr<FileWriter> openFileWriter(const QString& location, Durability durability = Durability::Synced);

// Convenience: the whole content of a location in one go, and back.
QByteArray readWholeFile(const QString& location);
void writeWholeFile(const QString& location, const QByteArray& content);

}  // namespace pellax
