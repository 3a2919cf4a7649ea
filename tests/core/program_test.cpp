// Programs: written in learn mode, run from the keyboard, checked by what
// they leave in the display and the error state.
#include <gtest/gtest.h>

#include "KeyScript.h"
#include "RecordingHost.h"

namespace {

struct ProgramCase {
    const char* program;   // keys typed in learn mode from step 000
    const char* keys;      // then typed in calculate mode
    const char* display;
    bool error;
};

void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.program << " | " << c.keys; }

CCalc& Loaded(CCalc& calc, const char* program)
{
    keyscript::Type(calc, std::string("LRN ") + program + " LRN RST");
    return calc;
}

class ProgramRun : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramRun, StopsWithExpectedDisplay)
{
    const ProgramCase& c = GetParam();
    CCalc calc;
    keyscript::Type(Loaded(calc, c.program), c.keys);
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(keyscript::Display(calc), c.display);
    EXPECT_EQ(calc.errorFlag != 0, c.error);
}

const ProgramCase kControl[] = {
    {"2 + 3 = R/S", "R/S", "5.", false},
    {"LBL A 1 SUM 0 0 DSZ 1 A RCL 0 0 R/S", "5 STO 0 1 A", "5.", false},
    {"LBL A 7 RTN", "A", "7.", false},
    {"LBL A' 8 RTN", "A'", "8.", false},
    {"LBL E' 9 RTN", "E'", "9.", false},
    {"LBL B 1 RTN", "A", "0", true},
    {"LBL A SBR B + 1 = R/S LBL B 4 RTN", "A", "5.", false},
    {"LBL A SBR 0 1 0 + 1 = R/S 0 0 4 RTN", "A", "5.", false},
    {"LBL A GTO B 1 R/S LBL B 2 R/S", "A", "2", false},
    {"LBL A GTO 0 0 7 1 R/S 2 R/S", "A", "2", false},
    {"LBL A GTO IND 0 9 1 R/S 2 R/S", "6 STO 0 9 A", "2", false},
    {"LBL A GTO IND 0 9 1 R/S", "1500 STO 0 9 A", "1", true},
    {"LBL A GTO IND 0 9 1 R/S", "1000 STO 0 9 A", "1", true},
    {"LBL A SBR IND 0 9 R/S 0 0 6 RTN", "6 STO 0 9 A", "6.", false},
    {"LBL A GTO C R/S", "A", "0.", true},
    {"LBL A SBR C R/S", "A", "0.", true},
    {"LBL A 3 X<>T 3 EQ B 1 R/S LBL B 2 R/S", "A", "2", false},
    {"LBL A 3 X<>T 4 EQ B 1 R/S LBL B 2 R/S", "A", "1", false},
    {"LBL A 3 X<>T 4 INV EQ B 1 R/S LBL B 2 R/S", "A", "2", false},
    {"LBL A 3 X<>T 4 GE B 1 R/S LBL B 2 R/S", "A", "2", false},
    {"LBL A 5 X<>T 4 GE B 1 R/S LBL B 2 R/S", "A", "1", false},
    {"LBL A 5 X<>T 4 INV GE B 1 R/S LBL B 2 R/S", "A", "2", false},
    // A failed test skips its label without looking it up.
    {"LBL A 3 X<>T 4 EQ C 1 R/S", "A", "1", false},
    {"LBL A STF 3 IFF 3 B 1 R/S LBL B 2 R/S", "A", "2", false},
    {"LBL A IFF 3 B 1 R/S LBL B 2 R/S", "A", "1", false},
    {"LBL A IFF 3 0 1 2 1 R/S", "A", "1", false},
    {"LBL A STF 3 INV STF 3 IFF 3 B 1 R/S LBL B 2 R/S", "A", "1", false},
    {"LBL A STF 3 INV IFF 3 B 1 R/S LBL B 2 R/S", "A", "1", false},
    {"LBL A STF IND 0 9 IFF 4 B 1 R/S LBL B 2 R/S", "14 STO 0 9 A", "2", false},
    {"LBL A DSZ 9 B 1 R/S LBL B 2 R/S", "0.5 STO 0 9 A", "2", false},
    {"LBL A DSZ 9 B 1 R/S LBL B 2 R/S", "1 STO 0 9 A", "1", false},
    {"LBL A INV DSZ 9 B 1 R/S LBL B 2 R/S", "1 STO 0 9 A", "2", false},
    {"LBL A DSZ 9 B RCL 0 9 R/S LBL B RCL 0 9 R/S", "3 +/- STO 0 9 A", "-2.", false},
    {"LBL A 1 + PAU 2 = R/S", "A", "3.", false},
    {"R/S", "GTO 0 0 3 R/S", "0", true},
    {"LBL A 1 R/S", "GTO A SST", "1", false},
};
INSTANTIATE_TEST_SUITE_P(Control, ProgramRun, ::testing::ValuesIn(kControl));

