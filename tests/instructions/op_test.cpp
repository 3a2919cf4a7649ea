#include "core/CCalc.h"

#include "../printer/PrinterCalc.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

constexpr int OpKey = 69;

// Enters points with x in t and y in the display, then runs the given keys.
struct StatCalc : PrinterCalc {
    void Points(std::initializer_list<std::pair<int, int>> points)
    {
        for (auto [px, py] : points)
            Keys(std::to_string(px) + " X<>T " + std::to_string(py) + " SIGMA+");
        Keys("CLR");
    }
    std::wstring Display() const { return calc.DisplayText(); }
    std::wstring T() const
    {
        wchar_t text[CCalc::DisplayCapacity];
        calc.FormatDisplayValue(calc.t, text);
        return text;
    }
};

TEST(Op, ValuesInTheDisplay)
{
    struct Case { const char* name; const char* keys; const wchar_t* display; };
    const Case cases[] = {
        {"signum of a negative", "5 +/- OP 10", L"-1."},
        {"signum of zero", "0 OP 10", L"0."},
        {"signum of a small positive", ".003 OP 10", L"1."},
        {"partition", "OP 16", L"999.99"},
        {"partition again", "7 OP 17", L"999.99"},
        {"signum through ind", "10 STO 05 4 +/- OP* 05", L"-1."},
        {"operand finished early", "4 +/- OP 10", L"-1."},
    };
    for (const Case& c : cases) {
        StatCalc s;
        s.Keys(c.keys);
        EXPECT_EQ(s.Display(), c.display) << c.name;
        EXPECT_FALSE(s.calc.errorFlag) << c.name;
    }
}

TEST(Op, Statistics)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> points;
        const char* keys;
        const wchar_t* display;
        const wchar_t* t;
        bool error;
    };
    const Case cases[] = {
        {"regression", {{1, 2}, {2, 4}}, "OP 12", L"0.", L"2.", false},
        {"estimate y", {{1, 2}, {2, 4}}, "3 OP 14", L"6.", L"0.", false},
        {"estimate x", {{1, 2}, {2, 4}}, "6 OP 15", L"3.", L"0.", false},
        {"correlation", {{1, 2}, {2, 4}}, "OP 13", L"1.", L"0.", false},
        {"negative correlation", {{1, 4}, {2, 2}, {3, 0}}, "OP 13", L"-1.", L"0.", false},
        {"variances", {{1, 2}, {2, 4}}, "OP 11", L"1.", L"0.25", false},
        {"variances without points", {}, "7 X<>T 5 OP 11", L"0.", L"7.", true},
        {"correlation of one point", {{1, 2}}, "OP 13", L"1.", L"0.", true},
        {"regression of one point", {{1, 2}}, "OP 12", L"1.", L"0.", true},
        {"regression with one x", {{1, 2}, {1, 4}}, "7 X<>T OP 12", L"1.", L"7.", true},
        {"estimate y without points", {}, "3 OP 14", L"1.", L"0.", true},
        {"estimate x on a flat line", {{1, 2}, {2, 2}}, "6 OP 15", L"1.", L"0.", true},
        {"correlation with flat y", {{1, 2}, {2, 2}}, "OP 13", L"1.", L"0.", true},
    };
    for (const Case& c : cases) {
        StatCalc s;
        s.Points(c.points);
        s.Keys("X<>T 0 X<>T");
        s.Keys(c.keys);
        EXPECT_EQ(s.Display(), c.display) << c.name;
        EXPECT_EQ(s.T(), c.t) << c.name;
        EXPECT_EQ(s.calc.errorFlag != 0, c.error) << c.name;
    }
}

TEST(Op, AResultBeyondTheRangeIsTheLimitAndTheErrorState)
{
    StatCalc s;
    s.Points({{1, 2}, {2, 4}});
    s.calc.x = CNombre(9, 112);
    s.calc.entryActive = 0;
    s.calc.SpecialFunction(14);
    EXPECT_EQ(s.calc.x, CNombre::MaxPositive);
    EXPECT_TRUE(s.calc.errorFlag);
}

TEST(Op, NoOpClearsTheErrorState)
{
    for (int n : {0, 1, 5, 10, 12, 16, 20, 30, 40}) {
        StatCalc s;
        s.Points({{1, 2}, {2, 4}});
        s.calc.errorFlag = 1;
        s.calc.SpecialFunction(n);
        EXPECT_TRUE(s.calc.errorFlag) << n;
    }
}

TEST(Op, FlagSevenTests)
{
    struct Case { int n; bool error; bool flagBefore; bool flagAfter; };
    const Case cases[] = {
        {18, false, false, true}, {18, true, false, false}, {18, true, true, true},
        {19, true, false, true},  {19, false, false, false}, {19, false, true, true},
        {40, false, false, true}, {40, true, false, true},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.errorFlag = c.error;
        p.calc.flags[7] = c.flagBefore;
        p.calc.SpecialFunction(c.n);
        EXPECT_EQ(p.calc.flags[7] != 0, c.flagAfter) << c.n << " " << c.error;
        EXPECT_EQ(p.calc.errorFlag != 0, c.error) << c.n;
        for (int flag = 0; flag < CCalc::FlagCount; ++flag) {
            if (flag != 7) {
                EXPECT_FALSE(p.calc.flags[flag]) << c.n;
            }
        }
    }
}

