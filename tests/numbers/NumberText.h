#pragma once
// Test helper: a number from its decimal text, e.g. Num(L"-12.5"), Num(L"1e-12").

#include "numbers/CNombre.h"

#include <string>

inline CNombre Num(const std::wstring& text)
{
    std::wstring digits = text;
    bool positive = true;
    if (!digits.empty() && digits[0] == L'-') {
        positive = false;
        digits.erase(0, 1);
    }
    int exponent = 0;
    const auto e = digits.find(L'e');
    if (e != std::wstring::npos) {
        exponent = std::stoi(digits.substr(e + 1));
        digits.erase(e);
    }
    return CNombre::FromDigits(digits, positive, static_cast<int16_t>(exponent));
}
