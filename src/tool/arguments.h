#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <span>
#include <stdexcept>

namespace pellax {

// A command line the tool cannot act on. `command` names the help that explains it.
class UsageError : public std::runtime_error {
public:
    UsageError(QString command, const QString& message)
        : std::runtime_error(message.toStdString()), command_(std::move(command)), message_(message) {}
    const QString& command() const noexcept { return command_; }
    const QString& message() const noexcept { return message_; }

private:
    QString command_;
    QString message_;
};

// An option a command knows: a flag ("--json"), or one that takes a value
// ("--index N" or "--index=N").
struct OptionSpec {
    const char* name;
    bool takesValue = false;
};

// The arguments of one command: its options (by name, the value empty for a
// flag) and its operands, in order. Options may stand anywhere before "--";
// everything after "--" is an operand.
struct CommandArgs {
    std::map<QString, QString> options;
    QStringList operands;
    bool help = false;  // "--help" or "-h" was given

    bool has(const char* option) const { return options.count(QLatin1String(option)) != 0; }
    QString value(const char* option) const;
};

// Raises UsageError, naming `command`, for an option it does not know.
CommandArgs parseCommandArgs(const QString& command, const QStringList& args, std::span<const OptionSpec> known);

// What the operands name: a file as it is, a folder as its files whose names
// end in ".EXTENSION" (in any case), sorted by name, without subfolders or
// hidden files. Names are taken as the system has them, UTF-8 or not. A
// folder of an archive (mpq:ARCHIVE:: or mpq:ARCHIVE::FOLDER\, filelocation.h)
// is its members of that kind, as locations.
struct FileOperands {
    QStringList files;
    QStringList emptyFolders;  // folders without a file of the extension
    QString extension;
    bool anyFolder = false;  // one of the operands was a folder
};
FileOperands expandFolders(const QStringList& operands, const QString& extension);

// Whether the path names a folder (following symbolic links).
bool isFolder(const QString& path);

}  // namespace pellax
