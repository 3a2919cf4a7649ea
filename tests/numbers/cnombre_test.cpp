// Construction, conversions and the range check.
#include "numbers/CNombre.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

struct Expected {
    int64_t mantissa;
    int exponent;
};

void ExpectNumber(const CNombre& n, Expected e, const char* what)
{
    EXPECT_EQ(n.mantissa, e.mantissa) << what;
    EXPECT_EQ(n.exponent, e.exponent) << what;
}

TEST(CNombreConstruction, NormalizesAnyMantissa)
{
    struct Case { int64_t mantissa; int exponent; Expected expected; };
    const Case cases[] = {
        {0, 57, {0, 0}},
        {1, 12, {1000000000000, 0}},
        {5, 11, {5000000000000, -1}},
        {12345678901234567, 0, {1234567890123, 4}},
        {-5, 12, {-5000000000000, 0}},
        {-12345678901234567, 0, {-1234567890123, 4}},
        {9999999999999, 3, {9999999999999, 3}},
        {std::numeric_limits<int64_t>::min(), 0, {-9223372036854, 6}},
    };
    for (const Case& c : cases)
        ExpectNumber(CNombre(c.mantissa, c.exponent), c.expected, "CNombre(m, e)");
}

TEST(CNombreConstruction, ConstantsAreInNormalForm)
{
    ExpectNumber(CNombre::Pi, {3141592653589, 0}, "Pi");
    ExpectNumber(CNombre::MaxPositive, {9999999900000, 99}, "MaxPositive");
    ExpectNumber(CNombre::MinPositive, {1000000000000, -99}, "MinPositive");
    ExpectNumber(CNombre::MinNegative, {-1000000000000, -99}, "MinNegative");
    ExpectNumber(CNombre::MaxNegative, {-9999999900000, 99}, "MaxNegative");
    ExpectNumber(CNombre::One, {1000000000000, 0}, "One");
}

TEST(CNombreConversion, FromDigits)
{
    struct Case { const wchar_t* text; bool positive; int offset; Expected expected; };
    const Case cases[] = {
        {L"3.141592653589", true, 0, {3141592653589, 0}},
        {L"0.5", true, 0, {5000000000000, -1}},
        {L"12", false, 3, {-1200000000000, 4}},
        {L"0.05", true, 0, {5000000000000, -2}},
        {L"5.", true, 0, {5000000000000, 0}},
        {L"", true, 0, {0, 0}},
        {L"0.", false, 0, {0, 0}},
        {L"1.2.3", true, 0, {1230000000000, 0}},
        {L"1234567890", true, -5, {1234567890000, 4}},
        // More than 13 digits: the tail is cut, the magnitude kept.
        {L"12345678901234", true, 0, {1234567890123, 13}},
        {L"123456789012345678901234", true, 0, {1234567890123, 23}},
        {L"0.00000000000000000001234", true, 0, {1234000000000, -20}},
    };
    for (const Case& c : cases)
        ExpectNumber(CNombre::FromDigits(c.text, c.positive, static_cast<int16_t>(c.offset)),
                     c.expected, "FromDigits");
    EXPECT_EQ(CNombre::FromDigits(L"3.141592653589", true, 0), CNombre::Pi);
}

TEST(CNombreConversion, FromDouble)
{
    struct Case { double x; Expected expected; };
    const Case cases[] = {
        {0.0, {0, 0}},
        {-0.0, {0, 0}},
        {0.1, {1000000000000, -1}},
        {-0.25, {-2500000000000, -1}},
        {1000.0, {9999999999990, 2}},
        // Far below the range: pow(10, d - 12) alone would lose precision or underflow.
        {1e-300, {1000000000000, -300}},
        {-2.5e-310, {-2500000000000, -310}},
        {DBL_MAX, {1797693134862, 308}},
    };
    for (const Case& c : cases)
        ExpectNumber(CNombre::FromDouble(c.x), c.expected, "FromDouble");
    CNombre tiniest = CNombre::FromDouble(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(tiniest.exponent, -324);
    EXPECT_TRUE(tiniest.ClampToRange());
    EXPECT_EQ(tiniest, CNombre::MinPositive);
}

TEST(CNombreConversion, NonFiniteDoublesEndInTheErrorState)
{
    const double values[] = {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (double x : values) {
        CNombre n = CNombre::FromDouble(x);
        EXPECT_TRUE(n.IsDivisionByZero());
        EXPECT_TRUE(n.ClampToRange());
        EXPECT_EQ(n, CNombre::MaxPositive);
    }
}

TEST(CNombreConversion, ToDoubleRoundTrips)
{
    EXPECT_DOUBLE_EQ(Num(L"123.456").ToDouble(), 123.456);
    EXPECT_DOUBLE_EQ(Num(L"-2.5e-7").ToDouble(), -2.5e-7);
    EXPECT_EQ(CNombre().ToDouble(), 0.0);
}

TEST(CNombreRange, ClampToRange)
{
    struct Case { CNombre in; CNombre out; bool replaced; };
    const Case cases[] = {
        {CNombre(5000000000000, 100), CNombre::MaxPositive, true},
        {CNombre(-5000000000000, 100), CNombre::MaxNegative, true},
        {CNombre(-3000000000000, -100), CNombre::MinNegative, true},
        {CNombre(3000000000000, -100), CNombre::MinPositive, true},
        {CNombre(5000000000000, 99), CNombre(5000000000000, 99), false},
        {CNombre(5000000000000, -99), CNombre(5000000000000, -99), false},
        {CNombre(), CNombre(), false},
        {CNombre::DivisionByZero(), CNombre::MaxPositive, true},
    };
    for (const Case& c : cases) {
        CNombre n = c.in;
        EXPECT_EQ(n.ClampToRange(), c.replaced);
        EXPECT_EQ(n, c.out);
    }
}

TEST(CNombreConversion, PowerOfTen)
{
    EXPECT_EQ(CNombre::PowerOfTen(-3), 1);
    EXPECT_EQ(CNombre::PowerOfTen(0), 1);
    EXPECT_EQ(CNombre::PowerOfTen(13), 10000000000000);
    EXPECT_EQ(CNombre::PowerOfTen(18), 1000000000000000000);
}

} // namespace
