// The main window's Settings button, offscreen: one paint of its face (normal, and with the
// pointer over it), and the making of its images. Runs in the build's bin directory, beside
// Velnor.dkt.
#include "controlids.h"
#include "graingenerator.h"
#include "identity.h"
#include "memorysettingsstore.h"
#include "shadebutton.h"
#include "velnordlg.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// The main window on an in-memory settings store, started and shown.
struct ShownWindow {
    ShownWindow() {
        dlg.Start();
        dlg.show();
        QApplication::processEvents();
    }
    CShadeButton& Settings() {
        return *qobject_cast<CShadeButton*>(dlg.Control(MainControlId::kSettings));
    }

    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale texts;
    MemorySettingsStore store;
    CVelnorDlg dlg{units, identity, grain, texts, &store};
};

// Argument 1: the pointer rests on the button, so the hover face is drawn.
void BM_ShadeButtonPaint(benchmark::State& state) {
    ShownWindow window;
    CShadeButton& button = window.Settings();
    if (state.range(0) != 0) {
        const QPoint over(40, 12);
        QMouseEvent move(QEvent::MouseMove, over, button.mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &move);
    }
    for (auto _ : state)
        button.repaint();
    state.counters["hover"] = button.Model().Hovering() ? 1 : 0;
}
BENCHMARK(BM_ShadeButtonPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// SetShade: the palettes, 2000 grain draws, the copies and their conversion for drawing.
void BM_ShadeButtonSetShade(benchmark::State& state) {
    ShownWindow window;
    CShadeButton& button = window.Settings();
    const ShadeParams p = button.Model().Shade().Params();
    for (auto _ : state) {
        button.SetShade(p.effect, p.granularity, p.highlight, p.coloring, p.color, p.lightColor,
                        p.midColor, p.darkColor);
    }
}
BENCHMARK(BM_ShadeButtonSetShade)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
