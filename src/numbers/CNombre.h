#pragma once
// The calculator's number: 13 significant decimal digits in a signed 64-bit
// mantissa read as d.dddddddddddd, and a decimal exponent of the leading digit.
// Value = mantissa x 10^(exponent - 12). Arithmetic truncates, never rounds;
// the calculator's range is enforced by ClampToRange, not by the type.

#include <cstdint>
#include <string_view>

class CNombre {
public:
    int64_t mantissa = 0;
    int16_t exponent = 0;

    constexpr CNombre() = default;
    // Any number of mantissa digits; the result is brought to normal form.
    constexpr CNombre(int64_t mantissa_, int exponent_)
        : mantissa(mantissa_), exponent(static_cast<int16_t>(exponent_)) { Normalize(); }

    // Zero is (0, 0); anything else has exactly 13 mantissa digits.
    constexpr void Normalize();

    // An infinite or NaN x gives the division-by-zero marker, which the range
    // check turns into the error state.
    static CNombre FromDouble(double x);
    // Decimal digits with at most one '.', a sign and a power of ten to apply.
    static CNombre FromDigits(std::wstring_view text, bool positive, int16_t exponentOffset);
    // 10^n for 0 <= n <= 18; 1 for n <= 0.
    static constexpr int64_t PowerOfTen(int n);

    // Forces the value into +-1e-99 .. +-9.9999999e99; true when it had to.
    bool ClampToRange();

    // mantissa x 10^(exponent - 12) in double precision, for the functions
    // that the type does not compute itself.
    double ToDouble() const;

    // The marker that division by zero returns (not in normal form).
    static constexpr CNombre DivisionByZero();
    bool IsDivisionByZero() const { return mantissa == 1 && exponent == 999; }

    CNombre& operator+=(const CNombre& right);
    CNombre& operator-=(const CNombre& right);
    CNombre& operator*=(const CNombre& right);
    CNombre& operator/=(const CNombre& right);
    CNombre operator+(const CNombre& right) const;
    CNombre operator-(const CNombre& right) const;
    CNombre operator*(const CNombre& right) const;
    CNombre operator/(const CNombre& right) const;
    CNombre operator-(double right) const;
    CNombre operator*(double right) const;
    CNombre operator/(double right) const;

    CNombre Negate() const;
    CNombre Abs() const;
    void Increment();
    void Decrement();

    // y to the power x; a negative y sets negativeBase and |y| is used.
    static CNombre Power(const CNombre& y, const CNombre& x, bool& negativeBase);
    // Square root of |x|.
    CNombre SquareRoot() const;
    // Truncated toward zero.
    CNombre IntegerPart() const;

    // The sign of b - a: +1 if b > a, -1 if b < a, 0 if equal.
    static int Compare(const CNombre& a, const CNombre& b);
    bool IsNegative() const { return mantissa < 0; }
    bool IsZero() const { return mantissa == 0; }

    bool operator<=(const CNombre& right) const { return Compare(*this, right) >= 0; }
    bool operator>=(const CNombre& right) const { return Compare(*this, right) <= 0; }
    // Exact on the normal form: no tolerance.
    bool operator==(const CNombre& right) const = default;
    bool operator<(double right) const;
    bool operator>(double right) const;
    bool operator==(double right) const;
    bool operator!=(double right) const;

    static const CNombre Pi;
    static const CNombre MaxPositive;
    static const CNombre MinPositive;
    static const CNombre MinNegative;
    static const CNombre MaxNegative;
    static const CNombre One;

private:
    struct Raw {};
    constexpr CNombre(int64_t mantissa_, int exponent_, Raw)
        : mantissa(mantissa_), exponent(static_cast<int16_t>(exponent_)) {}
};

namespace numbers_detail {
// 10^0 .. 10^18, multiplied out once at compile time.
struct PowersOfTen {
    int64_t values[19] = {};
    constexpr PowersOfTen()
    {
        values[0] = 1;
        for (int i = 1; i < 19; ++i)
            values[i] = values[i - 1] * 10;
    }
};
inline constexpr PowersOfTen Powers{};
} // namespace numbers_detail

constexpr int64_t CNombre::PowerOfTen(int n)
{
    if (n <= 0)
        return 1;
    return numbers_detail::Powers.values[n < 18 ? n : 18];
}

constexpr void CNombre::Normalize()
{
    if (mantissa == 0) {
        exponent = 0;
        return;
    }
    const uint64_t magnitude = mantissa < 0 ? 0 - static_cast<uint64_t>(mantissa)
                                            : static_cast<uint64_t>(mantissa);
    // Results of the arithmetic have 13 or 14 digits: test those first.
    constexpr uint64_t ten12 = 1000000000000, ten13 = 10000000000000, ten14 = 100000000000000;
    if (magnitude >= ten12 && magnitude < ten13)
        return;
    int digits = 1;
    if (magnitude >= ten13 && magnitude < ten14) {
        digits = 14;
    } else {
        for (uint64_t bound = 10; digits < 19 && magnitude >= bound; bound *= 10)
            ++digits;
    }
    if (digits > 13) {
        mantissa /= PowerOfTen(digits - 13);
        exponent = static_cast<int16_t>(exponent + (digits - 13));
    } else {
        mantissa *= PowerOfTen(13 - digits);
        exponent = static_cast<int16_t>(exponent - (13 - digits));
    }
}

constexpr CNombre CNombre::DivisionByZero() { return CNombre(1, 999, Raw{}); }

inline constexpr CNombre CNombre::Pi{3141592653589, 0};
inline constexpr CNombre CNombre::MaxPositive{9999999900000, 99};
inline constexpr CNombre CNombre::MinPositive{1000000000000, -99};
inline constexpr CNombre CNombre::MinNegative{-1000000000000, -99};
inline constexpr CNombre CNombre::MaxNegative{-9999999900000, 99};
inline constexpr CNombre CNombre::One{1, 12};
