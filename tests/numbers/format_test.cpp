// Display texts: the full table of forms, rounding carries and the digit writer.
#include "numbers/Format.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Column { int fix; int mode; };
constexpr Column Columns[] = {
    {NoFix, NormalMode}, {NoFix, ScientificMode}, {NoFix, EngineeringMode},
    {2, NormalMode}, {0, NormalMode}, {3, ScientificMode},
};

struct Row {
    CNombre number;
    const wchar_t* texts[6];
};

const Row Table[] = {
    {CNombre(), {L"0.", L"0. 00", L"0. 00", L"0.00", L"0.", L"0.000 00"}},
    {CNombre(3333333333333, -1), {L".3333333333", L"3.3333333-01", L"333.33333-03", L"0.33", L"0.", L"3.333-01"}},
    {CNombre(6666666666666, -1), {L".6666666667", L"6.6666667-01", L"666.66667-03", L"0.67", L"1.", L"6.667-01"}},
    {Num(L"123.456"), {L"123.456", L"1.23456 02", L"123.456 00", L"123.46", L"123.", L"1.235 02"}},
    {Num(L"0.01"), {L"0.01", L"1.-02", L"10.-03", L"0.01", L"0.", L"1.000-02"}},
    {Num(L"0.00123"), {L"0.00123", L"1.23-03", L"1.23-03", L"0.00", L"0.", L"1.230-03"}},
    {Num(L"0.1234567891"), {L"0.123456789", L"1.2345679-01", L"123.45679-03", L"0.12", L"0.", L"1.235-01"}},
    {Num(L"9.99999999"), {L"9.99999999", L"1. 01", L"10. 00", L"10.00", L"10.", L"1.000 01"}},
    {Num(L"0.99999999995"), {L"1.", L"1. 00", L"1. 00", L"1.00", L"1.", L"1.000 00"}},
    {CNombre::Pi, {L"3.141592654", L"3.1415927 00", L"3.1415927 00", L"3.14", L"3.", L"3.142 00"}},
    {Num(L"1234567890.123"), {L"1234567890.", L"1.2345679 09", L"1.2345679 09", L"1234567890.", L"1234567890.", L"1.235 09"}},
    {Num(L"12345678901.23"), {L"1.2345679 10", L"1.2345679 10", L"12.345679 09", L"1.23 10", L"1. 10", L"1.235 10"}},
    {Num(L"9.9999e12"), {L"9.9999 12", L"9.9999 12", L"9.9999 12", L"1.00 13", L"1. 13", L"1.000 13"}},
    {Num(L"1e-12"), {L"1.-12", L"1.-12", L"1.-12", L"0.00", L"0.", L"1.000-12"}},
    {Num(L"5e-11"), {L".0000000001", L"5.-11", L"50.-12", L"0.00", L"0.", L"5.000-11"}},
};

// An exponent part is a blank or a minus after the mantissa's first character.
bool HasExponentPart(const std::wstring& text)
{
    return text.find_first_of(L" -", 1) != std::wstring::npos;
}

void ExpectText(const CNombre& n, int fix, int mode, const std::wstring& expected)
{
    const FormattedNumber f = Format(n, fix, mode);
    EXPECT_EQ(std::wstring(f.text), expected)
        << "fix " << fix << " mode " << mode << " mantissa " << n.mantissa << " exponent " << n.exponent;
    EXPECT_EQ(f.hasExponent, HasExponentPart(expected)) << std::string(expected.begin(), expected.end());
}

TEST(Format, EveryRowOfTheTable)
{
    for (const Row& row : Table)
        for (int c = 0; c < 6; ++c)
            ExpectText(row.number, Columns[c].fix, Columns[c].mode, row.texts[c]);
}

TEST(Format, NegativeNumbersGetALeadingMinus)
{
    for (const Row& row : Table) {
        if (row.number.IsZero())
            continue;
        for (int c = 0; c < 6; ++c)
            ExpectText(row.number.Negate(), Columns[c].fix, Columns[c].mode,
                       std::wstring(L"-") + row.texts[c]);
    }
}

