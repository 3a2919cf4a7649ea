// Keyboard calculation end to end: scripts of keys and the display they leave.
#include <gtest/gtest.h>

#include "KeyScript.h"

namespace {

struct DisplayCase {
    const char* script;
    const char* display;
    bool error;
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.script; }

class KeyboardDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(KeyboardDisplay, ShowsExpectedText)
{
    const DisplayCase& c = GetParam();
    CCalc calc;
    keyscript::Type(calc, c.script);
    EXPECT_EQ(keyscript::Display(calc), c.display);
    EXPECT_EQ(calc.errorFlag != 0, c.error);
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
}

const DisplayCase kArithmetic[] = {
    {"", "0", false},
    {"2 + 3 * 4 =", "14.", false},
    {"2 + 3 *", "3.", false},
    {"2 * 3 +", "6.", false},
    {"2 * ( 3 + 4 )", "7.", false},
    {"2 * ( 3 + 4 ) =", "14.", false},
    {"2 * 3 + 4 =", "10.", false},
    {"5 - 6 - 7 =", "-8.", false},
    {"2 + ( 3 * 4 = 5 - 6 - 7 =", "-8.", false},
    {"2 Y^X 3 Y^X 2 =", "64.", false},
    {"8 INV Y^X 3 =", "2.", false},
    {"2 + 3 )", "5.", false},
    {"2 + *", "2.", true},
    {"1 / 3 =", ".3333333333", false},
    {"1 / 0 =", "9.9999999 99", true},
    {"1 EE 60 * 1 EE 50 =", "9.9999999 99", true},
    {"1 EE 60 * 1 EE 50 = * 1 EE 20 +/- =", "9.9999999 79", false},
    {"( ( ( ( ( ( ( ( ( 1 + 2 =", "3.", false},
    {"( ( ( ( ( ( ( ( ( (", "0.", true},
    {"( ( ( ( ( ( ( ( (", "0.", false},
    {"5 STO 05 + RCL 05 =", "10.", false},
    {"5 STO + 1 =", "6.", false},
    {"2 + 3 = CE", "5.", false},
    {"2 + 3 CE 4 =", "6.", false},
    {"1 / 0 = CE", "9.9999999 99", false},
    {"2 + 3 CLR", "0", false},
    {"2 + 3 CLR 4 =", "4.", false},
    {"PI", "3.141592654", false},
    {"2 +/-", "-2", false},
    {"2 = +/-", "-2.", false},
    {"1 EE 5", "1 05", false},
    {"1 EE +/- 7", "1-07", false},
    {"1 EE 5 = ", "1. 05", false},
    {"1 EE 5 INV EE =", "100000.", false},
    {"1 EE 5 = CLR 2 =", "2.", false},
    {"12345 ENG =", "12.345 03", false},
    {"12345 ENG INV ENG =", "12345.", false},
    {"2 FIX 2 =", "2.00", false},
    {"2 FIX 2 INV FIX", "2.", false},
    {"1 / 0 = FIX 2", "9.9999999 99", true},
    {"1 / 0 = ENG", "9.9999999 99", true},
    {"1 EE 60 +/- X2 +/-", "-1.-99", true},
    // Nineteen pending operations fill the pile; the twentieth is refused.
    {"1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( "
     "1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 +", "1.", false},
    {"1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( "
     "1 + 2 * 3 Y^X ( 1 + 2 * 3 Y^X ( 1 + 2 *", "2.", true},
};
INSTANTIATE_TEST_SUITE_P(Arithmetic, KeyboardDisplay, ::testing::ValuesIn(kArithmetic));

const DisplayCase kFunctions[] = {
    {"0 1/X", "9.9999999 99", true},
    {"4 +/- SQRT", "2.", true},
    {"4 +/- SQRT X2", "4.", false},
    {"1 +/- LNX", "0.", true},
    {"1 LNX", "0.", false},
    {"1 INV LNX", "2.718281828", false},
    {"100 LOG", "2.", false},
    {"2 INV LOG", "100.", false},
    {"1.5 INV SIN", "1.5", true},
    {"30 SIN", ".5", false},
    {"0.5 INV SIN", "30.", false},
    {"1 INV TAN", "45.", false},
    {"RAD PI COS", "-1.", false},
    {"GRD 100 SIN", "1.", false},
    {"1 EE 60 X2", "9.9999999 99", true},
    {"1 EE 60 +/- X2", "1.-99", true},
    {"16 SQRT", "4.", false},
    {"4 1/X", "0.25", false},
    {"3.7 +/- |X|", "3.7", false},
    {"3.7 INT", "3.", false},
    {"3.75 INV INT", "0.75", false},
    {"3.7 +/- INT", "-3.", false},
    {"1.3 DMS", "1.5", false},
    {"1.5 INV DMS", "1.3", false},
    {"1.3 +/- DMS", "-1.5", false},
    {"FIX 2 1.2999 DMS INV FIX", "1.5", false},
    {"1 X<>T 2 X<>T", "1.", false},
    {"2 +/- SQRT 1 LNX", "0.", false},
};
INSTANTIATE_TEST_SUITE_P(Functions, KeyboardDisplay, ::testing::ValuesIn(kFunctions));

// Degrees and grads are reduced in their own unit before they meet pi, so a
// whole number of quarter turns is exact; 10^20 degrees is 280 degrees.
const DisplayCase kQuarterTurns[] = {
    {"90 COS", "0.", false},
    {"180 SIN", "0.", false},
    {"270 SIN", "-1.", false},
    {"90 +/- SIN", "-1.", false},
    {"360 COS", "1.", false},
    {"135 TAN", "-1.", false},
    {"90 TAN", "9.9999999 99", true},
    {"GRD 200 COS", "-1.", false},
    {"GRD 300 SIN", "-1.", false},
    {"GRD 50 TAN", "1.", false},
    {"100000 X2 X2 SIN", "-.984807753", false},
    {"30 COS", ".8660254038", false},
};
INSTANTIATE_TEST_SUITE_P(QuarterTurns, KeyboardDisplay, ::testing::ValuesIn(kQuarterTurns));

const DisplayCase kStatistics[] = {
    {"0 X<>T 2 SIGMA+ 1 X<>T 4 SIGMA+", "2.", false},
    {"1 X<>T 2 SIGMA+ 2 X<>T 4 SIGMA+ AVR", "3.", false},
    {"1 X<>T 2 SIGMA+ 2 X<>T 4 SIGMA+ AVR X<>T", "1.5", false},
    {"2 SIGMA+ 4 SIGMA+ INV AVR", "1.414213562", false},
    {"2 SIGMA+ INV AVR", "0.", true},
    {"AVR", "1.", true},
    {"2 SIGMA+ 4 SIGMA+ 4 INV SIGMA+ RCL 03", "1.", false},
};
INSTANTIATE_TEST_SUITE_P(Statistics, KeyboardDisplay, ::testing::ValuesIn(kStatistics));

// Several fields after a script, for keys whose effect is not the display alone.
TEST(Keyboard, PolarRectangularBothWays)
{
    struct Case {
        const char* script;
        const char* x;
        const char* t;
    } cases[] = {
        {"2 X<>T 30 P>R", "1.", "1.732050808"},
        {"1 X<>T 90 P>R", "1.", "0."},
        {"2 X<>T 180 P>R", "0.", "-2."},
        {"0 X<>T 0 INV P>R", "45.", "0."},
        {"1 +/- X<>T 0 INV P>R", "180.", "1."},
        {"3 X<>T 4 INV P>R", "53.13010235", "5."},
        {"RAD 0 X<>T 1 INV P>R", "1.570796327", "1."},
    };
    for (const Case& c : cases) {
        CCalc calc;
        keyscript::Type(calc, c.script);
        EXPECT_EQ(keyscript::Display(calc), c.x) << c.script;
        keyscript::Type(calc, "X<>T");
        EXPECT_EQ(keyscript::Display(calc), c.t) << c.script;
    }
}

TEST(Keyboard, NewCalculatorIsCleared)
{
    CCalc calc;
    EXPECT_EQ(keyscript::Display(calc), "0");
    EXPECT_EQ(calc.Mode(), 0);
    EXPECT_EQ(calc.angleUnit, 0);
    EXPECT_EQ(calc.invFlag, 0);
    EXPECT_EQ(calc.fixDigits, 9);
    EXPECT_EQ(calc.displayFormat, 0);
    EXPECT_EQ(calc.entryActive, 1);
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(calc.pendingPrefix, 68);
    EXPECT_EQ(calc.fromKeyboard[0], 1);
    EXPECT_EQ(calc.branchCondition, 1);
    EXPECT_EQ(calc.areaBase, calc.UserProgram().data());
    EXPECT_EQ(std::wstring(calc.alphaLine), std::wstring(20, L' '));
    for (const CNombre& r : calc.registers)
        EXPECT_TRUE(r.IsZero());
}

TEST(Keyboard, InvAppliesToOneInstruction)
{
    struct Case {
        const char* script;
        int inv;
    } cases[] = {
        {"INV", 1}, {"INV INV", 0}, {"@27", 1}, {"INV 5", 0}, {"INV +", 0},
        {"INV SST", 0}, {"INV STO", 0}, {"INV STO 1", 0},
        {"INV NOP", 0},
    };
    for (const Case& c : cases) {
        CCalc calc;
        keyscript::Type(calc, c.script);
        EXPECT_EQ(calc.invFlag, c.inv) << c.script;
    }
}

TEST(Keyboard, ClearingKeys)
{
    CCalc calc;
    keyscript::Type(calc, "7 STO 10 LRN 5 + LRN 4 X<>T");
    keyscript::Type(calc, "CMS");
    EXPECT_TRUE(calc.registers[10].IsZero());
    EXPECT_EQ(calc.UserProgram()[0], 5);
    keyscript::Type(calc, "CP");
    EXPECT_EQ(keyscript::Steps(calc, 0, 0, 2), "00 00");
    EXPECT_TRUE(calc.t.IsZero());
    EXPECT_EQ(calc.Pc(), 0);

    // CLR ends the scientific format but not the engineering one.
    keyscript::Type(calc, "1 EE 3 CLR");
    EXPECT_EQ(calc.displayFormat, NormalMode);
    keyscript::Type(calc, "ENG CLR");
    EXPECT_EQ(calc.displayFormat, EngineeringMode);
}

TEST(Keyboard, KeysWithoutEffectOutsideLearnMode)
{
    for (const char* key : {"@21", "@26", "INS", "BST", "DEL", "NOP"}) {
        CCalc calc;
        keyscript::Type(calc, std::string("12 ") + key + " 3");
        EXPECT_EQ(keyscript::Display(calc), "123") << key;
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate) << key;
    }
}

