// The main window's paint, offscreen, at three window sizes, and the start-up time from process
// start to the first painted frame. Runs in the build's bin directory, beside Velnor.dkt.
#include "graingenerator.h"
#include "identity.h"
#include "memorysettingsstore.h"
#include "messages.h"
#include "velnordlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

class SilentMessages : public Messages {
public:
    void Show(const std::string&, Icon) override {}
    void Beep() override {}
};

// The main window on an in-memory settings store and without message boxes, started, shown
// and with its first events handled.
struct ShownWindow {
    ShownWindow() {
        dlg.Start();
        dlg.show();
        QApplication::processEvents();
    }

    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale texts;
    MemorySettingsStore store;
    SilentMessages messages;
    CVelnorDlg dlg{units, identity, grain, texts, &store, &messages};
};

// Seconds since the process started, from /proc/self/stat and the system uptime.
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 21 && stat >> field; ++i) {
    }
    double startTicks = 0;
    stat >> startTicks;
    std::ifstream uptime("/proc/uptime");
    double up = 0;
    uptime >> up;
    return up - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double startupSeconds = 0;

void BM_FullPaint(benchmark::State& state) {
    ShownWindow window;
    CVelnorDlg& dlg = window.dlg;
    dlg.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QApplication::processEvents();
    // The size has settled: the diagram is rendered at it once, then drawn as it is.
    dlg.OnDiagramSettled();
    QApplication::processEvents();
    int painted = 0;
    QObject::connect(&dlg, &CVelnorDlg::Painted, [&painted] { ++painted; });
    for (auto _ : state) {
        dlg.repaint();
    }
    state.counters["width"] = dlg.width();
    state.counters["height"] = dlg.height();
    state.counters["paints"] = painted;
    dlg.hide();
}
BENCHMARK(BM_FullPaint)
    ->Args({800, 640})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

// A user dragging the window's edge: every paint is at a new size, so the diagram's last render
// is stretched each time (its fresh render waits until the size settles).
void BM_PaintWhileResizing(benchmark::State& state) {
    ShownWindow window;
    CVelnorDlg& dlg = window.dlg;
    int step = 0;
    for (auto _ : state) {
        ++step;
        dlg.resize(1920 - (step % 40), 1080 - (step % 40));
        dlg.repaint();
    }
}
BENCHMARK(BM_PaintWhileResizing)->Unit(benchmark::kMillisecond);

// The refrigerant picker's face alone, without (0) and with (1) the keyboard focus. The face
// paints every one of its pixels, so the window under it is not painted again ("window_paints").
void BM_PickerFacePaint(benchmark::State& state) {
    ShownWindow window;
    QWidget* picker = window.dlg.Control(1017);
    QApplication::setActiveWindow(&window.dlg);
    if (state.range(0) != 0)
        picker->setFocus();
    else
        window.dlg.Field(1003)->setFocus();
    QApplication::processEvents();
    int windowPaints = 0;
    QObject::connect(&window.dlg, &CVelnorDlg::Painted, [&windowPaints] { ++windowPaints; });
    for (auto _ : state)
        picker->repaint();
    state.counters["focused"] = picker->hasFocus() ? 1 : 0;
    state.counters["window_paints"] = windowPaints;
}
BENCHMARK(BM_PickerFacePaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(startupSeconds);
    state.counters["startup_ms"] = startupSeconds * 1000.0;
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        // Start-up as the program does it, up to the first frame on the screen.
        UnitSettings units;
        ProductIdentity identity;
        GrainGenerator grain;
        const TextLocale texts;
        MemorySettingsStore store;
        SilentMessages messages;
        CVelnorDlg dlg(units, identity, grain, texts, &store, &messages);
        bool painted = false;
        QObject::connect(&dlg, &CVelnorDlg::Painted, [&painted] { painted = true; });
        dlg.Start();
        dlg.show();
        while (!painted)
            QApplication::processEvents();
        startupSeconds = SecondsSinceProcessStart();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
