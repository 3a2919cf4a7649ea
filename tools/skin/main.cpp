// Writes the calculator's pictures into the folder given as argument.

#include "Painters.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvane-skin-painter OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        QImage image;
        const char* name;
        int quality;
    } outputs[] = {
        {PaintFace(), "face.jpg", 92},
        {PaintOutline(), "outline.png", -1},
        {PaintLedGlyphs(), "led.png", -1},
        {PaintIndicators(), "indicators.png", -1},
        {PaintIcon(64), "icon.png", -1},
    };
    for (const auto& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.name));
        if (!output.image.save(path, nullptr, output.quality)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
