#include "tool/arguments.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "framework/files/mpqarchive.h"
#include "framework/files/nativebytes.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellax {

QString CommandArgs::value(const char* option) const {
    const auto it = options.find(QLatin1String(option));
    return it == options.end() ? QString() : it->second;
}

CommandArgs parseCommandArgs(const QString& command, const QStringList& args, std::span<const OptionSpec> known) {
    CommandArgs parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            parsed.operands.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        const auto option = std::find_if(known.begin(), known.end(),
                                       [&](const OptionSpec& s) { return name == QLatin1String(s.name); });
        if (option == known.end())
            throw UsageError(command, QStringLiteral("unknown option %1").arg(name));
        if (!option->takesValue) {
            if (equals >= 0)
                throw UsageError(command, QStringLiteral("%1 takes no value").arg(name));
            parsed.options[name] = QString();
        } else if (equals >= 0) {
            parsed.options[name] = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.options[name] = args[++i];
        } else {
            throw UsageError(command, QStringLiteral("%1 needs a value").arg(name));
        }
    }
    return parsed;
}

bool isFolder(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(toNativeBytes(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// The names ending in `suffix` of a folder's files (or links to files), hidden
// ones left out; a folder that cannot be listed, or not to its end, gives nothing.
std::optional<QStringList> listFolder(const QString& folder, const QString& suffix) {
    const QByteArray native = toNativeBytes(folder);
    if (::access(native.constData(), R_OK | X_OK) != 0)
        return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(native.constData()), ::closedir);
    if (!dir)
        return std::nullopt;
    QStringList names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry)
            break;
        if (entry->d_name[0] == '.')
            continue;
        // The name first: only a file of the command's kind is worth a stat.
        const QString name = fromNativeBytes(entry->d_name);
        if (!name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            names.append(name);
    }
    if (errno != 0)
        return std::nullopt;
    return names;
}

// The members of the command's kind in an archive's folder, sorted by name;
// nothing when the archive cannot be listed.
std::optional<QStringList> listArchiveFolder(const FileLocation& folder, const QString& extension) {
    QList<QByteArray> members;
    try {
        members = archiveMembersOfKind(folder.path, extension);
    } catch (const Exception&) {
        return std::nullopt;
    }
    QStringList locations;
    for (const QByteArray& member : members)
        if (member.size() > folder.member.size() && mpq::sameMemberName(member.left(folder.member.size()), folder.member))
            locations.append(memberLocation(folder.path, member));
    return locations;
}

}  // namespace

FileOperands expandFolders(const QStringList& operands, const QString& extension) {
    FileOperands result;
    result.extension = extension;
    const QString suffix = QLatin1Char('.') + extension;
    for (const QString& operand : operands) {
        const FileLocation location = parseLocation(operand);
        if (location.isMemberFolder()) {
            result.anyFolder = true;
            // An archive that cannot be listed stays in as it is: opening it
            // then tells why.
            const std::optional<QStringList> members = listArchiveFolder(location, extension);
            if (!members)
                result.files.append(operand);
            else if (members->isEmpty())
                result.emptyFolders.append(operand);
            else
                result.files.append(*members);
            continue;
        }
        const bool folder = isFolder(operand);
        result.anyFolder = result.anyFolder || folder;
        // A folder that cannot be listed stays in as it is: opening it then
        // reports "File access denied" like any other unreadable file.
        const std::optional<QStringList> listed = folder ? listFolder(operand, suffix) : std::nullopt;
        if (!listed) {
            result.files.append(operand);
            continue;
        }
        QStringList names = *listed;
        if (names.isEmpty())
            result.emptyFolders.append(operand);
        std::sort(names.begin(), names.end());
        const QString prefix = operand.endsWith(QLatin1Char('/')) ? operand : operand + QLatin1Char('/');
        for (const QString& name : names)
            result.files.append(prefix + name);
    }
    return result;
}

}  // namespace pellax
