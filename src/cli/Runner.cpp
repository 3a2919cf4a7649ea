#include "cli/Runner.h"

#include <ctime>

#include "cli/CliHost.h"
#include "core/CCalc.h"

namespace {
// An instruction still collecting operand steps needs at most this many more.
constexpr int kStepsToFinishInstruction = 8;
}

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
    if (calc_.mode == CCalc::ModeRun)
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
    while (calc_.mode == CCalc::ModeRun) {
        calc_.StepProgram();
        ++steps;
        if (limits_.showStops && calc_.pauseRequest)
            host_.WriteLine(DisplayLine(true));
        if (steps >= limits_.maxSteps && calc_.mode == CCalc::ModeRun) {
            StopAtLimit();
            break;
        }
    }
    runTime_ += std::chrono::steady_clock::now() - start;
    processorSeconds_ += static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
    steps_ += steps;
    if (limits_.showStops)
        host_.WriteLine(DisplayLine());
}

// As R/S would stop it: at once, or once the instruction under way has its operands.
void ScriptRunner::StopAtLimit()
{
    hitStepLimit_ = true;
    host_.Warn(L"the run was stopped after " + std::to_wstring(limits_.maxSteps) +
               L" steps (--max-steps) at step " + std::to_wstring(calc_.pc));
    calc_.stopRequest = 1;
    if (calc_.operandDigits == 0 && !calc_.labelAllowed)
        calc_.ProcessKey(Key::RunStop);
    for (int i = 0; i < kStepsToFinishInstruction && calc_.mode == CCalc::ModeRun; ++i) {
        calc_.StepProgram();
        ++steps_;
    }
    calc_.mode = CCalc::ModeCalculate;
    calc_.stopRequest = 0;
}
