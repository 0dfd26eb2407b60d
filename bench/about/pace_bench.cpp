// The pace of a shown About window with the program's real timers: how fast the
// credits rise (pixels a second, from the scroll offset at each panel paint),
// colour positions per second (each painted letter moves the colour walk on by
// one), heading and panel paints per second, and the CPU the process took.
// The panel ticks every 20 ms (1 pixel, so 50 px/s) and the heading every
// 70 ms, and every panel tick repaints the heading too: about 64 heading paints,
// so about 770 positions a second for the twelve letters of "About Pellax".
//
// Two cases: BM_Pace/idle, and BM_Pace/loaded with the load under which a busy
// machine used to halve the pace: another X client grabbing the whole screen
// in a loop (as a screen recorder does) and a process keeping one core busy.
// The loaded case needs an X display and ImageMagick's `import`. A tick the event
// loop delivers late makes up the periods it skipped, so the credits hold
// their pace with fewer paints.
//
// The platform named by QT_QPA_PLATFORM; without it, X where DISPLAY is set and
// the offscreen one elsewhere. Under Xvfb: xvfb-run -a pellax_bench_about_pace. PELLAX_BENCH_PACE_SECONDS sets the
// measured time (10 s). bench/about/pace_under_load.sh runs both cases in
// turns and prints the medians.

#include "app/aboutform.h"
#include "controls/textanimator.h"
#include "controls/titler.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <vector>

namespace {

using namespace pellax;

Taboutform* g_about = nullptr;

// Where the colour walk stands on its way there and back, 0 .. 2 * span - 1.
int walkPhase(const ColorWalk& walk) {
    const int span = walk.ColorSpan();
    return walk.ColorDir() > 0 ? walk.ColorPos() : 2 * span - walk.ColorPos();
}

// Counts the paints of the heading and the panel, the walk's progress between
// the heading's paints (they come far more often than a whole cycle of the
// walk) and the credits' rise between the panel's.
class PaceWatch : public QObject {
public:
    PaceWatch(const TTextAnimator& heading, TTitler& panel)
        : heading_(heading), panel_(panel), last_(walkPhase(heading.colorWalk())), lastOffset_(panel.ScrollOffset()) {}

    long long positions() const { return positions_ + stepSince(); }
    long long risen() const { return risen_; }
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
            // Read before the paint wraps it: past the end, the text starts
            // again from 0 and has risen by what the offset now is.
            const int offset = panel_.ScrollOffset();
            risen_ += offset >= lastOffset_ ? offset - lastOffset_ : offset;
            lastOffset_ = offset;
        }
        return false;
    }

private:
    int stepSince() const {
        const int cycle = 2 * heading_.colorWalk().ColorSpan();
        return cycle > 0 ? ((walkPhase(heading_.colorWalk()) - last_) % cycle + cycle) % cycle : 0;
    }

    const TTextAnimator& heading_;
    TTitler& panel_;
    int last_;
    int lastOffset_;
    long long positions_ = 0;
    long long risen_ = 0;
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The load of the loaded case, for as long as it lives: a screen grabber and a
// busy core, each a shell loop of its own.
class Load {
public:
    Load() {
        start(QStringLiteral("while :; do import -window root png:- >/dev/null; done"));
        start(QStringLiteral("while :; do :; done"));
    }
    ~Load() {
        for (const auto& p : processes_) {
            p->kill();
            p->waitForFinished(2000);
        }
    }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

private:
    void start(const QString& loop) {
        auto& p = processes_.emplace_back(std::make_unique<QProcess>());
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), loop});
        p->waitForStarted(2000);
    }

    std::vector<std::unique_ptr<QProcess>> processes_;
};

void BM_Pace(benchmark::State& state) {
    const bool loaded = state.range(0) != 0;
    if (loaded && (QGuiApplication::platformName() != QStringLiteral("xcb") ||
                   QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty())) {
        state.SkipWithError("the loaded case needs an X display and ImageMagick's import");
        for (auto _ : state) {
        }
        return;
    }
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("PELLAX_BENCH_PACE_SECONDS", &ok);
    const int measured = ok && seconds > 0 ? seconds : 10;
    for (auto _ : state) {
        std::unique_ptr<Load> load;
        if (loaded) {
            load = std::make_unique<Load>();
            // Running before anything is measured.
            QTimer::singleShot(500, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
        PaceWatch watch(*g_about->TextAnimator1, *g_about->Titler1);
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
        state.counters["px_per_s"] = static_cast<double>(watch.risen()) / wall;
        state.counters["positions_per_s"] = static_cast<double>(watch.positions()) / wall;
        state.counters["heading_paints_per_s"] = watch.headingPaints / wall;
        state.counters["panel_paints_per_s"] = watch.panelPaints / wall;
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
    }
}

BENCHMARK(BM_Pace)->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
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
