// One frame of the About window's credits panel with its transparent heading,
// composed as the timers ask for it. Target: under 2 ms per frame.
//
// On the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/aboutform.h"
#include "controls/textanimator.h"
#include "controls/titler.h"
#include "framework/paint/bitmap.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace pellax;

Taboutform* g_about = nullptr;

// A tick of the panel: the whole panel is repainted, and with it the heading,
// which captures the panel's picture behind its letters.
void BM_PanelTick(benchmark::State& state) {
    for (auto _ : state)
        g_about->Titler1->Repaint();
}

// A tick of the heading: the heading alone repaints, capturing the panel.
void BM_HeadingTick(benchmark::State& state) {
    for (auto _ : state)
        g_about->TextAnimator1->AdvanceSteps();
}

// The composition alone, into bitmaps, without the window system: the panel's
// frame, then the heading's frame with its capture of the panel.
void BM_ComposeOnly(benchmark::State& state) {
    TTitler& titler = *g_about->Titler1;
    TTextAnimator& heading = *g_about->TextAnimator1;
    TBitmap panel(titler.Width(), titler.Height());
    TBitmap letters(heading.Width(), heading.Height());
    for (auto _ : state) {
        titler.PaintInto(panel.Canvas());
        heading.DrawFrame(letters.Canvas());
        benchmark::DoNotOptimize(panel.image());
        benchmark::DoNotOptimize(letters.image());
    }
}

BENCHMARK(BM_PanelTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadingTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedQApplication qtApp(argc, argv);
    applyClassicLook(qtApp);
    Application app(QStringLiteral("/usr/bin/pellax"));
    Taboutform about;
    about.Show();
    // The credits half way up, so that lines pass under the heading.
    while (about.Titler1->ScrollOffset() < 260)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    g_about = &about;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_about = nullptr;
    return 0;
}
