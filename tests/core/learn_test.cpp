// Learn mode: the steps each key sequence writes, and the editing keys.
#include <gtest/gtest.h>

#include "KeyScript.h"
#include "RecordingHost.h"

namespace {

struct RecordCase {
    const char* script;   // typed in learn mode from step 000
    const char* steps;    // the first steps of user memory afterwards
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.script; }

class LearnRecording : public ::testing::TestWithParam<RecordCase> {};

TEST_P(LearnRecording, WritesSteps)
{
    const RecordCase& c = GetParam();
    CCalc calc;
    keyscript::Type(calc, "LRN");
    keyscript::Type(calc, c.script);
    const int count = static_cast<int>((std::string(c.steps).size() + 1) / 3);
    EXPECT_EQ(keyscript::Steps(calc, 0, 0, count), c.steps);
    EXPECT_EQ(calc.Mode(), CCalc::ModeLearn);
}

const RecordCase kRecording[] = {
    {"STO 1 2", "42 12 00"},
    {"GTO 2 2 2", "61 02 22 00"},
    {"GTO A", "61 11 00"},
    {"STO IND 1 2", "72 12 00"},
    {"RCL IND 3 4", "73 34 00"},
    {"SUM IND 0 1", "74 01 00"},
    {"EXC IND 0 1", "63 01 00"},
    {"PRD IND 0 1", "64 01 00"},
    {"PGM IND 0 1", "62 01 00"},
    {"OP IND 0 1", "84 01 00"},
    {"GTO IND 0 1", "83 01 00"},
    {"SBR IND 0 5", "71 40 05 00"},
    {"INV SBR", "92 00"},
    {"IFF IND 0 5 1 2 3", "87 40 05 01 23 00"},
    {"IFF 3 1 2 3", "87 03 01 23 00"},
    {"IFF 3 A", "87 03 11 00"},
    {"DSZ 1 A", "97 01 11 00"},
    {"DSZ IND 0 2 0 1 2", "97 40 02 00 12 00"},
    {"STF IND 0 5", "86 40 05 00"},
    {"STF 5", "86 05 00"},
    {"STO 2 2 SBR", "42 22 71 00"},
    {"GTO 5 +", "61 00 05 85 00"},
    {"STO 5 +", "42 05 85 00"},
    {"STO +", "42 85 00"},
    {"LBL A 1 SUM 0 0 DSZ 1 A", "76 11 01 44 00 97 01 11 00"},
    {"LBL LBL", "76 76 00"},
    {"LBL 5", "76 05 00"},
    {"EQ 0 1 2", "67 00 12 00"},
    {"GE B", "77 12 00"},
    {"FIX 2", "58 02 00"},
    {"HIR 1 5", "82 01 05 00"},
    {"INV 5 SBR", "22 05 71 00"},
    {"@21 @27 @20", "21 27 20 00"},
    {"@27 SBR", "27 71 00"},
};
INSTANTIATE_TEST_SUITE_P(Keys, LearnRecording, ::testing::ValuesIn(kRecording));

// The editing keys and the ends of memory.
struct EditCase {
    const char* preset;   // raw steps from 000
    int pointer;          // learnPointer before the keys
    const char* script;
    int first;            // steps shown from here
    const char* steps;
    int pointerAfter;
    int modeAfter;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.script; }

class LearnEditing : public ::testing::TestWithParam<EditCase> {};

TEST_P(LearnEditing, EditsUserMemory)
{
    const EditCase& c = GetParam();
    CCalc calc;
    keyscript::Poke(calc, 0, 0, c.preset);
    keyscript::GoTo(calc, c.pointer);
    keyscript::Type(calc, "LRN");
    keyscript::Type(calc, c.script);
    const int count = static_cast<int>((std::string(c.steps).size() + 1) / 3);
    EXPECT_EQ(keyscript::Steps(calc, 0, c.first, count), c.steps);
    EXPECT_EQ(calc.learnPointer, c.pointerAfter);
    EXPECT_EQ(calc.Mode(), c.modeAfter);
}

const EditCase kEditing[] = {
    {"01 02 03", 1, "INS", 0, "01 00 02 03", 1, 1},
    {"01 02 03", 1, "DEL", 0, "01 03 00", 1, 1},
    {"01 02 03", 0, "BST", 0, "01", 0, 1},
    {"01 02 03", 2, "BST BST", 0, "01", 0, 1},
    {"01 02 03", 0, "SST SST 7", 0, "01 02 07", 3, 1},
    {"", 999, "SST", 999, "00", 999, 0},
    {"", 999, "5", 999, "05", 999, 0},
    {"", 998, "STO 1 2", 998, "42 12", 999, 0},
    {"", 998, "GTO 1 2 3", 998, "61 01", 999, 0},
    {"", 999, "INS", 999, "00", 999, 1},
    {"", 999, "DEL", 999, "00", 999, 1},
    {"01 02", 0, "GTO SST 5", 0, "61 02 05", 3, 1},
    // After the pointer moves, SBR no longer turns the INV into RTN.
    {"", 0, "1 INV BST SBR", 0, "01 71", 2, 1},
    {"", 0, "STO 5 SST 7", 0, "42 05 00 07", 4, 1},
};
INSTANTIATE_TEST_SUITE_P(Editing, LearnEditing, ::testing::ValuesIn(kEditing));

TEST(LearnMode, InsertAtTheLastStepLosesOnlyIt)
{
    CCalc calc;
    keyscript::Poke(calc, 0, 998, "07 09");
    keyscript::GoTo(calc, 998);
    keyscript::Type(calc, "LRN INS");
    EXPECT_EQ(keyscript::Steps(calc, 0, 998, 2), "00 07");
    keyscript::Type(calc, "SST DEL");
    EXPECT_EQ(keyscript::Steps(calc, 0, 998, 2), "00 00");
}

TEST(LearnMode, DisplayShowsAddressAndCode)
{
    CCalc calc;
    keyscript::Poke(calc, 0, 7, "42");
    keyscript::GoTo(calc, 7);
    keyscript::Type(calc, "LRN");
    EXPECT_EQ(keyscript::Display(calc), "007 42");
    keyscript::Type(calc, "BST");
    EXPECT_EQ(keyscript::Display(calc), "006 00");
}

TEST(LearnMode, LeavingPlacesPcAtThePointer)
{
    CCalc calc;
    RecordingHost host;
    host.wantsChangeNotifications = true;
    calc.SetHost(&host);
    keyscript::Type(calc, "LRN 1 2 3 BST LRN");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.Pc(), 2);
    EXPECT_TRUE(host.Saw("listing 0-0"));
    EXPECT_TRUE(host.Saw("pc 2"));
    host.notifications.clear();
    keyscript::Type(calc, "LRN INS");
    EXPECT_TRUE(host.Saw("listing 2-999"));
}

TEST(LearnMode, NoKeyRaisesAnError)
{
    CCalc calc;
    keyscript::Type(calc, "LRN 0 1/X 1 / 0 = SQRT LRN");
    EXPECT_EQ(calc.errorFlag, 0);
    EXPECT_EQ(keyscript::Steps(calc, 0, 0, 7), "00 35 01 55 00 95 34");
}

}  // namespace