const ProgramCase kRegisters[] = {
    {"LBL A 5 STO 0 3 RCL 0 3 R/S", "A", "5.", false},
    {"LBL A 5 SUM 0 3 2 INV SUM 0 3 RCL 0 3 R/S", "A", "3.", false},
    {"LBL A 5 PRD 0 3 2 INV PRD 0 3 RCL 0 3 R/S", "4 STO 0 3 A", "10.", false},
    {"LBL A 5 EXC 0 3 R/S", "4 STO 0 3 A", "4.", false},
    {"LBL A 6 STO IND 0 1 RCL 0 7 R/S", "7 STO 0 1 A", "6.", false},
    {"LBL A 6 STO IND 0 1 R/S", "100 STO 0 1 A", "6.", true},
    {"LBL A 6 STO IND 0 1 R/S", "1 +/- STO 0 1 A", "6.", true},
    {"LBL A 9 EE 99 SUM 0 1 SUM 0 1 RCL 0 1 R/S", "A", "9.9999999 99", true},
    {"LBL A 0 INV PRD 0 1 RCL 0 1 R/S", "2 +/- STO 0 1 A", "9.9999999 99", true},
    // In learn mode the operand of HIR and Fix is one plain step per key.
    {"LBL A HIR 3 R/S", "5 A CLR HIR 1 3", "5.", false},
    {"LBL A 1 FIX 2 R/S", "A", "1.00", false},
    {"LBL A FIX IND 1 1 = R/S", "3 STO 0 1 A", "1.000", false},
    {"LBL A FIX IND 1 R/S", "3 +/- STO 0 1 A", "-3.", true},
};
INSTANTIATE_TEST_SUITE_P(Registers, ProgramRun, ::testing::ValuesIn(kRegisters));

// Flag 8: an error stops the run, at once or once the instruction is complete.
const ProgramCase kErrorStop[] = {
    {"LBL A STF 8 0 1/X 5 R/S", "A", "9.9999999 99", true},
    {"LBL A 0 1/X 5 R/S", "A", "5", true},
    // Flag 8 also stops on an error raised by a completed instruction.
    {"LBL A 0 1/X STF 8 STO 0 1 5 R/S", "A", "9.9999999 99", true},
    {"LBL A STF 8 7 STO IND 0 1 5 R/S", "100 STO 0 1 A", "7.", true},
    // The refused call stops on its label step, before the digit after it.
    {"LBL A STF 8 SBR A", "A", "0.", true},
};
INSTANTIATE_TEST_SUITE_P(ErrorStop, ProgramRun, ::testing::ValuesIn(kErrorStop));

TEST(Program, ErrorStopWaitsForTheAddressSteps)
{
    CCalc calc;
    Loaded(calc, "LBL A STF 8 DSZ IND 1 B 5 R/S LBL B 6 R/S");
    keyscript::Type(calc, "100 STO 0 1 A");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.errorFlag, 1);
    EXPECT_EQ(calc.Pc(), 8);   // after the label step of the address
    EXPECT_EQ(keyscript::Display(calc), "100.");
    keyscript::Type(calc, "CLR B");   // no stop left over for the next run
    EXPECT_EQ(keyscript::Display(calc), "6");
}

TEST(Program, CpAndLrnInARunTouchOnlyWhatTheyMay)
{
    CCalc calc;
    keyscript::Poke(calc, 0, 0, "76 11 05 32 31 29 32 91");   // Lbl A 5 x<>t LRN CP x<>t R/S
    keyscript::Type(calc, "A");
    EXPECT_EQ(keyscript::Display(calc), "0.");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(keyscript::Steps(calc, 0, 0, 4), "76 11 05 32");
}

TEST(Program, SubroutinesNestNinetyNineLevels)
{
    CCalc calc;
    Loaded(calc, "LBL A 1 SUM 0 0 SBR A");
    keyscript::Type(calc, "A");
    // The run reached the end of memory after the refused call.
    EXPECT_EQ(calc.callLevel, 99);
    EXPECT_EQ(calc.errorFlag, 1);
    keyscript::Type(calc, "RCL 0 0");
    EXPECT_EQ(keyscript::Display(calc), "99.");
}

