// Writes the calculator's pictures into the folder given as argument, each
// drawn at every scale the program shows them at.

#include "Painters.h"

#include "shell/ArtScale.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {
bool Save(const QDir& folder, const QImage& image, const QString& name, int quality)
{
    const QString path = folder.filePath(name);
    if (image.save(path, nullptr, quality))
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
        const struct {
            QImage image;
            const char* name;
            int quality;
        } outputs[] = {
            {PaintFace(scale), "face.jpg", 92},
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
