#pragma once
// The display text of a number: at most ten mantissa digits, a decimal point
// that is always shown and, in scientific form, a two-digit exponent after a
// blank or a minus sign ("1.2345679 09", "3.3333333-01").

#include "numbers/CNombre.h"

#include <cstddef>
#include <cstdint>

// The fix setting that means "no fix": the floating form.
inline constexpr int NoFix = 9;

// How the display writes numbers; CCalc::displayFormat holds one of these.
enum DisplayMode : int32_t {
    NormalMode = 0,
    ScientificMode = 1,
    EngineeringMode = 2,
};

struct FormattedNumber {
    static constexpr std::size_t Capacity = 32;
    wchar_t text[Capacity] = {};
    bool hasExponent = false;
};

// fix 0 to 8 decimals or NoFix; mode NormalMode, ScientificMode or EngineeringMode.
// A fix outside 0..9 is taken as NoFix, any other mode as NormalMode.
FormattedNumber Format(const CNombre& number, int fix, int mode);

// Writes the non-negative value zero-padded to n digits, split as the first k
// digits, a '.', and the rest; with trim, trailing '0's are removed up to the
// point. Writes at most capacity - 1 characters and a terminator; returns the
// number of characters written, the place where an exponent is appended.
int FormatDigits(wchar_t* out, std::size_t capacity, int64_t value, int n, int k, bool trim);
