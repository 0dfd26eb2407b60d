#pragma once

#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pellax {

// An archive or member the archive library cannot use: not an archive, a
// damaged one, a member that cannot be decompressed or decrypted. The message
// says why in words.
class EArchiveError : public Exception {
public:
    using Exception::Exception;
};

// Members of MPQ archives, through the archive library. Every call opens the
// archive afresh and leaves nothing open. The library runs apart from the
// program, so that an archive damaged in a way it does not expect ends in a
// message, not in a crash or a wait without end. File errors raise
// EInOutError; the library's, EArchiveError.

// The members the archive can name (mpq::listMembers), sorted by name in any case.
QList<QByteArray> archiveMemberNames(const QString& archive);

// Those whose names end in ".EXTENSION", in any case.
QList<QByteArray> archiveMembersOfKind(const QString& archive, const QString& extension);

QByteArray readArchiveMember(const QString& archive, const QByteArray& member);

// Adds or replaces one member. The change is made on a copy of the archive
// beside it, which replaces the archive in one step when complete, keeping its
// owner, permissions and attributes as AtomicFileWriter does. On any failure
// the archive is byte for byte as before.
void writeArchiveMember(const QString& archive, const QByteArray& member, const QByteArray& content,
                        Durability durability = Durability::Synced);

}  // namespace pellax
