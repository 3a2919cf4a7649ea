#include <gtest/gtest.h>

#include <memory>

#include "programtext/Assembler.h"
#include "core/CCalc.h"

namespace {

using Steps = std::vector<std::uint8_t>;

struct Assembled {
    Steps steps;
    Assembly assembly;
    int mode;
};

Assembled AssembleText(const std::wstring& source)
{
    auto calc = std::make_unique<CCalc>();
    const TokenizedScript script = TokenizeScript(source, L"t");
    EXPECT_FALSE(script.error);
    Assembled result{{}, Assemble(*calc, script.tokens), calc->Mode()};
    const auto typed = calc->UserProgram();
    result.steps.assign(typed.begin(), typed.begin() + result.assembly.length);
    return result;
}

struct AssemblyCase {
    const wchar_t* source;
    Steps steps;
};

TEST(Assembler, TheEngineDecidesHowKeysBecomeSteps)
{
    const AssemblyCase cases[] = {
        {L"STO 1 2", {42, 12}},
        {L"STO 12", {42, 12}},
        {L"GTO 2 2 2", {61, 2, 22}},
        {L"GTO 222", {61, 2, 22}},
        {L"GTO A", {61, 11}},
        {L"STO IND 12", {72, 12}},
        {L"RCL IND 05", {73, 5}},
        {L"GTO IND 07", {83, 7}},
        {L"SBR IND 05", {71, 40, 5}},
        {L"INV SBR", {92}},
        {L"IFF 3 123", {87, 3, 1, 23}},
        {L"STF IND 05", {86, 40, 5}},
        {L"DSZ 1 A", {97, 1, 11}},
        {L"LBL A 1 SUM 00 DSZ 1 A", {76, 11, 1, 44, 0, 97, 1, 11}},
        {L"STO 22 SBR A", {42, 22, 71, 11}},
        {L"FIX 2", {58, 2}},
        {L"OP 20", {69, 20}},
        {L"PGM 02 SBR A", {36, 2, 71, 11}},
        {L"1.5 + @26 CLR", {1, 93, 5, 85, 26, 25}},
        {L"", {}},
    };
    for (const AssemblyCase& c : cases) {
        const Assembled a = AssembleText(c.source);
        EXPECT_EQ(a.steps, c.steps) << c.source;
        EXPECT_FALSE(a.assembly.notTyped) << c.source;
        EXPECT_EQ(a.mode, CCalc::ModeCalculate) << c.source;
    }
}

TEST(Assembler, TrailingZeroStepsCount)
{
    EXPECT_EQ(AssembleText(L"RCL 00").assembly.length, 2);
    EXPECT_EQ(AssembleText(L"0 0 0").assembly.length, 3);
}

TEST(Assembler, ExactlyAThousandStepsFit)
{
    std::wstring source;
    for (int i = 0; i < 1000; ++i)
        source += L"NOP ";
    const Assembled a = AssembleText(source);
    EXPECT_EQ(a.assembly.length, 1000);
    EXPECT_FALSE(a.assembly.notTyped);
}

TEST(Assembler, ASourcePastStep999IsReportedAtItsFirstLostToken)
{
    std::wstring source;
    for (int i = 0; i < 999; ++i)
        source += L"NOP ";
    source += L"\n1 STO 05";
    const Assembled a = AssembleText(source);
    EXPECT_EQ(a.assembly.length, 1000);
    ASSERT_TRUE(a.assembly.notTyped);
    EXPECT_TRUE(a.assembly.pastLastStep);
    EXPECT_EQ(a.assembly.notTyped->text, L"STO");
    EXPECT_EQ(a.assembly.notTyped->line, 2);
    EXPECT_EQ(a.assembly.notTyped->column, 3);
    // The keys that would have followed were not carried out in calculate mode.
    EXPECT_EQ(a.mode, CCalc::ModeCalculate);
}

TEST(Assembler, AnLrnInTheSourceEndsTheTyping)
{
    const Assembled a = AssembleText(L"1 LRN 2");
    ASSERT_TRUE(a.assembly.notTyped);
    EXPECT_FALSE(a.assembly.pastLastStep);
    EXPECT_EQ(a.assembly.notTyped->text, L"LRN");
}

} // namespace
