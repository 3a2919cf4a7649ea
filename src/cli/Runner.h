#pragma once
// Typing a key script on the keyboard: each key goes to ProcessKey, and a key
// that starts a run (R/S, A to E', SBR) runs the program to its stop before
// the next key is typed.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "programtext/ScriptTokens.h"

class CCalc;
class CliHost;

struct RunLimits {
    bool showStops = false;         // write the display at every pause and stop
    std::uint64_t maxSteps = 100'000'000; // per run
};

class ScriptRunner {
public:
    ScriptRunner(CCalc& calc, CliHost& host, RunLimits limits);

    void Type(const std::vector<ScriptToken>& tokens);
    void PressKey(std::uint8_t code);

    // The display as the user reads it, with " ?" in the error state.
    std::wstring DisplayLine(bool showWhileRunning = false) const;

    std::uint64_t stepsExecuted() const { return steps_; }
    std::chrono::duration<double> runTime() const { return runTime_; }
    // Processor time of the runs: on a busy machine the honest measure of speed.
    double processorSeconds() const { return processorSeconds_; }
    bool hitStepLimit() const { return hitStepLimit_; }

private:
    void RunToStop();
    void StopAtLimit();

    CCalc& calc_;
    CliHost& host_;
    RunLimits limits_;
    std::uint64_t steps_ = 0;
    std::chrono::duration<double> runTime_{0};
    double processorSeconds_ = 0;
    bool hitStepLimit_ = false;
};
