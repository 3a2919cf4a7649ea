#include "shell/FacePiece.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

FacePiece::FacePiece(const QRect& area, double scale, QSize faceSize)
    : area_(area),
      pixels_(QRectF(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale)
                  .toAlignedRect()
                  .intersected(QRect(QPoint(), faceSize))),
      scale_(scale),
      image_(pixels_.size(), QImage::Format_RGB32),
      taken_(static_cast<std::size_t>(std::max(pixels_.height(), 0))),
      missingRows_(static_cast<int>(taken_.size()))
{
}

void FacePiece::Take(const QImage& band, int top, int rows)
{
    const int from = std::max(top, pixels_.top());
    const int to = std::min(top + rows - 1, pixels_.bottom());
    const auto bytes = static_cast<std::size_t>(pixels_.width()) * 4;
    for (int y = from; y <= to; ++y) {
        std::memcpy(image_.scanLine(y - pixels_.top()),
                    band.constScanLine(y - top) + static_cast<std::ptrdiff_t>(pixels_.left()) * 4, bytes);
        const auto row = static_cast<std::size_t>(y - pixels_.top());
        if (!taken_[row]) {
            taken_[row] = true;
            --missingRows_;
        }
    }
}

void FacePiece::Draw(QPainter& painter, const QRect& target) const
{
    if (pixels_.isEmpty())
        return;
    painter.drawImage(QRectF(target), image_,
                      QRectF(QPointF(area_.topLeft()) * scale_ - QPointF(pixels_.topLeft()),
                             QSizeF(area_.size()) * scale_));
}
