// The editor window's caption painted by its title bar: 2 x 128 band fills,
// the desktop's gradient colour read from the settings store, the icon saved
// and put back, the caption text. Target: under 1 ms a paint.

#include "controls/titlebar.h"
#include "framework/files/registry.h"
#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/windows/application.h"
#include "got/mainform.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace pellax;

Tmainform* g_form = nullptr;

void setActive(bool active) {
    QEvent e(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(g_form, &e);
}

void BM_CaptionPaintActive(benchmark::State& state) {
    setActive(true);
    for (auto _ : state)
        g_form->ROTitleBar1->PaintCaption(true);
    state.counters["bands"] = 2.0 * g_form->ROTitleBar1->Colors();
}

void BM_CaptionPaintInactive(benchmark::State& state) {
    setActive(false);
    for (auto _ : state)
        g_form->ROTitleBar1->PaintCaption(true);
    setActive(true);
}

// On activation the icon is not saved again.
void BM_CaptionPaintOnActivation(benchmark::State& state) {
    setActive(true);
    for (auto _ : state)
        g_form->ROTitleBar1->PaintCaption(false);
}

// The desktop's frame and then the title bar's caption, as WM_NCPAINT does it.
void BM_FrameRepaint(benchmark::State& state) {
    setActive(true);
    for (auto _ : state)
        g_form->Handle().sendMessage(WM_NCPAINT);
}

BENCHMARK(BM_CaptionPaintActive)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptionPaintInactive)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptionPaintOnActivation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedQApplication qtApp(argc, argv);
    applyClassicLook(qtApp);
    Application app(QStringLiteral("/usr/bin/pellax"));

    // A settings store of its own that holds the colours, so that every paint reads a real file.
    QTemporaryDir store;
    registrystore::setFolder(store.path());
    {
        TRegistry reg;
        if (!reg.OpenKey(QStringLiteral("Control Panel\\Colors"), true))
            return 1;
        reg.WriteString(QStringLiteral("GradientActiveTitle"), QStringLiteral("16 132 208"));
        reg.WriteString(QStringLiteral("GradientInactiveTitle"), QStringLiteral("192 192 192"));
    }

    QPixmap icon(16, 16);
    icon.fill(Qt::darkCyan);
    QGuiApplication::setWindowIcon(QIcon(icon));
    auto form = std::make_unique<Tmainform>();
    form->Show();
    QCoreApplication::processEvents();
    g_form = form.get();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form = nullptr;
    return 0;
}
