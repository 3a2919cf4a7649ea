// Typed keys on the real main window, offscreen: the time from a key event
// to the display showing its effect, for the first and the 20th key of a
// burst typed faster than any key is shown pressed. In learn mode every key
// moves the step shown, so every key changes the display.

#include <benchmark/benchmark.h>

#include "core/CCalc.h"
#include "core/KeyCodes.h"
#include "shell/CMainWnd.h"
#include "shell/SystemError.h"

#include <QApplication>
#include <QKeyEvent>
#include <chrono>
#include <memory>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kBurst = 20;

void TypedKeyToDisplay(benchmark::State& state)
{
    const int measured = static_cast<int>(state.range(0));  // which key of the burst
    double worst = 0;
    for (auto _ : state) {
        CCalc calc;
        CMainWnd window(calc, *PrepareSkin());
        window.show();
        calc.ProcessKey(Key::Lrn);
        QCoreApplication::processEvents();
        const auto typedAt = Clock::now();
        for (int i = 0; i < kBurst; ++i) {
            const char digit = static_cast<char>('1' + i % 9);
            QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_1 + i % 9, Qt::NoModifier,
                                                               QString(QChar(digit))));
        }
        while (calc.learnPointer < measured)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 1);
        const double latency = std::chrono::duration<double>(Clock::now() - typedAt).count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(TypedKeyToDisplay)->Arg(1)->Arg(kBurst)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetSystemErrorSink([](const QString&, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
