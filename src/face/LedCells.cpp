#include "face/LedCells.h"

LedCells LayOutLedCells(std::wstring_view text, bool exponent)
{
    LedCells cells;
    int cell = exponent ? kLedCells - 1 : kLedCells - 2;
    for (auto at = text.rbegin(); at != text.rend() && cell >= 0; ++at) {
        const wchar_t c = *at;
        if ((c >= L'0' && c <= L'9') || c == L'-' || c == L'[')
            cells[cell--].glyph = static_cast<char>(c);
        else if (c == L' ')
            --cell;
        else if (c == L'.')
            cells[cell].point = true;
    }
    return cells;
}

int LedGlyphStripX(char glyph)
{
    if (glyph >= '0' && glyph <= '9')
        return kLedDigitStripX + kLedGlyphWidth * (glyph - '0');
    if (glyph == '-')
        return kLedMinusStripX;
    if (glyph == '[')
        return kLedBracketStripX;
    return -1;
}
