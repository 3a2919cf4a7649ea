// Number entry key by key, and re-opening a displayed result.
#include "numbers/CSaisieNombre.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int Point = CSaisieNombre::KeyPoint;
constexpr int EE = CSaisieNombre::KeyEE;
constexpr int Sign = CSaisieNombre::KeyChangeSign;
constexpr int Inv = -1;   // in a script: the next key comes with INV

void Type(CSaisieNombre& entry, const std::vector<int>& keys)
{
    bool inv = false;
    for (int key : keys) {
        if (key == Inv) {
            inv = true;
            continue;
        }
        entry.Key(key, inv);
        inv = false;
    }
}

std::wstring Shown(const CSaisieNombre& entry, bool* hasExponent = nullptr)
{
    wchar_t out[CSaisieNombre::TextCapacity];
    const bool exponent = entry.GetDisplayText(out);
    if (hasExponent)
        *hasExponent = exponent;
    return out;
}

TEST(NumberEntry, KeyScripts)
{
    struct Case {
        const char* name;
        std::vector<int> keys;
        const wchar_t* display;
        bool hasExponent;
        const wchar_t* value;
    };
    const Case cases[] = {
        {"leading zeros dropped", {0, 0, 5}, L"5", false, L"5"},
        {"point first", {Point, 5}, L"0.5", false, L"0.5"},
        {"nothing typed", {}, L"0", false, L"0"},
        {"zero alone", {0}, L"0", false, L"0"},
        {"eleventh digit ignored", {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}, L"1234567890", false, L"1234567890"},
        {"ten digits after a point", {Point, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1}, L"0.123456789", false, L"0.123456789"},
        {"EE after nine digits ignored", {1, 2, 3, 4, 5, 6, 7, 8, 9, EE, 1}, L"1234567891", false, L"1234567891"},
        {"eight digits once EE is used",
         {1, 2, 3, EE, 5, Inv, EE, 4, 5, 6, 7, 8, 9}, L"12345678 05", true, L"12345678e5"},
        {"negative exponent", {1, EE, Sign, 7}, L"1-07", true, L"1e-7"},
        {"sign before EE negates the mantissa", {1, Sign, EE, 7}, L"-1 07", true, L"-1e7"},
        {"exponent keeps the last two digits", {2, EE, 1, 2, 3}, L"2 23", true, L"2e23"},
        {"EE shows 00", {1, Point, 5, EE}, L"1.5 00", true, L"1.5"},
        {"INV EE removes 00", {1, Point, 5, EE, Inv, EE}, L"1.5", false, L"1.5"},
        {"INV EE keeps a set exponent", {1, EE, 3, Inv, EE}, L"1 03", true, L"1e3"},
        {"INV EE while typing digits does nothing", {1, Inv, EE, 2}, L"12", false, L"12"},
        {"second point ignored", {1, Point, 2, Point, 3}, L"1.23", false, L"1.23"},
        {"point after EE ignored", {1, EE, Point, 5}, L"1 05", true, L"1e5"},
        {"double sign change", {4, Sign, Sign}, L"4", false, L"4"},
        {"negative zero shows its sign, gives zero", {Sign}, L"-0", false, L"0"},
        {"other keys do nothing", {1, 42, 85, 2}, L"12", false, L"12"},
        {"small number", {Point, 0, 0, 5, EE, Sign, 9, 9}, L"0.005-99", true, L"5e-102"},
    };
    for (const Case& c : cases) {
        CSaisieNombre entry;
        Type(entry, c.keys);
        bool hasExponent = false;
        EXPECT_EQ(Shown(entry, &hasExponent), c.display) << c.name;
        EXPECT_EQ(hasExponent, c.hasExponent) << c.name;
        EXPECT_EQ(entry.ToNumber(), Num(c.value)) << c.name;
    }
}

TEST(NumberEntry, ResetEmptiesTheEntry)
{
    CSaisieNombre entry;
    Type(entry, {Sign, 1, Point, 2, EE, Sign, 3});
    entry.Reset();
    EXPECT_EQ(entry.count, 0);
    EXPECT_FALSE(entry.hasPoint);
    EXPECT_FALSE(entry.inExponent);
    EXPECT_FALSE(entry.showExponent);
    EXPECT_TRUE(entry.positive);
    EXPECT_TRUE(entry.expPositive);
    EXPECT_EQ(Shown(entry), L"0");
}

TEST(NumberEntry, LoadFromDisplay)
{
    struct Case {
        const wchar_t* text;
        bool hasExponent;
        int count;
        bool hasPoint;
        bool positive;
        bool expPositive;
        const wchar_t* expDigits;
        bool exponentAccepted;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"1.2345679 05", true, 9, true, true, true, L"05", true, L"1.2345679e5"},
        {L"-.6666666667", false, 11, true, false, true, L"00", false, L"-0.6666666667"},
        {L"3.3333333-01", true, 9, true, true, false, L"01", true, L"0.33333333"},
        {L"-50.-03", true, 3, true, false, false, L"03", true, L"-0.05"},
        {L"1234567890.", false, 11, true, true, true, L"00", false, L"1234567890"},
        {L"0.", false, 2, true, true, true, L"00", true, L"0"},
        // Texts that Format never makes still give a usable entry.
        {L"", false, 0, false, true, true, L"00", true, L"0"},
        {L"1.", true, 2, true, true, true, L"00", true, L"1"},
        {L"12ab", false, 2, false, true, true, L"00", true, L"12"},
        {L"9 xy", true, 1, false, true, true, L"00", true, L"9"},
    };
    for (const Case& c : cases) {
        CSaisieNombre entry;
        entry.LoadFromDisplay(c.text, c.hasExponent);
        const std::string name(c.text, c.text + std::wcslen(c.text));
        EXPECT_EQ(entry.count, c.count) << name;
        EXPECT_EQ(entry.hasPoint, c.hasPoint) << name;
        EXPECT_EQ(entry.positive, c.positive) << name;
        EXPECT_EQ(entry.expPositive, c.expPositive) << name;
        EXPECT_EQ(std::wstring(entry.expDigits, 2), c.expDigits) << name;
        EXPECT_FALSE(entry.inExponent) << name;
        EXPECT_EQ(entry.ToNumber(), Num(c.value)) << name;
        EXPECT_EQ(entry.BeginExponent(), c.exponentAccepted) << name;
    }
}

TEST(NumberEntry, LoadFromDisplayThenEE)
{
    CSaisieNombre entry;
    entry.LoadFromDisplay(L"1.5", false);
    ASSERT_TRUE(entry.BeginExponent());
    Type(entry, {1, 2});
    EXPECT_EQ(Shown(entry), L"1.5 12");
    EXPECT_EQ(entry.ToNumber(), Num(L"1.5e12"));
}

TEST(NumberEntry, OverlongDisplayTextIsCut)
{
    const std::wstring longText(60, L'7');
    CSaisieNombre entry;
    entry.LoadFromDisplay(longText.c_str(), true);
    EXPECT_LT(entry.count, static_cast<int>(CSaisieNombre::TextCapacity));
    EXPECT_LT(Shown(entry).size(), CSaisieNombre::TextCapacity);
}

} // namespace
