#pragma once
// The pictures the main window is drawn from: the calculator face composed
// with its outline, the indicator strip and the LED glyph strip.

#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

inline constexpr int kSkinWidth = 389;
inline constexpr int kSkinHeight = 800;

struct SkinResourcePaths {
    QString face = QStringLiteral(":/skin/face.jpg");
    QString outline = QStringLiteral(":/skin/outline.png");
    QString indicators = QStringLiteral(":/skin/indicators.png");
    QString glyphs = QStringLiteral(":/skin/led.png");
};

struct SkinImages {
    QImage skin;        // ARGB32, pure blue outside the calculator
    QImage indicators;  // 208 x 16
    QImage glyphs;      // 218 x 32
    // The skin's pixels that are not pure blue: the window's shape.
    QRegion Shape() const;
};

// Reports the first failure with ShowSystemError and gives nothing, so that
// no window is made.
std::optional<SkinImages> PrepareSkin(const SkinResourcePaths& paths = {});

// Makes the embedded pictures (and the icon) reachable by their ":/skin/" names.
void EnsureSkinResources();

// One embedded image, decoded from a stream over its bytes; failures reported.
std::optional<QImage> LoadImageResource(const QString& path);
