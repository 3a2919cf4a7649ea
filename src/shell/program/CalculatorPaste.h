#pragma once
// Program text reaching the calculator itself: Ctrl+V keys in a lone number
// as if typed and offers anything longer in the Program window; a program
// file or program text dropped on the calculator is loaded.

#include <optional>
#include <vector>

#include "face/KeyLayout.h"

class CMainWnd;
class QMimeData;
class QString;

// The keys that type the number ("-1.5e-3": 1 . 5 +/- EE 3 +/-), or nothing
// when the text is no single number.
std::optional<std::vector<KeyPosition>> NumberKeys(const QString& text);

void PasteOnCalculator(CMainWnd& window, const QString& text);

// A drop of one local file.
bool IsProgramDrop(const QMimeData& data);
void DropProgram(CMainWnd& window, const QMimeData& data);
