#include "framework/files/archivemembers.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/filelocation.h"
#include "framework/files/inputfile.h"
#include "framework/files/ioerror.h"
#include "framework/files/isolatedcall.h"
#include "framework/files/mpqarchive.h"

#include <StormLib.h>

#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

namespace pellax {

namespace {

// Long enough for any archive the game could hold on a slow disk; a library
// still busy after this is not coming back.
constexpr int kLibraryTimeLimit = 120;

QString damagedArchiveText() { return QStringLiteral("The archive is damaged: the archive library could not read it"); }

// The library's reason in the program's words.
[[noreturn]] void raise(mpq::Failure failure, const QByteArray& member) {
    const QString name = memberText(member);
    switch (failure.code) {
    case mpq::NoSuchMember: throw EArchiveError(QStringLiteral("The archive has no member %1").arg(name));
    case mpq::MemberTooLarge: throw EArchiveError(QStringLiteral("The member %1 is too large").arg(name));
    case ERROR_AVI_FILE:
    case ERROR_BAD_FORMAT:
        if (failure.step == mpq::Step::Open)
            throw EArchiveError(QStringLiteral("Not an MPQ archive"));
        [[fallthrough]];
    case ERROR_FILE_CORRUPT:
    case ERROR_HANDLE_EOF:
    case ERROR_CAN_NOT_COMPLETE:
        if (failure.step == mpq::Step::Read)
            throw EArchiveError(
                QStringLiteral("The member %1 cannot be decompressed: its data are damaged").arg(name));
        throw EArchiveError(damagedArchiveText());
    case ERROR_UNKNOWN_FILE_KEY:
        throw EArchiveError(QStringLiteral("The member %1 cannot be decrypted: its key is unknown").arg(name));
    case ERROR_CHECKSUM_ERROR:
        throw EArchiveError(QStringLiteral("The member %1 is damaged: its checksum does not match").arg(name));
    case ERROR_FILE_INCOMPLETE: throw EArchiveError(QStringLiteral("The member %1 is incomplete").arg(name));
    case ERROR_MARKED_FOR_DELETE: throw EArchiveError(QStringLiteral("The member %1 is marked as deleted").arg(name));
    case ERROR_BASE_FILE_MISSING:
    case ERROR_CANT_FIND_PATCH_PREFIX:
        throw EArchiveError(QStringLiteral("The member %1 is a patch whose base is missing").arg(name));
    case ERROR_INTERNAL_FILE: throw EArchiveError(QStringLiteral("%1 belongs to the archive itself").arg(name));
    case ERROR_UNKNOWN_FILE_NAMES: throw EArchiveError(QStringLiteral("The archive has members without names"));
    case ERROR_NOT_SUPPORTED:
        throw EArchiveError(QStringLiteral("The archive uses a feature the archive library does not support"));
    case ERROR_INVALID_PARAMETER:
        if (failure.step == mpq::Step::Write)
            throw EArchiveError(QStringLiteral("The archive cannot hold a member named %1").arg(name));
        throw EArchiveError(damagedArchiveText());
    case ERROR_NOT_ENOUGH_MEMORY: throw EArchiveError(QStringLiteral("Not enough memory for the archive"));
    default:
        if (failure.code > 0 && failure.code < 1000)
            EInOutError::raiseErrno(failure.code);
        throw EArchiveError(QStringLiteral("The archive library failed with error %1").arg(failure.code));
    }
}

// Runs one library call apart; its failure raised, its bytes returned.
QByteArray isolated(const std::function<mpq::Failure(QByteArray&)>& call, const QByteArray& member) {
    const std::optional<IsolatedReply> reply = runIsolated(
        [&] {
            QByteArray payload;
            const mpq::Failure failure = call(payload);
            return IsolatedReply{static_cast<int>(failure.step), failure.code, failure ? QByteArray() : payload};
        },
        kLibraryTimeLimit);
    if (!reply)
        throw EArchiveError(damagedArchiveText());
    const mpq::Failure failure{static_cast<mpq::Step>(reply->status), reply->code};
    if (failure)
        raise(failure, member);
    return reply->payload;
}

// The archive's path as the library opens it, after the checks the program
// makes of every file it reads: there, a regular file, readable.
QByteArray checkedArchive(const QString& archive) {
    InputFile check(archive);
    return nativePath(archive);
}

}  // namespace

QList<QByteArray> archiveMemberNames(const QString& archive) {
    const QByteArray path = checkedArchive(archive);
    const QByteArray joined = isolated(
        [&](QByteArray& out) {
            QList<QByteArray> names;
            const mpq::Failure failure = mpq::listMembers(path, names);
            out = names.join('\0');
            return failure;
        },
        {});
    QList<QByteArray> names = joined.isEmpty() ? QList<QByteArray>() : joined.split('\0');
    std::sort(names.begin(), names.end(),
              [](const QByteArray& a, const QByteArray& b) { return qstricmp(a.constData(), b.constData()) < 0; });
    return names;
}

QList<QByteArray> archiveMembersOfKind(const QString& archive, const QString& extension) {
    QList<QByteArray> names = archiveMemberNames(archive);
    names.removeIf([&](const QByteArray& name) { return !memberHasExtension(name, extension); });
    return names;
}

QByteArray readArchiveMember(const QString& archive, const QByteArray& member) {
    const QByteArray path = checkedArchive(archive);
    return isolated([&](QByteArray& out) { return mpq::readMember(path, member, out); }, member);
}

void writeArchiveMember(const QString& archive, const QByteArray& member, const QByteArray& content,
                        Durability durability) {
    if (member.isEmpty() || member.endsWith('\\') || member.endsWith('/'))
        throw EArchiveError(QStringLiteral("No member name given"));
    InputFile source(archive);
    AtomicFileWriter replacement(archive, durability);
    QByteArray work = replacement.temporaryPath();
    // An archive rewritten in place is changed on a copy elsewhere first, so
    // that it is touched only once the change is known to succeed.
    QTemporaryFile scratch;
    if (work.isEmpty()) {
        if (!scratch.open())
            EInOutError::raiseErrno(errno == 0 ? EIO : errno);
        AtomicFileWriter scratchCopy(scratch.fileName(), Durability::Flushed);
        scratchCopy.appendRestOf(source);
        scratchCopy.commit();
        work = nativePath(scratch.fileName());
    } else {
        replacement.appendRestOf(source);
    }
    isolated([&](QByteArray&) { return mpq::writeMember(work, member, content); }, member);
    if (!replacement.temporaryPath().isEmpty()) {
        replacement.commit();
        return;
    }
    InputFile changed(scratch.fileName());
    replacement.appendRestOf(changed);
    replacement.commit();
}

}  // namespace pellax
