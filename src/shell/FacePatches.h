#pragma once
// The parts of the face the window draws again and again (each key with the
// picture its pressed look moves, the display, the indicators, the label
// strip), kept decoded at the pictures' scale: drawing them again decodes
// nothing, while the rest of the face is decoded only when it is exposed.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

class QPainter;

class FacePatches {
public:
    FacePatches() = default;  // nothing kept: never ready
    // areas in the window's 1 times layout; faceSize in the pictures' pixels.
    FacePatches(const std::vector<QRect>& areas, double scale, QSize faceSize);

    // Filled, by one pass over the face's rows FirstRow to LastRow
    // (pictures' pixels) that gave each band to Take.
    bool Ready() const { return ready_; }
    int FirstRow() const { return firstRow_; }
    int LastRow() const { return lastRow_; }
    // Takes from band, face rows top to top + rows, what falls in the areas.
    void Take(const QImage& band, int top, int rows);
    // A pass over the rows first to last has ended, every band taken.
    void Taken(int first, int last);
    // Every rectangle of region (1 times layout) lies in one area.
    bool Cover(const QRegion& region) const;
    // Draws the areas that meet region, when Cover says they hold it.
    void Draw(QPainter& painter, const QRegion& region) const;
    // Draws the face pixels of source over target, from the area holding
    // source; nothing when none does or before they are filled.
    void DrawMoved(QPainter& painter, const QRect& target, const QRect& source) const;

private:
    struct Patch {
        QRect area;    // 1 times layout
        QRect pixels;  // pictures' pixels
        QImage image;
    };
    const Patch* Holding(const QRect& rect) const;
    // source's pixels in patch over target, both in the 1 times layout.
    void DrawPart(QPainter& painter, const QRect& target, const Patch& patch, const QRect& source) const;

    double scale_ = 1;
    std::vector<Patch> patches_;
    int firstRow_ = 0;
    int lastRow_ = -1;
    bool ready_ = false;
};
