#include "framework/widgets/classiclook.h"
#include "framework/widgets/guardedqapplication.h"
#include "framework/widgets/listbox.h"
#include "framework/windows/application.h"
#include "support/fixeddialogs.h"
#include "support/templatelistsample.h"
#include "templatelist/templateform.h"
#include "templatelist/templatelistfile.h"
#include "templatelist/templatelistmodel.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>
#include <memory>

namespace {

using namespace pellax;

// A million names unless PELLAX_BENCH_LIST_ENTRIES says otherwise.
int entryCount() {
    const int n = qEnvironmentVariableIntValue("PELLAX_BENCH_LIST_ENTRIES");
    return n > 0 ? n : 1'000'000;
}
const int kEntries = entryCount();

long statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Resets the peak resident size to the present one, so that what follows is measured alone.
void resetPeakMemory() {
    ::malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

using bench::FixedDialogs;

struct Fixture {
    QTemporaryDir dir;
    QString listPath = dir.filePath(QStringLiteral("template.lst"));
    QString savePath = dir.filePath(QStringLiteral("saved.lst"));
    FixedDialogs* dialogs = nullptr;
    std::unique_ptr<Ttemplateform> form;
};

Fixture* g_fixture = nullptr;

QByteArray sampleList() { return bench::templateListSample(kEntries); }

// Runs a menu command the way the menu does and lets the window lay out and paint.
bool runCommand(benchmark::State& state, QAction* command, const QString& file) {
    g_fixture->dialogs->file = file;
    g_fixture->dialogs->failure.clear();
    command->trigger();
    QCoreApplication::processEvents();
    if (!g_fixture->dialogs->failure.isEmpty()) {
        state.SkipWithError(g_fixture->dialogs->failure.toUtf8().constData());
        return false;
    }
    return true;
}

void emptyTheList(Ttemplateform& form) {
    form.entries->assign(TemplateEntries());
    QCoreApplication::processEvents();
}

void BM_OpenIntoEmptyList(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    long peakAbove = 0;
    for (auto _ : state) {
        state.PauseTiming();
        emptyTheList(form);
        resetPeakMemory();
        const long before = statusKiB("VmRSS");
        state.ResumeTiming();
        if (!runCommand(state, form.Opentemplatefile1, g_fixture->listPath))
            break;
        peakAbove = std::max(peakAbove, statusKiB("VmHWM") - before);
    }
    state.counters["items"] = form.gotlist->count();
    state.counters["peak_above_MB"] = static_cast<double>(peakAbove) / 1024;
}

// Add at the end of a full list, as the Add button does; the entry is taken away again untimed.
void BM_AddToFullList(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    form.gotlist->scrollTo(form.entries->index(kEntries / 2));
    for (auto _ : state) {
        form.curgot->setText(QStringLiteral("another.got"));
        form.Button1->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.entries->removeAt(form.entries->rowCount() - 1);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["items"] = form.gotlist->count();
}

// Delete a selected entry in the middle of a full list, as the Delete button does.
void BM_DeleteFromFullList(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    const int row = kEntries / 2;
    form.gotlist->scrollTo(form.entries->index(row));
    for (auto _ : state) {
        state.PauseTiming();
        form.gotlist->selectRow(row);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form.Button3->click();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = form.gotlist->count();
}

void BM_OpenReplacingFullList(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    for (auto _ : state) {
        if (!runCommand(state, form.Opentemplatefile1, g_fixture->listPath))
            break;
    }
    state.counters["items"] = form.gotlist->count();
}

void BM_Save(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    for (auto _ : state) {
        if (!runCommand(state, form.Saveastemplatefile1, g_fixture->savePath))
            break;
    }
    QFile saved(g_fixture->savePath);
    state.counters["bytes"] = static_cast<double>(saved.size());
}

// One page down and an immediate repaint of the list: the cost of a scroll step.
void BM_ScrollPage(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    QScrollBar* bar = form.gotlist->verticalScrollBar();
    for (auto _ : state) {
        int next = bar->value() + bar->pageStep();
        if (next > bar->maximum())
            next = 0;
        bar->setValue(next);
        form.gotlist->viewport()->repaint();
    }
}

// A jump from one end of the list to the other, as when dragging the thumb.
void BM_ScrollJumpEnds(benchmark::State& state) {
    Ttemplateform& form = *g_fixture->form;
    runCommand(state, form.Opentemplatefile1, g_fixture->listPath);
    QScrollBar* bar = form.gotlist->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() == 0 ? bar->maximum() : 0);
        form.gotlist->viewport()->repaint();
    }
}

// The file format alone, without the window.
void BM_ParseOnly(benchmark::State& state) {
    const QByteArray bytes = sampleList();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseTemplateList(bytes));
}

void BM_SerialiseOnly(benchmark::State& state) {
    const QStringList entries = parseTemplateList(sampleList());
    for (auto _ : state)
        benchmark::DoNotOptimize(serialiseTemplateList(entries));
}

void BM_WriteOnly(benchmark::State& state) {
    const QStringList entries = parseTemplateList(sampleList());
    for (auto _ : state)
        writeTemplateList(g_fixture->savePath, entries);
}

// First, while the process has not yet held a big list: its peak memory is the open's own.
BENCHMARK(BM_OpenIntoEmptyList)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerialiseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddToFullList)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_DeleteFromFullList)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_OpenReplacingFullList)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollJumpEnds)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedQApplication qtApp(argc, argv);
    applyClassicLook(qtApp);
    Application app(QStringLiteral("/usr/bin/pellax"));
    auto dialogs = std::make_unique<FixedDialogs>();

    Fixture fixture;
    fixture.dialogs = dialogs.get();
    app.setDialogs(std::move(dialogs));
    if (!bench::writeTemplateListSample(fixture.listPath, kEntries))
        return 1;
    fixture.form = std::make_unique<Ttemplateform>();
    fixture.form->Show();
    QCoreApplication::processEvents();
    g_fixture = &fixture;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_fixture = nullptr;
    return 0;
}
