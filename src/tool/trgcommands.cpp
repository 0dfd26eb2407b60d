#include "tool/trgcommands.h"

#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"
#include "tool/trgtextcommands.h"
#include "trigger/triggerconvert.h"

namespace pellax {

namespace {

int convert(bool strip, const CommandArgs& args, Console& console) {
    bool anyNotice = false;
    const int status = forEachFile(expandFolders(args.operands, QStringLiteral("trg")), console, [&](const QString& file) {
        // The editor tells this in a plain message box, not as an error: the
        // source already has what add would give it. Still nothing was
        // written, which a script must be able to tell.
        if (convertTriggerFile(strip, file, triggerOutputName(file)) == TriggerCopyOutcome::AlreadyHasHeader) {
            console.notice(file, alreadyHasHeaderText());
            anyNotice = true;
        }
    });
    return anyNotice ? 1 : status;
}

}  // namespace

CommandGroup trgCommands() {
    CommandGroup group{"trg", helpSection("trg"), {
        {"strip", {{"FILE...", "copy each file to FILEed without its header"}}, {}, {},
         [](const CommandArgs& args, Console& console) { return convert(true, args, console); }},
        {"add", {{"FILE...", "copy each file to FILEed with the header"}}, {}, {},
         [](const CommandArgs& args, Console& console) { return convert(false, args, console); }},
    }};
    for (Command& command : trgTextCommands())
        group.commands.push_back(std::move(command));
    return group;
}

}  // namespace pellax