TEST(Keyboard, TwinCodesActAlike)
{
    const char* pairs[][2] = {
        {"2 + 3 CLR 4 =", "2 + 3 @20 4 ="},
        {"2 INV LOG", "2 @27 LOG"},
        {"2 INV INV LOG", "2 @27 INV LOG"},
    };
    for (const auto& pair : pairs) {
        CCalc first;
        CCalc second;
        keyscript::Type(first, pair[0]);
        keyscript::Type(second, pair[1]);
        EXPECT_EQ(keyscript::Display(first), keyscript::Display(second)) << pair[1];
    }
}

// Key scripts stop at code 99: the codes above are pressed one by one.
TEST(Keyboard, CodesAboveTheTableOnlyEndAPrefix)
{
    struct Case {
        const char* before;
        int code;
        const char* after;
        const char* display;  // in calculate mode
        const char* steps;    // 000 and 001
    } cases[] = {
        {"", 200, "", "0", "00 00"},
        {"INV", 150, "", "0", "00 00"},
        {"5 STO", 200, "1", "1", "00 00"},
        {"LRN", 150, "1", nullptr, "01 00"},
    };
    for (const Case& c : cases) {
        CCalc calc;
        keyscript::Type(calc, c.before);
        calc.ProcessKey(static_cast<uint8_t>(c.code));
        keyscript::Type(calc, c.after);
        EXPECT_EQ(calc.invFlag, 0) << c.before;
        EXPECT_EQ(calc.operandDigits, 0) << c.before;
        EXPECT_EQ(calc.errorFlag, 0) << c.before;
        EXPECT_EQ(calc.Mode(), c.display ? CCalc::ModeCalculate : CCalc::ModeLearn) << c.before;
        EXPECT_TRUE(calc.registers[1].IsZero()) << c.before;
        if (c.display) {
            EXPECT_EQ(keyscript::Display(calc), c.display) << c.before;
        }
        EXPECT_EQ(keyscript::Steps(calc, 0, 0, 2), c.steps) << c.before;
    }
}

}  // namespace
