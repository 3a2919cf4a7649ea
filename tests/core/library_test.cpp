// Library programs in areas 1 to 100: Pgm, calls into them and back, and
// the user-memory position learn mode keeps meanwhile.
#include <gtest/gtest.h>

#include "KeyScript.h"

namespace {

TEST(Library, PgmFromTheKeyboardSelectsUntilRst)
{
    CCalc calc;
    keyscript::Poke(calc, 2, 0, "76 11 05 92");      // program 02: Lbl A 5 RTN
    keyscript::Type(calc, "PGM 0 2");
    EXPECT_EQ(calc.selectedArea[0], 2);
    EXPECT_EQ(calc.shownProgram, 2);
    keyscript::Type(calc, "A");
    EXPECT_EQ(keyscript::Display(calc), "5.");
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(calc.areaBase, calc.UserProgram().data());
    EXPECT_EQ(calc.selectedArea[0], 2);   // still selected, still shown
    EXPECT_EQ(calc.shownProgram, 2);
    keyscript::Type(calc, "RST");
    EXPECT_EQ(calc.selectedArea[0], 0);
    EXPECT_EQ(calc.shownProgram, 0);
}

TEST(Library, PgmInAProgramLastsForOneCall)
{
    CCalc calc;
    keyscript::Poke(calc, 2, 0, "76 12 07 92");      // program 02: Lbl B 7 RTN
    keyscript::Type(calc, "LRN LBL A PGM 0 2 SBR B + 1 = R/S LRN");
    keyscript::Type(calc, "A");
    EXPECT_EQ(keyscript::Display(calc), "8.");
    EXPECT_EQ(calc.callLevel, 1);
    EXPECT_EQ(calc.selectedArea[1], 0);
    EXPECT_EQ(calc.levelArea[1], 0);
}

TEST(Library, RunStopEntersTheSelectedProgramAtResumeAddress)
{
    CCalc calc;
    keyscript::Poke(calc, 2, 0, "03 91");
    keyscript::Type(calc, "PGM 2 R/S");
    EXPECT_EQ(calc.callLevel, 1);
    EXPECT_EQ(calc.levelArea[1], 2);
    EXPECT_EQ(calc.areaBase, calc.Area(2).data());
    EXPECT_EQ(keyscript::Display(calc), "3");
}

TEST(Library, AreasAreCountedWithinTheCurrentModule)
{
    struct Case {
        int selected;
        const char* keys;
        int area;
        bool error;
    } cases[] = {
        {0, "PGM 0 5", 5, false},
        {30, "PGM 0 5", 30, false},   // 25 + 5: the block of area 30 starts at 25
        {30, "PGM 2 5", 50, false},
        {80, "PGM 2 0", 95, false},
        {80, "PGM 2 5", 100, false},
        {80, "PGM 2 6", 80, true},    // area 101 is past program memory
        {0, "150 STO 0 1 PGM IND 0 1", 0, true},
        {0, "1 +/- STO 0 1 PGM IND 0 1", 0, true},
        {0, "100 STO 0 1 PGM IND 0 1", 100, false},
    };
    for (const Case& c : cases) {
        CCalc calc;
        calc.selectedArea[0] = static_cast<int16_t>(c.selected);
        keyscript::Type(calc, c.keys);
        EXPECT_EQ(calc.selectedArea[0], c.area) << c.keys;
        EXPECT_EQ(calc.errorFlag != 0, c.error) << c.keys;
    }
}

TEST(Library, LearnPointerKeepsTheUserPosition)
{
    CCalc calc;
    // program 01 calls back into user memory with Pgm 00 SBR 010.
    keyscript::Poke(calc, 1, 0, "76 11 36 00 71 00 10 92");
    keyscript::Poke(calc, 0, 10, "04 92");
    keyscript::GoTo(calc, 6);
    keyscript::Type(calc, "PGM 1 A");
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(calc.Pc(), 6);
    // Leaving the library for user memory remembered where the user was.
    EXPECT_EQ(calc.learnPointer, 12);
    keyscript::Type(calc, "LRN");
    EXPECT_EQ(calc.learnPointer, 6);
}

TEST(Library, DeepCallsKeepTheExecutingArea)
{
    CCalc calc;
    keyscript::Poke(calc, 3, 0, "76 11 71 00 10 92");
    keyscript::Poke(calc, 3, 10, "06 92");
    keyscript::Type(calc, "PGM 3 A");
    EXPECT_EQ(keyscript::Display(calc), "6.");
    EXPECT_EQ(calc.callLevel, 0);
    EXPECT_EQ(calc.areaBase, calc.UserProgram().data());
}

}  // namespace
