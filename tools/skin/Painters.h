#pragma once
// The pictures of the calculator, each drawn from nothing but code.

#include <QImage>
#include <QPainterPath>

// The calculator's outline in skin coordinates.
QPainterPath BodyOutline();

// Each picture is drawn for a scale: its size at 1 times the scale, rounded
// up, and every line and letter drawn at that resolution.

// The 389 x 800 face, opaque.
QImage PaintFace(double scale);
// Pure blue outside the outline, fully transparent inside.
QImage PaintOutline(double scale);
// 218 x 32: point, minus, digits 0-9 and the bracket, red on black.
QImage PaintLedGlyphs(double scale);
// 208 x 16: 2nd, INV, DEG, RAD, GRAD, red on black.
QImage PaintIndicators(double scale);
// The program's icon at size x size pixels, on any paint device.
class QPainter;
void DrawIcon(QPainter& painter, int size);

// An image of the given 1 times size at the scale, rounded up.
QImage ScaledCanvas(int width, int height, double scale, QImage::Format format);
QImage PaintIcon(int size);
