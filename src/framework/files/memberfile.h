#pragma once

#include "framework/files/fileaccess.h"
#include "framework/files/filelocation.h"

namespace pellax {

// A member of an archive, read whole when opened, so that the archive is not
// held open while the caller works.
class MemberReader final : public FileReader {
public:
    explicit MemberReader(FileLocation location);

    std::size_t readSome(void* buffer, std::size_t size) override;
    QByteArray readAll() override;
    bool isSameFileAs(const QString& location) const override;

private:
    FileLocation location_;
    QByteArray content_;
    qsizetype position_ = 0;
};

// A member of an archive, collected in memory and put into the archive by
// commit() (writeArchiveMember).
class MemberWriter final : public FileWriter {
public:
    MemberWriter(FileLocation location, Durability durability);

    using FileWriter::write;
    void write(const void* data, std::size_t size) override;
    void appendRestOf(FileReader& source) override;
    void commit() override;

private:
    FileLocation location_;
    QByteArray content_;
    Durability durability_;
};

}  // namespace pellax
