#pragma once

#include "framework/files/fileaccess.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace pellax {

// A file opened for reading only. Every failure raises EInOutError; the file is
// closed when the object goes, on every path.
class InputFile final : public FileReader {
public:
    explicit InputFile(const QString& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Reads up to `size` bytes; returns how many were read, 0 at the end.
    std::size_t readSome(void* buffer, std::size_t size) override;
    // Reads everything from the current position to the end.
    QByteArray readAll() override;

    // The file's size when it was opened (hint only: it may change under us).
    std::int64_t sizeHint() const noexcept { return size_; }

    // The open descriptor, for copies made by the kernel; still owned by this object.
    int descriptor() const noexcept override { return fd_; }

    // True when `path` names this very file, through symbolic or hard links or
    // not; never for a member of an archive.
    bool isSameFileAs(const QString& path) const override;

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
};

// Native (8-bit) form of a path as the file system wants it. A name that is
// not UTF-8 comes through as it was read (fromNativeBytes).
QByteArray nativePath(const QString& path);

}  // namespace pellax
