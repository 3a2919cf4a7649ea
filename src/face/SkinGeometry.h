#pragma once
// Where things are on the calculator's face, in pixels at 1 times: the one
// source read by the window, by the program that draws the artwork and, as
// JSON (SkinGeometryJson.h), by the web page. Positions are from the skin's
// top left corner unless they say otherwise.

#include <array>

struct SkinPoint {
    int x = 0;
    int y = 0;
};

struct SkinRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The window's client area and where the skin (face.jpg) sits in it.
inline constexpr int kMainClientWidth = 389;
inline constexpr int kMainClientHeight = 798;
inline constexpr int kSkinWidth = 389;
inline constexpr int kSkinHeight = 800;
inline constexpr SkinPoint kSkinOrigin{(kMainClientWidth - kSkinWidth) / 2, 1};

// The LED display.
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

// The indicators under the display, cut from the indicator strip
// (indicators.png): a cell's x in the strip, its width, its x on the face.
struct IndicatorCell {
    int stripX = 0;
    int width = 0;
    int faceX = 0;
};
inline constexpr int kIndicatorStripWidth = 208;
inline constexpr int kIndicatorTop = 154;
inline constexpr int kIndicatorHeight = 16;
inline constexpr IndicatorCell kSecondIndicator{0, 34, 64};
inline constexpr IndicatorCell kInvIndicator{38, 26, 106};
// DEG, RAD and GRAD, shown one at a time in the same place.
inline constexpr std::array<IndicatorCell, 3> kAngleIndicators{{{70, 46, 140}, {116, 46, 140}, {162, 46, 140}}};

// The label strip over the card slot: a title band and two bands of five
// cells, placed in the window's client area rather than on the skin.
inline constexpr SkinRect kLabelStripArea{27, 181, 330, 63};
inline constexpr int kLabelStripCellWidth = 66;
inline constexpr int kLabelStripBandHeight = 21;

// The keys: the left edges of the columns and the top edges of the rows.
inline constexpr int kKeyColumns = 5;
inline constexpr int kKeyRows = 9;
inline constexpr std::array<int, kKeyColumns> KeyColumnX{50, 112, 176, 238, 302};
inline constexpr std::array<int, kKeyRows> KeyRowY{289, 338, 389, 438, 489, 538, 589, 638, 689};
inline constexpr int kKeyWidth = 40;
inline constexpr int kKeyHeight = 23;

// A pressed key shows the face's picture around it moved kKeyPressShift
// right and down: kKeyPictureWidth x kKeyPictureHeight from the key's
// corner plus (kKeyPictureLeft, kKeyPictureTop).
inline constexpr int kKeyPictureLeft = -8;
inline constexpr int kKeyPictureTop = -4;
inline constexpr int kKeyPictureWidth = 56;
inline constexpr int kKeyPictureHeight = 31;
inline constexpr int kKeyPressShift = 2;

// A key's rectangle.
constexpr SkinRect KeyRect(int column, int row)
{
    return {KeyColumnX[column], KeyRowY[row], kKeyWidth, kKeyHeight};
}
