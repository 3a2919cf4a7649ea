#include "cli/Runner.h"

#include <algorithm>
#include <ctime>

#include "cli/CliHost.h"
#include "core/CCalc.h"

ScriptRunner::ScriptRunner(CCalc& calc, CliHost& host, RunLimits limits)
    : calc_(calc), host_(host), limits_(limits)
{
}

void ScriptRunner::Type(const std::vector<ScriptToken>& tokens)
{
    for (const ScriptToken& token : tokens)
        for (std::uint8_t code : token.codes)
            PressKey(code);
}

void ScriptRunner::PressKey(std::uint8_t code)
{
    calc_.ProcessKey(code);
    if (calc_.Mode() == CCalc::ModeRun)
        RunToStop();
}

std::wstring ScriptRunner::DisplayLine(bool showWhileRunning) const
{
    std::wstring line = calc_.DisplayText(showWhileRunning);
    if (calc_.errorFlag)
        line += L" ?";
    return line;
}

void ScriptRunner::RunToStop()
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    std::uint64_t steps = 0;
    while (calc_.Mode() == CCalc::ModeRun) {
        const CCalc::RunResult slice = calc_.RunSteps(limits_.maxSteps - std::min(steps, limits_.maxSteps));
        steps += slice.steps;
        if (slice.end == CCalc::RunEnd::Paused && limits_.showStops)
            host_.WriteLine(DisplayLine(true));
        if (slice.end == CCalc::RunEnd::BudgetSpent)
            StopAtLimit();
    }
    runTime_ += std::chrono::steady_clock::now() - start;
    processorSeconds_ += static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
    steps_ += steps;
    if (limits_.showStops)
        host_.WriteLine(DisplayLine());
}

void ScriptRunner::StopAtLimit()
{
    hitStepLimit_ = true;
    host_.Warn(L"the run was stopped after " + std::to_wstring(limits_.maxSteps) +
               L" steps (--max-steps) at step " + std::to_wstring(calc_.Pc()));
    calc_.RequestStop();
}
