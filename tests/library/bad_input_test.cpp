// Data a program cannot use end on the flashing display, and change nothing
// that was set before.
#include <gtest/gtest.h>

#include "LibraryRun.h"

namespace {

TEST(BadInput, EndsInTheErrorState)
{
    const struct {
        const char* script;
        const char* why;
    } cases[] = {
        {"PGM 02 0 A", "no 0 x 0 matrix"},
        {"PGM 06 0 A 1 B 2 C E'", "a = 0 is no quadratic"},
        {"PGM 06 0 A 1 B 2 C 3 D E", "a = 0 is no cubic"},
        {"PGM 02 10 A", "a 10 x 10 matrix needs more registers"},
        {"PGM 03 10 A", "ten equations need more registers"},
        {"PGM 04 7 A", "a 7 x 7 inverse needs more registers"},
        {"PGM 05 2 A 1 B 0 B 1 B 3 E", "x^2 + 1 has no real root for Newton"},
        {"LRN LBL A' X^2 + 1 = RTN LRN PGM 07 1 A 2 B C", "x^2 + 1 has no real root for the secant"},
        {"LRN LBL A' 5 RTN LRN PGM 07 1 A 2 B C", "a constant function has a flat secant"},
        {"PGM 14 1 A", "base 1"},
        {"PGM 14 100 A", "base 100 digits do not fit two places"},
        {"PGM 14 5 B", "no base set"},
        {"PGM 19 12 A 100 C 10 D 50 E B'", "no rate makes money grow from nothing"},
        {"PGM 20 1000 A 0 B 3 C E", "a rate of 0"},
        {"PGM 20 1000 A 1 B 2.5 C E", "a part of a payment"},
        {"PGM 20 1000 A 1 B 0 C D", "no payments"},
        {"PGM 12 5 X<>T 2.5 B", "a fraction of r (it used to loop for ever)"},
        {"PGM 12 5.5 X<>T 2 C", "a fraction of n"},
        {"PGM 12 3 X<>T 5 C", "r above n"},
        {"PGM 12 5 X<>T 1 +/- B", "a negative r"},
        {"PGM 12 1000000000 A", "n! far beyond the range (no billion-step loop)"},
        {"PGM 12 1000000000 +/- D", "gamma far below zero"},
        {"PGM 16 2 A 1 X<>T 0 B", "ln 0 for the exponential model"},
        {"PGM 16 3 A 1 +/- X<>T 2 B", "ln of a negative x for the logarithmic model"},
        {"PGM 16 1 A 1 X<>T 2 B C", "one point fits no line"},
        {"PGM 16 2 A 1 X<>T 2 B 3 E", "one point predicts nothing"},
        {"LRN LBL A' X^2 RTN LRN PGM 08 0 A 1 B 0 C", "no intervals"},
        {"LRN LBL A' X<>T RTN LRN PGM 09 0 A 1 B .1 C 0 D", "no steps"},
        {"LRN LBL A' X<>T RTN LRN PGM 09 0 A 1 B .1 C 2.5 D", "a part of a step"},
        {"PGM 05 2 +/- A", "a negative degree"},
        {"PGM 05 2.5 A", "a part of a degree"},
        {"PGM 05 2 A 1 B 0 B 1 B 0 E", "a flat tangent away from a root"},
        {"LRN LBL A' 1/X RTN LRN PGM 08 1 +/- A 1 B 10 C", "a pole between the limits"},
        {"PGM 03 3 A 1 B 2 B 3 B 1 B 4 B 5 B 6 B 1 B 7 B 8 B 9 B 1 B C", "singular but for the last digits"},
        {"PGM 04 3 A 1 B 2 B 3 B 4 B 5 B 6 B 7 B 8 B 9 B C", "singular but for the last digits"},
        {"PGM 13 2.5 A", "a prime factor of a fraction"},
        {"PGM 13 4 X<>T 6.5 B", "a gcd with a fraction"},
        {"PGM 13 4.5 X<>T 6 C", "an lcm with a fraction"},
        {"PGM 14 2 A 12 C", "binary has no digit 2"},
        {"PGM 14 16 A 1516 C", "hexadecimal has no digit 16"},
        {"PGM 15 13.012000 A", "month 13"},
        {"PGM 15 .152000 A", "month 0"},
        {"PGM 15 1.322000 A", "day 32"},
        {"PGM 15 4.312000 A", "31 April"},
        {"PGM 15 2.292023 A", "29 February in a common year"},
        {"PGM 15 2.291900 A", "1900 was no leap year"},
        {"PGM 15 1.002000 B", "day 0"},
        {"PGM 15 1.0120005 C", "a fraction of a year"},
        {"PGM 16 5 A", "no fifth model"},
        {"PGM 16 1.5 A", "a part of a model"},
        {"PGM 18 D", "no seed yet (it used to run for ever)"},
        {"PGM 18 B", "no seed yet"},
        {"PGM 18 6 C", "no seed yet"},
    };
    for (const auto& c : cases) {
        LibraryRun run(c.script);
        EXPECT_TRUE(run.error()) << c.why;
        EXPECT_EQ(run.calc().Mode(), 0) << c.why; // the run has stopped
    }
}

TEST(BadInput, ARefusedBaseKeepsTheOneBefore)
{
    EXPECT_EQ(LibraryRun("PGM 14 16 A 1 A 255 B").display(), "1515.");
}

TEST(BadInput, ARefusedModelKeepsThePoints)
{
    EXPECT_EQ(LibraryRun("PGM 16 1 A 1 X<>T 2 B 5 A").Register(3), 1);
}

TEST(BadInput, ARefusedScheduleIsNotPrinted)
{
    LibraryRun run("PGM 20 1000 A 0 B 3 C E");
    // Only the stops of A, B, C and E: no printed line.
    EXPECT_EQ(run.lines().size(), 4u);
}

TEST(BadInput, ARefusedPointIsNotCounted)
{
    LibraryRun run("PGM 16 2 A 1 X<>T 3 B 2 X<>T 0 B");
    EXPECT_EQ(run.Register(3), 1); // the first point only
}

TEST(BadInput, NonConvergenceShowsTheLastEstimate)
{
    LibraryRun run("PGM 05 2 A 1 B 0 B 1 B 3 E");
    EXPECT_EQ(run.value(), run.Register(2));
}

} // namespace
