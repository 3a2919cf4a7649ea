#include "shell/dialogs/TapePainter.h"

#include "printer/DotFont.h"

#include <QPainter>

namespace {
using namespace tape_geometry;

// One character with its top-left dot cell at `at`.
void PaintGlyphShapes(QPainter& painter, const DotGlyph& glyph, QPointF at, qreal pitch)
{
    const qreal radius = DotDiameter * pitch / 2;
    for (int row = 0; row < DotGlyph::Rows; ++row)
        for (int column = 0; column < DotGlyph::Columns; ++column)
            if (glyph.Dot(row, column))
                painter.drawEllipse(at + QPointF((column + 0.5) * pitch, (row + 0.5) * pitch), radius, radius);
}

QPointF CellOrigin(std::size_t line, int column, QPointF origin, qreal pitch)
{
    const Point centre = DotCentre(line, column, 0, 0);
    return origin + QPointF((centre.x - 0.5) * pitch, (centre.y - 0.5) * pitch);
}
} // namespace

QRectF TapePaper(QPointF origin, std::size_t lines, qreal pitch)
{
    return {origin, QSizeF(StripWidth * pitch, StripHeight(lines) * pitch)};
}

void PaintTapeShapes(QPainter& painter, const PrinterTape& tape, std::size_t first, std::size_t end,
                     QPointF origin, qreal pitch)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tape_colours::Ink);
    for (std::size_t line = first; line < end; ++line) {
        const PrinterTape::Line& text = tape.At(line);
        for (int column = 0; column < PrinterTape::Columns; ++column)
            if (text[static_cast<std::size_t>(column)] != L' ')
                PaintGlyphShapes(painter, GlyphOf(text[static_cast<std::size_t>(column)]),
                                 CellOrigin(line, column, origin, pitch), pitch);
    }
    painter.restore();
}

void TapeGlyphCache::Paint(QPainter& painter, const PrinterTape& tape, std::size_t first, std::size_t end,
                           QPointF origin, qreal pitch, qreal ratio)
{
    if (pitch != pitch_ || ratio != ratio_) {
        glyphs_.fill(QPixmap());
        pitch_ = pitch;
        ratio_ = ratio;
    }
    for (std::size_t line = first; line < end; ++line) {
        const PrinterTape::Line& text = tape.At(line);
        for (int column = 0; column < PrinterTape::Columns; ++column)
            if (text[static_cast<std::size_t>(column)] != L' ')
                painter.drawPixmap(CellOrigin(line, column, origin, pitch),
                                   Glyph(text[static_cast<std::size_t>(column)]));
    }
}

const QPixmap& TapeGlyphCache::Glyph(wchar_t character)
{
    const std::size_t slot = HasGlyph(character) ? static_cast<std::size_t>(character) : glyphs_.size() - 1;
    QPixmap& glyph = glyphs_[slot];
    if (glyph.isNull()) {
        const int side = qRound(std::max(DotGlyph::Columns, DotGlyph::Rows) * pitch_ * ratio_);
        glyph = QPixmap(side, side);
        glyph.setDevicePixelRatio(ratio_);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tape_colours::Ink);
        PaintGlyphShapes(painter, GlyphOf(character), QPointF(), pitch_);
    }
    return glyph;
}
