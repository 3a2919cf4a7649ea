// The calculator's face: a dark body, a brushed top panel with the display
// window and the card slot, and the 45 keys with their legends.

#include "KeyLegends.h"
#include "Painters.h"

#include "shell/ArtScale.h"
#include "face/SkinGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

namespace {
const QColor kGold(0xd8, 0xab, 0x4e);
const QColor kSilver(0xcd, 0xc6, 0xbb);

QFont LegendFont(double pixels, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::SemiCondensed);
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// "^" raises what follows; a leading "~" bars the rest.
void DrawLegend(QPainter& painter, const QString& legend, double centerX, double baseline, const QFont& font)
{
    const bool barred = legend.startsWith(QLatin1Char('~'));
    const QString text = barred ? legend.mid(1) : legend;
    const qsizetype caret = text.indexOf(QLatin1Char('^'));
    const QString base = caret < 0 ? text : text.left(caret);
    const QString raised = caret < 0 ? QString() : text.mid(caret + 1);
    QFont small = font;
    small.setPixelSize(std::max(6, font.pixelSize() * 7 / 10));
    const QFontMetricsF baseMetrics(font);
    const QFontMetricsF smallMetrics(small);
    const double width = baseMetrics.horizontalAdvance(base) + smallMetrics.horizontalAdvance(raised);
    const double left = centerX - width / 2;
    painter.setFont(font);
    painter.drawText(QPointF(left, baseline), base);
    if (!raised.isEmpty()) {
        painter.setFont(small);
        painter.drawText(QPointF(left + baseMetrics.horizontalAdvance(base), baseline - baseMetrics.xHeight() * 0.9),
                         raised);
    }
    if (barred) {
        const double top = baseline - baseMetrics.xHeight() - 2.5;
        painter.save();
        painter.setPen(QPen(painter.pen().color(), 1.2));
        painter.drawLine(QPointF(left, top), QPointF(left + width, top));
        painter.restore();
    }
}

// Noise on every pixel of the image inside the area, whatever the scale.
void AddGrain(QImage& image, const QPainterPath& area, double scale, int strength)
{
    QImage inside(image.size(), QImage::Format_Grayscale8);
    inside.fill(0);
    {
        QPainter painter(&inside);
        painter.scale(scale, scale);
        painter.fillPath(area, Qt::white);
    }
    QRandomGenerator random(59);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* mask = inside.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (mask[x] < 128)
                continue;
            const int d = static_cast<int>(random.bounded(2 * strength + 1)) - strength;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + d, 0, 255), std::clamp(qGreen(p) + d, 0, 255),
                           std::clamp(qBlue(p) + d, 0, 255));
        }
    }
}

void PaintBody(QPainter& painter)
{
    const QPainterPath body = BodyOutline();
    QLinearGradient shade(0, 0, 0, kSkinHeight);
    shade.setColorAt(0, QColor(0x34, 0x30, 0x2c));
    shade.setColorAt(0.35, QColor(0x26, 0x23, 0x21));
    shade.setColorAt(1, QColor(0x1a, 0x18, 0x17));
    painter.fillPath(body, shade);
    QLinearGradient rim(0, 0, kSkinWidth, kSkinHeight);
    rim.setColorAt(0, QColor(0x8a, 0x82, 0x78));
    rim.setColorAt(0.5, QColor(0x4a, 0x45, 0x40));
    rim.setColorAt(1, QColor(0x12, 0x11, 0x10));
    painter.strokePath(body, QPen(QBrush(rim), 2.5));
}

void PaintTopPanel(QPainter& painter, double scale)
{
    const QRectF panel(20, 16, 349, 238);
    QLinearGradient metal(0, panel.top(), 0, panel.bottom());
    metal.setColorAt(0, QColor(0x4a, 0x43, 0x3c));
    metal.setColorAt(1, QColor(0x33, 0x2e, 0x2a));
    QPainterPath shape;
    shape.addRoundedRect(panel, 14, 14);
    painter.fillPath(shape, metal);
    // Brushed lines, one to a row of pixels at any scale.
    painter.save();
    painter.setClipPath(shape);
    QRandomGenerator random(7);
    const int rows = static_cast<int>(panel.height() * scale);
    for (int row = 0; row < rows; ++row) {
        const double y = panel.top() + (row + 0.5) / scale;
        painter.setPen(QPen(QColor(255, 255, 255, static_cast<int>(random.bounded(9))), 0));
        painter.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
    }
    painter.restore();
    painter.setPen(QPen(QColor(0x16, 0x14, 0x12), 1.2));
    painter.drawPath(shape);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.drawLine(QPointF(panel.left() + 14, panel.top() + 1.5), QPointF(panel.right() - 14, panel.top() + 1.5));

    painter.setPen(kSilver);
    QFont brand = LegendFont(21);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    brand.setStretch(QFont::Unstretched);
    painter.setFont(brand);
    painter.drawText(QPointF(38, 62), QStringLiteral("NORVANE"));
    QFont model = LegendFont(10);
    model.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    painter.setFont(model);
    painter.setPen(kGold);
    const QString line = QStringLiteral("PROGRAMMABLE 59");
    painter.drawText(QPointF(352 - QFontMetricsF(model).horizontalAdvance(line), 60), line);
    painter.setPen(QPen(kGold, 1.2));
    painter.drawLine(QPointF(38, 74), QPointF(352, 74));
}

