#include "app/commandline.h"
#include "app/program.h"
#include "componentpack/pack.h"
#include "framework/files/registry.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"

#include <optional>
#include <vector>

int main(int argc, char* argv[]) {
    // Qt reads its options from the words before "--" and removes them.
    const int beforeDashes = pellax::wordsBeforeDashes(argc, argv);
    std::vector<char*> qtArgv(argv, argv + beforeDashes);
    qtArgv.push_back(nullptr);
    int qtArgc = beforeDashes;
    pellax::GuardedQApplication qtApp(qtArgc, qtArgv.data());
    std::vector<char*> fileWords(qtArgv.begin() + 1, qtArgv.begin() + qtArgc);
    if (beforeDashes < argc)
        fileWords.insert(fileWords.end(), argv + beforeDashes + 1, argv + argc);

    pellax::applyClassicLook(qtApp);
    pellax::Application app(QCoreApplication::applicationFilePath());
    // What the pack cannot start without ends the start with an error box, not a crash.
    std::optional<pellax::ComponentPack> pack;
    app.guard([&pack] { pack.emplace(); });
    if (!pack)
        return 1;
    pellax::Program program;
    if (!pack->colorProblems().empty()) {
        program.setStartupNotice(pellax::malformedColorsNotice(
            pack->colorProblems(), pellax::registrystore::hivePath(pellax::HKEY::HKEY_CURRENT_USER)));
    }
    program.setStartFiles(pellax::commandLineFiles(fileWords));
    program.Show();
    return QApplication::exec();
}
