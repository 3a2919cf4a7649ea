// Long runs: every program of the built-in library driven through its user
// keys with changing numbers, and random programs, with the calculator's
// invariants checked after every step. The default length suits CI;
// NORVANE_SOAK_STEPS=300000000 makes it a soak run of hundreds of millions
// of steps (best under the sanitizer build).
#include <gtest/gtest.h>

#include "Invariants.h"
#include "RunLength.h"
#include "ScratchFolder.h"
#include "resources/BuiltInModule.h"
#include "storage/ModuleLibrary.h"

#include <cstdlib>
#include <random>

namespace {

long StepBudget()
{
    return CountFromEnvironment("NORVANE_SOAK_STEPS", 1'000'000);
}

constexpr long kStepsPerRun = 50'000;

// Steps while the run lasts, at most kStepsPerRun; an endless run is stopped
// with R/S from the keyboard, as a user would. Returns the steps taken.
long RunChecked(CCalc& calc)
{
    long steps = 0;
    while (calc.Mode() == CCalc::ModeRun && steps < kStepsPerRun) {
        calc.StepProgram();
        CheckInvariants(calc);
        ++steps;
    }
    if (calc.Mode() == CCalc::ModeRun) {
        calc.ProcessKey(Key::RunStop);
        for (int i = 0; i < 8 && calc.Mode() == CCalc::ModeRun; ++i)
            calc.StepProgram();
    }
    EXPECT_NE(calc.Mode(), CCalc::ModeRun) << "R/S did not stop the run";
    CheckInvariants(calc);
    return steps;
}

void Press(CCalc& calc, std::initializer_list<int> codes)
{
    for (int code : codes) {
        calc.ProcessKey(static_cast<uint8_t>(code));
        CheckInvariants(calc);
    }
}

// A number as a user keys it: up to four digits, a point now and then, a sign.
void TypeNumber(CCalc& calc, std::mt19937& random)
{
    const int digits = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < digits; ++i) {
        Press(calc, {static_cast<int>(random() % 10)});
        if (random() % 5 == 0)
            Press(calc, {Key::Point});
    }
    if (random() % 4 == 0)
        Press(calc, {Key::ChangeSign});
}

// The user keys A to E and A' to E'.
int UserKey(std::mt19937& random)
{
    static const int keys[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 10};
    return keys[random() % std::size(keys)];
}

TEST(Soak, EveryLibraryProgramThroughItsKeys)
{
    CCalc calc;
    const ScratchFolder folder("soak-library");
    calc.SetWriteFolder(folder.path().wstring());
    ModuleLibrary library(calc, BuiltInModuleImage(), folder.path());
    library.InitModuleSlots();
    ASSERT_TRUE(library.LoadBuiltInModule(0));
    std::mt19937 random(59);

    const long perProgram = StepBudget() / 2 / 25;
    for (int program = 1; program <= 25; ++program) {
        SCOPED_TRACE("library program " + std::to_string(program));
        long steps = 0;
        int presses = 0;
        // Many presses end within a few steps (a key without its data); the cap
        // on presses only guards against a program that never steps at all.
        while (steps < perProgram && presses < perProgram / 4 + 100 && !HasFailure()) {
            TypeNumber(calc, random);
            if (random() % 3 == 0)
                Press(calc, {Key::Clr});
            Press(calc, {Key::Pgm, program / 10, program % 10, UserKey(random)});
            steps += RunChecked(calc);
            ++presses;
            if (calc.errorFlag && random() % 2)
                Press(calc, {Key::Clr});
        }
        // Each program must really have run, or the soak proves nothing about it.
        EXPECT_GE(steps, presses);
    }
}

// Programs of random steps, with labels, calls and loops common enough to
// matter, run from step 0 and from their labels.
void FillRandomProgram(CCalc& calc, std::mt19937& random)
{
    static const uint8_t common[] = {76, 11, 12, 13, 71, 61, 92, 97, 87, 86, 67, 77, 42, 43,
                                     44, 40, 36, 22, 91, 1, 2, 0, 85, 95, 65, 53, 54, 45, 69};
    std::vector<uint8_t> steps(CCalc::StepCount);
    for (uint8_t& step : steps)
        step = static_cast<uint8_t>(random() % 2 ? common[random() % std::size(common)] : random() % 100);
    calc.WriteArea(0, steps);
}

TEST(Soak, RandomPrograms)
{
    CCalc calc;
    const ScratchFolder folder("soak-random");
    calc.SetWriteFolder(folder.path().wstring());
    std::mt19937 random(1959);
    long steps = 0;
    long runs = 0;
    const long budget = StepBudget() / 2;
    while (steps < budget && !HasFailure()) {
        if (runs % 50 == 0)
            FillRandomProgram(calc, random);
        if (random() % 2)
            Press(calc, {Key::Rst, Key::RunStop});
        else
            Press(calc, {UserKey(random)});
        steps += RunChecked(calc);
        ++runs;
    }
    EXPECT_GT(runs, 10);
}

} // namespace
