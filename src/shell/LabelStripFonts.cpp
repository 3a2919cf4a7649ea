#include "shell/LabelStripFonts.h"

#include <QFontMetrics>

namespace {
constexpr int kLabelHeight = 16;
constexpr int kSmallHeight = 11;  // two thirds of the label height, rounded

// The symbol face is only a character mapping (see face/LabelMarkup.h); any
// face with Greek and mathematical glyphs draws it.
const QStringList kSymbolStandIns{"DejaVu Sans", "Liberation Sans", "Arial"};
}

QFont FontWithCellHeight(const QString& family, int cellHeight, int weight)
{
    QFont font(family);
    font.setWeight(QFont::Weight(weight));
    // Line heights grow in uneven steps with the pixel size: take the largest
    // size that still fits the cell.
    int size = cellHeight;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(--size);
    return font;
}

static QFont SymbolFont(int cellHeight)
{
    QFont font = FontWithCellHeight(kSymbolStandIns.front(), cellHeight, 400);
    font.setFamilies(kSymbolStandIns);
    return font;
}

const StripFonts& StripFonts::Get()
{
    static const StripFonts fonts{
        FontWithCellHeight("Arial", kLabelHeight, 700),
        FontWithCellHeight("Arial", kLabelHeight, 400),
        SymbolFont(kLabelHeight),
        FontWithCellHeight("Arial", kSmallHeight, 400),
        SymbolFont(kSmallHeight),
    };
    return fonts;
}

const QFont& StripFonts::For(LabelFace face) const
{
    switch (face) {
    case LabelFace::Symbol: return symbol;
    case LabelFace::SmallLabel: return smallLabel;
    case LabelFace::SmallSymbol: return smallSymbol;
    case LabelFace::Label: break;
    }
    return label;
}
