// What the soak runs found, kept as cases of their own.
#include <gtest/gtest.h>

#include "Invariants.h"
#include "KeyScript.h"

#include <string>

namespace {

// After the last program of a slot (areas 25, 50, 75) was selected, Pgm nn
// counted from the next slot: Pgm 25 twice reached area 50, then 75, and a
// user who chose program 24 ran another module's program.
TEST(SoakFindings, PgmAfterTheLastProgramOfASlotStaysInThatSlot)
{
    struct Case {
        int selected;
        int program;
        int area;
    } cases[] = {
        {25, 25, 25}, {25, 1, 1}, {25, 24, 24}, {25, 0, 0},
        {50, 25, 50}, {50, 1, 26}, {75, 25, 75}, {75, 1, 51},
        {26, 25, 50}, {1, 25, 25}, {0, 25, 25}, {0, 26, 26},
    };
    for (const Case& c : cases) {
        CCalc calc;
        calc.selectedArea[0] = static_cast<int16_t>(c.selected);
        keyscript::Type(calc, "PGM " + std::to_string(c.program / 10) + std::to_string(c.program % 10), 1000);
        EXPECT_EQ(calc.selectedArea[0], c.area) << "selected " << c.selected << ", Pgm " << c.program;
        EXPECT_EQ(calc.errorFlag, 0) << "selected " << c.selected << ", Pgm " << c.program;
        CheckInvariants(calc);
    }
}

// The same from the keyboard, as the soak keyed it: program 25 again and
// again, each time with its own label A.
TEST(SoakFindings, RepeatedPgm25RunsProgram25)
{
    CCalc calc;
    // Lbl A, 7, R/S in program 25 of slot 0; slot 1's program 25 stays empty.
    keyscript::SetStep(calc, 25, 0, 76);
    keyscript::SetStep(calc, 25, 1, 11);
    keyscript::SetStep(calc, 25, 2, 7);
    keyscript::SetStep(calc, 25, 3, 91);
    for (int press = 0; press < 4; ++press) {
        keyscript::Type(calc, "CLR PGM 25 A", 1000);
        EXPECT_EQ(calc.errorFlag, 0) << "press " << press;
        EXPECT_EQ(calc.DisplayText(), L"7") << "press " << press;
    }
}

} // namespace
