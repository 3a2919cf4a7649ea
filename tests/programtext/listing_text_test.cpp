#include <gtest/gtest.h>

#include <string>

#include "programtext/ListingText.h"
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
    const ListingRead read = ReadListingText(Bytes("000 42 STO\n001 05 05\n002 61 whatever\n003 11\n"));
    ASSERT_TRUE(read.steps) << std::string(read.problem.begin(), read.problem.end());
    EXPECT_EQ(*read.steps, Program({42, 5, 61, 11}));
}

TEST(ListingText, Utf16WithByteOrderMarkAndCrLf)
{
    const ListingRead read = ReadListingText(Utf16(L"000 33 X\u00B2\r\n001 50 |X|\r\n"));
    ASSERT_TRUE(read.steps);
    EXPECT_EQ(*read.steps, Program({33, 50}));
}

TEST(ListingText, BlankLinesAndALaterStartAreAccepted)
{
    const ListingRead read = ReadListingText(Bytes("\n  \n010 99 PRT\n011 91 R/S\n\n"));
    ASSERT_TRUE(read.steps);
    EXPECT_EQ((*read.steps)[10], 99);
    EXPECT_EQ((*read.steps)[11], 91);
    EXPECT_EQ((*read.steps)[0], 0);
}

struct BadListing {
    const char* text;
    const wchar_t* problem;
};

TEST(ListingText, ALineThatDoesNotFitIsReportedWithItsNumber)
{
    const BadListing cases[] = {
        {"000 42 STO\n002 05 05\n", L"line 2: step 002 where step 001 was due"},
        {"001 42 STO\n000 05 05\n", L"line 2: step 000 where step 002 was due"},
        {"000 42 STO\nSTO 05\n", L"line 2: not a listing line \"NNN CC ...\" (step, key code)"},
        {"000 4X STO\n", L"line 1: not a listing line \"NNN CC ...\" (step, key code)"},
        {"000 100 STO\n", L"line 1: not a listing line \"NNN CC ...\" (step, key code)"},
        {"000\n", L"line 1: not a listing line \"NNN CC ...\" (step, key code)"},
        {"999 42 STO\n1000 05 05\n", L"line 2: step 1000 is past the last step 999"},
        {"", L"no listing lines"},
        {"\n\n", L"no listing lines"},
    };
    for (const BadListing& c : cases) {
        const ListingRead read = ReadListingText(Bytes(c.text));
        EXPECT_FALSE(read.steps) << c.text;
        EXPECT_EQ(read.problem, c.problem) << c.text;
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
        const ListingRead read = ReadListingText(Bytes(text));
        ASSERT_TRUE(read.steps);
        EXPECT_EQ(*read.steps, program);
    }
}

} // namespace
