#pragma once
// The ten user flags as pictures in a row, 22 pixels apart, read from the
// engine whenever the row is painted.

#include <QWidget>

class CCalc;

class FlagStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPitch = 22;

    FlagStrip(const CCalc& calc, QWidget* parent);

    // The picture flag i is drawn with: set or clear.
    int PictureOf(int flag) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CCalc& calc_;
};
