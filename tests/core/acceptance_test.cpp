// Sessions as a user types them, each checked against what the calculator's
// rules give: the faults found by working through the keyboard and programs.
#include <gtest/gtest.h>

#include "KeyScript.h"
#include "RecordingHost.h"
#include "printer/Listing.h"

#include <vector>

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
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
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

// Programs keyed in learn mode and listed as the debugger shows them: an IND
// in an operand's place names a register, whatever instruction it follows.
struct ListingCase {
    const char* script;
    std::vector<std::string> lines;   // listing from step 000
};

void PrintTo(const ListingCase& c, std::ostream* os) { *os << c.script; }

class AcceptanceListing : public ::testing::TestWithParam<ListingCase> {};

std::vector<std::string> Listed(const CCalc& calc, int count, ListingRules rules)
{
    std::vector<std::string> texts;
    const ProgramArea area(calc.UserProgram().data(), ProgramSteps);
    for (const ListingLine& line : FormatListing(area, 0, ProgramSteps - 1, rules)) {
        if (static_cast<int>(texts.size()) == count)
            break;
        texts.push_back(keyscript::Narrow(line.Text()));
    }
    return texts;
}

TEST_P(AcceptanceListing, ListsIndirectOperands)
{
    const ListingCase& c = GetParam();
    CCalc calc;
    keyscript::Type(calc, "LRN");
    keyscript::Type(calc, c.script);
    keyscript::Type(calc, "LRN");
    const int count = static_cast<int>(c.lines.size());
    EXPECT_EQ(Listed(calc, count, ListingRules::Display), c.lines);
    // The label scan walks the same way: no operand is taken for a Lbl.
    for (const ListingLine& line :
         FormatListing(ProgramArea(calc.UserProgram().data(), ProgramSteps), 0, 6, ListingRules::Labels))
        EXPECT_TRUE(line.code != Key::Lbl || line.isOperand) << line.step;
}

const ListingCase kListings[] = {
    {"EQ IND 7 6 R/S", {"000 67 EQ", "001 40 IND", "002 76 76", "003 91 R/S"}},
    {"GE IND 7 6 R/S", {"000 77 GE", "001 40 IND", "002 76 76", "003 91 R/S"}},
    {"IFF IND 0 5 A R/S",
     {"000 87 IFF", "001 40 IND", "002 05 05", "003 11 A", "004 91 R/S"}},
    {"DSZ IND 7 6 1 2 3 R/S",
     {"000 97 DSZ", "001 40 IND", "002 76 76", "003 01 1", "004 23 23", "005 91 R/S"}},
    {"DSZ 3 IND 7 6 R/S",
     {"000 97 DSZ", "001 03 03", "002 40 IND", "003 76 76", "004 91 R/S"}},
    {"IFF 3 IND 7 6 R/S",
     {"000 87 IFF", "001 03 03", "002 40 IND", "003 76 76", "004 91 R/S"}},
    // Unchanged: plain addresses, labels and the indirect call.
    {"EQ 1 2 3 GE A", {"000 67 EQ", "001 01 1", "002 23 23", "003 77 GE", "004 11 A"}},
    {"SBR IND 7 6", {"000 71 SBR", "001 40 IND", "002 76 76"}},
};
INSTANTIATE_TEST_SUITE_P(Programs, AcceptanceListing, ::testing::ValuesIn(kListings));

// Op 08 lists the labels only: an indirect register 76 is no Lbl.
TEST(AcceptanceLabels, IndirectRegisterIsNoLabel)
{
    CCalc calc;
    RecordingHost printer;
    calc.host = &printer;
    keyscript::Type(calc, "LRN EQ IND 7 6 R/S LBL B LRN RST OP 0 8");
    EXPECT_EQ(printer.printed, std::vector<std::wstring>({L"005 12 B"}));
}

}  // namespace
