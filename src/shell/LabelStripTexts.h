#pragma once
// Where the strip's texts come from: the user's memo, or the memo of the
// library program selected with Pgm.

#include "shell/LabelStrip.h"
#include "storage/MemoFile.h"

class CCalc;
class ModuleLibrary;

StripTexts StripTextsFromMemo(const storage::MemoTexts& memo);
storage::MemoTexts MemoFromStripTexts(const StripTexts& texts);

// memoProgram 0 is the user's program; 1 to 75 a library program; above 75
// the texts stay as they were. Without module slots a library program has
// no memo.
void LoadStripTexts(StripTexts& texts, int memoProgram, const CCalc& calc,
                    const ModuleLibrary* modules);

// The line is merged, and drawn as one text, when its text is not empty.
inline bool LineMerged(const StripTexts& texts, int line)
{
    return !texts.lines[line].isEmpty();
}
