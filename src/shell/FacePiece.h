#pragma once
// A rectangle of the face put together from the bands it is decoded in, to
// be drawn again without decoding: a pressed key's picture, moved by the
// press, or the display's surround, repainted with every key.

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

class FacePiece {
public:
    // area in the window's 1 times layout; faceSize in the pictures' pixels.
    FacePiece(const QRect& area, double scale, QSize faceSize);

    QRect Area() const { return area_; }
    // The face's rows the piece is taken from, in the pictures' pixels.
    int Top() const { return pixels_.top(); }
    int Bottom() const { return pixels_.bottom() + 1; }
    // Takes from band, face rows top to top + rows, what falls in the piece.
    void Take(const QImage& band, int top, int rows);
    // Every row taken.
    bool Ready() const { return missingRows_ == 0; }
    // Draws the piece, every row of it taken, over target (1 times layout).
    void Draw(QPainter& painter, const QRect& target) const;

private:
    QRect area_;
    QRect pixels_;
    double scale_;
    QImage image_;
    std::vector<bool> taken_;
    int missingRows_;
};