TEST(Op, RegisterIncrementsAndDecrements)
{
    struct Case { int n; int reg; const wchar_t* before; const wchar_t* after; };
    const Case cases[] = {
        {20, 0, L"0", L"1"},      {29, 9, L"41", L"42"},     {25, 5, L"-0.5", L"0.5"},
        {30, 0, L"0", L"-1"},     {39, 9, L"2.25", L"1.25"}, {33, 3, L"1", L"0"},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.registers[c.reg] = Num(c.before);
        p.calc.SpecialFunction(c.n);
        EXPECT_EQ(p.calc.registers[c.reg], Num(c.after)) << c.n;
        for (int reg = 0; reg < CCalc::RegisterCount; ++reg) {
            if (reg != c.reg) {
                EXPECT_TRUE(p.calc.registers[reg].IsZero()) << c.n << " R" << reg;
            }
        }
    }
}

TEST(Op, NumbersAbove40AreAnErrorAndReturnToTheKeyboardLevel)
{
    for (int n : {41, 50, 99, 255}) {
        PrinterCalc p;
        p.calc.ProcessKey(Key::RunStop);
        p.calc.callLevel = 3;
        p.calc.levelArea[3] = 2;
        p.calc.SyncAreaBase();
        p.calc.SpecialFunction(n);
        EXPECT_TRUE(p.calc.errorFlag) << n;
        EXPECT_EQ(p.calc.Mode(), CCalc::ModeCalculate) << n;
        EXPECT_EQ(p.calc.callLevel, 0) << n;
        EXPECT_EQ(p.calc.areaBase, p.calc.UserProgram().data()) << n;
    }
}

TEST(Op, Op41StopsARunningProgram)
{
    PrinterCalc p;
    p.Program({1, OpKey, 41, 2, 91});
    p.Keys("RST R/S");
    EXPECT_EQ(p.calc.Mode(), CCalc::ModeCalculate);
    EXPECT_TRUE(p.calc.errorFlag);
    EXPECT_EQ(p.calc.DisplayText(), L"1.");
}

TEST(Op, DownloadCopiesTheSelectedProgram)
{
    struct Case { const char* name; int selected; bool copied; bool error; };
    const Case cases[] = {{"library program", 2, true, false}, {"user memory", 0, false, false},
                          {"last area", 100, true, false}, {"outside memory", 174, false, true}};
    for (const Case& c : cases) {
        PrinterCalc p;
        p.Program({42, 5});
        if (c.copied) {
            keyscript::SetStep(p.calc, c.selected, 0, 76);
            keyscript::SetStep(p.calc, c.selected, 999, 92);
        }
        p.calc.selectedArea[0] = static_cast<std::int16_t>(c.selected);
        p.calc.SpecialFunction(9);
        const std::uint8_t first = c.copied ? 76 : 42;
        EXPECT_EQ(p.calc.Area(0)[0], first) << c.name;
        EXPECT_EQ(p.calc.Area(0)[1], c.copied ? 0 : 5) << c.name;
        EXPECT_EQ(p.calc.Area(0)[999], c.copied ? 92 : 0) << c.name;
        EXPECT_EQ(p.calc.errorFlag != 0, c.error) << c.name;
    }
}

TEST(Op, AlphaRegistersAndPrinting)
{
    struct Case { const char* name; const char* keys; Lines printed; };
    const Case cases[] = {
        {"clear and print", "OP 00 OP 05", {std::wstring(20, L' ')}},
        {"four groups",
         "1314151617 OP 01 2121212121 OP 02 3031323334 OP 03 1727 OP 04 OP 05",
         {L"ABCDEFFFFFMNOPQ   EL"}},
        {"fix 2 works on a hundred times", "FIX 2 1 OP 01 OP 05",
         {L"   0                "}},
        {"value with alpha", "13141516 OP 04 42 OP 06",
         {L"         42.    ABCD"}},
        {"plot", "7 OP 07", {L"       *            "}},
        {"plot out of range", "20 OP 07", {}},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.Keys(c.keys);
        EXPECT_EQ(p.host.printed, c.printed) << c.name;
    }
}

TEST(Op, AlphaGroupGoesToAHierarchyRegister)
{
    PrinterCalc p;
    p.Keys("1234.7 +/- OP 01");
    EXPECT_EQ(std::wstring(p.calc.alphaLine, 5), L"   9Q");
    EXPECT_EQ(p.calc.pile.RecallHier(5), Num(L"-1234"));
    p.Keys("CLR HIR 15");
    EXPECT_EQ(p.calc.DisplayText(), L"-1234.");
}

TEST(Op, LabelsOfTheProgramFromThePointer)
{
    PrinterCalc p;
    p.Program({76, 11, 91, 76, 12, 92});
    p.Keys("OP 08");
    EXPECT_EQ(p.host.printed, (Lines{L"001 11 A", L"004 12 B"}));
}

TEST(Op, TellTheDebuggerWhatChanged)
{
    using Refreshes = std::vector<std::string>;
    struct Case { int n; Refreshes refreshes; };
    const Case cases[] = {
        {9, {"listing 0-999"}}, {11, {"t"}},     {12, {"t"}},
        {18, {"flags"}},        {19, {"flags"}}, {40, {"flags"}},
        {23, {"registers 3-3"}}, {37, {"registers 7-7"}},
        {10, {}},               {13, {}},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.selectedArea[0] = 1;
        p.host.wantsChangeNotifications = true;
        p.host.notifications.clear();
        p.calc.SpecialFunction(c.n);
        EXPECT_EQ(p.host.notifications, c.refreshes) << c.n;
    }
}

} // namespace
