#include "shell/Skin.h"

#include "shell/ArtScale.h"
#include "shell/CResourceStream.h"
#include "shell/SystemError.h"

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <cerrno>

// The images live in this static library; the linker keeps them only when
// something asks for them by name.
void EnsureSkinResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(skin);
        return true;
    }();
    (void)done;
}

namespace {
constexpr QRgb kOutside = qRgb(0, 0, 255);

QString WrongSize(const QString& path, QSize size, QSize wanted)
{
    return QStringLiteral("%1 is %2 x %3 pixels, not %4 x %5")
        .arg(path).arg(size.width()).arg(size.height()).arg(wanted.width()).arg(wanted.height());
}

std::optional<QImage> LoadBitmap(const QString& path, const QString& caption, QSize size)
{
    CResourceStream stream(path);
    QImageReader reader(&stream);
    QImage image = stream.IsValid() ? reader.read() : QImage();
    if (image.isNull()) {
        ShowSystemError(caption, stream.IsValid() ? 0 : ENOENT,
                        stream.IsValid() ? reader.errorString() : QString());
        return std::nullopt;
    }
    if (image.size() != size) {
        ShowSystemError(caption, 0, WrongSize(path, image.size(), size));
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

QRegion SkinImages::Shape(double zoom) const
{
    const QSize size = ScaledSize({kSkinWidth, kSkinHeight}, zoom);
    // The outline drawn for the zoom (or at 1 times, if that is all there is).
    QString path = AtScale(paths.outline, ArtScaleFor(zoom));
    if (!QFile::exists(path))
        path = paths.outline;
    CResourceStream stream(path);
    const QImage outline = stream.IsValid() ? QImageReader(&stream).read() : QImage();
    // Without it the whole rectangle shows.
    if (outline.isNull())
        return QRegion(QRect(QPoint(), size));
    // Each window pixel takes the outline's pixel under its centre.
    const QImage sampled = outline.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                               .convertToFormat(QImage::Format_ARGB32);
    return QRegion(QBitmap::fromImage(sampled.createMaskFromColor(kOutside, Qt::MaskInColor)));
}

std::optional<SkinImages> PrepareSkin(const SkinResourcePaths& paths, double deviceScale)
{
    EnsureSkinResources();
    // A skin drawn at one scale only is shown at that scale.
    double scale = ArtScaleFor(deviceScale);
    if (!QFile::exists(AtScale(paths.face, scale)))
        scale = 1;
    std::optional<SkinFace> face = SkinFace::Open(AtScale(paths.face, scale));
    if (!face)
        return std::nullopt;
    const QSize skinSize = ScaledSize({kSkinWidth, kSkinHeight}, scale);
    if (face->Size() != skinSize) {
        ShowSystemError(QStringLiteral("Background is not a valid image"), 0,
                        WrongSize(AtScale(paths.face, scale), face->Size(), skinSize));
        return std::nullopt;
    }
    SkinImages images;
    images.scale = scale;
    images.paths = paths;
    images.face = std::move(*face);
    const auto indicators = LoadBitmap(AtScale(paths.indicators, scale), QStringLiteral("LoadBitmap(Indicateurs)"),
                                       ScaledSize({kIndicatorStripWidth, kIndicatorHeight}, scale));
    if (!indicators)
        return std::nullopt;
    const auto glyphs = LoadBitmap(AtScale(paths.glyphs, scale), QStringLiteral("LoadBitmap(Affichage)"),
                                   ScaledSize({kLedStripWidth, kLedGlyphHeight}, scale));
    if (!glyphs)
        return std::nullopt;
    images.indicators = *indicators;
    images.glyphs = *glyphs;
    return images;
}
