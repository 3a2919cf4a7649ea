#pragma once
// The pictures the main window is drawn from: the calculator face composed
// with its outline, the indicator strip and the LED glyph strip, all drawn
// for one scale (see ArtScale.h).

#include "face/SkinGeometry.h"
#include "shell/SkinFace.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

struct SkinResourcePaths {
    QString face = QStringLiteral(":/skin/face.jpg");
    QString outline = QStringLiteral(":/skin/outline.png");
    QString indicators = QStringLiteral(":/skin/indicators.png");
    QString glyphs = QStringLiteral(":/skin/led.png");
};

// Sizes below are at 1 times; each picture is that size times its scale.
struct SkinImages {
    double scale = 1;
    SkinResourcePaths paths;  // to load the pictures again at another scale
    SkinFace face;      // 389 x 800; the outline gives the window its shape
    QImage indicators;  // 208 x 16
    QImage glyphs;      // 218 x 32
    // The window's shape at a zoom, in its own pixels: where the outline,
    // read when asked for, is not pure blue.
    QRegion Shape(double zoom = 1) const;
};

// The pictures drawn for the smallest scale at least deviceScale (screen
// pixels per window pixel). Reports the first failure with ShowSystemError
// and gives nothing, so that no window is made.
std::optional<SkinImages> PrepareSkin(const SkinResourcePaths& paths = {}, double deviceScale = 1);

// Makes the embedded pictures (and the icon) reachable by their ":/skin/" names.
void EnsureSkinResources();
