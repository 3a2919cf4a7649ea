#include "numbers/Format.h"

namespace {

constexpr int64_t Ten13 = 10000000000000;

// Half a unit at the k-th digit after the leading one.
int64_t HalfUnit(int k) { return k < 11 ? 5 * CNombre::PowerOfTen(11 - k) : 5; }
// Divisor that keeps the first k digits of a 13-digit mantissa.
int64_t KeepDigits(int k) { return k < 13 ? CNombre::PowerOfTen(13 - k) : 1; }

// Appends to a fixed buffer, always terminated, silently cut at the end.
class TextOut {
public:
    explicit TextOut(FormattedNumber& result) : result_(result) {}
    void Put(wchar_t c)
    {
        if (length_ + 1 < FormattedNumber::Capacity)
            result_.text[length_++] = c;
        result_.text[length_] = 0;
    }
    void Digits(int64_t value, int n, int k, bool trim)
    {
        length_ += static_cast<std::size_t>(FormatDigits(result_.text + length_,
                                                         FormattedNumber::Capacity - length_,
                                                         value, n, k, trim));
    }
    void Text(const wchar_t* text)
    {
        while (*text)
            Put(*text++);
    }
    void Exponent(int e)
    {
        Put(e < 0 ? L'-' : L' ');
        int magnitude = e < 0 ? -e : e;
        wchar_t digits[8];
        int count = 0;
        do {
            digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0 || count < 2);
        while (count > 0)
            Put(digits[--count]);
        result_.hasExponent = true;
    }

private:
    FormattedNumber& result_;
    std::size_t length_ = 0;
};

int ModuloThree(int e) { return ((e % 3) + 3) % 3; }

// Scientific or engineering form: the mantissa rounded to decimals + 1 digits.
void Scientific(TextOut& out, int64_t m, int e, int decimals, bool engineering, bool trim)
{
    // Engineering with too few decimals for the digits before the point:
    // round to as many digits as the point needs, so no decimal is shown.
    const int fix = decimals;
    if (engineering && ModuloThree(e) > decimals)
        decimals = ModuloThree(e);
    int64_t rounded = (m + HalfUnit(decimals)) / CNombre::PowerOfTen(12 - decimals);
    int exponent = e;
    if (rounded >= CNombre::PowerOfTen(decimals + 1)) {
        rounded /= 10;
        ++exponent;
        // The display has two exponent digits: a number still in range is
        // cut rather than rounded up to 10^100.
        if (exponent == 100) {
            rounded = m / CNombre::PowerOfTen(12 - decimals);
            exponent = e;
        }
    }
    int before = 1;
    if (engineering) {
        const int r = ModuloThree(exponent);
        // Only a carry moves the point, and it leaves a power of ten, which
        // takes the width the new point needs exactly.
        const int wanted = r > fix ? r : fix;
        if (wanted != decimals) {
            rounded = CNombre::PowerOfTen(wanted);
            decimals = wanted;
        }
        exponent -= r;
        before = r + 1;
    }
    out.Digits(rounded, decimals + 1, before, trim);
    out.Exponent(exponent);
}

void Fixed(TextOut& out, int64_t m, int e, int fix)
{
    for (;;) {
        if (e >= 10) {
            Scientific(out, m, e, fix, false, false);
            return;
        }
        if (e >= 0) {
            int shown = e + fix + 1;
            if (shown > 10) {
                fix -= shown - 10;
                shown = 10;
            }
            m += HalfUnit(e + fix);
            if (m >= Ten13) {
                m /= 10;
                ++e;
                if (e >= 10) {
                    Scientific(out, m, e, fix, false, false);
                    return;
                }
                shown = e + fix + 1 < 10 ? e + fix + 1 : 10;
            }
            out.Digits(m / KeepDigits(shown), shown, e + 1, false);
            return;
        }
        // The leading digit lies two or more places beyond the last decimal:
        // nothing can round up into view.
        if (e + fix <= -2) {
            out.Digits(0, fix + 1, 1, false);
            return;
        }
        if (m + HalfUnit(e + fix) >= Ten13) {
            m /= 10;
            ++e;
            continue;
        }
        if (e < -fix) {
            out.Digits(0, fix + 1, 1, false);
            return;
        }
        const int64_t v = (m + HalfUnit(e + fix)) / KeepDigits(fix) / CNombre::PowerOfTen(-1 - e);
        out.Digits(v, fix + 1, 1, false);
        return;
    }
}

void Floating(TextOut& out, int64_t m, int e)
{
    for (;;) {
        if (e >= 10 || e <= -12) {
            Scientific(out, m, e, 7, false, true);
            return;
        }
        if (e >= 0) {
            m += 500;
            if (m >= Ten13) {
                m /= 10;
                ++e;
                if (e >= 10) {
                    Scientific(out, m, e, 7, false, true);
                    return;
                }
            }
            out.Digits(m / 1000, 10, e + 1, true);
            return;
        }
        if (e == -11) {
            if (m >= 5 * CNombre::PowerOfTen(12))
                out.Text(L".0000000001");
            else
                Scientific(out, m, e, 7, false, true);
            return;
        }
        // Below 1 without exponent. The leading zero takes the place of the
        // tenth decimal, so the rounding is at the ninth.
        const bool leadingZero = e >= -9 && m % 10 == 0;
        const int64_t shifted = m / CNombre::PowerOfTen(-1 - e);
        const int64_t rounded = shifted + (leadingZero ? 5000 : 500);
        if (rounded >= Ten13) {
            m = shifted / 10;
            e = 0;
            continue;
        }
        if (leadingZero) {
            out.Put(L'0');
            out.Digits(rounded / 10000, 9, 0, true);
        } else {
            out.Digits(rounded / 1000, 10, 0, true);
        }
        return;
    }
}

} // namespace

