#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace pellax {

// The kind of file a command opens from an archive: its extension, and what
// the member list's title calls such files ("Game types").
struct MemberKind {
    QString extension;
    QString plural;
};

// What to open for a name chosen in an open dialog, given on the command line
// or dropped: the file itself or, for an MPQ archive, the member picked or
// typed in the archive's member list (its members of the kind). Nothing when
// the user cancels. An archive that cannot be listed raises its error.
std::optional<QString> openLocationFor(const QString& chosen, const MemberKind& kind, QWidget* parent);

// Where to save for a name chosen in a save dialog: the file itself or, for an
// MPQ archive, the member whose name the user gives, `proposed` being
// offered. Nothing when the user cancels.
std::optional<QString> saveLocationFor(const QString& chosen, const QString& proposed, QWidget* parent);

// The member name a save into an archive proposes: the member the data came
// from, or else a name in the folder the game reads them from.
QString proposedMember(const QString& cameFrom, const QString& folder, const QString& extension);

// The file a file dialog starts from for a location: the archive of a member.
QString dialogPathOf(const QString& location);

}  // namespace pellax
