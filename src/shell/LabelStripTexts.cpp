#include "shell/LabelStripTexts.h"

#include "storage/ModuleLibrary.h"

namespace {
constexpr int kTitleIndex = 0;
constexpr int kFirstLineIndex = 1;
constexpr int kFirstLabelIndex = 3;
}

StripTexts StripTextsFromMemo(const storage::MemoTexts& memo)
{
    StripTexts texts;
    texts.title = QString::fromStdWString(memo[kTitleIndex]);
    for (int line = 0; line < kStripLines; ++line)
        texts.lines[line] = QString::fromStdWString(memo[kFirstLineIndex + line]);
    for (int i = 0; i < kStripKeys * kStripLines; ++i)
        texts.labels[i] = QString::fromStdWString(memo[kFirstLabelIndex + i]);
    return texts;
}

storage::MemoTexts MemoFromStripTexts(const StripTexts& texts)
{
    constexpr int kLimit = int(storage::kMemoBuffer) - 1;
    storage::MemoTexts memo;
    memo[kTitleIndex] = texts.title.left(kLimit).toStdWString();
    for (int line = 0; line < kStripLines; ++line)
        memo[kFirstLineIndex + line] = texts.lines[line].left(kLimit).toStdWString();
    for (int i = 0; i < kStripKeys * kStripLines; ++i)
        memo[kFirstLabelIndex + i] = texts.labels[i].left(kLimit).toStdWString();
    return memo;
}

void LoadStripTexts(StripTexts& texts, int memoProgram, const CCalc& calc,
                    const ModuleLibrary* modules)
{
    if (memoProgram == 0) {
        texts = StripTextsFromMemo(storage::MemoTextsOf(calc));
        return;
    }
    if (memoProgram < 0 || memoProgram > ModuleLibrary::kPrograms)
        return;
    if (!modules) {
        texts = StripTexts{};
        return;
    }
    const storage::ModuleProgramMemo memo = modules->ProgramMemo(memoProgram);
    texts = StripTextsFromMemo(memo.texts);
    texts.programLabel = QString::fromStdWString(memo.label);
}
