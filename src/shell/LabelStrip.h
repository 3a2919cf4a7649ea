#pragma once
// The key-label strip: a title band and two bands of five key labels (or
// one free text each) drawn over the calculator picture below the display.

#include "face/StripTexts.h"
#include "shell/SkinRectQt.h"

#include <QRect>
#include <vector>

class QPainter;
struct MacroRun;

// What the main window repaints when the strip texts change.
inline constexpr QRect kMainWindowStripRect = ToQRect(kLabelStripArea);
inline constexpr QPoint kMainWindowStripOrigin = kMainWindowStripRect.topLeft();
inline constexpr QSize kStripSize = kMainWindowStripRect.size();

void DrawLabelStrip(QPainter& painter, int left, int top, bool topMerged, bool bottomMerged,
                    const StripTexts& texts, std::vector<MacroRun>* drawnRuns = nullptr);
