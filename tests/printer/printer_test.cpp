#include "printer/AlphaCharacters.h"
#include "printer/Printer.h"

#include "PrinterCalc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

TEST(PrintValue, LineLayout)
{
    struct Case {
        const char* name;
        const wchar_t* value;
        int displayFormat;
        int fix;
        bool error;
        const wchar_t* line;
    };
    const Case cases[] = {
        {"plain", L"1.5", NormalMode, CCalc::NoFixedDecimals, false, L"         1.5 "},
        {"negative", L"-1234.7", NormalMode, CCalc::NoFixedDecimals, false,
         L"     -1234.7 "},
        {"zero", L"0", NormalMode, CCalc::NoFixedDecimals, false, L"          0. "},
        {"fixed decimals", L"2", NormalMode, 2, false, L"        2.00 "},
        {"error state", L"1.5", NormalMode, CCalc::NoFixedDecimals, true,
         L"         1.5?"},
        {"exponent", L"1.5", ScientificMode, CCalc::NoFixedDecimals, false,
         L"         1.5 00 "},
        {"exponent in error", L"-25", ScientificMode, CCalc::NoFixedDecimals, true,
         L"        -2.5 01?"},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.displayFormat = c.displayFormat;
        p.calc.fixDigits = c.fix;
        p.calc.errorFlag = c.error;
        CPrinter(p.calc).PrintValue(Num(c.value));
        EXPECT_EQ(p.host.printed, Lines{c.line}) << c.name;
    }
}

TEST(PrintValue, MantissaEndsInTheSameColumnWithOrWithoutExponent)
{
    PrinterCalc p;
    CPrinter(p.calc).PrintValue(Num(L"7"));
    p.calc.displayFormat = ScientificMode;
    CPrinter(p.calc).PrintValue(Num(L"7"));
    ASSERT_EQ(p.host.printed.size(), 2u);
    EXPECT_EQ(p.host.printed[0].size(), 13u);
    EXPECT_EQ(p.host.printed[1].size(), 16u);
    EXPECT_EQ(p.host.printed[0].find(L'7'), p.host.printed[1].find(L'7'));
}

TEST(PrintKeys, FromTheKeyboard)
{
    struct Case {
        const char* name;
        const char* keys;
        Lines printed;
    };
    const Case cases[] = {
        {"prt ends the entry", "12 PRT", {L"         12. "}},
        {"prt after an error", "1 / 0 = PRT", {L"   9.9999999 99?"}},
        {"adv", "ADV", {L""}},
        {"inv list from 98", "98 INV LST", {L"          0.      98", L"          0.      99"}},
        {"inv list from 100", "100 INV LST", {}},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.Keys(c.keys);
        EXPECT_EQ(p.host.printed, c.printed) << c.name;
    }
}

TEST(PrintRegisters, LinesAreTwentyColumnsWithTheRegisterNumber)
{
    PrinterCalc p;
    p.calc.registers[97] = Num(L"-3.25");
    p.calc.registers[98] = CNombre(15, 71);
    p.calc.registers[99] = CNombre::MaxPositive;
    CPrinter(p.calc).PrintRegisters(97);
    EXPECT_EQ(p.host.printed, (Lines{L"       -3.25      97", L"         1.5 60   98",
                                     L"   9.9999999 99   99"}));
    for (const std::wstring& line : p.host.printed)
        EXPECT_EQ(line.size(), 20u) << std::string(line.begin(), line.end());
}

TEST(PrintRegisters, NeverOutsideTheRegisters)
{
    struct Case { int first; std::size_t lines; int firstRegister; };
    const Case cases[] = {{-5, 100, 0}, {-1000000, 100, 0}, {0, 100, 0}, {99, 1, 99},
                          {100, 0, 0}, {1000000, 0, 0}};
    for (const Case& c : cases) {
        PrinterCalc p;
        CPrinter(p.calc).PrintRegisters(c.first);
        ASSERT_EQ(p.host.printed.size(), c.lines) << c.first;
        if (c.lines) {
            EXPECT_TRUE(p.host.printed.front().ends_with(L" " + std::to_wstring(c.firstRegister)))
                << c.first;
        }
    }
}

