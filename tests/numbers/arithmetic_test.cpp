// The four operations, powers, roots, integer part and comparison.
#include "numbers/CNombre.h"
#include "NumberText.h"

#include <gtest/gtest.h>

namespace {

const CNombre Third = CNombre(1, 12) / CNombre(3, 12);

struct BinaryCase {
    const char* name;
    CNombre left;
    char op;
    CNombre right;
    int64_t mantissa;
    int exponent;
};

CNombre Apply(const CNombre& a, char op, const CNombre& b)
{
    switch (op) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    default: return a / b;
    }
}

TEST(Arithmetic, TruncatedResults)
{
    const BinaryCase cases[] = {
        {"2/3", Num(L"2"), '/', Num(L"3"), 6666666666666, -1},
        {"3 x 1/3", Num(L"3"), '*', Third, 9999999999999, -1},
        {"9.999999999999 squared", Num(L"9.999999999999"), '*', Num(L"9.999999999999"), 9999999999998, 1},
        {"1 + 1e-12", Num(L"1"), '+', Num(L"1e-12"), 1000000000001, 0},
        {"1 + 1e-13 ignored", Num(L"1"), '+', Num(L"1e-13"), 1000000000000, 0},
        {"1e-13 + 1 ignored", Num(L"1e-13"), '+', Num(L"1"), 1000000000000, 0},
        {"1 - 1e-12", Num(L"1"), '-', Num(L"1e-12"), 9999999999990, -1},
        {"5 - 5 is zero", Num(L"5"), '-', Num(L"5"), 0, 0},
        {"carry to 14 digits", Num(L"9.999999999999"), '+', Num(L"9.999999999999"), 1999999999999, 1},
        {"-2 x 3", Num(L"-2"), '*', Num(L"3"), -6000000000000, 0},
        {"-2 x -3", Num(L"-2"), '*', Num(L"-3"), 6000000000000, 0},
        {"-6 / 4", Num(L"-6"), '/', Num(L"4"), -1500000000000, 0},
        {"1 / 7", Num(L"1"), '/', Num(L"7"), 1428571428571, -1},
        {"0 x 5", CNombre(), '*', Num(L"5"), 0, 0},
        {"0 / 5", CNombre(), '/', Num(L"5"), 0, 0},
        {"overflow kept in the exponent", Num(L"1e99"), '*', Num(L"1e99"), 1000000000000, 198},
        {"5 / 0 marker", Num(L"5"), '/', CNombre(), 1, 999},
        {"-5 / 0 marker", Num(L"-5"), '/', CNombre(), 1, 999},
        // Adding zero never drops the other operand, however small.
        {"0 + 1e-20", CNombre(), '+', Num(L"1e-20"), 1000000000000, -20},
        {"1e-20 + 0", Num(L"1e-20"), '+', CNombre(), 1000000000000, -20},
        {"0 - 1e-20", CNombre(), '-', Num(L"1e-20"), -1000000000000, -20},
        {"-1e-15 + 0", Num(L"-1e-15"), '+', CNombre(), -1000000000000, -15},
    };
    for (const BinaryCase& c : cases) {
        const CNombre r = Apply(c.left, c.op, c.right);
        EXPECT_EQ(r.mantissa, c.mantissa) << c.name;
        EXPECT_EQ(r.exponent, c.exponent) << c.name;
    }
}

TEST(Arithmetic, InPlaceFormsMatchValueForms)
{
    const CNombre a = Num(L"12.5"), b = Num(L"-0.75");
    CNombre x = a;
    x += b;
    EXPECT_EQ(x, a + b);
    x = a;
    x -= b;
    EXPECT_EQ(x, a - b);
    x = a;
    x *= b;
    EXPECT_EQ(x, a * b);
    x = a;
    x /= b;
    EXPECT_EQ(x, a / b);
    EXPECT_EQ(a - 0.75, a - Num(L"0.75"));
    EXPECT_EQ(a * 2.0, Num(L"25"));
    EXPECT_EQ(a / 2.0, Num(L"6.25"));
}

TEST(Arithmetic, OutOfRangeChainsStayOutOfRange)
{
    // A value built on the division marker must still end in the error state,
    // never wrap round into an ordinary number.
    struct Case { const char* name; CNombre value; bool negative; };
    bool flag = false;
    const CNombre marker = CNombre::DivisionByZero();
    const Case cases[] = {
        {"marker + 1", marker + Num(L"1"), false},
        {"marker x marker", marker * marker, false},
        {"marker / 3", marker / Num(L"3"), false},
        {"-marker", marker.Negate(), true},
        {"marker ^ 99", CNombre::Power(marker, Num(L"99"), flag), false},
        {"1e900 ^ 99", CNombre::Power(Num(L"1e900"), Num(L"99"), flag), false},
        {"1e-900 ^ 99", CNombre::Power(Num(L"1e-900"), Num(L"99"), flag), false},
        {"5 / marker", Num(L"5") / marker, false},
        {"-5 / marker", Num(L"-5") / marker, true},
    };
    for (const Case& c : cases) {
        CNombre n = c.value;
        EXPECT_TRUE(n.ClampToRange()) << c.name;
        EXPECT_EQ(n.IsNegative(), c.negative) << c.name;
    }
}

