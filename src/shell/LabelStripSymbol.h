#pragma once
// Labels written with the symbol tags use the classic symbol face's encoding:
// Latin letters stand for Greek ones, punctuation and the upper Latin-1 half
// for mathematical signs. We draw the Unicode characters those codes mean.

#include <QString>

QChar SymbolFaceChar(QChar c);
QString SymbolFaceText(QStringView text);
