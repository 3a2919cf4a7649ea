#include "face/StripTexts.h"

#include "storage/ModuleLibrary.h"

#include <algorithm>

namespace {
// Where the strip's texts lie in a memo.
constexpr std::size_t kTitleIndex = 0;
constexpr std::size_t kFirstLineIndex = 1;
constexpr std::size_t kFirstLabelIndex = 3;

std::wstring Limited(const std::wstring& text)
{
    return text.substr(0, storage::kMemoBuffer - 1);
}
}

bool StripTexts::HasText() const
{
    const auto filled = [](const std::wstring& text) { return !text.empty(); };
    return !title.empty() || std::any_of(lines.begin(), lines.end(), filled) ||
           std::any_of(labels.begin(), labels.end(), filled);
}

StripTexts StripTextsFromMemo(const storage::MemoTexts& memo)
{
    StripTexts texts;
    texts.title = memo[kTitleIndex];
    std::copy_n(memo.begin() + kFirstLineIndex, kStripLines, texts.lines.begin());
    std::copy_n(memo.begin() + kFirstLabelIndex, kStripKeys * kStripLines, texts.labels.begin());
    return texts;
}

storage::MemoTexts MemoFromStripTexts(const StripTexts& texts)
{
    storage::MemoTexts memo;
    memo[kTitleIndex] = Limited(texts.title);
    std::transform(texts.lines.begin(), texts.lines.end(), memo.begin() + kFirstLineIndex, Limited);
    std::transform(texts.labels.begin(), texts.labels.end(), memo.begin() + kFirstLabelIndex, Limited);
    return memo;
}

std::optional<StripTexts> StripTextsFor(int memoProgram, const CCalc& calc, const ModuleLibrary* modules)
{
    if (memoProgram == 0)
        return StripTextsFromMemo(storage::MemoTextsOf(calc));
    if (memoProgram < 0 || memoProgram > ModuleLibrary::kPrograms)
        return std::nullopt;
    if (!modules)
        return StripTexts{};
    const storage::ModuleProgramMemo memo = modules->ProgramMemo(memoProgram);
    StripTexts texts = StripTextsFromMemo(memo.texts);
    texts.programLabel = memo.label;
    return texts;
}
