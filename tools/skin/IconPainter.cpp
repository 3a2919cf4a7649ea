// The program's icon: the calculator seen small, "59" lit on its display.

#include "Painters.h"

#include <QLinearGradient>
#include <QPainter>

QImage PaintIcon(int size)
{
    constexpr int kDraw = 256;
    QImage image(kDraw, kDraw, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body(40, 8, 176, 240);
    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0, QColor(0x4a, 0x43, 0x3c));
    shade.setColorAt(1, QColor(0x1c, 0x1a, 0x18));
    painter.setPen(QPen(QColor(0x0e, 0x0d, 0x0c), 4));
    painter.setBrush(shade);
    painter.drawRoundedRect(body, 22, 22);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(58, 26, 140, 56), 8, 8);
    // "59" from the LED strip, enlarged.
    const QImage led = PaintLedGlyphs();
    painter.drawImage(QRectF(104, 30, 46, 48), led, QRectF(20 + 18 * 5, 0, 36, 32));

    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool digit = column > 0 && column < 3 && row > 0;
            const bool second = row == 0 && column == 0;
            painter.setBrush(second ? QColor(0xd9, 0xa5, 0x3b)
                             : digit ? QColor(0xcf, 0xc6, 0xb4)
                                     : QColor(0x6b, 0x60, 0x55));
            painter.drawRoundedRect(QRectF(60 + 36 * column, 104 + 34 * row, 28, 20), 4, 4);
        }
    }
    painter.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
