#pragma once
// Draws printed lines as dots on paper, to the screen and to the exports.
// The dots are always shapes drawn at the target's own resolution; the
// screen keeps each character ready-drawn at its exact device pitch.

#include "printer/PrinterTape.h"

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <array>

class QPainter;

namespace tape_colours {
const QColor Paper(0xF3, 0xF2, 0xEC);
const QColor Ink(0x2C, 0x2C, 0x3A);
}

// The paper of a strip of `lines` lines, its top-left corner at `origin`.
QRectF TapePaper(QPointF origin, std::size_t lines, qreal pitch);

// The dots of lines [first, end) of the tape, the top-left corner of the
// strip that starts at line 0 at `origin`, one dot pitch `pitch` apart. Every
// dot is its own ellipse, for exports that stay sharp at any zoom (PDF) or
// are drawn once (PNG).
void PaintTapeShapes(QPainter& painter, const PrinterTape& tape, std::size_t first, std::size_t end,
                     QPointF origin, qreal pitch);

// The same picture for the screen, with each character drawn once per device
// pitch and then copied, so that repainting keeps up with a running program.
class TapeGlyphCache {
public:
    // `pitch` in logical pixels; pitch × ratio should be whole device pixels.
    void Paint(QPainter& painter, const PrinterTape& tape, std::size_t first, std::size_t end,
               QPointF origin, qreal pitch, qreal ratio);

private:
    const QPixmap& Glyph(wchar_t character);

    qreal pitch_ = 0;
    qreal ratio_ = 0;
    std::array<QPixmap, 257> glyphs_;  // the last one is the hollow box
};
