// Opens a big template list in the list window, on the display and
// accessibility bus of the session it runs in, and reports how long the window
// stayed unresponsive. Run by a11yopen.sh, which sets up the bus and a listener.
//
//   pellax_probe_a11yopen ENTRIES RUNS
//
// Prints one line per run: "open_ms <t> stall_ms <s>", where t is the time from
// the command to the first moment the event loop gets to a timer again, and s
// the longest the loop then went without one in the following second (work
// that a screen reader's questions start only after the open).

#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/widgets/listbox.h"
#include "framework/windows/application.h"
#include "support/fixeddialogs.h"
#include "support/templatelistsample.h"
#include "templatelist/templateform.h"
#include "templatelist/templatelistmodel.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace pellax;

using bench::FixedDialogs;

double msSince(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

// Runs the event loop until a timer posted now fires: until everything queued before it is done.
void untilTimerRuns() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for `ms` with a 10 ms timer; returns the longest gap between its ticks.
double longestStall(int ms) {
    QElapsedTimer clock, sinceTick;
    clock.start();
    sinceTick.start();
    double longest = 0;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, msSince(sinceTick));
        sinceTick.restart();
        if (clock.elapsed() >= ms)
            loop.quit();
    });
    tick.start(10);
    loop.exec();
    return longest;
}

}  // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    GuardedQApplication qtApp(argc, argv);
    applyClassicLook(qtApp);
    Application app(QStringLiteral("/usr/bin/pellax"));
    auto owned = std::make_unique<FixedDialogs>();
    FixedDialogs& dialogs = *owned;
    app.setDialogs(std::move(owned));

    QTemporaryDir dir;
    dialogs.file = dir.filePath(QStringLiteral("template.lst"));
    if (!bench::writeTemplateListSample(dialogs.file, entries)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(dialogs.file));
        return 1;
    }
    Ttemplateform form;
    form.Show();
    // Time for the bridge to register the window and for listeners to look at it.
    longestStall(1500);
    std::printf("accessibility %s, platform %s, %d entries\n", QAccessible::isActive() ? "active" : "inactive",
                qPrintable(QGuiApplication::platformName()), entries);
    for (int run = 0; run < runs; ++run) {
        form.entries->assign(TemplateEntries());
        longestStall(300);
        QElapsedTimer clock;
        clock.start();
        form.Opentemplatefile1->trigger();
        untilTimerRuns();
        const double open = msSince(clock);
        if (!dialogs.failure.isEmpty() || form.gotlist->count() != entries) {
            std::fprintf(stderr, "open failed: %s\n", qPrintable(dialogs.failure));
            return 1;
        }
        const double stall = longestStall(1000);
        std::printf("open_ms %.1f stall_ms %.1f\n", open, stall);
        std::fflush(stdout);
    }
    return 0;
}
