#include <gtest/gtest.h>

#include "programtext/KeyNames.h"
#include "programtext/ScriptTokens.h"
#include "printer/Mnemonic.h"

namespace {

using Codes = std::vector<std::uint8_t>;

std::vector<Codes> CodesOf(const std::wstring& text)
{
    const TokenizedScript script = TokenizeScript(text, L"t");
    EXPECT_FALSE(script.error) << (script.error ? script.error->token : L"");
    std::vector<Codes> codes;
    for (const ScriptToken& token : script.tokens)
        codes.push_back(token.codes);
    return codes;
}

struct TokenCase {
    const wchar_t* token;
    Codes codes;
};

TEST(ScriptTokens, TokensTypeTheirKeys)
{
    const TokenCase cases[] = {
        {L"0", {0}},          {L"123", {1, 2, 3}},      {L"05", {0, 5}},     {L"1.5", {1, 93, 5}},
        {L".5", {93, 5}},     {L"7.", {7, 93}},          {L".", {93}},        {L"@00", {0}},
        {L"@7", {7}},         {L"@99", {99}},            {L"STO", {42}},      {L"sto", {42}},
        {L"Rcl", {43}},       {L"CLR", {25}},            {L"INV", {22}},      {L"---", {21}},
        {L"E'", {10}},        {L"a'", {16}},             {L"X<->T", {32}},    {L"X<>T", {32}},
        {L"x\u00B2", {33}},   {L"X^2", {33}},            {L"|X|", {50}},      {L"ABS", {50}},
        {L"SQRT", {34}},      {L"1/X", {35}},            {L"PAU", {66}},      {L"PAUSE", {66}},
        {L"STF", {86}},       {L"ST_FLG", {86}},         {L"IFF", {87}},      {L"IF_FLG", {87}},
        {L"EQ", {67}},        {L"X=T", {67}},            {L"GE", {77}},       {L"X>=T", {77}},
        {L"STA", {78}},       {L"SIGMA+", {78}},         {L"AVR", {79}},      {L"MEAN", {79}},
        {L"DMS", {88}},       {L"D.MS", {88}},           {L"WRT", {96}},      {L"WRITE", {96}},
        {L"LST", {90}},       {L"LIST", {90}},           {L"OP*", {84}},      {L"Op*", {84}},
        {L"R/S", {91}},       {L"+/-", {94}},            {L"-", {75}},        {L"*", {65}},
        {L"/", {55}},         {L"(", {53}},              {L"=", {95}},        {L"Y^X", {45}},
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(KeysOfToken(c.token), std::optional<Codes>(c.codes)) << c.token;
}

TEST(ScriptTokens, NonKeysAreRefused)
{
    for (const wchar_t* token : {L"1.2.3", L"1e5", L"-5", L"@", L"@100", L"@1x", L"SOT", L"X\u00B3", L"..", L"STO05"})
        EXPECT_FALSE(KeysOfToken(token)) << token;
}

TEST(ScriptTokens, EveryMnemonicNamesItsCode)
{
    for (int code = 0; code <= 99; ++code) {
        // 20, 26 and 27 share their names with the keyboard's 25, 21 and 22.
        const int expected = code == 20 ? 25 : code == 26 ? 21 : code == 27 ? 22 : code;
        EXPECT_EQ(KeyCodeOfName(Mnemonic(code)), std::optional<std::uint8_t>(expected)) << code;
    }
}

TEST(ScriptTokens, NoAliasShadowsAMnemonic)
{
    for (const KeyAlias& alias : KeyAliases())
        EXPECT_EQ(KeyCodeOfName(alias.name), std::optional<std::uint8_t>(alias.code)) << std::wstring(alias.name);
}

TEST(ScriptTokens, OperandsAreTypedAsOnTheKeyboard)
{
    EXPECT_EQ(CodesOf(L"STO 05 GTO 123 GTO A STO IND 12"),
              (std::vector<Codes>{{42}, {0, 5}, {61}, {1, 2, 3}, {61}, {11}, {42}, {40}, {1, 2}}));
    EXPECT_EQ(CodesOf(L"PGM 02 SBR A"), (std::vector<Codes>{{36}, {0, 2}, {71}, {11}}));
}

TEST(ScriptTokens, CommentsAndWhiteSpace)
{
    EXPECT_EQ(CodesOf(L"# a comment\n1 + # another\r\n\t2 =#end"),
              (std::vector<Codes>{{1}, {85}, {2}, {95}}));
    EXPECT_TRUE(CodesOf(L"").empty());
    EXPECT_TRUE(CodesOf(L"  \n# only a comment").empty());
}

TEST(ScriptTokens, PositionsCountLinesAndColumns)
{
    const TokenizedScript script = TokenizeScript(L"1 +\n  STO 05\n", L"t");
    ASSERT_EQ(script.tokens.size(), 4u);
    EXPECT_EQ(script.tokens[2].line, 2);
    EXPECT_EQ(script.tokens[2].column, 3);
    EXPECT_EQ(script.tokens[3].column, 7);
}

TEST(ScriptTokens, AnUnknownTokenIsNamedWithItsPlaceAndNothingIsKept)
{
    const TokenizedScript script = TokenizeScript(L"1 + 2\n= SOT 5", L"prog.keys");
    ASSERT_TRUE(script.error);
    EXPECT_TRUE(script.tokens.empty());
    EXPECT_EQ(script.error->Message(), L"prog.keys:2:3: unknown token 'SOT'");
}

} // namespace
