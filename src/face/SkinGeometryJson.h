#pragma once
// The face's geometry (SkinGeometry.h) as one JSON object, for a front end
// that reads it instead of compiling it in, like the web page:
//   client {width, height}, skin {x, y, width, height} in the client,
//   display {x, y, width, height},
//   led {cells, pitch, pointOffset, glyphWidth, glyphHeight,
//        strip {width, point, pointWidth, minus, digits, bracket}},
//   indicators {top, height, stripWidth, second, inv, angles [DEG, RAD, GRAD]}
//     with each cell {stripX, width, x},
//   labelStrip {x, y, width, height, cellWidth, bandHeight},
//   keyPicture {x, y, width, height, pressShift}, relative to a key's corner,
//   keys [{column, row, x, y, width, height}] row by row.
// Positions are from the skin's top left corner, in pixels at 1 times.

#include <string>

std::string SkinGeometryJson();
