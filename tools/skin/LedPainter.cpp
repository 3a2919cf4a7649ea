// The red seven-segment glyphs of the display and the indicator cells.

#include "Painters.h"

#include "face/SkinGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <array>

namespace {
const QColor kLedCore(0xff, 0x3c, 0x26);
const QColor kLedGlow(0xc0, 0x10, 0x08, 90);

// Segments a (top) to g (middle), clockwise from the top.
enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
constexpr std::array<int, 10> kDigitSegments{
    A | B | C | D | E | F, B | C, A | B | D | E | G, A | B | C | D | G, B | C | F | G,
    A | C | D | F | G, A | C | D | E | F | G, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G};
constexpr int kMinusSegments = G;
constexpr int kBracketSegments = A | D | E | F;

constexpr double kDigitWidth = 10.5;
constexpr double kDigitHeight = 23;
constexpr double kThickness = 2.8;
constexpr double kSlant = 0.07;  // forward lean of the digits
constexpr double kTop = 4.5;

// A segment as a stretched hexagon between two points.
QPolygonF Bar(QPointF from, QPointF to)
{
    const double h = kThickness / 2;
    const bool horizontal = from.y() == to.y();
    QPolygonF bar;
    if (horizontal) {
        bar << QPointF(from.x() + 0.6, from.y()) << QPointF(from.x() + h + 0.6, from.y() - h)
            << QPointF(to.x() - h - 0.6, to.y() - h) << QPointF(to.x() - 0.6, to.y())
            << QPointF(to.x() - h - 0.6, to.y() + h) << QPointF(from.x() + h + 0.6, from.y() + h);
    } else {
        bar << QPointF(from.x(), from.y() + 0.6) << QPointF(from.x() + h, from.y() + h + 0.6)
            << QPointF(to.x() + h, to.y() - h - 0.6) << QPointF(to.x(), to.y() - 0.6)
            << QPointF(to.x() - h, to.y() - h - 0.6) << QPointF(from.x() - h, from.y() + h + 0.6);
    }
    return bar;
}

QPolygonF Lean(QPolygonF polygon, double originX, double baseline)
{
    for (QPointF& p : polygon)
        p.setX(p.x() + (baseline - p.y()) * kSlant + originX);
    return polygon;
}

void DrawSegments(QPainter& painter, double left, int segments)
{
    // Each glyph stays inside its own cell of the strip.
    painter.save();
    painter.setClipRect(QRectF(left, 0, kLedGlyphWidth, kLedGlyphHeight));
    const double l = 3, r = l + kDigitWidth, t = kTop, m = kTop + kDigitHeight / 2, b = kTop + kDigitHeight;
    const std::array<std::pair<QPointF, QPointF>, 7> ends{{
        {{l, t}, {r, t}}, {{r, t}, {r, m}}, {{r, m}, {r, b}}, {{l, b}, {r, b}},
        {{l, m}, {l, b}}, {{l, t}, {l, m}}, {{l, m}, {r, m}},
    }};
    for (int pass = 0; pass < 2; ++pass) {
        painter.setPen(pass == 0 ? QPen(kLedGlow, 2.2) : Qt::NoPen);
        painter.setBrush(pass == 0 ? QBrush(kLedGlow) : QBrush(kLedCore));
        for (int i = 0; i < 7; ++i) {
            if (segments & (1 << i))
                painter.drawPolygon(Lean(Bar(ends[i].first, ends[i].second), left, b));
        }
    }
    painter.restore();
}

void DrawCellText(QPainter& painter, const QString& text, const IndicatorCell& cell)
{
    painter.drawText(QRectF(cell.stripX, 0, cell.width, kIndicatorHeight), Qt::AlignCenter, text);
}
}  // namespace

QImage PaintLedGlyphs(double scale)
{
    QImage image = ScaledCanvas(kLedStripWidth, kLedGlyphHeight, scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLedCore);
    painter.drawRect(QRectF(kLedPointStripX, kTop + kDigitHeight - 2.2, kLedPointWidth, 2.6));  // the decimal point
    DrawSegments(painter, kLedMinusStripX, kMinusSegments);
    for (int digit = 0; digit < 10; ++digit)
        DrawSegments(painter, kLedDigitStripX + kLedGlyphWidth * digit, kDigitSegments[digit]);
    DrawSegments(painter, kLedBracketStripX, kBracketSegments);
    return image;
}

QImage PaintIndicators(double scale)
{
    QImage image = ScaledCanvas(kIndicatorStripWidth, kIndicatorHeight, scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(font);
    painter.setPen(kLedCore);
    DrawCellText(painter, QStringLiteral("2nd"), kSecondIndicator);
    DrawCellText(painter, QStringLiteral("INV"), kInvIndicator);
    DrawCellText(painter, QStringLiteral("DEG"), kAngleIndicators[0]);
    DrawCellText(painter, QStringLiteral("RAD"), kAngleIndicators[1]);
    DrawCellText(painter, QStringLiteral("GRAD"), kAngleIndicators[2]);
    return image;
}
