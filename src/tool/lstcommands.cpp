#include "tool/lstcommands.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "templatelist/templatelistfile.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/eightbit.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"

namespace pellax {

namespace {

const QString kCommand = QStringLiteral("lst");

FileOperands listFiles(const QStringList& operands) { return expandFolders(operands, QStringLiteral("lst")); }

int show(const CommandArgs& args, Console& console) {
    const QStringList& operands = args.operands;
    const FileOperands lists = listFiles(operands);
    // Headers only where there can be several lists, so that one list pipes on as it is.
    const bool headers = operands.size() > 1 || lists.anyFolder;
    bool first = true;
    return forEachFile(lists, console, [&](const QString& file) {
        const QStringList entries = readTemplateList(file);
        QString text;
        if (headers) {
            text = (first ? QString() : QStringLiteral("\n")) + QStringLiteral("==> ") + file + QStringLiteral(" <==\n");
            first = false;
        }
        for (const QString& entry : entries)
            text += entry + QLatin1Char('\n');
        console.print(text);
    });
}

// An entry that would not read back as itself is refused before any list is touched.
void checkEntry(const QString& entry) {
    const BadCharacter bad =
        firstBadCharacter(entry, [](std::uint8_t byte) { return !endsTemplateEntry(QLatin1Char(static_cast<char>(byte))); });
    if (bad.index < 0)
        return;
    if (!bad.byte)
        throw UsageError(kCommand, QStringLiteral("the entry holds %1").arg(noByteReason(bad)));
    throw UsageError(kCommand, QStringLiteral("the entry cannot hold %1: CR and LF end an entry's line in the list, "
                                              "and byte 26 ends the list")
                                   .arg(describe(bad)));
}

int add(const CommandArgs& args, Console& console) {
    const QStringList& operands = args.operands;
    if (operands[1].isEmpty())
        throw UsageError(kCommand, QStringLiteral("the entry to add is empty"));
    checkEntry(operands[1]);
    const QString entry = quotedEntry(operands[1]);
    return forEachFile(listFiles(operands.first(1)), console, [&](const QString& file) {
        QStringList entries = readTemplateList(file);
        entries.append(entry);
        writeTemplateList(file, entries);
    });
}

// The 1-based position given after --index.
qsizetype parseIndex(const QString& text) {
    bool ok = false;
    const qsizetype index = text.toLongLong(&ok);
    if (!ok || index < 1)
        throw UsageError(kCommand, QStringLiteral("--index needs a number from 1 on, not \"%1\"").arg(text));
    return index;
}

int remove(const CommandArgs& parsed, Console& console) {
    const QStringList& operands = parsed.operands;
    const bool byIndex = parsed.has("--index");
    if (operands.size() != (byIndex ? 1 : 2))
        throw UsageError(kCommand, QStringLiteral("expected lst delete FILE ENTRY or lst delete --index N FILE"));
    const qsizetype index = byIndex ? parseIndex(parsed.value("--index")) : 0;
    const QString entry = byIndex ? QString() : operands[1];
    return forEachFile(listFiles(operands.first(1)), console, [&](const QString& file) {
        QStringList entries = readTemplateList(file);
        qsizetype row = -1;
        if (byIndex) {
            if (index > entries.size())
                throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
            row = index - 1;
        } else {
            // The entry as given, or as Add would have quoted it.
            row = entries.indexOf(entry);
            if (row < 0)
                row = entries.indexOf(quotedEntry(entry));
            if (row < 0)
                throw Exception(QStringLiteral("Entry not found: ") + entry);
        }
        entries.removeAt(row);
        writeTemplateList(file, entries);
    });
}

int normalize(const CommandArgs& args, Console& console) {
    return forEachFile(listFiles(args.operands), console, [](const QString& file) {
        const QByteArray bytes = readWholeFile(file);
        const QByteArray normal = serialiseTemplateList(parseTemplateList(bytes));
        // A list already in shape is left alone, its time stamp too.
        if (normal != bytes)
            writeFileAtomically(file, normal);
    });
}

}  // namespace

CommandGroup lstCommands() {
    return {"lst", helpSection("lst"), {
        {"show", {{"FILE...", "the entries of template lists"}}, {}, {}, show},
        {"add", {{"FILE ENTRY", "add an entry, quoted as the Add button does"}}, {}, {}, add, 2, 2},
        {"delete", {{"FILE ENTRY", "delete an entry by its text,"}, {"--index N FILE", "or by its place, 1 being the first"}},
         {{"--index", true}}, {}, remove},
        {"normalize", {{"FILE...", "rewrite with CR LF line ends"}}, {}, {}, normalize},
    }};
}

}  // namespace pellax
