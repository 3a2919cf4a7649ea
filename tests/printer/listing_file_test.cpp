#include "printer/ListingFile.h"

#include "PrinterCalc.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

Lines Texts(const std::vector<ListingLine>& lines)
{
    Lines texts;
    for (const ListingLine& line : lines)
        texts.push_back(line.Text());
    return texts;
}

// "002 00 0" up to the step before end.
Lines ZeroSteps(int from, int end)
{
    Lines lines;
    for (int step = from; step < end; ++step) {
        wchar_t text[16];
        std::swprintf(text, 16, L"%03d 00 0", step);
        lines.push_back(text);
    }
    return lines;
}

Lines Join(Lines head, const Lines& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(ListingFile, StoreProgramIsTwentyLinesByteForByte)
{
    ScratchFolder folder;
    PrinterCalc p;
    p.Program({42, 5});
    ASSERT_TRUE(WriteListing(p.calc, (folder / "ti59.txt").wstring()));
    const Lines expected = Join({L"000 42 STO", L"001 05 05"}, ZeroSteps(2, 20));
    EXPECT_EQ(ScratchFolder::Read(folder / "ti59.txt"), Utf16(CrLfLines(expected), true));
    EXPECT_EQ(p.host.printed, expected);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"ti59.txt"});
}

TEST(ListingFile, OperandLines)
{
    struct Case { const char* name; std::initializer_list<int> program; Lines head; };
    const Case cases[] = {
        {"numeric address", {61, 1, 23}, {L"000 61 GTO", L"001 01 1", L"002 23 23"}},
        {"label address", {61, 11}, {L"000 61 GTO", L"001 11 A"}},
        {"equal test to label", {67, 16}, {L"000 67 EQ", L"001 16 A'"}},
        {"call through ind", {71, 40, 12}, {L"000 71 SBR", L"001 40 IND", L"002 12 12"}},
        {"dsz register then address", {97, 3, 1, 5}, {L"000 97 DSZ", L"001 03 03",
                                                      L"002 01 1", L"003 05 05"}},
        {"dsz register then label", {97, 3, 12}, {L"000 97 DSZ", L"001 03 03", L"002 12 B"}},
        {"flag operands are plain lines", {86, 2, 87, 3, 11},
         {L"000 86 STF", L"001 02 2", L"002 87 IFF", L"003 03 3", L"004 11 A"}},
        {"indirect ops", {84, 7, 83, 20}, {L"000 84 Op*", L"001 07 07", L"002 83 GTO*",
                                           L"003 20 20"}},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, ProgramSteps> area{};
        int step = 0;
        for (int code : c.program)
            area[static_cast<std::size_t>(step++)] = static_cast<std::uint8_t>(code);
        const Lines lines = Texts(ListingFileLines(area));
        ASSERT_EQ(lines.size(), 20u) << c.name;
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(c.head.size())), c.head)
            << c.name;
    }
}

TEST(ListingFile, ListedLengthIsWholeBlocksOfTwenty)
{
    struct Case { int lastNonZero; std::size_t lines; };
    const Case cases[] = {{-1, 20}, {0, 20}, {19, 20}, {20, 40}, {39, 40}, {40, 60},
                          {979, 980}, {980, 1000}, {999, 1000}};
    for (const Case& c : cases) {
        std::array<std::uint8_t, ProgramSteps> area{};
        if (c.lastNonZero >= 0)
            area[static_cast<std::size_t>(c.lastNonZero)] = 85;
        EXPECT_EQ(ListingFileLines(area).size(), c.lines) << c.lastNonZero;
    }
}

TEST(ListingFile, OperandsPastTheListedLengthAreListed)
{
    std::array<std::uint8_t, ProgramSteps> area{};
    area[19] = 61;
    const Lines lines = Texts(ListingFileLines(area));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{L"019 61 GTO", L"020 00 0", L"021 00 00"}));
}

TEST(ListingFile, ReplacesAnOldFileWhole)
{
    ScratchFolder folder;
    ScratchFolder::Write(folder / "ti59.txt", std::vector<unsigned char>(5000, 'x'));
    PrinterCalc p;
    ASSERT_TRUE(WriteListing(p.calc, (folder / "ti59.txt").wstring()));
    EXPECT_EQ(ScratchFolder::Read(folder / "ti59.txt"), Utf16(CrLfLines(ZeroSteps(0, 20)), true));
}

TEST(ListingFile, CreateFailureIsReportedAndPrintsNothing)
{
    struct Case { const char* name; const char* target; int error; } cases[] = {
        {"missing folder", "missing/ti59.txt", ENOENT},
        {"folder in the way", "busy", EISDIR},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ScratchFolder folder;
        std::filesystem::create_directories(folder / "busy" / "inside");
        PrinterCalc p;
        p.Program({42, 5});
        EXPECT_FALSE(WriteListing(p.calc, (folder / test.target).wstring()));
        ASSERT_EQ(p.host.errors.size(), 1u);
        EXPECT_EQ(p.host.errors[0].caption, L"Cr\u00e9ation listing");
        EXPECT_EQ(p.host.errors[0].code, test.error);
        EXPECT_TRUE(p.host.printed.empty());
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"busy"});
    }
}

TEST(ListingFile, ListsTheSelectedLibraryProgram)
{
    ScratchFolder folder;
    PrinterCalc p;
    keyscript::SetStep(p.calc, 2, 0, 92);
    p.calc.selectedArea[0] = 2;
    ASSERT_TRUE(WriteListing(p.calc, (folder / "lib.txt").wstring()));
    ASSERT_FALSE(p.host.printed.empty());
    EXPECT_EQ(p.host.printed[0], L"000 92 RTN");
}

TEST(ListingFile, ASelectionOutsideProgramMemoryIsTheErrorState)
{
    ScratchFolder folder;
    PrinterCalc p;
    p.calc.selectedArea[0] = 174;
    EXPECT_FALSE(WriteListing(p.calc, (folder / "lib.txt").wstring()));
    EXPECT_TRUE(p.calc.errorFlag);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(ListKey, AsksTheHostForAName)
{
    ScratchFolder folder;
    struct Case { const char* name; bool named; bool inv; };
    const Case cases[] = {{"named", true, false}, {"no name", false, false},
                          {"inv list prints registers", true, true}};
    for (const Case& c : cases) {
        PrinterCalc p;
        const std::filesystem::path file = folder / (std::string(c.name) + ".txt");
        if (c.named)
            p.host.listingPath = file.wstring();
        p.Program({42, 5});
        if (c.inv)
            p.Keys("99 INV LST");
        else
            p.Keys("LST");
        EXPECT_EQ(p.host.listingQuestions, c.inv ? 0 : 1) << c.name;
        EXPECT_EQ(std::filesystem::exists(file), c.named && !c.inv) << c.name;
        EXPECT_EQ(p.host.printed.size(), c.inv ? 1u : c.named ? 20u : 0u) << c.name;
        EXPECT_TRUE(p.host.errors.empty()) << c.name;
    }
}

} // namespace