TEST(Alpha, CharacterCodes)
{
    struct Case { int code; wchar_t character; };
    const Case cases[] = {
        {0, L' '},       {1, L'0'},       {10, L'7'},      {13, L'A'},      {17, L'E'},
        {20, L'-'},      {21, L'F'},      {37, L'T'},      {40, L'.'},      {47, L'+'},
        {48, L'\u00D7'}, {50, L'\u00D7'}, {52, L'v'},      {53, L'p'},      {54, L'e'},
        {58, L'x'},      {60, L'\u00CE'}, {66, L'\u00AA'}, {67, L'a'},      {68, L'\u00B2'},
        {72, L'\u00F7'}, {77, L'S'},      {79, L'?'},      {80, L' '},      {93, L'A'},
        {99, L'8'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlphaCharacter(c.code), c.character) << c.code;
    for (int code = 80; code < 100; ++code)
        EXPECT_EQ(AlphaCharacter(code), AlphaCharacter(code - 80)) << code;
}

TEST(Alpha, SetAlphaFillsFiveCharacters)
{
    struct Case {
        const char* name;
        int position;
        const wchar_t* value;
        int fix;
        const wchar_t* alpha;
    };
    const Case cases[] = {
        {"codes 00 00 13 14 15", 0, L"131415", CCalc::NoFixedDecimals, L"  ABC               "},
        {"fix 2 scales by a hundred", 0, L"1", 2, L"   0                "},
        {"fix 0 does not scale", 5, L"1", 0, L"         0          "},
        {"last group", 15, L"1314151617", CCalc::NoFixedDecimals, L"               ABCDE"},
        {"only ten digits count", 10, L"991314151617", CCalc::NoFixedDecimals,
         L"          ABCDE     "},
        {"huge values have no low digits", 0, L"1e50", CCalc::NoFixedDecimals,
         L"                    "},
        {"fraction dropped", 0, L"17.9", CCalc::NoFixedDecimals, L"    E               "},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.fixDigits = c.fix;
        const std::wstring text = c.value;
        const CNombre value = text == L"1e50" ? CNombre(1, 62) : Num(c.value);
        CPrinter(p.calc).SetAlpha(c.position, value.IntegerPart());
        EXPECT_EQ(std::wstring(p.calc.alphaLine), c.alpha) << c.name;
        EXPECT_TRUE(p.host.printed.empty()) << c.name;
    }
}

TEST(Alpha, TracesGoToTheDeveloperLog)
{
    PrinterCalc p;
    keyscript::GoTo(p.calc, 7);
    CPrinter printer(p.calc);
    printer.SetAlpha(5, Num(L"1314"));
    printer.PrintAlpha();
    EXPECT_EQ(p.host.traces, (std::vector<std::string>{"007 SetAlpha(1314., 5)\n",
                                                       "007 PrintAlpha:         AB          \n"}));
}

TEST(Alpha, ValueWithAlphaKeepsTheLastFourCharacters)
{
    struct Case { const char* name; const wchar_t* value; int displayFormat; const wchar_t* line; };
    const Case cases[] = {
        {"without exponent", L"-2.5", NormalMode, L"        -2.5    BCDE"},
        {"with exponent", L"2.5", ScientificMode, L"         2.5 00 BCDE"},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.calc.displayFormat = c.displayFormat;
        CPrinter printer(p.calc);
        printer.SetAlpha(0, Num(L"2121212121"));
        printer.SetAlpha(15, Num(L"1314151617"));
        printer.PrintValueWithAlpha(Num(c.value));
        EXPECT_EQ(p.host.printed, Lines{c.line}) << c.name;
        EXPECT_EQ(std::wstring(p.calc.alphaLine), c.line) << c.name;
    }
}

TEST(Plot, StarInTheColumnOfTheIntegerPart)
{
    struct Case { const wchar_t* value; int column; };
    const Case cases[] = {{L"0", 0}, {L"19.9", 19}, {L"-0.5", 0}, {L"7", 7},
                          {L"20", -1}, {L"-1", -1}, {L"1e50", -1}};
    for (const Case& c : cases) {
        PrinterCalc p;
        const std::wstring text = c.value;
        CPrinter(p.calc).PlotColumn(text == L"1e50" ? CNombre(1, 62) : Num(c.value));
        if (c.column < 0) {
            EXPECT_TRUE(p.host.printed.empty()) << std::string(text.begin(), text.end());
            EXPECT_TRUE(p.calc.errorFlag);
            continue;
        }
        std::wstring line(20, L' ');
        line[static_cast<std::size_t>(c.column)] = L'*';
        EXPECT_EQ(p.host.printed, Lines{line});
        EXPECT_FALSE(p.calc.errorFlag);
    }
}

TEST(PrintLabels, OneLinePerLabelFromTheProgramPointer)
{
    struct Case { const char* name; std::initializer_list<int> program; int pc; Lines lines; };
    const Case cases[] = {
        {"labels", {76, 11, 42, 5, 76, 16, 92}, 0, {L"001 11 A", L"005 16 A'"}},
        {"from the pointer", {76, 11, 42, 5, 76, 16, 92}, 2, {L"005 16 A'"}},
        {"operand steps are not labels", {42, 76, 43, 76, 61, 76, 76, 12}, 0, {L"007 12 B"}},
        {"a label that is a prefix key", {76, 42, 76, 13}, 0, {L"001 42 STO", L"003 13 C"}},
        {"none", {42, 5}, 0, {}},
    };
    for (const Case& c : cases) {
        PrinterCalc p;
        p.Program(c.program);
        keyscript::GoTo(p.calc, c.pc);
        CPrinter(p.calc).PrintLabels();
        EXPECT_EQ(p.host.printed, c.lines) << c.name;
    }
}

TEST(PrintLabels, LblAtTheLastStepHasNoLabel)
{
    PrinterCalc p;
    p.Program({76, 14}, 997);
    keyscript::SetStep(p.calc, 0, 999, 76);
    CPrinter(p.calc).PrintLabels();
    EXPECT_EQ(p.host.printed, Lines{L"998 14 D"});
}

TEST(PrintLabels, ScansTheExecutingArea)
{
    PrinterCalc p;
    keyscript::SetStep(p.calc, 3, 10, 76);
    keyscript::SetStep(p.calc, 3, 11, 15);
    p.calc.levelArea[0] = 3;
    p.calc.SyncAreaBase();
    CPrinter(p.calc).PrintLabels();
    EXPECT_EQ(p.host.printed, Lines{L"011 15 E"});
}

} // namespace
