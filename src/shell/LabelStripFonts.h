#pragma once
// Drawing tools of the key-label strip, shared by the main window and the
// memo dialog's preview so that both draw exactly the same strip.

#include <QColor>
#include <QFont>

enum class LabelFace { Label, Symbol, SmallLabel, SmallSymbol };

inline const QColor kStripInk{205, 111, 31};
inline const QColor kStripBackground{16, 16, 16};

// A font whose line height (ascent + descent) is cellHeight pixels, the way
// a positive font height is understood on the desktop the strip was drawn for.
QFont FontWithCellHeight(const QString& family, int cellHeight, int weight);

struct StripFonts {
    QFont title;
    QFont label;
    QFont symbol;
    QFont smallLabel;
    QFont smallSymbol;

    static const StripFonts& Get();
    const QFont& For(LabelFace face) const;
};
