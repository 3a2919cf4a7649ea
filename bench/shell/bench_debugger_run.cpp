// Program steps per second of a run paced by the real window, on the
// offscreen platform, with the debugger closed and with it open.
#include <benchmark/benchmark.h>

#include "core/CCalc.h"
#include "shell/CMainWnd.h"
#include "shell/ShellHost.h"
#include "shell/debugger/CDebugDlg.h"

#include <QApplication>
#include <memory>

namespace {
// LBL A 1 SUM 00 DSZ 1 A R/S: six steps a pass.
constexpr uint8_t kProgram[] = {76, 11, 1, 44, 0, 97, 1, 11, 91};
constexpr int64_t kStepsPerPass = 6;

struct WindowedCalculator {
    std::unique_ptr<CCalc> calc = std::make_unique<CCalc>();
    ShellHost host;
    std::unique_ptr<CMainWnd> window;

    WindowedCalculator()
    {
        calc->SetHost(&host);
        if (std::optional<SkinImages> skin = PrepareSkin()) {
            window = std::make_unique<CMainWnd>(*calc, std::move(*skin));
            host.AttachWindow(window.get());
            window->show();
        }
        calc->WriteUserProgram(kProgram);
    }
    ~WindowedCalculator()
    {
        delete CDebugDlg::Instance();
        host.AttachWindow(nullptr);
    }

    void Run(int64_t passes)
    {
        calc->registers[1] = CNombre(passes, 12);
        for (uint8_t key : {Key::Gto, uint8_t{0}, uint8_t{0}, uint8_t{2}})
            calc->ProcessKey(key);
        window->StartProgram();
        while (calc->Mode() == CCalc::ModeRun || window->RunPending())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
};

void Run(benchmark::State& state, bool debuggerOpen)
{
    WindowedCalculator calculator;
    if (!calculator.window) {
        state.SkipWithError("no window");
        return;
    }
    if (debuggerOpen)
        OpenDebugger(*calculator.window);
    const int64_t passes = state.range(0);
    int64_t steps = 0;
    for (auto _ : state) {
        calculator.Run(passes);
        steps += passes * kStepsPerPass;
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

void WindowedRunDebuggerClosed(benchmark::State& state)
{
    Run(state, false);
}
BENCHMARK(WindowedRunDebuggerClosed)->Arg(500'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void WindowedRunDebuggerOpen(benchmark::State& state)
{
    Run(state, true);
}
BENCHMARK(WindowedRunDebuggerOpen)->Arg(500'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
