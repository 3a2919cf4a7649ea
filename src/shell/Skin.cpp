#include "shell/Skin.h"

#include "shell/CResourceStream.h"
#include "shell/SystemError.h"

#include <QBitmap>
#include <QImageReader>
#include <QPainter>
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
        ShowSystemError(caption, 0, QStringLiteral("%1 is %2 x %3 pixels, not %4 x %5")
                                        .arg(path).arg(image.width()).arg(image.height())
                                        .arg(size.width()).arg(size.height()));
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

std::optional<QImage> LoadImageResource(const QString& path)
{
    EnsureSkinResources();
    CResourceStream stream(path);
    if (!stream.IsValid()) {
        ShowSystemError(QStringLiteral("Cannot find background"), ENOENT);
        return std::nullopt;
    }
    QImageReader reader(&stream);
    QImage image = reader.read();
    if (image.isNull()) {
        ShowSystemError(QStringLiteral("Background is not a valid image"), 0, reader.errorString());
        return std::nullopt;
    }
    return image;
}

QRegion SkinImages::Shape() const
{
    return QRegion(QBitmap::fromImage(skin.createMaskFromColor(kOutside, Qt::MaskInColor)));
}

std::optional<SkinImages> PrepareSkin(const SkinResourcePaths& paths)
{
    EnsureSkinResources();
    const std::optional<QImage> face = LoadImageResource(paths.face);
    if (!face)
        return std::nullopt;
    SkinImages images;
    images.skin = QImage(face->size(), QImage::Format_ARGB32);
    images.skin.fill(kOutside);
    {
        QPainter painter(&images.skin);
        painter.drawImage(QRect(0, 0, kSkinWidth, kSkinHeight), *face,
                          QRect(0, 0, kSkinWidth, kSkinHeight));
        // The outline is optional: without it the whole rectangle shows.
        CResourceStream outlineStream(paths.outline);
        if (outlineStream.IsValid()) {
            const QImage outline = QImageReader(&outlineStream).read();
            painter.drawImage(0, 0, outline);
        }
    }
    const auto indicators = LoadBitmap(paths.indicators, QStringLiteral("LoadBitmap(Indicateurs)"), {208, 16});
    if (!indicators)
        return std::nullopt;
    const auto glyphs = LoadBitmap(paths.glyphs, QStringLiteral("LoadBitmap(Affichage)"), {218, 32});
    if (!glyphs)
        return std::nullopt;
    images.indicators = *indicators;
    images.glyphs = *glyphs;
    return images;
}
