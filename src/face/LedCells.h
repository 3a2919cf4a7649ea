#pragma once
// What each cell of the LED display shows for a display text: the text ends
// in the last cell when it has an exponent and one cell before otherwise,
// and a point lights the gap after the digit before it.

#include "face/SkinGeometry.h"

#include <array>
#include <string_view>

struct LedCell {
    char glyph = ' ';    // '0' to '9', '-', '[' (a program runs) or ' ' (dark)
    bool point = false;  // the decimal point in the gap after this cell
    bool operator==(const LedCell&) const = default;
};

using LedCells = std::array<LedCell, kLedCells>;

// Characters without a glyph take no cell; those that do not fit on the
// left are not shown.
LedCells LayOutLedCells(std::wstring_view text, bool exponent);

// The glyph's left edge in the glyph strip, or -1 for a dark cell.
int LedGlyphStripX(char glyph);
