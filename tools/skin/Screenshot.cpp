// Renders the main window offscreen into a PNG, to look at the artwork in
// place: norvane-screenshot OUT.png [typed keys]

#include "core/CCalc.h"
#include "shell/CMainWnd.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: norvane-screenshot OUT.png [typed keys]\n");
        return 2;
    }
    std::optional<SkinImages> skin = PrepareSkin({}, qApp->devicePixelRatio());
    if (!skin)
        return 1;
    CCalc calc;
    CMainWnd window(calc, std::move(*skin));
    window.show();
    for (const QChar c : QString::fromLocal8Bit(argc > 2 ? argv[2] : ""))
        window.TypeCharacter(c.unicode());
    QTest::qWait(250 * (argc > 2 ? static_cast<int>(std::strlen(argv[2])) + 1 : 1));
    // At the screen's pixel ratio, so that QT_SCALE_FACTOR shows the artwork drawn for it.
    const QImage grabbed = window.grab().toImage();
    QImage shot(grabbed.size(), QImage::Format_ARGB32);
    shot.setDevicePixelRatio(grabbed.devicePixelRatio());
    shot.fill(QColor(0x70, 0x80, 0x90));
    QPainter painter(&shot);
    painter.setClipRegion(window.images.Shape(window.Zoom()));
    painter.drawImage(0, 0, grabbed);
    painter.end();
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
