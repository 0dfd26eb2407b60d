#include "framework/files/nativebytes.h"
#include "tool/console.h"
#include "tool/tool.h"

#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdio>

// No QCoreApplication: nothing here needs an event loop or a display.
int main(int argc, char** argv) {
    // A reader that goes away (a pipe into head) shows as a failed write,
    // which the tool takes as the end of its output, whatever the caller left
    // this signal set to.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList args;
    // The words as they are: a file name that is not UTF-8 must still open.
    for (int i = 1; i < argc; ++i)
        args.append(pellax::fromNativeBytes(argv[i]));
    pellax::Console console(stdin, stdout, stderr);
    return pellax::runTool(args, console);
}
