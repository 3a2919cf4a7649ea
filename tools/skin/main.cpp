// Writes the calculator's pictures into the folder given as argument, each
// drawn at every scale the program shows them at.

#include "Painters.h"

#include "shell/ArtScale.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {
// A JPEG with a restart marker after every row of blocks, so the program can
// start decoding at any such row instead of at the top.
bool SaveJpeg(const QString& path, const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &bytes, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    info.restart_in_rows = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size)) ==
                           static_cast<qint64>(size) &&
                       file.commit();
    std::free(bytes);
    return saved;
}

bool Save(const QDir& folder, const QImage& image, const QString& name, int quality)
{
    const QString path = folder.filePath(name);
    if (quality > 0 ? SaveJpeg(path, image, quality) : image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvane-skin-painter OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const double scale : kArtScales) {
        // On a denser screen each compression artefact is smaller; the
        // fewer bits also decode faster where there are more pixels.
        const int faceQuality = scale > 1 ? 85 : 92;
        const struct {
            QImage image;
            const char* name;
            int quality;
        } outputs[] = {
            {PaintFace(scale), "face.jpg", faceQuality},
            {PaintOutline(scale), "outline.png", -1},
            {PaintLedGlyphs(scale), "led.png", -1},
            {PaintIndicators(scale), "indicators.png", -1},
        };
        for (const auto& output : outputs)
            if (!Save(folder, output.image, AtScale(QString::fromLatin1(output.name), scale), output.quality))
                return 1;
    }
    return Save(folder, PaintIcon(64), QStringLiteral("icon.png"), -1) ? 0 : 1;
}
