#include "app/program.h"
#include "componentpack/pack.h"
#include "framework/application.h"
#include "framework/classiclook.h"
#include "framework/guardedqapplication.h"

int main(int argc, char* argv[]) {
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QCoreApplication::applicationFilePath());
    pellax::ComponentPack pack;
    pellax::Program program;
    program.Show();
    return QApplication::exec();
}
