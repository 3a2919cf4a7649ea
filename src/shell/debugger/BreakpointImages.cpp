#include "shell/debugger/BreakpointImages.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace {
constexpr QRgb kTransparentBlue = qRgb(0, 0, 255);

QRect Cell(int index)
{
    return {index * kDebuggerImageSize, 0, kDebuggerImageSize, kDebuggerImageSize};
}

void DrawStopSign(QPainter& painter, QRect cell, QColor fill)
{
    painter.setPen(QPen(QColor(96, 0, 0), 1));
    painter.setBrush(fill);
    painter.drawEllipse(cell.adjusted(2, 2, -3, -3));
}

void DrawQuestionMark(QPainter& painter, QRect cell)
{
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(cell.adjusted(0, 0, -1, -1), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawFlag(QPainter& painter, QRect cell, bool set)
{
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.drawLine(cell.left() + 3, cell.top() + 2, cell.left() + 3, cell.bottom() - 1);
    QPainterPath pennant;
    pennant.moveTo(cell.left() + 4, cell.top() + 2);
    pennant.lineTo(cell.right() - 2, cell.top() + 5);
    pennant.lineTo(cell.left() + 4, cell.top() + 9);
    pennant.closeSubpath();
    painter.setBrush(set ? QColor(0, 176, 0) : QColor(255, 255, 255));
    painter.drawPath(pennant);
}
}  // namespace

QImage DrawDebuggerImageStrip()
{
    QImage strip(kDebuggerImageSize * kDebuggerImageCount, kDebuggerImageSize, QImage::Format_RGB32);
    strip.fill(kTransparentBlue);
    QPainter painter(&strip);
    // Edges stay hard so that no pixel is blended into near-blue.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    DrawStopSign(painter, Cell(kImageBreakAlways), QColor(220, 0, 0));
    DrawStopSign(painter, Cell(kImageBreakConditional), QColor(232, 140, 0));
    DrawQuestionMark(painter, Cell(kImageBreakConditional));
    DrawFlag(painter, Cell(kImageFlagClear), false);
    DrawFlag(painter, Cell(kImageFlagSet), true);
    return strip;
}

QImage WithoutBlue(QImage picture)
{
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & RGB_MASK) == (kTransparentBlue & RGB_MASK))
                line[x] = 0;
    }
    return picture;
}

const QPixmap& DebuggerPicture(int index)
{
    static const std::array<QPixmap, kDebuggerImageCount> pictures = [] {
        const QImage strip = WithoutBlue(DrawDebuggerImageStrip());
        std::array<QPixmap, kDebuggerImageCount> cut;
        for (int i = 0; i < kDebuggerImageCount; ++i)
            cut[static_cast<size_t>(i)] = QPixmap::fromImage(strip.copy(Cell(i)));
        return cut;
    }();
    return pictures[static_cast<size_t>(std::clamp(index, 0, kDebuggerImageCount - 1))];
}
