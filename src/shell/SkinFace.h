#pragma once
// The calculator's face, kept as its JPEG bytes and decoded a band of rows
// at a time while it is drawn: the whole decoded face (5 MB at 2 times) is
// never held beside the window's own buffer. Where the JPEG has restart
// markers, decoding starts near the first row asked for.

#include "shell/JpegRestarts.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class SkinFace {
public:
    // band holds the face's rows from top, rows of them (the band may be taller).
    using BandDrawer = std::function<void(const QImage& band, int top, int rows)>;

    SkinFace() = default;  // no face: draws nothing

    // The embedded JPEG at path, its header read; a failure is reported with
    // ShowSystemError and gives nothing.
    static std::optional<SkinFace> Open(const QString& path);

    QSize Size() const { return size_; }
    // Decodes rows top to bottom (clamped to the face) in bands, each row
    // once, in no set order; false when the bytes turn out not to be a
    // whole JPEG.
    bool ForEachBand(int top, int bottom, const BandDrawer& draw) const;
    // The whole face decoded, for resampling it to another scale.
    QImage Whole() const;

private:
    bool Decode(int top, int bottom, int bandRows, const BandDrawer& draw) const;

    QByteArray jpeg_;  // over the program's own bytes, not a copy
    QSize size_;
    std::optional<JpegRestarts> restarts_;
};
