#pragma once
// What must hold of a calculator after any key or step, checked without a
// test framework: a broken invariant aborts with its name, which gtest,
// libFuzzer and the sanitizers all report with the input that broke it.

#include "core/CCalc.h"
#include "numbers/CNombre.h"

[[noreturn]] void InvariantBroken(const char* what);
void Require(bool holds, const char* what);

// The division-by-zero marker is the one value outside normal form a register may hold.
bool InNormalForm(const CNombre& value);

// Mode, pc, call level, areas, flags, pile, numbers and texts within their ranges.
void CheckInvariants(const CCalc& calc);

// A range the engine tells the debugger about: first..last within 0..high.
void CheckNotifiedRange(int first, int last, int high);
