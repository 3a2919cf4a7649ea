// The display text in each mode, with the fixed texts of the range limits.
#include "core/CCalc.h"

#include "numbers/Format.h"

#include <cstdio>
#include <cwchar>

namespace {
void CopyText(wchar_t* buffer, const wchar_t* text)
{
    std::wcsncpy(buffer, text, CCalc::DisplayCapacity - 1);
    buffer[CCalc::DisplayCapacity - 1] = L'\0';
}
}  // namespace

bool CCalc::FormatDisplayValue(const CNombre& value, wchar_t* buffer) const
{
    struct Limit {
        const CNombre& value;
        const wchar_t* text;
    };
    static const Limit limits[] = {
        {CNombre::MaxPositive, L"9.9999999 99"},
        {CNombre::MinPositive, L"1.-99"},
        {CNombre::MinNegative, L"-1.-99"},
        {CNombre::MaxNegative, L"-9.9999999 99"},
    };
    for (const Limit& limit : limits) {
        if (value == limit.value) {
            CopyText(buffer, limit.text);
            return true;
        }
    }
    const FormattedNumber formatted = Format(value, fixDigits, displayFormat);
    CopyText(buffer, formatted.text);
    return formatted.hasExponent;
}

bool CCalc::GetDisplayText(wchar_t* buffer, bool showWhileRunning) const
{
    if (mode == ModeLearn) {
        std::swprintf(buffer, DisplayCapacity, L"%03d %02d", learnPointer,
                      programMemory[0][learnPointer]);
        return true;
    }
    if (mode == ModeRun && !showWhileRunning) {
        CopyText(buffer, L"[          ");
        return false;
    }
    if (entryActive)
        return entry.GetDisplayText(buffer);
    return FormatDisplayValue(x, buffer);
}

std::wstring CCalc::DisplayText(bool showWhileRunning) const
{
    wchar_t buffer[DisplayCapacity];
    GetDisplayText(buffer, showWhileRunning);
    return buffer;
}
