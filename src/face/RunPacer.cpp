#include "face/RunPacer.h"

#include "core/CCalc.h"

#include <algorithm>
#include <chrono>

Pace RunPacer::AfterTurn(bool running, bool pauseAsked, bool gtoHeld, int64_t msSinceKey) const
{
    if (!running)
        return {PaceKind::Stopped, 0};
    if (pauseAsked)
        return {PaceKind::Paused, times_.longPauseMs};
    if (gtoHeld)
        return {PaceKind::Paused, times_.shortPauseMs};
    return {PaceKind::Running, WaitBeforeNextTurn(msSinceKey)};
}

int64_t RunPacer::WaitBeforeNextTurn(int64_t msSinceKey) const
{
    return std::max<int64_t>(0, static_cast<int64_t>(times_.stepDelayMs) - msSinceKey);
}

bool RunPacer::ErrorLit(int64_t msSinceError) const
{
    // A zero period would divide by zero; it lights the display steadily instead.
    if (times_.blinkMs == 0 || msSinceError < 0)
        return true;
    return (msSinceError / times_.blinkMs) % 2 == 0;
}

void RunForMilliseconds(CCalc& calc, double ms, uint64_t stepsPerLook)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms));
    while (calc.RunSteps(stepsPerLook).end == CCalc::RunEnd::BudgetSpent && Clock::now() < deadline) {
    }
}
