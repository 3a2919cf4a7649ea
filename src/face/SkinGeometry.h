#pragma once
// Where things are on the calculator's face, in pixels at 1 times: read by
// the window, by the program that draws the artwork and by the web page.

struct SkinRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The LED display, from the skin's top left corner.
inline constexpr SkinRect kDisplayArea{48, 112, 282, 32};

// The display's cells, kLedCellPitch apart; a point sits in the gap after
// its cell, kLedPointOffset from the cell's left edge.
inline constexpr int kLedCells = 12;
inline constexpr int kLedCellPitch = 24;
inline constexpr int kLedPointOffset = 20;

// The LED glyph strip (led.png): point, minus, digits 0 to 9 and the bracket.
inline constexpr int kLedStripWidth = 218;
inline constexpr int kLedGlyphWidth = 18;
inline constexpr int kLedGlyphHeight = 32;
inline constexpr int kLedPointStripX = 0;
inline constexpr int kLedPointWidth = 2;
inline constexpr int kLedMinusStripX = 2;
inline constexpr int kLedDigitStripX = 20;
inline constexpr int kLedBracketStripX = 200;
