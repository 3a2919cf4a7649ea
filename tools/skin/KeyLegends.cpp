#include "KeyLegends.h"

#include "face/SkinGeometry.h"

#include <array>

namespace {
using S = KeyStyle;
const std::array<std::array<KeyLegend, kKeyColumns>, kKeyRows> kLegends{{
    {{{"A", "A'", S::User}, {"B", "B'", S::User}, {"C", "C'", S::User}, {"D", "D'", S::User}, {"E", "E'", S::User}}},
    {{{"2nd", "", S::Second}, {"INV", "", S::Function}, {"lnx", "log", S::Function}, {"CE", "CP", S::Function},
      {"CLR", "", S::Function}}},
    {{{"LRN", "Pgm", S::Function}, {"x\u21c4t", "P\u2192R", S::Function}, {"x^2", "sin", S::Function},
      {"\u221ax", "cos", S::Function}, {"1/x", "tan", S::Function}}},
    {{{"SST", "Ins", S::Function}, {"STO", "CMs", S::Function}, {"RCL", "Exc", S::Function},
      {"SUM", "Prd", S::Function}, {"y^x", "Ind", S::Function}}},
    {{{"BST", "Del", S::Function}, {"EE", "Eng", S::Function}, {"(", "Fix", S::Function}, {")", "Int", S::Function},
      {"\u00f7", "|x|", S::Operator}}},
    {{{"GTO", "Pause", S::Function}, {"7", "x=t", S::Digit}, {"8", "Nop", S::Digit}, {"9", "Op", S::Digit},
      {"\u00d7", "Deg", S::Operator}}},
    {{{"SBR", "Lbl", S::Function}, {"4", "x\u2265t", S::Digit}, {"5", "\u03a3+", S::Digit}, {"6", "~x", S::Digit},
      {"\u2212", "Rad", S::Operator}}},
    {{{"RST", "St flg", S::Function}, {"1", "If flg", S::Digit}, {"2", "D.MS", S::Digit}, {"3", "\u03c0", S::Digit},
      {"+", "Grad", S::Operator}}},
    {{{"R/S", "Write", S::Function}, {"0", "Dsz", S::Digit}, {".", "Adv", S::Digit}, {"+/\u2212", "Prt", S::Digit},
      {"=", "List", S::Operator}}},
}};
}  // namespace

const KeyLegend& LegendAt(int column, int row)
{
    return kLegends[row][column];
}

QColor KeyFaceColor(KeyStyle style)
{
    switch (style) {
    case S::User: return QColor(0x4a, 0x43, 0x3c);
    case S::Second: return QColor(0xd9, 0xa5, 0x3b);
    case S::Digit: return QColor(0xcf, 0xc6, 0xb4);
    case S::Operator: return QColor(0x6b, 0x52, 0x3c);
    case S::Function: break;
    }
    return QColor(0x2b, 0x28, 0x26);
}

QColor KeyTextColor(KeyStyle style)
{
    switch (style) {
    case S::Second:
    case S::Digit: return QColor(0x2a, 0x22, 0x1c);
    default: return QColor(0xf2, 0xee, 0xe6);
    }
}
