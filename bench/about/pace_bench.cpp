// The heading's pace in a shown About window with the program's real timers:
// colour positions per second (each painted letter moves the colour walk on by
// one), heading paints and panel paints per second, and the CPU the process
// took. The panel ticks every 20 ms and the heading every 70 ms, and every panel
// tick repaints the heading too: about 64 heading paints, so about 770
// positions a second for the twelve letters of "About Pellax".
//
// The platform named by QT_QPA_PLATFORM; without it, the offscreen one. Under X:
// xvfb-run -a pellax_bench_about_pace. PELLAX_BENCH_PACE_SECONDS sets the
// measured time (10 s).

#include "app/aboutform.h"
#include "controls/textanimator.h"
#include "controls/titler.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace pellax;

Taboutform* g_about = nullptr;

// Where the colour walk stands on its way there and back, 0 .. 2 * span - 1.
int walkPhase(const ColorWalk& walk) {
    const int span = walk.ColorSpan();
    return walk.ColorDir() > 0 ? walk.ColorPos() : 2 * span - walk.ColorPos();
}

// Counts the paints of one widget and, for the heading, the walk's progress
// between them; paints come far more often than a whole cycle of the walk.
class PaceWatch : public QObject {
public:
    explicit PaceWatch(const TTextAnimator& heading) : heading_(heading), last_(walkPhase(heading.colorWalk())) {}

    long long positions() const { return positions_ + stepSince(); }
    int headingPaints = 0;
    int panelPaints = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        if (watched == &heading_) {
            ++headingPaints;
            positions_ += stepSince();
            last_ = walkPhase(heading_.colorWalk());
        } else {
            ++panelPaints;
        }
        return false;
    }

private:
    int stepSince() const {
        const int cycle = 2 * heading_.colorWalk().ColorSpan();
        return cycle > 0 ? ((walkPhase(heading_.colorWalk()) - last_) % cycle + cycle) % cycle : 0;
    }

    const TTextAnimator& heading_;
    int last_;
    long long positions_ = 0;
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_HeadingPace(benchmark::State& state) {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("PELLAX_BENCH_PACE_SECONDS", &ok);
    const int measured = ok && seconds > 0 ? seconds : 10;
    for (auto _ : state) {
        PaceWatch watch(*g_about->TextAnimator1);
        g_about->TextAnimator1->installEventFilter(&watch);
        g_about->Titler1->installEventFilter(&watch);
        const double cpuStart = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(measured * 1000, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        const double wall = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        const double cpu = cpuSeconds() - cpuStart;
        g_about->TextAnimator1->removeEventFilter(&watch);
        g_about->Titler1->removeEventFilter(&watch);
        state.SetIterationTime(wall);
        state.counters["positions_per_s"] = static_cast<double>(watch.positions()) / wall;
        state.counters["heading_paints_per_s"] = watch.headingPaints / wall;
        state.counters["panel_paints_per_s"] = watch.panelPaints / wall;
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
    }
}

BENCHMARK(BM_HeadingPace)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedQApplication qtApp(argc, argv);
    applyClassicLook(qtApp);
    Application app(QStringLiteral("/usr/bin/pellax"));
    Taboutform about;
    about.Show();
    // Settled: shown, painted once, the first catch-up done.
    QTimer::singleShot(500, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    g_about = &about;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_about = nullptr;
    return 0;
}
