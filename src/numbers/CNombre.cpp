#include "numbers/CNombre.h"

#include <cmath>
#include <limits>

namespace {

constexpr int64_t Ten12 = 1000000000000;
constexpr int64_t Ten13 = 10000000000000;

// Exponents are kept far from the edges of 16 bits so that a chain of
// overflowing operations can never wrap round into an ordinary value.
constexpr int ExponentLimit = 30000;

int16_t SaturatedExponent(int e)
{
    if (e > ExponentLimit)
        return ExponentLimit;
    if (e < -ExponentLimit)
        return -ExponentLimit;
    return static_cast<int16_t>(e);
}

// Fields are public, so an operand may arrive out of normal form (the
// division-by-zero marker does by design); the arithmetic needs 13 digits.
CNombre Normalized(const CNombre& x)
{
    const int64_t m = x.mantissa;
    if ((m >= Ten12 && m < Ten13) || (m <= -Ten12 && m > -Ten13) || (m == 0 && x.exponent == 0))
        return x;
    CNombre copy = x;
    copy.Normalize();
    return copy;
}

uint64_t Magnitude(int64_t m, int& sign)
{
    if (m < 0) {
        sign = -sign;
        return static_cast<uint64_t>(-m);
    }
    return static_cast<uint64_t>(m);
}

CNombre Signed(uint64_t magnitude, int exponent, int sign)
{
    CNombre result;
    result.mantissa = static_cast<int64_t>(magnitude);
    result.exponent = SaturatedExponent(exponent);
    result.Normalize();
    if (sign < 0)
        result.mantissa = -result.mantissa;
    return result;
}

} // namespace

CNombre CNombre::FromDouble(double x)
{
    if (std::isnan(x) || std::isinf(x))
        return DivisionByZero();
    if (x == 0.0)
        return {};
    const int sign = x < 0 ? -1 : 1;
    double a = std::fabs(x);
    const int d = static_cast<int>(std::floor(std::log10(a)));
    // pow(10, d - 12) underflows for the smallest doubles: scale them up first.
    int scale = d - 12;
    if (scale < -290) {
        a *= 1e200;
        scale += 200;
    }
    const double q = a / std::pow(10.0, scale);
    CNombre result;
    result.mantissa = sign * static_cast<int64_t>(q);
    result.exponent = static_cast<int16_t>(d);
    result.Normalize();
    return result;
}

CNombre CNombre::FromDigits(std::wstring_view text, bool positive, int16_t exponentOffset)
{
    // Leading zeros only place the number; of the significant digits the
    // first 13 are kept, the rest would be truncated anyway. This keeps the
    // accumulator in range for a text of any length.
    int64_t significant = 0;
    int kept = 0;
    int positions = 0;      // digit positions up to the last kept digit
    int digitsScanned = 0;
    int beforePoint = -1;
    for (wchar_t c : text) {
        if (c == L'.') {
            if (beforePoint < 0)
                beforePoint = digitsScanned;
            continue;
        }
        if (c < L'0' || c > L'9')
            continue;
        ++digitsScanned;
        if (kept == 13 || (kept == 0 && c == L'0'))
            continue;
        significant = significant * 10 + (c - L'0');
        ++kept;
        positions = digitsScanned;
    }
    if (beforePoint < 0)
        beforePoint = digitsScanned;
    // The kept digits end 'positions' places in and the point stands after
    // 'beforePoint' places: value = significant x 10^(beforePoint - positions).
    CNombre result;
    result.mantissa = positive ? significant : -significant;
    result.exponent = SaturatedExponent(exponentOffset + beforePoint - positions + 12);
    result.Normalize();
    return result;
}

bool CNombre::ClampToRange()
{
    if (mantissa == 0)
        return false;
    const bool negative = mantissa < 0;
    if (exponent < -99) {
        *this = negative ? MinNegative : MinPositive;
        return true;
    }
    if (exponent >= 100) {
        *this = negative ? MaxNegative : MaxPositive;
        return true;
    }
    return false;
}

double CNombre::ToDouble() const
{
    return static_cast<double>(mantissa) * std::pow(10.0, exponent - 12);
}

CNombre& CNombre::operator+=(const CNombre& right)
{
    const CNombre l = Normalized(*this);
    const CNombre r = Normalized(right);
    // Zero has exponent 0 and would otherwise swallow a small operand.
    if (r.mantissa == 0) {
        *this = l;
        return *this;
    }
    if (l.mantissa == 0) {
        *this = r;
        return *this;
    }
    const CNombre& big = l.exponent >= r.exponent ? l : r;
    const CNombre& small = l.exponent >= r.exponent ? r : l;
    const int shift = big.exponent - small.exponent;
    if (shift >= 13) {
        *this = big;
        return *this;
    }
    mantissa = big.mantissa + small.mantissa / PowerOfTen(shift);
    exponent = big.exponent;
    Normalize();
    return *this;
}

CNombre& CNombre::operator-=(const CNombre& right) { return *this += right.Negate(); }

CNombre& CNombre::operator*=(const CNombre& right)
{
    const CNombre l = Normalized(*this);
    const CNombre r = Normalized(right);
    int sign = 1;
    const uint64_t a = Magnitude(l.mantissa, sign);
    const uint64_t b = Magnitude(r.mantissa, sign);
    constexpr uint64_t split = 1000000;
    const uint64_t aH = a / split, aL = a % split;
    const uint64_t bH = b / split, bL = b % split;
    const uint64_t p = aH * bH + (aH * bL + aL * bH + aL * bL / split) / split;
    *this = Signed(p, l.exponent + r.exponent, sign);
    return *this;
}

