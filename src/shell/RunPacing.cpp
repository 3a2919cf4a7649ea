// Pacing of program runs: steps run in short slices between turns of the
// event loop, so the window stays responsive and R/S can stop the run;
// pauses and the step delay are timers, so the window keeps painting.

#include "shell/CMainWnd.h"

#include "core/CCalc.h"
#include "face/RunPacer.h"
#include "shell/Settings.h"

#include <algorithm>

namespace {
// Steps between two looks at the clock inside a slice: few, because a step
// may print a line to the tape.
constexpr uint64_t kStepsPerClockCheck = 64;

int Milliseconds(int64_t ms)
{
    return static_cast<int>(std::clamp<int64_t>(ms, 0, INT32_MAX));
}

RunPacer Pacer()
{
    const Settings& settings = TheSettings();
    return RunPacer({settings.DelaiRun, settings.DureePauseCourte, settings.DureePauseLongue,
                     settings.DureeClignotement});
}
}  // namespace

void CMainWnd::ExecuteStep(bool singleStep)
{
    lastKeyTick = Now();
    const RunPacer pacer = Pacer();
    if (calc.Mode() == CCalc::ModeRun) {
        if (singleStep || pacer.OneStepPerTurn(GtoKeyHeld()))
            calc.StepProgram();
        else
            RunSlice();
    } else if (singleStep && calc.Mode() == CCalc::ModeCalculate) {
        calc.ProcessKey(Key::Sst);
    }
    const Pace pace = pacer.AfterTurn(calc.Mode() == CCalc::ModeRun, calc.pauseRequest, GtoKeyHeld(),
                                      Now() - lastKeyTick);
    switch (pace.kind) {
    case PaceKind::Stopped:
        RunStopped();
        break;
    case PaceKind::Paused:
        PauseRun(Milliseconds(pace.waitMs));
        break;
    case PaceKind::Running:
        PumpUntilDue();
        break;
    }
}

void CMainWnd::RunSlice()
{
    RunForMilliseconds(calc, kRunSliceMs, kStepsPerClockCheck);
}

void CMainWnd::PumpUntilDue()
{
    if (!runPending_ || pausing_)
        return;
    PostStep(Milliseconds(Pacer().WaitBeforeNextTurn(Now() - lastKeyTick)));
}

void CMainWnd::PostStep(int delay)
{
    // One chain of steps at a time, whoever asks for the next step.
    if (stepPosted_)
        return;
    stepPosted_ = true;
    stepTimer_.start(delay);
}

void CMainWnd::PauseRun(int milliseconds)
{
    pausing_ = true;
    DrawDisplay(true);
    DrawIndicators();
    pauseTimer_.start(milliseconds);
}

void CMainWnd::EndPause()
{
    pausing_ = false;
    if (calc.Mode() != CCalc::ModeRun) {
        RunStopped();
        return;
    }
    DrawDisplay(false);
    PumpUntilDue();
}

void CMainWnd::RunStopped()
{
    runPending_ = false;
    DrawIndicators();
    DrawDisplay(false);
    if (calc.errorFlag)
        StartBlink();
}

bool CMainWnd::GtoKeyHeld() const
{
    return mouseHeld_ && pressedColumn == kGtoColumn && pressedRow == kGtoRow;
}

void CMainWnd::StartProgram()
{
    if (calc.Mode() != CCalc::ModeCalculate)
        return;
    lastKeyTick = Now();
    calc.ProcessKey(Key::RunStop);
    displayShown = true;
    secondPending = false;
    AfterKey();
    if (calc.Mode() == CCalc::ModeRun && !runPending_) {
        runPending_ = true;
        PumpUntilDue();
    }
}

void CMainWnd::StopProgram()
{
    if (calc.Mode() != CCalc::ModeRun)
        return;
    calc.RequestStop();
    displayShown = true;
    secondPending = false;
    AfterKey();
}

void CMainWnd::UpdateBlinkAfterKey()
{
    if (calc.Mode() == CCalc::ModeCalculate && calc.errorFlag)
        StartBlink();
    else
        blinkTimer_.stop();
}

void CMainWnd::RestartBlinkTimer()
{
    if (blinkTimer_.isActive())
        StartBlink();
}

void CMainWnd::StartBlink()
{
    blinkTimer_.start(std::max(1, Milliseconds(TheSettings().DureeClignotement)));
}

void CMainWnd::ToggleBlink()
{
    displayShown = !displayShown;
    UpdateArea(DisplayWindowRect());
}
