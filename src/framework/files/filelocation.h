#pragma once

#include <QByteArray>
#include <QString>

namespace pellax {

// Where a file the program reads or writes lives: a loose file, or a member of
// an MPQ archive. Windows and the tool carry it as one text, the location,
// which is a plain path for a loose file and "mpq:ARCHIVE::MEMBER" for a
// member. The archive is everything between "mpq:" and the last "::" (the
// game's member names are Windows names, which cannot hold a colon); the
// member is the archive's own bytes, a byte that is not UTF-8 standing in the
// text as fromNativeBytes has it. A loose file whose name begins with "mpq:"
// is named "./mpq:...".
struct FileLocation {
    QString path;        // the loose file, or the archive
    QByteArray member;   // the member's name as the archive has it
    bool inArchive = false;

    // A member text that is empty or ends in a backslash names a folder of
    // the archive: every member under it.
    bool isMemberFolder() const { return inArchive && (member.isEmpty() || member.endsWith('\\')); }
};

FileLocation parseLocation(const QString& location);

// The location of a member.
QString memberLocation(const QString& archive, const QByteArray& member);

// A location as the user reads it: the path of a loose file, or the archive's
// path followed by the member's name ("/home/u/mod.mpq\templates\Melee(1).got").
QString locationDisplayName(const QString& location);

// The member's name as text (fromNativeBytes).
QString memberText(const QByteArray& member);

// Whether a file name is an MPQ archive's, by its extension (any case).
bool hasArchiveExtension(const QString& path);

// Whether a member's name ends in ".EXTENSION" (ASCII, any case).
bool memberHasExtension(const QByteArray& member, const QString& extension);

}  // namespace pellax
