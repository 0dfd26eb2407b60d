#include "app/program.h"
#include "componentpack/pack.h"
#include "framework/application.h"
#include "framework/classiclook.h"
#include "framework/guardedqapplication.h"

#include <optional>

int main(int argc, char* argv[]) {
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QCoreApplication::applicationFilePath());
    // A malformed colour setting ends the start with an error box, not a crash.
    std::optional<pellax::ComponentPack> pack;
    app.guard([&pack] { pack.emplace(); });
    if (!pack)
        return 1;
    pellax::Program program;
    program.Show();
    return QApplication::exec();
}
