#include <gtest/gtest.h>

#include <string>

#include "programtext/ProgramText.h"
#include "printer/ListingFile.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<unsigned char> Utf16(const std::wstring& text)
{
    std::vector<unsigned char> bytes = {0xFF, 0xFE};
    for (wchar_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        bytes.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
    }
    return bytes;
}

ProgramSteps1000 Program(std::initializer_list<std::uint8_t> steps)
{
    ProgramSteps1000 program{};
    std::copy(steps.begin(), steps.end(), program.begin());
    return program;
}

TEST(ListingText, TheKeyCodeColumnIsWhatCounts)
{
    const ProgramTextRead read = ReadProgramText(Bytes("000 42 STO\n001 05 05\n002 61 gto\n003 11\n"));
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.steps, Program({42, 5, 61, 11}));
}

TEST(ListingText, Utf16WithByteOrderMarkAndCrLf)
{
    const ProgramTextRead read = ReadProgramText(Utf16(L"000 33 X\u00B2\r\n001 50 |X|\r\n"));
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.steps, Program({33, 50}));
}

TEST(ListingText, BlankLinesAndALaterStartAreAccepted)
{
    const ProgramTextRead read = ReadProgramText(Bytes("\n  \n010 99 PRT\n011 91 R/S\n\n"));
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.steps[10], 99);
    EXPECT_EQ(read.steps[11], 91);
    EXPECT_EQ(read.steps[0], 0);
    EXPECT_EQ(read.first, 10);
    EXPECT_EQ(read.end, 12);
}

struct BadListing {
    const char* text;
    const wchar_t* problem;
};

TEST(ListingText, ALineThatDoesNotFitIsReportedWithItsNumber)
{
    const BadListing cases[] = {
        {"000 42 STO\n002 05 05\n", L"line 2, column 1: expected step 001, found \"002\""},
        {"001 42 STO\n000 05 05\n", L"line 2, column 1: expected step 002, found \"000\""},
        {"000 42 STO\nSTO 05\n", L"line 2, column 1: expected a listing line: step, key code, name, found \"STO\""},
        {"000 4X STO\n", L"line 1, column 5: expected a key name, a number or @NN, found \"4X\""},
        {"000 42 RCL\n", L"line 1, column 8: expected STO, the name of key code 42, found \"RCL\""},
        {"999 42 STO\n1000 05 05\n", L"line 2, column 1: expected a step from 000 to 999, found \"1000\""},
        {"999 76 11\n", L"line 1, column 8: expected the end of the program: all 1000 steps are given, found \"11\""},
    };
    for (const BadListing& c : cases) {
        const ProgramTextRead read = ReadProgramText(Bytes(c.text));
        ASSERT_TRUE(read.error) << c.text;
        EXPECT_EQ(read.error->Message(), c.problem) << c.text;
        EXPECT_EQ(read.steps, ProgramSteps1000{}) << c.text;
    }
}

TEST(ListingText, ATextWithoutProgramLinesIsAnEmptyProgram)
{
    for (const char* text : {"", "\n\n", "# nothing\nStep Code Key\n"}) {
        const ProgramTextRead read = ReadProgramText(Bytes(text));
        EXPECT_FALSE(read.error) << text;
        EXPECT_EQ(read.end, 0) << text;
    }
}

TEST(ListingText, WhatIsListedReadsBackAsTheSameProgram)
{
    ProgramSteps1000 full{};
    for (std::size_t i = 0; i < full.size(); ++i)
        full[i] = static_cast<std::uint8_t>((i * 37 + 11) % 100);
    const ProgramSteps1000 programs[] = {
        Program({}),
        Program({76, 11, 1, 44, 0, 97, 1, 11, 91}),
        Program({87, 3, 1, 23, 61, 9, 99, 71, 40, 5, 92}),
        full,
    };
    for (const ProgramSteps1000& program : programs) {
        std::string text;
        for (const ListingLine& line : ListingFileLines(program)) {
            const std::wstring wide = line.Text();
            text += std::string(wide.begin(), wide.end()) + "\r\n";
        }
        const ProgramTextRead read = ReadProgramText(Bytes(text));
        ASSERT_FALSE(read.error);
        EXPECT_EQ(read.steps, program);
    }
}

} // namespace
