#include "framework/application.h"
#include "framework/classiclook.h"
#include "framework/guardedqapplication.h"

#include <gtest/gtest.h>

// Every test binary runs on Qt's offscreen platform with the program's look and
// an application object titled as the program is.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    pellax::GuardedQApplication qtApp(argc, argv);
    pellax::applyClassicLook(qtApp);
    pellax::Application app(QStringLiteral("/usr/bin/pellax"));
    return RUN_ALL_TESTS();
}
