#pragma once
// What is printed on and above each key. A "^" raises the rest of the
// legend; a leading "~" draws a bar over it.

#include <QColor>
#include <QString>

enum class KeyStyle { Function, User, Second, Digit, Operator };

struct KeyLegend {
    QString first;
    QString second;
    KeyStyle style;
};

const KeyLegend& LegendAt(int column, int row);

QColor KeyFaceColor(KeyStyle style);
QColor KeyTextColor(KeyStyle style);
