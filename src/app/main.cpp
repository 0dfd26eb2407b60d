#include "app/program.h"
#include "componentpack/pack.h"
#include "framework/application.h"
#include "framework/classiclook.h"
#include "framework/guardedqapplication.h"
#include "framework/registry.h"

#include <optional>

int main(int argc, char* argv[]) {
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QCoreApplication::applicationFilePath());
    // What the pack cannot start without ends the start with an error box, not a crash.
    std::optional<pellax::ComponentPack> pack;
    app.guard([&pack] { pack.emplace(); });
    if (!pack)
        return 1;
    pellax::Program program;
    if (!pack->colorProblems().empty()) {
        program.SetStartupNotice(pellax::malformedColorsNotice(
            pack->colorProblems(), pellax::registrystore::hivePath(pellax::HKEY::HKEY_CURRENT_USER)));
    }
    program.Show();
    return QApplication::exec();
}
