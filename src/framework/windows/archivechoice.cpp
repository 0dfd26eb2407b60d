#include "framework/windows/archivechoice.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "framework/files/nativebytes.h"
#include "framework/windows/application.h"

#include <QFileInfo>

namespace pellax {

namespace {

// As long as the archive library takes a member's name.
constexpr int kMaxMemberName = 259;

}  // namespace

std::optional<QString> openLocationFor(const QString& chosen, const MemberKind& kind, QWidget* parent) {
    if (!hasArchiveExtension(chosen) || parseLocation(chosen).inArchive)
        return chosen;
    MemberChoiceRequest request;
    request.title = QStringLiteral("%1 in %2").arg(kind.plural, QFileInfo(chosen).fileName());
    request.archive = chosen;
    for (const QByteArray& member : archiveMembersOfKind(chosen, kind.extension))
        request.members.append(memberText(member));
    const std::optional<QString> picked = Application::instance().dialogs().chooseMember(request, parent);
    if (!picked || picked->isEmpty())
        return std::nullopt;
    return memberLocation(chosen, toNativeBytes(*picked));
}

std::optional<QString> saveLocationFor(const QString& chosen, const QString& proposed, QWidget* parent) {
    if (!hasArchiveExtension(chosen))
        return chosen;
    const std::optional<QString> name = Application::instance().dialogs().inputBox(
        QStringLiteral("Save into archive"), QStringLiteral("Member of %1:").arg(QFileInfo(chosen).fileName()), proposed,
        kMaxMemberName, parent);
    if (!name || name->isEmpty())
        return std::nullopt;
    return memberLocation(chosen, toNativeBytes(*name));
}

QString proposedMember(const QString& cameFrom, const QString& folder, const QString& extension) {
    const FileLocation location = parseLocation(cameFrom);
    if (location.inArchive)
        return memberText(location.member);
    const QString base = cameFrom.isEmpty() ? QStringLiteral("New") : QFileInfo(cameFrom).completeBaseName();
    return folder + base + QLatin1Char('.') + extension;
}

QString dialogPathOf(const QString& location) { return parseLocation(location).path; }

}  // namespace pellax
