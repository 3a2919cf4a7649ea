// A program run paced by the real main window on the offscreen platform:
// steps per second of the counting loop, the same loop printing every turn
// with and without the printer window's tape, and how long a clicked R/S
// takes to stop an endless loop. And typed keys: the time from a key event
// to the display showing its effect, for the first and the 20th key of a
// burst typed faster than any key is shown pressed (in learn mode every key
// moves the step shown, so every key changes the display).

#include <benchmark/benchmark.h>

#include "core/CCalc.h"
#include "core/KeyCodes.h"
#include "shell/CMainWnd.h"
#include "face/KeyLayout.h"
#include "shell/ShellHost.h"
#include "shell/SystemError.h"
#include "shell/dialogs/CPrinterDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// Lbl A, 1, SUM 00, Dsz 1 A, R/S: six steps a turn.
const std::initializer_list<int> kCountingLoop{76, 11, 1, 44, 0, 97, 1, 11, 91};
constexpr int kStepsPerTurn = 6;
// Lbl A, 1, SUM 00, Prt, Dsz 1 A, R/S: a printed line every seven steps.
const std::initializer_list<int> kPrintingLoop{76, 11, 1, 44, 0, 99, 97, 1, 11, 91};
constexpr int kPrintingStepsPerTurn = 7;
// Lbl A, 1, SUM 00, GTO A: for ever.
const std::initializer_list<int> kEndlessLoop{76, 11, 1, 44, 0, 61, 11};

struct Window {
    ShellHost host;
    CCalc calc;
    std::unique_ptr<CMainWnd> window;

    explicit Window(std::initializer_list<int> program)
    {
        calc.SetHost(&host);
        std::vector<uint8_t> steps;
        for (int step : program)
            steps.push_back(static_cast<uint8_t>(step));
        calc.WriteUserProgram(steps);
        window = std::make_unique<CMainWnd>(calc, *PrepareSkin());
        window->show();
    }

    QPoint KeyCenter(int column, int row) const
    {
        return window->skinOrigin + QPoint(KeyColumnX[column] + kKeyWidth / 2, KeyRowY[row] + kKeyHeight / 2);
    }

    // As the window system delivers it: queued, handled on the loop's next turn.
    void PostClick(int column, int row)
    {
        const QPointF at = KeyCenter(column, row);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(window.get(), new QMouseEvent(type, at, window->mapToGlobal(at),
                                                                      Qt::LeftButton, Qt::LeftButton,
                                                                      Qt::NoModifier));
    }

    void RunUntilStopped()
    {
        while (window->RunPending() || calc.Mode() == CCalc::ModeRun)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
};

void RunTurns(benchmark::State& state, Window& w, int64_t turns, int stepsPerTurn)
{
    int64_t steps = 0;
    for (auto _ : state) {
        w.calc.registers[1] = CNombre(turns, 12);
        w.PostClick(0, 0);  // A
        QCoreApplication::processEvents();
        w.RunUntilStopped();
        steps += stepsPerTurn * turns;
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

void WindowedCountingLoop(benchmark::State& state)
{
    Window w(kCountingLoop);
    RunTurns(state, w, state.range(0), kStepsPerTurn);
}
BENCHMARK(WindowedCountingLoop)->Arg(200'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument 0: the printer window closed; 1: open on the tape; 2: open on the text list.
void WindowedPrintingLoop(benchmark::State& state)
{
    Window w(kPrintingLoop);
    std::unique_ptr<CPrinterDlg> printer;
    if (state.range(0) > 0) {
        printer = std::make_unique<CPrinterDlg>();
        printer->ShowTape(state.range(0) == 1);
        RunModeless(*printer, nullptr, 0, 0);
    }
    RunTurns(state, w, 50'000, kPrintingStepsPerTurn);
}
BENCHMARK(WindowedPrintingLoop)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the moment the click is queued, at a time the run does not choose,
// until the engine has stopped.
void RunStopLatency(benchmark::State& state)
{
    Window w(kEndlessLoop);
    double worst = 0;
    for (auto _ : state) {
        w.PostClick(0, 0);  // A
        QCoreApplication::processEvents();
        std::atomic<int64_t> clickedAt{0};
        std::thread clicker([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            clickedAt = Clock::now().time_since_epoch().count();
            w.PostClick(kRunStopColumn, kRunStopRow);
        });
        while (w.calc.Mode() == CCalc::ModeRun)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        const auto stoppedAt = Clock::now().time_since_epoch().count();
        clicker.join();
        const double latency = std::chrono::duration<double>(Clock::duration(stoppedAt - clickedAt)).count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
        w.RunUntilStopped();
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(RunStopLatency)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

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
        // Keys come once the window has been up a moment, as a person's do.
        const auto settled = Clock::now() + std::chrono::milliseconds(150);
        while (Clock::now() < settled) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
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
