#include "shell/LabelStrip.h"

#include "shell/LabelStripFonts.h"
#include "shell/LabelStripMacro.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kTextIndent = 10;
constexpr int kLabelRightEdge = 320;

void DrawTopLeft(QPainter& painter, int x, int y, const std::wstring& text)
{
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdWString(text));
}

void DrawBandSeparators(QPainter& painter, int left, int bandTop)
{
    for (int k = 1; k < kStripKeys; ++k) {
        const int x = left + kLabelStripCellWidth * k;
        painter.drawLine(x, bandTop, x, bandTop + kLabelStripBandHeight);
    }
}

void DrawBandLabels(QPainter& painter, int left, int labelTop, int line, const StripTexts& texts,
                    std::vector<MacroRun>* drawnRuns)
{
    CMacroRenderer renderer(StripFonts::Get(), &painter);
    renderer.drawnRuns = drawnRuns;
    for (int key = 0; key < kStripKeys; ++key) {
        const QString label = QString::fromStdWString(texts.Label(key, line));
        if (label.isEmpty())
            continue;
        const int width = renderer.DrawMacroText(label, true);
        // Integer division toward zero, as the strip was always centred.
        renderer.x = left + kLabelStripCellWidth * key + (kLabelStripCellWidth - width) / 2;
        renderer.topY = labelTop;
        renderer.DrawMacroText(label, false);
    }
}
}

void DrawLabelStrip(QPainter& painter, int left, int top, bool topMerged, bool bottomMerged,
                    const StripTexts& texts, std::vector<MacroRun>* drawnRuns)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStripBackground);
    painter.setFont(StripFonts::Get().title);
    painter.drawRoundedRect(QRect(left, top, kStripSize.width(), kStripSize.height()), 5, 5);

    painter.setPen(QPen(kStripInk, 1));
    const int topBand = top + kLabelStripBandHeight;
    const int bottomBand = top + 2 * kLabelStripBandHeight;
    painter.drawLine(left, topBand, left + kStripSize.width() - 1, topBand);
    painter.drawLine(left, bottomBand, left + kStripSize.width() - 1, bottomBand);

    if (topMerged)
        DrawTopLeft(painter, left + kTextIndent, top + 23, texts.lines[0]);
    else
        DrawBandSeparators(painter, left, topBand);
    if (bottomMerged)
        DrawTopLeft(painter, left + kTextIndent, top + 44, texts.lines[1]);
    else
        DrawBandSeparators(painter, left, bottomBand);

    DrawTopLeft(painter, left + kTextIndent, top + 2, texts.title);
    const int labelWidth = painter.fontMetrics().horizontalAdvance(QString::fromStdWString(texts.programLabel));
    DrawTopLeft(painter, left + kLabelRightEdge - labelWidth, top + 2, texts.programLabel);

    if (!topMerged)
        DrawBandLabels(painter, left, top + 22, 0, texts, drawnRuns);
    if (!bottomMerged)
        DrawBandLabels(painter, left, top + 43, 1, texts, drawnRuns);
    painter.restore();
}
