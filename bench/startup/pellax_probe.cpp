// The program's own start-up, as main() does it, ending at the main window's first frame.

#include "app/program.h"
#include "componentpack/pack.h"
#include "firstframe.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"
#include "got/mainform.h"

int main(int argc, char* argv[]) {
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QCoreApplication::applicationFilePath());
    pellax::ComponentPack pack;
    pellax::Program program;
    pellax::bench::exitOnFirstFrame(program.mainform());
    program.Show();
    return QApplication::exec();
}
