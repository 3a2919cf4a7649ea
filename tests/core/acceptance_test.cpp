// Sessions as a user types them, each checked against what the calculator's
// rules give: the faults found by working through the keyboard and programs.
#include <gtest/gtest.h>

#include "KeyScript.h"

namespace {

// Keys typed in learn mode from step 000 and the steps they leave.
struct LearnCase {
    const char* script;
    const char* steps;
};

void PrintTo(const LearnCase& c, std::ostream* os) { *os << c.script; }

class AcceptanceLearn : public ::testing::TestWithParam<LearnCase> {};

TEST_P(AcceptanceLearn, WritesSteps)
{
    const LearnCase& c = GetParam();
    CCalc calc;
    keyscript::Type(calc, "LRN");
    keyscript::Type(calc, c.script);
    const int count = static_cast<int>((std::string(c.steps).size() + 1) / 3);
    EXPECT_EQ(keyscript::Steps(calc, 0, 0, count), c.steps);
}

const LearnCase kLearn[] = {
    // A second SBR after INV SBR is a call of its own, not the RTN again.
    {"INV SBR SBR A", "92 71 11 00"},
    {"INV SBR SBR 1 2 3", "92 71 01 23 00"},
    {"INV SBR INV SBR", "92 92 00"},
    {"1 INV SBR SBR A", "01 92 71 11 00"},
};
INSTANTIATE_TEST_SUITE_P(Keys, AcceptanceLearn, ::testing::ValuesIn(kLearn));

// A program keyed in learn mode, then keys from the keyboard; the display,
// the error state and a register afterwards.
struct SessionCase {
    const char* program;   // typed between LRN and LRN; empty for none
    const char* keys;      // typed in calculate mode
    const char* display;
    bool error;
    int reg;               // register checked, or -1
    const char* value;     // its display text
};

void PrintTo(const SessionCase& c, std::ostream* os) { *os << c.program << " | " << c.keys; }

class AcceptanceSession : public ::testing::TestWithParam<SessionCase> {};

TEST_P(AcceptanceSession, ShowsResult)
{
    const SessionCase& c = GetParam();
    CCalc calc;
    if (*c.program != '\0') {
        keyscript::Type(calc, "LRN");
        keyscript::Type(calc, c.program);
        keyscript::Type(calc, "LRN");
    }
    keyscript::Type(calc, c.keys);
    EXPECT_EQ(calc.mode, CCalc::ModeCalculate);
    EXPECT_EQ(keyscript::Display(calc), c.display);
    EXPECT_EQ(calc.errorFlag != 0, c.error);
    if (c.reg >= 0) {
        wchar_t text[CCalc::DisplayCapacity];
        calc.FormatDisplayValue(calc.registers[c.reg], text);
        EXPECT_EQ(keyscript::Narrow(text), c.value);
    }
}

const SessionCase kSessions[] = {
    // With flag 8 a call refused at level 99 stops the run on the SBR itself:
    // the step after it (a digit that would start an entry) never runs.
    {"LBL A 1 SUM 0 0 SBR A 7", "CMS STF 8 A", "1.", true, 0, "99."},
    {"LBL A 1 SUM 0 0 SBR A 7 R/S", "CMS A", "7", true, 0, "99."},
    // The same stop after a call by address.
    {"LBL A 1 SUM 0 0 SBR 0 0 2 7", "CMS STF 8 A", "1.", true, 0, "99."},
};
INSTANTIATE_TEST_SUITE_P(Runs, AcceptanceSession, ::testing::ValuesIn(kSessions));

}  // namespace
