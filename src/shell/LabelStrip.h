#pragma once
// The key-label strip: a title band and two bands of five key labels (or
// one free text each) drawn over the calculator picture below the display.

#include "shell/SkinRectQt.h"

#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QPainter;
struct MacroRun;

inline constexpr int kStripKeys = 5;
inline constexpr int kStripLines = 2;

struct StripTexts {
    QString title;
    QString programLabel;
    std::array<QString, kStripLines> lines;                // top, bottom
    std::array<QString, kStripKeys * kStripLines> labels;  // A top, A bottom, B top, ...

    QString& Label(int key, int line) { return labels[key * kStripLines + line]; }
    const QString& Label(int key, int line) const { return labels[key * kStripLines + line]; }
    // The strip is drawn only when it has something to show.
    bool HasText() const;
};

// What the main window repaints when the strip texts change.
inline constexpr QRect kMainWindowStripRect = ToQRect(kLabelStripArea);
inline constexpr QPoint kMainWindowStripOrigin = kMainWindowStripRect.topLeft();
inline constexpr QSize kStripSize = kMainWindowStripRect.size();

void DrawLabelStrip(QPainter& painter, int left, int top, bool topMerged, bool bottomMerged,
                    const StripTexts& texts, std::vector<MacroRun>* drawnRuns = nullptr);
