#include "shell/LabelStripMacro.h"

#include "shell/LabelStripSymbol.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kSubscriptDrop = 8;
constexpr int kSmallerDrop = 3;

struct Tag {
    QStringView text;
    void (*apply)(bool& symbol, ScriptMode& script, bool& advance);
};

const Tag kTags[] = {
    {u"[S]", [](bool& s, ScriptMode&, bool&) { s = true; }},
    {u"[/S]", [](bool& s, ScriptMode&, bool&) { s = false; }},
    {u"[+]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Superscript; }},
    {u"[-]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Subscript; }},
    {u"[*]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Smaller; }},
    {u"[/+]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Normal; }},
    {u"[/-]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Normal; }},
    {u"[/*]", [](bool&, ScriptMode& m, bool&) { m = ScriptMode::Normal; }},
    {u"[=]", [](bool&, ScriptMode&, bool& a) { a = false; }},
    {u"[/=]", [](bool&, ScriptMode&, bool& a) { a = true; }},
};

const Tag* FindTag(QStringView rest)
{
    for (const Tag& tag : kTags) {
        if (rest.startsWith(tag.text))
            return &tag;
    }
    return nullptr;
}
}

CMacroRenderer::CMacroRenderer(const StripFonts& fonts, QPainter* target)
    : fonts_(fonts), target_(target)
{
}

int CMacroRenderer::DrawMacroText(const QString& text, bool measureOnly)
{
    symbol_ = false;
    script_ = ScriptMode::Normal;
    advance_ = true;

    const QStringView view(text);
    int total = 0;
    qsizetype runStart = 0;
    for (qsizetype pos = 0; pos < view.size(); ++pos) {
        if (view[pos] != u'[')
            continue;
        const Tag* tag = FindTag(view.mid(pos));
        if (!tag)
            continue;
        total += DrawRun(view.mid(runStart, pos - runStart), measureOnly);
        tag->apply(symbol_, script_, advance_);
        pos += tag->text.size() - 1;
        runStart = pos + 1;
    }
    total += DrawRun(view.mid(runStart), measureOnly);
    return total;
}

LabelFace CMacroRenderer::CurrentFace() const
{
    const bool normal = script_ == ScriptMode::Normal;
    if (symbol_)
        return normal ? LabelFace::Symbol : LabelFace::SmallSymbol;
    return normal ? LabelFace::Label : LabelFace::SmallLabel;
}

int CMacroRenderer::DrawRun(QStringView run, bool measureOnly)
{
    if (run.isEmpty())
        return 0;
    const LabelFace face = CurrentFace();
    const QFont& font = fonts_.For(face);
    const QString shown = symbol_ ? SymbolFaceText(run) : run.toString();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(shown);

    int y = topY;
    if (script_ == ScriptMode::Subscript)
        y += kSubscriptDrop;
    else if (script_ == ScriptMode::Smaller)
        y += kSmallerDrop;

    if (!measureOnly) {
        if (target_) {
            target_->setFont(font);
            target_->drawText(x, y + metrics.ascent(), shown);
        }
        if (drawnRuns)
            drawnRuns->push_back({x, y, face, shown, width});
        if (advance_)
            x += width;
    }
    return advance_ ? width : 0;
}
