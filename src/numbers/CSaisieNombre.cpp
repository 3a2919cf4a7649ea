#include "numbers/CSaisieNombre.h"

namespace {

bool IsDigitKey(int code) { return code >= 0 && code <= 9; }

} // namespace

void CSaisieNombre::Reset()
{
    count = 0;
    text[0] = 0;
    expDigits[0] = L'0';
    expDigits[1] = L'0';
    hasPoint = false;
    inExponent = false;
    showExponent = false;
    positive = true;
    expPositive = true;
}

bool CSaisieNombre::BeginExponent()
{
    if (count > static_cast<int>(hasPoint) + 8)
        return false;
    inExponent = true;
    showExponent = true;
    return true;
}

void CSaisieNombre::Key(int code, bool inv)
{
    if (inExponent) {
        if (IsDigitKey(code)) {
            expDigits[0] = expDigits[1];
            expDigits[1] = static_cast<wchar_t>(L'0' + code);
        } else if (code == KeyEE && inv) {
            inExponent = false;
            if (expPositive && expDigits[0] == L'0' && expDigits[1] == L'0')
                showExponent = false;
        } else if (code == KeyChangeSign) {
            expPositive = !expPositive;
        }
        return;
    }
    if (IsDigitKey(code)) {
        if (count == 0 && code == 0)
            return;
        const int limit = 8 + static_cast<int>(hasPoint) + (showExponent ? 0 : 2);
        if (count < limit) {
            text[count++] = static_cast<wchar_t>(L'0' + code);
            text[count] = 0;
        }
    } else if (code == KeyPoint) {
        if (hasPoint)
            return;
        if (count == 0)
            text[count++] = L'0';
        text[count++] = L'.';
        text[count] = 0;
        hasPoint = true;
    } else if (code == KeyEE) {
        if (!inv)
            BeginExponent();
    } else if (code == KeyChangeSign) {
        positive = !positive;
    }
}

void CSaisieNombre::LoadFromDisplay(const wchar_t* displayText, bool hasExponent)
{
    int length = 0;
    while (length < static_cast<int>(TextCapacity) - 1 && displayText[length] != 0)
        ++length;
    // An exponent part needs its sign and two digits after some mantissa.
    showExponent = hasExponent && length >= 4;
    if (showExponent) {
        expPositive = displayText[length - 3] == L' ';
        expDigits[0] = displayText[length - 2];
        expDigits[1] = displayText[length - 1];
        length -= 3;
    } else {
        expPositive = true;
        expDigits[0] = L'0';
        expDigits[1] = L'0';
    }
    int from = 0;
    positive = true;
    if (length > 0 && displayText[0] == L'-') {
        positive = false;
        from = 1;
    }
    // Only digits and one point belong to an entry; anything else in the
    // text is dropped rather than carried into the number.
    count = 0;
    hasPoint = false;
    for (int i = from; i < length; ++i) {
        const wchar_t c = displayText[i];
        if (c == L'.' && !hasPoint) {
            hasPoint = true;
            text[count++] = c;
        } else if (c >= L'0' && c <= L'9') {
            text[count++] = c;
        }
    }
    text[count] = 0;
    for (wchar_t& digit : expDigits)
        if (digit < L'0' || digit > L'9')
            digit = L'0';
    inExponent = false;
}

CNombre CSaisieNombre::ToNumber() const
{
    int exponent = 10 * (expDigits[0] - L'0') + (expDigits[1] - L'0');
    if (!expPositive)
        exponent = -exponent;
    return CNombre::FromDigits(std::wstring_view(text, static_cast<std::size_t>(count)), positive,
                               static_cast<int16_t>(exponent));
}

bool CSaisieNombre::GetDisplayText(wchar_t* out) const
{
    int length = 0;
    if (!positive)
        out[length++] = L'-';
    if (count == 0)
        out[length++] = L'0';
    for (int i = 0; i < count; ++i)
        out[length++] = text[i];
    const bool exponentShown =
        inExponent || !expPositive || expDigits[0] != L'0' || expDigits[1] != L'0';
    if (exponentShown) {
        out[length++] = expPositive ? L' ' : L'-';
        out[length++] = expDigits[0];
        out[length++] = expDigits[1];
    }
    out[length] = 0;
    return exponentShown;
}