int FormatDigits(wchar_t* out, std::size_t capacity, int64_t value, int n, int k, bool trim)
{
    if (capacity == 0)
        return 0;
    wchar_t digits[24];
    int count = 0;
    uint64_t v = value < 0 ? 0 : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + v % 10);
        v /= 10;
    } while (v > 0);
    if (n > 20)
        n = 20;
    while (count < n)
        digits[count++] = L'0';
    // digits[] holds the print backwards: position i of the text is digits[count - 1 - i].
    std::size_t length = 0;
    auto put = [&](wchar_t c) {
        if (length + 1 < capacity)
            out[length++] = c;
    };
    const int before = k < 0 ? 0 : (k > count ? count : k);
    for (int i = 0; i < before; ++i)
        put(digits[count - 1 - i]);
    put(L'.');
    const std::size_t point = length;
    for (int i = before; i < count; ++i)
        put(digits[count - 1 - i]);
    if (trim)
        while (length > point && out[length - 1] == L'0')
            --length;
    out[length] = 0;
    return static_cast<int>(length);
}

FormattedNumber Format(const CNombre& number, int fix, int mode)
{
    FormattedNumber result;
    TextOut out(result);
    CNombre n = number;
    n.Normalize();
    if (n.mantissa < 0)
        out.Put(L'-');
    const int64_t m = n.mantissa < 0 ? -n.mantissa : n.mantissa;
    const int e = n.exponent;
    if (fix < 0 || fix > NoFix)
        fix = NoFix;
    const bool exponentForm = mode == ScientificMode || mode == EngineeringMode;
    const bool engineering = mode == EngineeringMode;
    if (fix == NoFix) {
        if (exponentForm)
            Scientific(out, m, e, 7, engineering, true);
        else
            Floating(out, m, e);
    } else {
        if (exponentForm)
            Scientific(out, m, e, fix, engineering, false);
        else
            Fixed(out, m, e, fix);
    }
    return result;
}