TEST(Program, KeyboardSbrRunsAndStopsAtItsReturn)
{
    CCalc calc;
    Loaded(calc, "R/S LBL B 4 RTN");
    keyscript::Type(calc, "GTO 0 0 0 SBR B");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.Pc(), 0);
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(keyscript::Display(calc), "4.");
}

TEST(Program, KeyboardGtoLabelPositionsWithoutRunning)
{
    CCalc calc;
    Loaded(calc, "1 LBL B 4 RTN");
    keyscript::Type(calc, "GTO B");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.Pc(), 3);
    keyscript::Type(calc, "GTO 5 A");   // jumps to 005, then A has no label
    EXPECT_EQ(calc.Pc(), 5);
    EXPECT_EQ(calc.errorFlag, 1);
}

TEST(Program, UserKeyStartsOnItsLabelStep)
{
    CCalc calc;
    RecordingHost host;
    host.wantsChangeNotifications = true;
    Loaded(calc, "1 LBL A 4 RTN");
    calc.SetHost(&host);
    calc.ProcessKey(Key::UserA);
    EXPECT_EQ(calc.Mode(), CCalc::ModeRun);
    EXPECT_EQ(calc.Pc(), 1);
    EXPECT_EQ(host.notifications.back(), "display");
    EXPECT_TRUE(host.Saw("pc 1"));
    keyscript::Run(calc);
    EXPECT_EQ(keyscript::Display(calc), "4.");
}

TEST(Program, LabelSearchIsAPlainPairScan)
{
    CCalc calc;
    // STO 76 then B: the operand 76 and the step after it read as Lbl B.
    keyscript::Poke(calc, 0, 0, "42 76 12 01 91 76 12 02 91");
    EXPECT_EQ(calc.FindLabel(Key::UserA + 1), 1);
    EXPECT_EQ(calc.FindLabel(Key::UserA), -1);
    // The pair at 998 and 999 is past the scan; the one at 997 is not.
    keyscript::Poke(calc, 0, 998, "76 11");
    EXPECT_EQ(calc.FindLabel(Key::UserA), -1);
    keyscript::Poke(calc, 0, 997, "76 11");
    EXPECT_EQ(calc.FindLabel(Key::UserA), 997);
}

TEST(Program, RunToTheLastStep)
{
    struct Case {
        const char* keys;
        int pc;
        const char* display;
    } cases[] = {
        // Advancing from 998 executes 999, then stops.
        {"GTO 9 9 8 R/S", 999, "56"},
        // A jump to 999 stops before executing it.
        {"GTO 9 9 0 R/S", 999, "0."},
    };
    for (const Case& c : cases) {
        CCalc calc;
        keyscript::Poke(calc, 0, 990, "61 09 99 00 00 00 00 00 05 06");
        keyscript::Type(calc, c.keys);
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate) << c.keys;
        EXPECT_EQ(calc.errorFlag, 1) << c.keys;
        EXPECT_EQ(calc.Pc(), c.pc) << c.keys;
        EXPECT_EQ(keyscript::Display(calc), c.display) << c.keys;
    }
}

TEST(Program, CallFromTheLastStepReturnsOntoIt)
{
    CCalc calc;
    keyscript::Poke(calc, 0, 0, "76 12 92");
    keyscript::Poke(calc, 0, 999, std::to_string(Key::UserA + 1));   // B
    keyscript::Type(calc, "GTO 9 9 9 R/S");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(calc.Pc(), 999);
    EXPECT_EQ(calc.errorFlag, 1);
}

TEST(Program, ReturnOutsideMemoryStopsAtTheEnd)
{
    // The subroutine stack is state anyone may write; what it returns to is checked.
    for (int16_t returnAddress : {-1, 1000, 32767}) {
        CCalc calc;
        calc.returnAddresses[0] = returnAddress;
        calc.callLevel = 1;
        calc.ProcessKey(Key::Rtn);
        calc.ProcessKey(Key::RunStop);
        calc.StepProgram();
        EXPECT_EQ(calc.Pc(), 999);
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
        EXPECT_EQ(calc.errorFlag, 1);
    }
}

TEST(Program, RstInsideASubroutineKeepsTheLevel)
{
    CCalc calc;
    Loaded(calc, "LBL A 1 SUM 0 0 RCL 0 0 X<>T 3 EQ B RST LBL B R/S");
    keyscript::Type(calc, "A");
    EXPECT_EQ(calc.callLevel, 1);
    keyscript::Type(calc, "RCL 0 0");
    EXPECT_EQ(keyscript::Display(calc), "3.");
}

