#pragma once
// The label strip's texts: a title, the program's short name, two line texts
// and ten key labels, from the user's memo or the memo of the library program
// selected with Pgm. Front ends turn them into their own strings where they draw.

#include "storage/MemoFile.h"

#include <array>
#include <optional>
#include <string>

class CCalc;
class ModuleLibrary;

inline constexpr int kStripKeys = 5;
inline constexpr int kStripLines = 2;

struct StripTexts {
    std::wstring title;
    std::wstring programLabel;
    std::array<std::wstring, kStripLines> lines;                // top, bottom
    std::array<std::wstring, kStripKeys * kStripLines> labels;  // A top, A bottom, B top, ...

    std::wstring& Label(int key, int line) { return labels[static_cast<std::size_t>(key * kStripLines + line)]; }
    const std::wstring& Label(int key, int line) const { return labels[static_cast<std::size_t>(key * kStripLines + line)]; }
    // The strip is drawn only when it has something to show.
    bool HasText() const;
    // The line is merged, and drawn as one text, when its text is not empty.
    bool LineMerged(int line) const { return !lines[static_cast<std::size_t>(line)].empty(); }
    bool operator==(const StripTexts&) const = default;
};

StripTexts StripTextsFromMemo(const storage::MemoTexts& memo);
// Each text cut to what a memo holds.
storage::MemoTexts MemoFromStripTexts(const StripTexts& texts);

// memoProgram 0 is the user's program, 1 to ModuleLibrary::kPrograms a library
// program (no memo without module slots); anything else gives nothing, and the
// texts shown stay as they were.
std::optional<StripTexts> StripTextsFor(int memoProgram, const CCalc& calc, const ModuleLibrary* modules);
