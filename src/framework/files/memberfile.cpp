#include "framework/files/memberfile.h"

#include "framework/files/archivemembers.h"
#include "framework/files/inputfile.h"
#include "framework/files/mpqarchive.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace pellax {

namespace {

void requireMemberName(const FileLocation& location) {
    if (location.isMemberFolder())
        throw EArchiveError(QStringLiteral("No member name given"));
}

}  // namespace

MemberReader::MemberReader(FileLocation location) : location_(std::move(location)) {
    // An archive that cannot be read says so first.
    if (location_.isMemberFolder())
        archiveMemberNames(location_.path);
    requireMemberName(location_);
    content_ = readArchiveMember(location_.path, location_.member);
}

std::size_t MemberReader::readSome(void* buffer, std::size_t size) {
    const auto n = std::min<std::size_t>(size, static_cast<std::size_t>(content_.size() - position_));
    std::memcpy(buffer, content_.constData() + position_, n);
    position_ += static_cast<qsizetype>(n);
    return n;
}

QByteArray MemberReader::readAll() {
    const QByteArray rest = content_.mid(position_);
    position_ = content_.size();
    return rest;
}

bool MemberReader::isSameFileAs(const QString& location) const {
    const FileLocation other = parseLocation(location);
    if (!other.inArchive || !mpq::sameMemberName(other.member, location_.member))
        return false;
    struct stat a {};
    struct stat b {};
    return ::stat(nativePath(location_.path).constData(), &a) == 0 && ::stat(nativePath(other.path).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

MemberWriter::MemberWriter(FileLocation location, Durability durability)
    : location_(std::move(location)), durability_(durability) {
    requireMemberName(location_);
}

void MemberWriter::write(const void* data, std::size_t size) {
    content_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

void MemberWriter::appendRestOf(FileReader& source) { content_.append(source.readAll()); }

void MemberWriter::commit() { writeArchiveMember(location_.path, location_.member, content_, durability_); }

}  // namespace pellax