TEST(Program, StoppedSubroutineContinuesWithRunStop)
{
    CCalc calc;
    Loaded(calc, "LBL A SBR B 5 R/S LBL B 1 R/S 2 RTN");
    keyscript::Type(calc, "A");
    EXPECT_EQ(calc.callLevel, 2);
    EXPECT_EQ(keyscript::Display(calc), "1");
    keyscript::Type(calc, "R/S");
    EXPECT_EQ(calc.callLevel, 1);
    EXPECT_EQ(keyscript::Display(calc), "5");
}

TEST(Program, DisplayWhileRunning)
{
    CCalc calc;
    Loaded(calc, "LBL A 7 R/S");
    calc.ProcessKey(Key::UserA);
    calc.StepProgram();
    calc.StepProgram();
    calc.StepProgram();
    EXPECT_EQ(keyscript::Display(calc), "[          ");
    EXPECT_EQ(keyscript::Display(calc, true), "7");
}

TEST(Program, KeyboardRunStopWaitsForTheOperand)
{
    CCalc calc;
    Loaded(calc, "LBL A STO 1 2 3 R/S");
    keyscript::Type(calc, "9");
    calc.ProcessKey(Key::UserA);
    calc.StepProgram();   // Lbl
    calc.StepProgram();   // A
    calc.StepProgram();   // STO
    calc.ProcessKey(Key::RunStop);
    EXPECT_EQ(calc.Mode(), CCalc::ModeRun);
    calc.StepProgram();   // 12 completes the STO, then the run stops
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    keyscript::Type(calc, "RCL 1 2");
    EXPECT_EQ(keyscript::Display(calc), "9.");
    EXPECT_EQ(calc.Pc(), 4);
}

// A slice of a run never ends while an instruction collects its operand, so
// the stop asked for after it takes effect at once, with the STO done.
TEST(Program, RunSlicesEndBetweenInstructions)
{
    struct Case { uint64_t budget; CCalc::RunEnd end; uint64_t steps; int pc; };
    const Case cases[] = {
        {0, CCalc::RunEnd::BudgetSpent, 0, 0},
        {1, CCalc::RunEnd::BudgetSpent, 2, 2},   // Lbl waits for its label
        {3, CCalc::RunEnd::BudgetSpent, 4, 4},   // STO waits for 12
        {4, CCalc::RunEnd::BudgetSpent, 4, 4},
        {9, CCalc::RunEnd::Paused, 5, 5},
    };
    for (const Case& c : cases) {
        CCalc calc;
        Loaded(calc, "LBL A STO 1 2 PAU 3 R/S");
        keyscript::Type(calc, "9");
        calc.ProcessKey(Key::UserA);
        const CCalc::RunResult slice = calc.RunSteps(c.budget);
        EXPECT_EQ(slice.end, c.end) << c.budget;
        EXPECT_EQ(slice.steps, c.steps) << c.budget;
        EXPECT_EQ(calc.Pc(), c.pc) << c.budget;
        calc.RequestStop();
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate) << c.budget;
    }
    CCalc calc;
    Loaded(calc, "LBL A STO 1 2 PAU 3 R/S");
    calc.ProcessKey(Key::UserA);
    EXPECT_EQ(calc.RunSteps(9).end, CCalc::RunEnd::Paused);
    const CCalc::RunResult rest = calc.RunSteps(9);
    EXPECT_EQ(rest.end, CCalc::RunEnd::Stopped);
    EXPECT_EQ(rest.steps, 2u);
    EXPECT_EQ(keyscript::Display(calc), "3");
}

TEST(Program, InvBeforeSstAppliesToTheSteppedInstruction)
{
    CCalc calc;
    keyscript::Poke(calc, 0, 0, "28");   // log
    keyscript::Type(calc, "2 = INV SST");
    EXPECT_EQ(keyscript::Display(calc), "100.");
    EXPECT_EQ(calc.invFlag, 0);
}

TEST(Program, SingleStepFromTheKeyboard)
{
    CCalc calc;
    Loaded(calc, "2 + 3 =");
    keyscript::Type(calc, "SST SST SST");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.Pc(), 3);
    EXPECT_EQ(keyscript::Display(calc), "3");
    keyscript::Type(calc, "SST");
    EXPECT_EQ(keyscript::Display(calc), "5.");
}

}  // namespace
