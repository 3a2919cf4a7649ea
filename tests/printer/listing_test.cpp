#include "printer/Listing.h"
#include "printer/Mnemonic.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Area = std::array<std::uint8_t, ProgramSteps>;

Area Program(std::initializer_list<int> steps, int at = 0)
{
    Area area{};
    for (int code : steps)
        area[static_cast<std::size_t>(at++)] = static_cast<std::uint8_t>(code);
    return area;
}

std::vector<std::wstring> Texts(const std::vector<ListingLine>& lines)
{
    std::vector<std::wstring> texts;
    for (const ListingLine& line : lines)
        texts.push_back(line.Text());
    return texts;
}

TEST(Mnemonic, NamesOfKeyCodes)
{
    struct Case { int code; const wchar_t* name; };
    const Case cases[] = {
        {0, L"0"},      {9, L"9"},        {10, L"E'"},   {11, L"A"},     {19, L"D'"},
        {20, L"CLR"},   {25, L"CLR"},     {21, L"---"},  {26, L"---"},   {22, L"INV"},
        {27, L"INV"},   {32, L"X<->T"},   {33, L"X\u00B2"}, {40, L"IND"}, {50, L"|X|"},
        {62, L"PGM*"},  {69, L"OP"},      {84, L"Op*"},  {90, L"LST"},   {92, L"RTN"},
        {93, L"."},     {94, L"+/-"},     {97, L"DSZ"},  {99, L"PRT"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Mnemonic(c.code), c.name) << c.code;
}

TEST(Mnemonic, EveryKeyCodeHasANameAndNothingElseDoes)
{
    for (int code = 0; code < 100; ++code)
        EXPECT_FALSE(Mnemonic(code).empty()) << code;
    for (int code : {-1, 100, 255, 1000})
        EXPECT_TRUE(Mnemonic(code).empty()) << code;
}

struct WalkCase {
    const char* name;
    std::initializer_list<int> program;
    int first;
    int last;
    ListingRules rules;
    std::vector<std::wstring> lines;
};

TEST(FormatListing, OperandClasses)
{
    const WalkCase cases[] = {
        {"register operand", {42, 5}, 0, 1, ListingRules::Display, {L"000 42 STO", L"001 05 05"}},
        {"numeric address", {61, 1, 23}, 0, 0, ListingRules::Display,
         {L"000 61 GTO", L"001 01 1", L"002 23 23"}},
        {"label address", {61, 11}, 0, 0, ListingRules::Display, {L"000 61 GTO", L"001 11 A"}},
        {"call through IND", {71, 40, 12}, 0, 1, ListingRules::Display,
         {L"000 71 SBR", L"001 40 IND", L"002 12 12"}},
        {"call with label", {71, 16}, 0, 0, ListingRules::Display, {L"000 71 SBR", L"001 16 A'"}},
        {"flag test then address", {87, 3, 0, 45, 42, 10}, 0, 4, ListingRules::Display,
         {L"000 87 IFF", L"001 03 03", L"002 00 0", L"003 45 45", L"004 42 STO",
          L"005 10 10"}},
        {"dsz with label", {97, 1, 11}, 0, 0, ListingRules::Display,
         {L"000 97 DSZ", L"001 01 01", L"002 11 A"}},
        {"dsz with address in file", {97, 2, 0, 7}, 0, 0, ListingRules::File,
         {L"000 97 DSZ", L"001 02 02", L"002 00 0", L"003 07 07"}},
        {"flag test in file is plain", {87, 3, 11}, 0, 2, ListingRules::File,
         {L"000 87 IFF", L"001 03 3", L"002 11 A"}},
        {"set flag is plain", {86, 2}, 0, 1, ListingRules::Display, {L"000 86 STF", L"001 02 2"}},
        {"label step is an instruction in a listing", {76, 42, 5}, 0, 2, ListingRules::Display,
         {L"000 76 LBL", L"001 42 STO", L"002 05 05"}},
        {"label step is an operand in a label scan", {76, 42, 5}, 0, 2, ListingRules::Labels,
         {L"000 76 LBL", L"001 42 STO", L"002 05 5"}},
        {"indirect op", {84, 7}, 0, 0, ListingRules::Display, {L"000 84 Op*", L"001 07 07"}},
        {"start inside operands does not resynchronise", {42, 61, 11}, 1, 1,
         ListingRules::Display, {L"001 61 GTO", L"002 11 A"}},
        {"operands past last are listed", {0, 61, 2, 99}, 0, 1, ListingRules::Display,
         {L"000 00 0", L"001 61 GTO", L"002 02 2", L"003 99 99"}},
        {"first after last lists nothing", {42, 5}, 5, 4, ListingRules::Display, {}},
    };
    for (const WalkCase& c : cases) {
        Area area = Program(c.program);
        EXPECT_EQ(Texts(FormatListing(area, c.first, c.last, c.rules)), c.lines) << c.name;
    }
}

TEST(FormatListing, OperandsNeverRunPastTheLastStep)
{
    struct EndCase { const char* name; std::initializer_list<int> tail; std::vector<std::wstring> lines; };
    const EndCase cases[] = {
        {"register at the end", {42}, {L"999 42 STO"}},
        {"address hundreds at the end", {61, 3}, {L"998 61 GTO", L"999 03 3"}},
        {"call at the end", {71}, {L"999 71 SBR"}},
        {"test at the end", {97, 4}, {L"998 97 DSZ", L"999 04 04"}},
        {"test address cut", {87, 1, 0}, {L"997 87 IFF", L"998 01 01", L"999 00 0"}},
    };
    for (const EndCase& c : cases) {
        Area area = Program(c.tail, ProgramSteps - static_cast<int>(c.tail.size()));
        int first = ProgramSteps - static_cast<int>(c.tail.size());
        EXPECT_EQ(Texts(FormatListing(area, first, 5000)), c.lines) << c.name;
    }
}

TEST(FormatListing, MarksOperandStepsAndTheirField)
{
    Area area = Program({61, 1, 23, 76, 11});
    const std::vector<ListingLine> expected = {
        {0, 61, ListingField::Mnemonic, false},  {1, 1, ListingField::Hundreds, true},
        {2, 23, ListingField::TwoDigits, true},  {3, 76, ListingField::Mnemonic, false},
        {4, 11, ListingField::Mnemonic, true},
    };
    EXPECT_EQ(FormatListing(area, 0, 4, ListingRules::Labels), expected);
    EXPECT_EQ(expected[2].Instruction(), L"23");
    EXPECT_EQ(expected[1].Instruction(), L"1");
}

TEST(FormatListing, WholeAreaGivesOneLinePerStep)
{
    Area area = Program({42, 5, 61, 1, 23, 71, 40, 12, 87, 1, 11});
    auto lines = FormatListing(area, -20, 999);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(ProgramSteps));
    for (int step = 0; step < ProgramSteps; ++step)
        EXPECT_EQ(lines[static_cast<std::size_t>(step)].step, step);
}

} // namespace
