// Where a run stops at its breakpoints. The engine's reports during a run go
// to a BreakpointWatch as the debugger hands them on, and the stop is sent
// once the step is over.

#include "printer/Breakpoints.h"

#include "KeyScript.h"
#include "core/CCalc.h"
#include "core/CalcHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class WatchingHost : public CalcHost {
public:
    WatchingHost(CCalc& calc, const BreakpointTables& tables) : calc_(calc), watch_(tables) {}

    bool WantsChangeNotifications() const override { return true; }
    void MoveCurrentStep(int pc) override {
        if (calc_.Mode() == CCalc::ModeRun)
            watch_.PcMoved(pc, calc_.registers);
    }
    void RefreshRegisters(int first, int last) override {
        if (calc_.Mode() == CCalc::ModeRun)
            watch_.RegistersWritten(first, last, calc_.registers);
    }
    void RefreshDisplay() override {
        if (watch_.TakeStop())
            calc_.RequestStop();
    }

private:
    CCalc& calc_;
    BreakpointWatch watch_;
};

BreakpointRecord StepBreak(int conditional = 0, int op = kEqual, int reg = 0, int value = 0) {
    BreakpointRecord record = BreakpointRecord::NewStep();
    record.conditional = conditional;
    record.operatorCode = op;
    record.registerNumber = reg;
    record.value = CNombre(value, 12);
    return record;
}

BreakpointRecord RegisterBreak(int reg, int op, int value) {
    BreakpointRecord record = BreakpointRecord::NewRegister(reg);
    record.operatorCode = op;
    record.value = CNombre(value, 12);
    return record;
}

std::function<void(BreakpointTables&)> OnStep(int step, BreakpointRecord record) {
    return [=](BreakpointTables& tables) { tables.steps[static_cast<std::size_t>(step)] = record; };
}

std::function<void(BreakpointTables&)> OnRegister(int reg, int op, int value) {
    return [=](BreakpointTables& tables) { tables.registers[static_cast<std::size_t>(reg)] = RegisterBreak(reg, op, value); };
}

// Passes counted in R01 stop there once the loop has gone round at least once.
BreakpointRecord AfterOnePass() { return StepBreak(1, kGreaterOrEqual, 1, 1); }

} // namespace

TEST(BreakpointWatch, RunsStopWhereTheirBreakpointsSay) {
    const std::vector<int> lbl1Sum01GtoA = {76, 11, 1, 44, 1, 61, 11};
    const std::vector<int> lbl7Sum05GtoA = {76, 11, 7, 44, 5, 61, 11};
    struct Case {
        const char* name;
        std::vector<int> program;
        std::function<void(BreakpointTables&)> set;
        int pc;       // where the run stopped
        int reg;      // and what that register holds then
        int value;
        int area = 0; // the program's area; Pgm area is keyed before R/S
    } cases[] = {
        // 1 SUM 01, seven NOPs, then at step 10: 5 STO 02 R/S.
        {"a step breakpoint stops before its step", {1, 44, 1, 68, 68, 68, 68, 68, 68, 68, 5, 42, 2, 91},
         OnStep(10, StepBreak()), 10, 2, 0},
        {"a conditional one reads another register", lbl1Sum01GtoA, OnStep(2, StepBreak(1, kEqual, 1, 3)), 2, 1, 3},
        {"!= 0 stops on the second pass", lbl1Sum01GtoA, OnStep(2, StepBreak(1, kNotEqual, 1, 0)), 2, 1, 1},
        {"< 1 stops at once", lbl1Sum01GtoA, OnStep(2, StepBreak(1, kLess, 1, 1)), 2, 1, 0},
        {"a false condition never stops", {1, 44, 1, 91}, OnStep(3, StepBreak(1, kGreater, 1, 1)), 4, 1, 1},
        // A register breakpoint stops after the instruction that wrote it.
        {"R05 >= 100", lbl7Sum05GtoA, OnRegister(5, kGreaterOrEqual, 100), 5, 5, 105},
        {"R05 = 70", lbl7Sum05GtoA, OnRegister(5, kEqual, 70), 5, 5, 70},
        {"R05 <= 7 on the first SUM", lbl7Sum05GtoA, OnRegister(5, kLessOrEqual, 7), 5, 5, 7},
        {"a breakpoint on another register stays quiet", {7, 44, 5, 91}, OnRegister(6, kEqual, 0), 4, 5, 7},
        // A jump onto the step stops on the target itself.
        {"RST to step 0", {1, 44, 1, 81}, OnStep(0, AfterOnePass()), 0, 1, 1},
        {"GTO a label", lbl1Sum01GtoA, OnStep(2, AfterOnePass()), 2, 1, 1},
        {"GTO an address", {1, 44, 1, 61, 0, 0}, OnStep(0, AfterOnePass()), 0, 1, 1},
        {"SBR an address", {1, 44, 1, 71, 0, 10, 61, 0, 0, 68, 92}, OnStep(10, AfterOnePass()), 10, 1, 1},
        {"SBR a label, then RTN", {1, 44, 1, 71, 12, 61, 0, 0, 68, 76, 12, 92}, OnStep(5, AfterOnePass()), 5, 1, 1},
        // One step table serves every area: user memory's step 10 stops program 01 at its step 10.
        {"in a library program", {1, 44, 1, 68, 68, 68, 68, 68, 68, 68, 2, 44, 1, 92}, OnStep(10, StepBreak()), 10, 1, 1,
         1},
    };
    for (const Case& c : cases) {
        BreakpointTables tables;
        c.set(tables);
        CCalc calc;
        WatchingHost host(calc, tables);
        calc.SetHost(&host);
        for (std::size_t i = 0; i < c.program.size(); ++i)
            keyscript::SetStep(calc, c.area, i, static_cast<uint8_t>(c.program[i]));
        if (c.area != 0)
            for (int key : {static_cast<int>(Key::Pgm), 0, c.area})
                calc.ProcessKey(static_cast<uint8_t>(key));
        calc.ProcessKey(Key::RunStop);
        calc.RunSteps(100'000);
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate) << c.name;
        EXPECT_EQ(calc.Pc(), c.pc) << c.name;
        EXPECT_EQ(calc.registers[c.reg].ToDouble(), c.value) << c.name;
    }
}
