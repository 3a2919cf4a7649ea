#include "shell/FacePatches.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

FacePatches::FacePatches(const std::vector<QRect>& areas, double scale, QSize faceSize) : scale_(scale)
{
    for (const QRect& area : areas) {
        const QRect pixels = QRectF(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale)
                                 .toAlignedRect()
                                 .intersected(QRect(QPoint(), faceSize));
        if (pixels.isEmpty())
            continue;
        firstRow_ = patches_.empty() ? pixels.top() : std::min(firstRow_, pixels.top());
        lastRow_ = std::max(lastRow_, pixels.bottom());
        patches_.push_back({area, pixels, QImage(pixels.size(), QImage::Format_RGB32)});
    }
}

void FacePatches::Take(const QImage& band, int top, int rows)
{
    for (Patch& patch : patches_) {
        const int from = std::max(top, patch.pixels.top());
        const int to = std::min(top + rows - 1, patch.pixels.bottom());
        const auto bytes = static_cast<std::size_t>(patch.pixels.width()) * 4;
        for (int y = from; y <= to; ++y)
            std::memcpy(patch.image.scanLine(y - patch.pixels.top()),
                        band.constScanLine(y - top) + static_cast<std::ptrdiff_t>(patch.pixels.left()) * 4, bytes);
    }
}

void FacePatches::Taken(int first, int last)
{
    ready_ = ready_ || (!patches_.empty() && first <= firstRow_ && last >= lastRow_);
}

const FacePatches::Patch* FacePatches::Holding(const QRect& rect) const
{
    if (!ready_)
        return nullptr;
    const auto found = std::find_if(patches_.begin(), patches_.end(),
                                    [&](const Patch& patch) { return patch.area.contains(rect); });
    return found == patches_.end() ? nullptr : &*found;
}

bool FacePatches::Cover(const QRegion& region) const
{
    return !region.isEmpty() &&
           std::all_of(region.begin(), region.end(), [&](const QRect& rect) { return Holding(rect) != nullptr; });
}

void FacePatches::Draw(QPainter& painter, const QRegion& region) const
{
    const QRect bounds = region.boundingRect();
    for (const Patch& patch : patches_) {
        const QRect part = patch.area & bounds;
        if (!part.isEmpty() && region.intersects(part))
            DrawPart(painter, part, patch, part);
    }
}

void FacePatches::DrawPart(QPainter& painter, const QRect& target, const Patch& patch, const QRect& source) const
{
    painter.drawImage(QRectF(target), patch.image,
                      QRectF(QPointF(source.topLeft()) * scale_ - QPointF(patch.pixels.topLeft()),
                             QSizeF(source.size()) * scale_));
}

void FacePatches::DrawMoved(QPainter& painter, const QRect& target, const QRect& source) const
{
    if (const Patch* patch = Holding(source))
        DrawPart(painter, target, *patch, source);
}