TEST(Arithmetic, SignOperations)
{
    EXPECT_EQ(Num(L"2.5").Negate(), Num(L"-2.5"));
    EXPECT_EQ(CNombre().Negate(), CNombre());
    EXPECT_EQ(Num(L"-2.5").Abs(), Num(L"2.5"));
    EXPECT_EQ(Num(L"2.5").Abs(), Num(L"2.5"));
    CNombre x = Num(L"-0.5");
    x.Increment();
    EXPECT_EQ(x, Num(L"0.5"));
    x.Decrement();
    x.Decrement();
    EXPECT_EQ(x, Num(L"-1.5"));
}

TEST(Arithmetic, Power)
{
    struct Case { const char* name; CNombre y, x; CNombre expected; bool negativeBase; };
    const Case cases[] = {
        {"2^10", Num(L"2"), Num(L"10"), Num(L"1024"), false},
        {"2^0", Num(L"2"), CNombre(), Num(L"1"), false},
        {"0^0", CNombre(), CNombre(), Num(L"1"), false},
        {"-2^3", Num(L"-2"), Num(L"3"), Num(L"8"), true},
        {"3^1", Num(L"3"), Num(L"1"), Num(L"3"), false},
        {"1.5^2", Num(L"1.5"), Num(L"2"), Num(L"2.25"), false},
        {"2^99, truncated at every step", Num(L"2"), Num(L"99"), Num(L"6.338253001104e29"), false},
        {"4^0.5 through double", Num(L"4"), Num(L"0.5"), CNombre::FromDouble(2.0), false},
        {"2^-1 through double", Num(L"2"), Num(L"-1"), CNombre::FromDouble(0.5), false},
        {"10^100 through double", Num(L"10"), Num(L"100"), CNombre::FromDouble(1e100), false},
    };
    for (const Case& c : cases) {
        bool negativeBase = false;
        EXPECT_EQ(CNombre::Power(c.y, c.x, negativeBase), c.expected) << c.name;
        EXPECT_EQ(negativeBase, c.negativeBase) << c.name;
    }
    bool alreadySet = true;
    CNombre::Power(Num(L"2"), Num(L"3"), alreadySet);
    EXPECT_TRUE(alreadySet) << "a positive base leaves the flag alone";
}

TEST(Arithmetic, PowerOfZeroWithNegativeExponentIsAnError)
{
    bool negativeBase = false;
    CNombre r = CNombre::Power(CNombre(), Num(L"-1"), negativeBase);
    EXPECT_TRUE(r.ClampToRange());
}

TEST(Arithmetic, SquareRoot)
{
    struct Case { const wchar_t* x; int64_t mantissa; int exponent; };
    const Case cases[] = {
        {L"2", 1414213562373, 0},
        {L"0.09", 3000000000000, -1},
        {L"10", 3162277660168, 0},
        {L"-4", 2000000000000, 0},
        {L"0", 0, 0},
        {L"1e-99", 3162277660168, -50},
        {L"9.999999999999e99", 9999999999999, 49},
        {L"1e-12", 1000000000000, -6},
    };
    for (const Case& c : cases) {
        const CNombre r = Num(c.x).SquareRoot();
        EXPECT_EQ(r.mantissa, c.mantissa) << "sqrt of text " << c.mantissa;
        EXPECT_EQ(r.exponent, c.exponent) << "sqrt exponent " << c.exponent;
    }
}

TEST(Arithmetic, IntegerPart)
{
    struct Case { const wchar_t* x; const wchar_t* expected; };
    const Case cases[] = {
        {L"123.999", L"123"}, {L"-0.5", L"0"}, {L"1e15", L"1e15"}, {L"-2.7", L"-2"},
        {L"9999999999999", L"9999999999999"}, {L"0.999", L"0"}, {L"1", L"1"},
        {L"12345678901.5", L"12345678901"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Num(c.x).IntegerPart(), Num(c.expected));
}

TEST(Comparison, Compare)
{
    struct Case { const wchar_t* a; const wchar_t* b; int result; };
    const Case cases[] = {
        {L"0", L"0", 0}, {L"2", L"-3", -1}, {L"-3", L"-2", 1}, {L"2", L"3", 1},
        {L"3", L"2", -1}, {L"-2", L"-3", -1}, {L"0", L"-1", -1}, {L"-1", L"0", 1},
        {L"1", L"0", -1}, {L"0", L"1", 1}, {L"1e5", L"1e4", -1}, {L"1e-5", L"1e-4", 1},
        {L"-1e5", L"-1e4", 1}, {L"1.5", L"1.5", 0}, {L"1e-99", L"1e99", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CNombre::Compare(Num(c.a), Num(c.b)), c.result);
}

TEST(Comparison, Predicates)
{
    const CNombre two = Num(L"2");
    EXPECT_TRUE(two <= Num(L"2"));
    EXPECT_TRUE(two <= Num(L"3"));
    EXPECT_FALSE(two <= Num(L"1"));
    EXPECT_TRUE(two >= Num(L"2"));
    EXPECT_TRUE(two >= Num(L"-3"));
    EXPECT_FALSE(two >= Num(L"3"));
    EXPECT_TRUE(two < 2.5);
    EXPECT_FALSE(two < 2.0);
    EXPECT_TRUE(two > 1.5);
    EXPECT_TRUE(two == 2.0);
    EXPECT_TRUE(two != 2.0000001);
    EXPECT_TRUE(CNombre() == 0.0);
    EXPECT_TRUE(Num(L"-0.1").IsNegative());
    EXPECT_FALSE(CNombre().IsNegative());
    // No tolerance: one part in 10^13 is a difference.
    EXPECT_FALSE(Num(L"3") * Third == 1.0);
}

} // namespace
