#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "programtext/ProgramText.h"
#include "resources/BuiltInModule.h"
#include "storage/ModuleImage.h"

namespace {

std::vector<unsigned char> FileBytes(const std::string& name)
{
    std::ifstream in(std::string(NORVANE_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProgramSteps1000 Program(std::initializer_list<std::uint8_t> steps)
{
    ProgramSteps1000 program{};
    std::copy(steps.begin(), steps.end(), program.begin());
    return program;
}

std::string Narrow(const std::wstring& text) { return {text.begin(), text.end()}; }

TEST(ProgramText, EveryFormOfTheCorpusGivesTheSameSteps)
{
    const std::vector<unsigned char> expectedBytes = FileBytes("expected-codes.txt");
    std::istringstream expectedText(std::string(expectedBytes.begin(), expectedBytes.end()));
    ProgramSteps1000 expected{};
    int end = 0;
    for (int code; expectedText >> code;)
        expected[static_cast<std::size_t>(end++)] = static_cast<std::uint8_t>(code);
    ASSERT_GT(end, 50);
    const struct {
        const char* file;
        ProgramTextForm form;
    } corpus[] = {
        {"listing.txt", ProgramTextForm::Listing},      {"listing-utf16.txt", ProgramTextForm::Listing},
        {"listing-codes.txt", ProgramTextForm::Listing}, {"codes.txt", ProgramTextForm::KeyCodes},
        {"codes-stepped.txt", ProgramTextForm::Listing}, {"script.keys", ProgramTextForm::KeyScript},
        {"printed.txt", ProgramTextForm::KeyScript},
    };
    for (const auto& c : corpus) {
        const ProgramTextRead read = ReadProgramText(FileBytes(c.file));
        ASSERT_FALSE(read.error) << c.file << ": " << Narrow(read.error->Message());
        EXPECT_EQ(read.form, c.form) << c.file;
        EXPECT_EQ(read.steps, expected) << c.file;
        EXPECT_EQ(read.end, end) << c.file;
    }
}

TEST(ProgramText, EachFormOnItsOwn)
{
    const struct {
        const wchar_t* text;
        ProgramSteps1000 steps;
    } cases[] = {
        {L"76 11 42 01 91", Program({76, 11, 42, 1, 91})},
        {L"76,11,42\n01\n91", Program({76, 11, 42, 1, 91})},
        {L"000 76 11 42\n003 01 91", Program({76, 11, 42, 1, 91})},
        {L"2nd Lbl A STO 01 R/S", Program({76, 11, 42, 1, 91})},
        {L"INV 2nd x=t B 2nd Op 20", Program({22, 67, 12, 69, 20})},
        {L"2nd 7 2nd STO 2nd E", Program({67, 47, 10})},
        {L"\u03C0 \u00F7 \u00D7 \u221Ax x\u00B2 1/x y\u02E3 \u03A3+ x\u0304 |x| x\u2265t x\u21C4t x:t", Program({89, 55, 65, 34, 33, 35, 45, 78, 79, 50, 77, 32, 32})},
        // A key script may start with a line of numbers: they are typed.
        {L"10\nSTO 05", Program({1, 0, 42, 5})},
        // Steps no key types: LRN, SST, INV before SBR.
        {L"@31 @41 @22 SBR A INV SBR", Program({31, 41, 22, 71, 11, 92})},
        {L"000 20 CLR\n001 26 ---\n002 76 2nd Lbl\n003 11 a", Program({20, 26, 76, 11})},
    };
    for (const auto& c : cases) {
        const ProgramTextRead read = ReadProgramText(std::wstring_view(c.text));
        ASSERT_FALSE(read.error) << Narrow(c.text) << ": " << Narrow(read.error->Message());
        EXPECT_EQ(read.steps, c.steps) << Narrow(c.text);
    }
}

TEST(ProgramText, MistakesAreNamedAndNothingIsRead)
{
    std::wstring thousandAndOne;
    for (int i = 0; i < 1001; ++i)
        thousandAndOne += L"68 ";
    const struct {
        std::wstring text;
        const wchar_t* message;
    } cases[] = {
        {L"000 76 LBL\n001 11 B", L"line 2, column 8: expected A, the name of key code 11, found \"B\""},
        {L"LBL A\nSTO 05 SOT 06", L"line 2, column 8: expected a key name, a number or @NN, found \"SOT\""},
        {L"LBL A\nSTO SOT SUMM", L"line 2, column 5: expected a key name, a number or @NN, found \"SOT\""},
        {L"76 11\n000 42", L"line 2, column 1: expected a key code of one or two digits, found \"000\""},
        {L"000 76 LBL\nSTO 01", L"line 2, column 1: expected a listing line: step, key code, name, found \"STO\""},
        {thousandAndOne, L"line 1, column 3001: expected the end of the program: all 1000 steps are given, found \"68\""},
        {L"1 LRN 2", L"line 1, column 3: expected a key learn mode records (LRN would leave it), found \"LRN\""},
    };
    for (const auto& c : cases) {
        const ProgramTextRead read = ReadProgramText(std::wstring_view(c.text));
        ASSERT_TRUE(read.error) << Narrow(c.text);
        EXPECT_EQ(read.error->Message(), c.message) << Narrow(c.text);
    }
}

TEST(ProgramText, NoiseIsPassedOver)
{
    const ProgramTextRead read = ReadProgramText(std::wstring_view(
        L"SUM OF SQUARES\nStep Code Key\nPage 3 of 9\n\n000 76 LBL ; start\n- 4 -\n17\n001 11 A # label\n[5]\n002 91 R/S\n"));
    ASSERT_FALSE(read.error) << Narrow(read.error->Message());
    EXPECT_EQ(read.steps, Program({76, 11, 91}));
}

TEST(ProgramText, TheLibraryReadsBackThroughBothWrittenForms)
{
    const storage::ModuleParse module = storage::ParseModuleImage(BuiltInModuleImage());
    ASSERT_TRUE(module.image);
    for (int index = 0; index < storage::kModulePrograms; ++index) {
        const auto program = module.image->Program(index);
        if (program.empty())
            continue;
        ProgramSteps1000 steps{};
        std::copy(program.begin(), program.end(), steps.begin());
        const int end = static_cast<int>(program.size());
        for (const std::wstring& text : {WriteListingText(steps, end), WriteKeyScript(steps, end)}) {
            const ProgramTextRead read = ReadProgramText(std::wstring_view(text));
            ASSERT_FALSE(read.error) << index + 1 << ": " << Narrow(read.error->Message());
            EXPECT_EQ(read.steps, steps) << "program " << index + 1 << "\n" << Narrow(text);
            const ProgramTextRead again = ReadProgramText(std::wstring_view(
                read.form == ProgramTextForm::Listing ? WriteListingText(read.steps, read.end)
                                                      : WriteKeyScript(read.steps, read.end)));
            EXPECT_EQ(again.steps, steps) << "program " << index + 1;
        }
    }
}

TEST(ProgramText, AnyThousandStepsReadBackFromTheirKeyScript)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 20; ++trial) {
        ProgramSteps1000 steps{};
        for (std::uint8_t& step : steps)
            step = static_cast<std::uint8_t>(random() % 100);
        const std::wstring script = WriteKeyScript(steps, ProgramSteps);
        const ProgramTextRead read = ReadProgramText(std::wstring_view(script));
        ASSERT_FALSE(read.error) << trial << ": " << Narrow(read.error->Message());
        EXPECT_EQ(read.steps, steps) << trial;
    }
}

TEST(ProgramText, AKeyScriptHoldsStepsNoKeyTypesAsCodes)
{
    const ProgramSteps1000 programs[] = {
        Program({22, 71, 11, 31, 41, 51, 46, 56, 21, 26, 27, 20}),
        Program({61, 40, 5, 76, 31, 58, 11, 42}),
        Program({76, 0, 86, 11, 92}),
    };
    for (const ProgramSteps1000& steps : programs) {
        const std::wstring script = WriteKeyScript(steps, 12);
        const ProgramTextRead read = ReadProgramText(std::wstring_view(script));
        ASSERT_FALSE(read.error) << Narrow(script);
        EXPECT_EQ(read.steps, steps) << Narrow(script);
    }
    EXPECT_EQ(WriteKeyScript(Program({76, 11, 42, 5, 61, 1, 23, 87, 3, 12, 91}), 11),
              L"LBL A\nSTO 05\nGTO 123\nIFF 3 B\nR/S\n");
    EXPECT_EQ(WriteKeyScript(Program({86, 3, 58, 2, 86, 40, 5, 58, 1, 2}), 10), L"STF 3\nFIX 2\nSTF IND 05\nFIX 1\n2\n");
}

} // namespace