TEST(Format, RoundingAndDigitLimits)
{
    struct Case { CNombre n; int fix; int mode; const wchar_t* text; };
    const Case cases[] = {
        {Num(L"123.456"), 8, NormalMode, L"123.4560000"},
        {Num(L"9.995"), 2, NormalMode, L"10.00"},
        {Num(L"0.999"), 2, NormalMode, L"1.00"},
        {Num(L"0.0996"), 2, NormalMode, L"0.10"},
        {Num(L"0.005"), 2, NormalMode, L"0.01"},
        {Num(L"0.0049"), 2, NormalMode, L"0.00"},
        {Num(L"9999999999.6"), 0, NormalMode, L"1. 10"},
        {Num(L"9999999999.4"), 0, NormalMode, L"9999999999."},
        {Num(L"-0.001"), 2, NormalMode, L"-0.00"},
        // Far below the last decimal: the zero text, however small.
        {Num(L"1e-20"), 2, NormalMode, L"0.00"},
        {Num(L"7e-99"), 8, NormalMode, L"0.00000000"},
        {Num(L"5e-9"), 8, NormalMode, L"0.00000001"},
        {Num(L"4.9e-9"), 8, NormalMode, L"0.00000000"},
        // A leading zero leaves nine decimals, and the ninth is rounded.
        {Num(L"0.1894075287"), NoFix, NormalMode, L"0.189407529"},
        {Num(L"0.9999999995"), NoFix, NormalMode, L"1."},
        {Num(L"0.99999999949"), NoFix, NormalMode, L"0.999999999"},
        {Num(L"1.234e-10"), NoFix, NormalMode, L".0000000001"},
        {Num(L"4.9e-11"), NoFix, NormalMode, L"4.9-11"},
        {Num(L"9999999999.5"), NoFix, NormalMode, L"1. 10"},
        {Num(L"-2") / Num(L"3"), NoFix, NormalMode, L"-.6666666667"},
        // In range but rounding to 10^100: cut instead, two exponent digits.
        {Num(L"9.99999999e99"), NoFix, ScientificMode, L"9.9999999 99"},
        {Num(L"9.9999999999e99"), NoFix, NormalMode, L"9.9999999 99"},
        {Num(L"-9.996e99"), 2, NormalMode, L"-9.99 99"},
        {Num(L"9.996e99"), 2, EngineeringMode, L"9.99 99"},
        {Num(L"9.6e98"), 0, EngineeringMode, L"960. 96"},
        {Num(L"9.996e98"), 0, EngineeringMode, L"1. 99"},
        {Num(L"9.6e97"), 0, EngineeringMode, L"96. 96"},
        {Num(L"1e-100"), NoFix, NormalMode, L"1.-100"},
    };
    for (const Case& c : cases)
        ExpectText(c.n, c.fix, c.mode, c.text);
}

TEST(Format, EngineeringWithTooFewDecimalsShowsTheWholeDigits)
{
    struct Case { CNombre n; int fix; const wchar_t* text; };
    const Case cases[] = {
        {Num(L"123"), 0, L"123. 00"},
        {Num(L"12.3"), 0, L"12. 00"},
        {Num(L"99.96"), 0, L"100. 00"},
        {Num(L"999.6"), 0, L"1. 03"},
        {Num(L"123456"), 1, L"123. 03"},
        {Num(L"12345"), 1, L"12. 03"},
        {Num(L"0.05"), 0, L"50.-03"},
        {Num(L"-0.05"), 0, L"-50.-03"},
        {Num(L"7"), 0, L"7. 00"},
        {Num(L"9.96"), 0, L"10. 00"},
        {Num(L"99.6"), 1, L"100. 00"},
        {Num(L"999.6"), 1, L"1.0 03"},
    };
    for (const Case& c : cases)
        ExpectText(c.n, c.fix, EngineeringMode, c.text);
}

TEST(Format, OutOfRangeSettingsFallBack)
{
    ExpectText(CNombre::Pi, 42, NormalMode, L"3.141592654");
    ExpectText(CNombre::Pi, -1, 7, L"3.141592654");
    ExpectText(CNombre::DivisionByZero(), NoFix, NormalMode, L"1. 987");
}

TEST(FormatDigits, SplitPadAndTrim)
{
    struct Case { int64_t value; int n; int k; bool trim; const wchar_t* text; };
    const Case cases[] = {
        {3000, 4, 1, true, L"3."},
        {3000, 4, 1, false, L"3.000"},
        {5, 3, 1, false, L"0.05"},
        {5, 3, 0, false, L".005"},
        {5, 3, -2, false, L".005"},
        {1234567890, 10, 10, true, L"1234567890."},
        {120, 3, 3, true, L"120."},
        {0, 1, 1, false, L"0."},
        {12345, 3, 1, false, L"1.2345"},
    };
    for (const Case& c : cases) {
        wchar_t out[32];
        const int length = FormatDigits(out, 32, c.value, c.n, c.k, c.trim);
        EXPECT_EQ(std::wstring(out), c.text);
        EXPECT_EQ(length, static_cast<int>(std::wstring(c.text).size()));
    }
}

TEST(FormatDigits, CutsToTheBufferAndTerminates)
{
    wchar_t out[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(FormatDigits(out, 4, 123456, 6, 1, false), 3);
    EXPECT_EQ(std::wstring(out), L"1.2");
    EXPECT_EQ(FormatDigits(out, 0, 1, 1, 1, false), 0);
}

} // namespace
