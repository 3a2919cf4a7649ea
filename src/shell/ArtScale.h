#pragma once
// The scales the calculator's pictures are drawn at, and their file names:
// "face.jpg" at 1, "face@2x.jpg" at 2, "face@1.5x.jpg" at 1.5.

#include <QSize>
#include <QString>
#include <array>
#include <cmath>

inline constexpr std::array<double, 4> kArtScales{1, 1.5, 2, 3};

// The smallest drawn scale that is at least the given one (so that the
// picture is reduced, never enlarged), or the largest.
inline double ArtScaleFor(double deviceScale)
{
    for (const double scale : kArtScales)
        if (scale >= deviceScale - 0.001)
            return scale;
    return kArtScales.back();
}

inline QString AtScale(const QString& path, double scale)
{
    if (scale == 1)
        return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype end = dot > slash ? dot : path.size();
    return path.left(end) + QStringLiteral("@%1x").arg(scale) + path.mid(end);
}

// A 1 times size at a scale, rounded up to whole pixels.
inline QSize ScaledSize(QSize size, double scale)
{
    return {static_cast<int>(std::ceil(size.width() * scale)), static_cast<int>(std::ceil(size.height() * scale))};
}
