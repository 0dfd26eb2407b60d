#include "tool/arguments.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pellax {

QString CommandArgs::value(const char* option) const {
    const auto it = options.find(QLatin1String(option));
    return it == options.end() ? QString() : it->second;
}

CommandArgs parseCommandArgs(const QString& command, const QStringList& args, std::initializer_list<OptionSpec> known) {
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

FileOperands expandFolders(const QStringList& operands, const QString& extension) {
    FileOperands result;
    const QString suffix = QLatin1Char('.') + extension;
    for (const QString& operand : operands) {
        const QFileInfo info(operand);
        // A folder that cannot be listed stays in as it is: opening it then
        // reports "File access denied" like any other unreadable file.
        if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
            result.files.append(operand);
            result.anyFolder = result.anyFolder || info.isDir();
            continue;
        }
        result.anyFolder = true;
        const QDir folder(operand);
        QStringList names = folder.entryList(QDir::Files, QDir::Unsorted);
        names.removeIf([&](const QString& name) { return !name.endsWith(suffix, Qt::CaseInsensitive); });
        std::sort(names.begin(), names.end());
        for (const QString& name : names)
            result.files.append(folder.filePath(name));
    }
    return result;
}

}  // namespace pellax
