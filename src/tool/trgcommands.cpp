#include "tool/trgcommands.h"

#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/trgtextcommands.h"
#include "trigger/triggerconvert.h"

namespace pellax {

namespace {

constexpr const char* kHelp = R"(Converts each trigger file into a new file beside it, named as the editor
names it: the source's name with "ed" appended (one.trg gives one.trged).
The source is never changed; an output file of that name is replaced.

strip  drops the first 8 bytes, whatever they are.
add    puts the 8-byte trigger header in front. A file that begins with the
       header already gets no output, and standard error says "File already
       has a header", as the editor's message box does; since nothing was
       written, the exit status is 1.)";

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
    CommandGroup group{"trg", kHelp, {
        {"strip", {{"FILE...", "copy each file to FILEed without its header"}}, {}, nullptr,
         [](const CommandArgs& args, Console& console) { return convert(true, args, console); }},
        {"add", {{"FILE...", "copy each file to FILEed with the header"}}, {}, nullptr,
         [](const CommandArgs& args, Console& console) { return convert(false, args, console); }},
    }};
    for (Command& command : trgTextCommands())
        group.commands.push_back(std::move(command));
    return group;
}

}  // namespace pellax
