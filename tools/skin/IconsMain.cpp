// Writes the program's icon as a hicolor theme: a PNG at every size the
// desktop asks for and the scalable SVG, all from the one drawing.
//   norvane-icons OUTPUT-FOLDER ICON-NAME

#include "Painters.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {
bool WriteSvg(const QString& path, const QString& title)
{
    constexpr int kSize = 256;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    DrawIcon(painter, kSize);
    return painter.end();
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: norvane-icons OUTPUT-FOLDER ICON-NAME\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!theme.mkpath(folder) || !PaintIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
    if (!theme.mkpath(QStringLiteral("scalable/apps")) || !WriteSvg(svg, QStringLiteral("Norvane"))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
