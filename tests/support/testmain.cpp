#include "framework/files/registry.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"
#include "support/manualtickers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pellax::test {

namespace {
ManualTickers* g_clock = nullptr;
}

ManualTickers& clock() { return *g_clock; }

}  // namespace pellax::test

// Every test program runs on Qt's offscreen platform with the program's look, an
// application object titled as the program is, timers that tick only when a
// test steps them, and a settings store in a folder of its own, never the user's.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QStringLiteral("/usr/bin/pellax"));
    auto clock = std::make_unique<pellax::test::ManualTickers>();
    pellax::test::g_clock = clock.get();
    app.setTickers(std::move(clock));
    QTemporaryDir settings;
    pellax::registrystore::setFolder(settings.path());
    return RUN_ALL_TESTS();
}
