#include "shell/LabelStripMacro.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kSubscriptDrop = 8;
constexpr int kSmallerDrop = 3;

LabelFace FaceOf(const LabelRun& run)
{
    const bool normal = run.script == ScriptMode::Normal;
    if (run.symbol)
        return normal ? LabelFace::Symbol : LabelFace::SmallSymbol;
    return normal ? LabelFace::Label : LabelFace::SmallLabel;
}
}

CMacroRenderer::CMacroRenderer(const StripFonts& fonts, QPainter* target)
    : fonts_(fonts), target_(target)
{
}

int CMacroRenderer::DrawMacroText(const QString& text, bool measureOnly)
{
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
    int total = 0;
    for (const LabelRun& run : SplitLabelMarkup(view))
        total += DrawRun(run, measureOnly);
    return total;
}

int CMacroRenderer::DrawRun(const LabelRun& run, bool measureOnly)
{
    const LabelFace face = FaceOf(run);
    const QFont& font = fonts_.For(face);
    const QString shown = run.symbol ? QString::fromStdU16String(SymbolFaceText(run.text))
                                     : QString::fromUtf16(run.text.data(), qsizetype(run.text.size()));
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(shown);

    int y = topY;
    if (run.script == ScriptMode::Subscript)
        y += kSubscriptDrop;
    else if (run.script == ScriptMode::Smaller)
        y += kSmallerDrop;

    if (!measureOnly) {
        if (target_) {
            target_->setFont(font);
            target_->drawText(x, y + metrics.ascent(), shown);
        }
        if (drawnRuns)
            drawnRuns->push_back({x, y, face, shown, width});
        if (run.advance)
            x += width;
    }
    return run.advance ? width : 0;
}
