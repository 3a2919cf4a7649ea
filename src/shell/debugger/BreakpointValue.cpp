#include "shell/debugger/BreakpointValue.h"

#include "numbers/Format.h"

#include <algorithm>
#include <cwctype>

namespace {
// Beyond this the value is far outside the range anyway; it keeps the sum of
// the offset and the mantissa's own exponent inside 16 bits.
constexpr int kExponentLimit = 999;

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && std::iswspace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Digits with at most one point, at least one digit.
bool IsMantissa(std::wstring_view text)
{
    const auto points = std::count(text.begin(), text.end(), L'.');
    const auto digits = std::count_if(text.begin(), text.end(), IsDigit);
    return points <= 1 && digits > 0 && points + digits == static_cast<std::ptrdiff_t>(text.size());
}

std::optional<int> ParseExponent(std::wstring_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return 0;
    bool negative = false;
    if (text.front() == L'-' || text.front() == L'+') {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (wchar_t c : text)
        value = std::min(kExponentLimit, value * 10 + (c - L'0'));
    return negative ? -value : value;
}
}  // namespace

std::optional<CNombre> ParseBreakpointValue(std::wstring_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return CNombre();
    // The exponent starts at the first space, or else at the first E.
    size_t split = text.find(L' ');
    if (split == std::wstring_view::npos)
        split = text.find_first_of(L"Ee");
    std::wstring_view mantissa = text.substr(0, split);
    const std::optional<int> exponent =
        ParseExponent(split == std::wstring_view::npos ? std::wstring_view() : text.substr(split + 1));
    bool positive = true;
    if (!mantissa.empty() && mantissa.front() == L'-') {
        positive = false;
        mantissa.remove_prefix(1);
    }
    if (!exponent || !IsMantissa(mantissa))
        return std::nullopt;
    CNombre value = CNombre::FromDigits(mantissa, positive, static_cast<int16_t>(*exponent));
    value.ClampToRange();
    return value;
}

std::wstring FloatingText(const CNombre& value)
{
    const FormattedNumber shown = Format(value, NoFix, NormalMode);
    return std::wstring(Trimmed(shown.text));
}
