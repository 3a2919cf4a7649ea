#pragma once
// The pictures of the calculator, each drawn from nothing but code.

#include <QImage>
#include <QPainterPath>

// The calculator's outline in skin coordinates.
QPainterPath BodyOutline();

// The 389 x 800 face, opaque.
QImage PaintFace();
// Pure blue outside the outline, fully transparent inside.
QImage PaintOutline();
// 218 x 32: point, minus, digits 0-9 and the bracket, red on black.
QImage PaintLedGlyphs();
// 208 x 16: 2nd, INV, DEG, RAD, GRAD, red on black.
QImage PaintIndicators();
// The program's icon at size x size pixels, on any paint device.
class QPainter;
void DrawIcon(QPainter& painter, int size);
QImage PaintIcon(int size);
