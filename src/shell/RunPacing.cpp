// Pacing of program runs: steps run in short slices between turns of the
// event loop, so the window stays responsive and R/S can stop the run;
// pauses and the step delay are timers, so the window keeps painting.

#include "shell/CMainWnd.h"

#include "core/CCalc.h"
#include "shell/Settings.h"

#include <algorithm>

namespace {
// Steps between two looks at the clock inside a slice.
constexpr int kStepsPerClockCheck = 64;

int Milliseconds(uint32_t setting)
{
    return static_cast<int>(std::min<uint32_t>(setting, INT32_MAX));
}
}  // namespace

void CMainWnd::ExecuteStep(bool singleStep)
{
    lastKeyTick = Now();
    if (calc.mode == CCalc::ModeRun) {
        if (singleStep || GtoKeyHeld() || TheSettings().DelaiRun > 0)
            calc.StepProgram();
        else
            RunSlice();
    } else if (singleStep && calc.mode == CCalc::ModeCalculate) {
        calc.ProcessKey(Key::Sst);
    }
    if (calc.mode != CCalc::ModeRun) {
        RunStopped();
    } else if (calc.pauseRequest) {
        PauseRun(Milliseconds(TheSettings().DureePauseLongue));
    } else if (GtoKeyHeld()) {
        PauseRun(Milliseconds(TheSettings().DureePauseCourte));
    } else {
        PumpUntilDue();
    }
}

// The engine ends each budget between instructions, so that an R/S clicked
// meanwhile stops the run at once instead of waiting for an operand step.
void CMainWnd::RunSlice()
{
    const qint64 deadline = Now() + kRunSliceMs;
    while (calc.RunSteps(kStepsPerClockCheck).end == CCalc::RunEnd::BudgetSpent && Now() < deadline) {
    }
}

void CMainWnd::PumpUntilDue()
{
    if (!runPending_ || pausing_)
        return;
    const qint64 due = lastKeyTick + TheSettings().DelaiRun;
    PostStep(static_cast<int>(std::clamp<qint64>(due - Now(), 0, INT32_MAX)));
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
    if (calc.mode != CCalc::ModeRun) {
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
    if (calc.mode != CCalc::ModeCalculate)
        return;
    lastKeyTick = Now();
    calc.ProcessKey(Key::RunStop);
    displayShown = true;
    secondPending = false;
    AfterKey();
    if (calc.mode == CCalc::ModeRun && !runPending_) {
        runPending_ = true;
        PumpUntilDue();
    }
}

void CMainWnd::StopProgram()
{
    if (calc.mode != CCalc::ModeRun)
        return;
    calc.RequestStop();
    displayShown = true;
    secondPending = false;
    AfterKey();
}

void CMainWnd::UpdateBlinkAfterKey()
{
    if (calc.mode == CCalc::ModeCalculate && calc.errorFlag)
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
