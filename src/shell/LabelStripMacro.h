#pragma once
// Draws one key label with its bracket tags: symbol face, superscript,
// subscript, small print and overstrike (text drawn without advancing).

#include "face/LabelMarkup.h"
#include "shell/LabelStripFonts.h"

#include <QString>
#include <vector>

class QPainter;

// One run of characters drawn in one state; kept for whoever wants to know
// where a label's pieces went (the tests do).
struct MacroRun {
    int x = 0;
    int y = 0;
    LabelFace face = LabelFace::Label;
    QString text;  // as drawn: symbol-face characters already mapped
    int width = 0;
};

class CMacroRenderer {
public:
    CMacroRenderer(const StripFonts& fonts, QPainter* target);

    // Draws text at (x, topY), or only measures it; returns the advancing width.
    int DrawMacroText(const QString& text, bool measureOnly);

    int x = 0;
    int topY = 0;
    std::vector<MacroRun>* drawnRuns = nullptr;

private:
    int DrawRun(const LabelRun& run, bool measureOnly);

    const StripFonts& fonts_;
    QPainter* target_;
};
