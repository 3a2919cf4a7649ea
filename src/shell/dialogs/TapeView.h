#pragma once
// The printer's paper on screen: a narrow strip of dot characters that
// scrolls upward as lines arrive, keeping the last lines of the run.

#include "printer/PrinterTape.h"
#include "shell/dialogs/TapePainter.h"

#include <QAbstractScrollArea>
#include <QTimer>

class TapeView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Dot pitch in logical pixels at the normal scale.
    static constexpr qreal kPitch = 3;
    // Grey beside the strip, in logical pixels.
    static constexpr int kSide = 8;
    // Repaints while lines pour in are at most this often.
    static constexpr int kRefreshMs = 40;

    explicit TapeView(QWidget* parent = nullptr);

    void AppendLine(const QString& line);
    void Clear();
    const PrinterTape& Tape() const { return tape_; }

    // The width that shows the whole strip beside a vertical scroll bar.
    int StripViewWidth() const;
    // Dot pitch on screen: the normal pitch brought to whole device pixels.
    qreal Pitch() const;
    // Where the strip's top-left corner is, in viewport coordinates.
    QPointF StripOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Refresh();
    int StripPixelHeight() const;

    PrinterTape tape_;
    TapeGlyphCache glyphs_;
    QTimer refresh_;
};
