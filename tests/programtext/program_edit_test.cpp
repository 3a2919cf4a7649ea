#include <gtest/gtest.h>

#include "programtext/ProgramEdit.h"

namespace {

ProgramSteps1000 Program(std::initializer_list<std::uint8_t> steps)
{
    ProgramSteps1000 program{};
    std::copy(steps.begin(), steps.end(), program.begin());
    return program;
}

TEST(ProgramEdit, AddressesPastTheChangeMoveWithTheirTargets)
{
    // GTO 020, SBR 003, x=t 002, IFF 1 020, DSZ 2 010, GTO A, GTO IND 20 at steps 0 to 18.
    const ProgramSteps1000 program =
        Program({61, 0, 20, 71, 0, 3, 67, 0, 2, 87, 1, 0, 20, 97, 2, 0, 10, 61, 11, 83, 20});
    const struct {
        int at, removed;
        std::vector<std::uint8_t> inserted;
        bool move;
        ProgramSteps1000 expected;
        int moved;
    } cases[] = {
        // One step inserted at 3: every address from 3 on moves.
        {3, 0, {68}, true, Program({61, 0, 21, 68, 71, 0, 4, 67, 0, 2, 87, 1, 0, 21, 97, 2, 0, 11, 61, 11, 83, 20}), 4},
        // The calculator's rule: nothing moves.
        {3, 0, {68}, false, Program({61, 0, 20, 68, 71, 0, 3, 67, 0, 2, 87, 1, 0, 20, 97, 2, 0, 10, 61, 11, 83, 20}), 0},
        // SBR 003 deleted: addresses past it move back by three.
        {3, 3, {}, true, Program({61, 0, 17, 67, 0, 2, 87, 1, 0, 17, 97, 2, 0, 7, 61, 11, 83, 20}), 3},
        // An instruction retyped longer: its own address stays as typed.
        {0, 3, {61, 0, 30, 99}, true, Program({61, 0, 30, 99, 71, 0, 4, 67, 0, 2, 87, 1, 0, 21, 97, 2, 0, 11, 61, 11, 83, 20}), 3},
    };
    for (const auto& c : cases) {
        const ProgramEdit edit = ReplaceSteps(program, c.at, c.removed, c.inserted, c.move);
        ASSERT_TRUE(edit.steps) << c.at;
        EXPECT_EQ(*edit.steps, c.expected) << c.at << " " << c.removed;
        EXPECT_EQ(edit.moved, c.moved) << c.at << " " << c.removed;
    }
}

TEST(ProgramEdit, JumpsToStepsNotYetWrittenStayAsTyped)
{
    // GTO 050 typed before its target exists, then SBR 003; the program ends at 6.
    const ProgramSteps1000 program = Program({61, 0, 50, 71, 0, 3});
    const std::uint8_t nop[] = {68};
    const struct {
        int at;
        ProgramSteps1000 expected;
        int moved;
    } cases[] = {
        {3, Program({61, 0, 50, 68, 71, 0, 4}), 1}, // inside: only SBR 003 follows its target
        {6, Program({61, 0, 50, 71, 0, 3, 68}), 0}, // appended: nothing moves
    };
    for (const auto& c : cases) {
        const ProgramEdit edit = ReplaceSteps(program, c.at, 0, nop, true);
        ASSERT_TRUE(edit.steps);
        EXPECT_EQ(*edit.steps, c.expected) << c.at;
        EXPECT_EQ(edit.moved, c.moved) << c.at;
    }
}

TEST(ProgramEdit, StepsPushedPastTheEndMustBeEmpty)
{
    ProgramSteps1000 full{};
    full[999] = 91;
    const std::uint8_t one[] = {68};
    EXPECT_FALSE(ReplaceSteps(full, 0, 0, one, true).steps);
    EXPECT_FALSE(ReplaceSteps(full, 0, 0, one, true).problem.empty());
    full[999] = 0;
    EXPECT_TRUE(ReplaceSteps(full, 0, 0, one, true).steps);
}

TEST(ProgramEdit, TheLabelTableNamesWhereLabelsStandAndWhoCallsThem)
{
    // LBL A, GTO A, SBR B, IFF 1 A, LBL B, x=t C (missing), GTO IND 05.
    const ProgramSteps1000 program = Program({76, 11, 61, 11, 71, 12, 87, 1, 11, 76, 12, 67, 13, 61, 40, 5});
    const std::vector<LabelUse> table = LabelTable(program, ProgramEnd(program));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].label, 11);
    EXPECT_EQ(table[0].step, 0);
    EXPECT_EQ(table[0].callers, (std::vector<int>{2, 6}));
    EXPECT_EQ(table[1].label, 12);
    EXPECT_EQ(table[1].step, 9);
    EXPECT_EQ(table[1].callers, (std::vector<int>{4}));
    EXPECT_EQ(table[2].label, 13);
    EXPECT_EQ(table[2].step, -1);
    EXPECT_EQ(table[2].callers, (std::vector<int>{11}));
}

} // namespace
