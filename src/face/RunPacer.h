#pragma once
// The pace of a program run, the same in every front end: after each turn
// (one step, or a slice of steps) whether the run ended, pauses, or goes on
// and when. The clock and the timers stay in the front end.

#include <cstdint>

class CCalc;

struct PacingTimes {
    uint32_t stepDelayMs = 0;    // between two steps; 0 runs in slices
    uint32_t shortPauseMs = 50;  // while GTO is held down
    uint32_t longPauseMs = 500;  // a Pause in the program
    uint32_t blinkMs = 200;      // half a period of the error display
};

enum class PaceKind { Stopped, Paused, Running };

struct Pace {
    PaceKind kind;
    int64_t waitMs;  // before the next turn: the pause, or what is left of the step delay
    bool operator==(const Pace&) const = default;
};

class RunPacer {
public:
    explicit RunPacer(const PacingTimes& times) : times_(times) {}

    // A held GTO or a step delay runs one step per turn, else a slice.
    bool OneStepPerTurn(bool gtoHeld) const { return gtoHeld || times_.stepDelayMs > 0; }
    // After a turn. msSinceKey: since the last key or step, which the step delay counts from.
    Pace AfterTurn(bool running, bool pauseAsked, bool gtoHeld, int64_t msSinceKey) const;
    // Wait before the next turn of a run that goes on.
    int64_t WaitBeforeNextTurn(int64_t msSinceKey) const;
    // Whether the error display is lit msSinceError after the error began.
    bool ErrorLit(int64_t msSinceError) const;

private:
    PacingTimes times_;
};

// Runs a program for about ms of the steady clock, looking at the clock
// every stepsPerLook steps; like RunSteps, it never stops inside an
// instruction, so an R/S given after it takes effect at once.
void RunForMilliseconds(CCalc& calc, double ms, uint64_t stepsPerLook);
