#include "tool/console.h"
#include "tool/tool.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// No QCoreApplication: nothing here needs an event loop or a display.
int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    pellax::Console console(stdout, stderr);
    return pellax::runTool(args, console);
}
