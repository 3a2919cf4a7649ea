// The program's icon: the calculator seen small, "59" lit on its display.
// Drawn as shapes, so the same strokes give every bitmap size and the
// scalable file; up to 32 pixels a plainer drawing keeps it readable.

#include "Painters.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
const QColor kBodyTop(0x4a, 0x43, 0x3c);
const QColor kBodyBottom(0x1c, 0x1a, 0x18);
const QColor kBodyEdge(0x0e, 0x0d, 0x0c);
const QColor kLed(0xff, 0x30, 0x20);
const QColor kLedGlow(0xff, 0x20, 0x10, 0x60);
const QColor kSecondKey(0xd9, 0xa5, 0x3b);
const QColor kDigitKey(0xcf, 0xc6, 0xb4);
const QColor kOtherKey(0x6b, 0x60, 0x55);

// Segments a to g of a seven-segment digit in box, strokes of width t.
void DrawDigit(QPainter& painter, const QRectF& box, qreal t, const char* segments)
{
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    const qreal mid = y + (h - t) / 2;
    for (const char* s = segments; *s; ++s) {
        switch (*s) {
        case 'a': painter.drawRect(QRectF(x, y, w, t)); break;
        case 'b': painter.drawRect(QRectF(x + w - t, y, t, mid - y + t)); break;
        case 'c': painter.drawRect(QRectF(x + w - t, mid, t, y + h - mid)); break;
        case 'd': painter.drawRect(QRectF(x, y + h - t, w, t)); break;
        case 'e': painter.drawRect(QRectF(x, mid, t, y + h - mid)); break;
        case 'f': painter.drawRect(QRectF(x, y, t, mid - y + t)); break;
        case 'g': painter.drawRect(QRectF(x, mid, w, t)); break;
        default: break;
        }
    }
}

// "59" in the display: a soft glow under the lit segments.
void DrawFiftyNine(QPainter& painter, const QRectF& five, const QRectF& nine, qreal t, qreal glow)
{
    painter.setPen(QPen(kLedGlow, glow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kLedGlow);
    if (glow > 0) {
        DrawDigit(painter, five, t, "afgcd");
        DrawDigit(painter, nine, t, "abcdfg");
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLed);
    DrawDigit(painter, five, t, "afgcd");
    DrawDigit(painter, nine, t, "abcdfg");
}

void DrawBody(QPainter& painter, const QRectF& body, qreal edge, qreal radius)
{
    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0, kBodyTop);
    shade.setColorAt(1, kBodyBottom);
    painter.setPen(QPen(kBodyEdge, edge));
    painter.setBrush(shade);
    painter.drawRoundedRect(body, radius, radius);
}

const QColor& KeyColour(bool second, bool digit)
{
    return second ? kSecondKey : digit ? kDigitKey : kOtherKey;
}

// In a 256-unit square.
void DrawLarge(QPainter& painter)
{
    DrawBody(painter, QRectF(40, 8, 176, 240), 4, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(58, 26, 140, 56), 8, 8);
    DrawFiftyNine(painter, QRectF(104, 36, 24, 36), QRectF(136, 36, 24, 36), 6, 4);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.setBrush(KeyColour(row == 0 && column == 0, column > 0 && column < 3 && row > 0));
            painter.drawRoundedRect(QRectF(60 + 36 * column, 104 + 34 * row, 28, 20), 4, 4);
        }
    }
}

// In a 16-unit square, every shape on whole pixels at 16.
void DrawSmall(QPainter& painter)
{
    DrawBody(painter, QRectF(2.5, 0.5, 11, 15), 1, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(3, 2, 10, 7));
    DrawFiftyNine(painter, QRectF(4, 3, 3, 5), QRectF(9, 3, 3, 5), 1, 0);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(KeyColour(row == 0 && column == 0, column > 0 && row > 0));
            painter.drawRect(QRectF(4 + 3 * column, 10 + 3 * row, 2, 2));
        }
    }
}
}  // namespace

void DrawIcon(QPainter& painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool small = size <= 32;
    const qreal units = small ? 16 : 256;
    painter.scale(size / units, size / units);
    if (small)
        DrawSmall(painter);
    else
        DrawLarge(painter);
    painter.restore();
}

QImage PaintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawIcon(painter, size);
    painter.end();
    return image;
}