void PaintDisplayWindow(QPainter& painter)
{
    QPainterPath bezel;
    bezel.addRoundedRect(QRectF(33, 97, 323, 81), 9, 9);
    QLinearGradient bezelShade(0, 97, 0, 178);
    bezelShade.setColorAt(0, QColor(0x0c, 0x0b, 0x0a));
    bezelShade.setColorAt(1, QColor(0x2a, 0x27, 0x24));
    painter.fillPath(bezel, bezelShade);
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.drawLine(QPointF(42, 177.5), QPointF(347, 177.5));
    QPainterPath glass;
    glass.addRoundedRect(QRectF(40, 104, 298, 69), 4, 4);
    painter.fillPath(glass, Qt::black);
    painter.setPen(QPen(QColor(0x4a, 0x10, 0x0c), 1));
    painter.drawPath(glass);
    QLinearGradient gloss(0, 104, 0, 111);
    gloss.setColorAt(0, QColor(255, 120, 100, 40));
    gloss.setColorAt(1, QColor(255, 120, 100, 0));
    painter.fillRect(QRectF(44, 105, 290, 6), gloss);
}

void PaintCardSlot(QPainter& painter)
{
    QPainterPath recess;
    recess.addRoundedRect(QRectF(23, 178, 338, 70), 6, 6);
    painter.fillPath(recess, QColor(0x14, 0x12, 0x11));
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    painter.drawLine(QPointF(29, 247.5), QPointF(355, 247.5));
    const QRectF area(kLabelStripArea.x, kLabelStripArea.y, kLabelStripArea.width, kLabelStripArea.height);
    QPainterPath card;
    card.addRoundedRect(area, 4, 4);
    QLinearGradient face(0, area.top(), 0, area.bottom());
    face.setColorAt(0, QColor(0x1a, 0x18, 0x16));
    face.setColorAt(1, QColor(0x24, 0x21, 0x1e));
    painter.fillPath(card, face);
    painter.setPen(QPen(QColor(0x3c, 0x37, 0x32), 1));
    for (int k = 1; k < kKeyColumns; ++k) {
        const double x = area.left() + double(kLabelStripCellWidth) * k + 0.5;
        painter.drawLine(QPointF(x, 204), QPointF(x, 240));
    }
}

void PaintKey(QPainter& painter, int column, int row)
{
    const KeyLegend& legend = LegendAt(column, row);
    const SkinRect at = KeyRect(column, row);
    const QRectF key(at.x, at.y, at.width, at.height);
    const QColor face = KeyFaceColor(legend.style);

    for (int i = 3; i >= 1; --i) {
        QPainterPath shadow;
        shadow.addRoundedRect(key.translated(0.6 * i, 1.0 * i).adjusted(-0.5, 0, 0.5, 0.5), 4, 4);
        painter.fillPath(shadow, QColor(0, 0, 0, 70));
    }
    QPainterPath body;
    body.addRoundedRect(key, 3.5, 3.5);
    QLinearGradient shade(0, key.top(), 0, key.bottom());
    shade.setColorAt(0, face.lighter(135));
    shade.setColorAt(0.18, face.lighter(112));
    shade.setColorAt(0.85, face);
    shade.setColorAt(1, face.darker(140));
    painter.fillPath(body, shade);
    painter.setPen(QPen(face.darker(230), 1));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(255, 255, 255, legend.style == KeyStyle::Digit ? 110 : 55), 1));
    painter.drawLine(QPointF(key.left() + 3, key.top() + 1.5), QPointF(key.right() - 3, key.top() + 1.5));

    const bool large = legend.style == KeyStyle::Digit || legend.style == KeyStyle::Operator;
    const QFont font = LegendFont(large && legend.first.size() <= 2 ? 14 : 11);
    painter.setPen(KeyTextColor(legend.style));
    DrawLegend(painter, legend.first, key.center().x(), key.top() + (large ? 16.5 : 15.5), font);

    if (!legend.second.isEmpty()) {
        painter.setPen(kGold);
        DrawLegend(painter, legend.second, key.center().x(), key.top() - 8, LegendFont(9.5));
    }
}

void PaintFooter(QPainter& painter)
{
    QFont font = LegendFont(9);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(font);
    painter.setPen(QColor(0x8c, 0x85, 0x7b));
    const QString text = QStringLiteral("NORVANE PROGRAMMABLE");
    painter.drawText(QPointF(kSkinWidth / 2.0 - QFontMetricsF(font).horizontalAdvance(text) / 2, 752), text);
    painter.setPen(QPen(QColor(0x0e, 0x0d, 0x0c), 2));
    for (int i = 0; i < 7; ++i) {
        const double y = 766 + 3.0 * i;
        painter.drawLine(QPointF(150, y), QPointF(239, y));
    }
}
}  // namespace

QPainterPath BodyOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(10, 6, 369, 788), 26, 26);
    return path;
}

QImage ScaledCanvas(int width, int height, double scale, QImage::Format format)
{
    return QImage(ScaledSize({width, height}, scale), format);
}

QImage PaintFace(double scale)
{
    QImage image = ScaledCanvas(kSkinWidth, kSkinHeight, scale, QImage::Format_RGB32);
    image.fill(QColor(0x1e, 0x1b, 0x19));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        PaintBody(painter);
    }
    AddGrain(image, BodyOutline(), scale, 3);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    PaintTopPanel(painter, scale);
    PaintDisplayWindow(painter);
    PaintCardSlot(painter);
    for (int row = 0; row < kKeyRows; ++row)
        for (int column = 0; column < kKeyColumns; ++column)
            PaintKey(painter, column, row);
    PaintFooter(painter);
    return image;
}

QImage PaintOutline(double scale)
{
    QImage image = ScaledCanvas(kSkinWidth, kSkinHeight, scale, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(scale, scale);
    painter.fillPath(BodyOutline(), Qt::transparent);
    painter.end();
    // Two colours: a palette keeps the file, and the picture decoded, small.
    return image.convertToFormat(QImage::Format_Indexed8);
}