CNombre& CNombre::operator/=(const CNombre& right)
{
    // A marker divisor is the huge number it stands for, so it is brought to
    // normal form like any operand: the quotient underflows.
    const CNombre r = Normalized(right);
    if (r.mantissa == 0) {
        *this = DivisionByZero();
        return *this;
    }
    const CNombre l = Normalized(*this);
    int sign = 1;
    const uint64_t a = Magnitude(l.mantissa, sign);
    const uint64_t b = Magnitude(r.mantissa, sign);
    const uint64_t n1 = a * 100000;
    const uint64_t q1 = n1 / b, r1 = n1 % b;
    const uint64_t n2 = r1 * 10000;
    const uint64_t q2 = n2 / b, r2 = n2 % b;
    const uint64_t q3 = r2 * 10000 / b;
    *this = Signed((q1 * 10000 + q2) * 10000 + q3, l.exponent - r.exponent - 1, sign);
    return *this;
}

CNombre CNombre::operator+(const CNombre& right) const { CNombre r = *this; return r += right; }
CNombre CNombre::operator-(const CNombre& right) const { CNombre r = *this; return r -= right; }
CNombre CNombre::operator*(const CNombre& right) const { CNombre r = *this; return r *= right; }
CNombre CNombre::operator/(const CNombre& right) const { CNombre r = *this; return r /= right; }
CNombre CNombre::operator-(double right) const { return *this - FromDouble(right); }
CNombre CNombre::operator*(double right) const { return *this * FromDouble(right); }
CNombre CNombre::operator/(double right) const { return *this / FromDouble(right); }

CNombre CNombre::Negate() const
{
    CNombre r = Normalized(*this);
    r.mantissa = -r.mantissa;
    return r;
}

CNombre CNombre::Abs() const
{
    CNombre r = Normalized(*this);
    if (r.mantissa < 0)
        r.mantissa = -r.mantissa;
    return r;
}

void CNombre::Increment() { *this += One; }
void CNombre::Decrement() { *this -= One; }

CNombre CNombre::Power(const CNombre& y, const CNombre& x, bool& negativeBase)
{
    CNombre base = Normalized(y);
    if (base.mantissa < 0) {
        base.mantissa = -base.mantissa;
        negativeBase = true;
    }
    const CNombre n = Normalized(x);
    if (n.mantissa == 0)
        return One;
    if ((n.exponent == 0 || n.exponent == 1) && n.mantissa > 0 &&
        n.mantissa % PowerOfTen(12 - n.exponent) == 0) {
        const int64_t times = n.mantissa / PowerOfTen(12 - n.exponent);
        CNombre result = base;
        for (int64_t i = 1; i < times; ++i)
            result *= base;
        return result;
    }
    return FromDouble(std::pow(base.ToDouble(), n.ToDouble()));
}

CNombre CNombre::SquareRoot() const
{
    const CNombre x = Normalized(*this);
    int64_t m = x.mantissa < 0 ? -x.mantissa : x.mantissa;
    int e = x.exponent;
    if (e % 2 != 0) {
        m *= 10;
        e -= 1;
    }
    int64_t u = static_cast<int64_t>(std::sqrt(static_cast<double>(m)));
    while (u > 0 && u * u > m)
        --u;
    while ((u + 1) * (u + 1) <= m)
        ++u;
    int64_t r = m - u * u;
    for (int pass = 0; pass < 6; ++pass) {
        r *= 100;
        int digit = 9;
        while ((20 * u + digit) * digit > r)
            --digit;
        r -= (20 * u + digit) * digit;
        u = 10 * u + digit;
    }
    CNombre result;
    result.mantissa = u;
    result.exponent = static_cast<int16_t>(e / 2);
    result.Normalize();
    return result;
}

CNombre CNombre::IntegerPart() const
{
    const CNombre x = Normalized(*this);
    if (x.exponent < 0)
        return {};
    if (x.exponent > 13)
        return x;
    const int64_t d = PowerOfTen(12 - x.exponent);
    CNombre result;
    result.mantissa = x.mantissa / d * d;   // truncation toward zero keeps the sign
    result.exponent = x.exponent;
    result.Normalize();
    return result;
}

int CNombre::Compare(const CNombre& a, const CNombre& b)
{
    const CNombre na = Normalized(a);
    const CNombre nb = Normalized(b);
    int s;
    if (nb.mantissa < 0) {
        if (na.mantissa >= 0)
            return -1;
        s = -1;
    } else if (nb.mantissa == 0) {
        return na.mantissa < 0 ? 1 : (na.mantissa > 0 ? -1 : 0);
    } else {
        if (na.mantissa <= 0)
            return 1;
        s = 1;
    }
    if (nb.exponent < na.exponent)
        return -s;
    if (nb.exponent > na.exponent)
        return s;
    const int64_t ma = na.mantissa < 0 ? -na.mantissa : na.mantissa;
    const int64_t mb = nb.mantissa < 0 ? -nb.mantissa : nb.mantissa;
    if (mb > ma)
        return s;
    if (mb < ma)
        return -s;
    return 0;
}

bool CNombre::operator<(double right) const { return Compare(FromDouble(right), *this) == -1; }
bool CNombre::operator>(double right) const { return Compare(FromDouble(right), *this) == 1; }
bool CNombre::operator==(double right) const { return Compare(FromDouble(right), *this) == 0; }
bool CNombre::operator!=(double right) const { return Compare(FromDouble(right), *this) != 0; }
