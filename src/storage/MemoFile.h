#pragma once
// Memo files (".tiz"): the title, the two text lines and the key labels of a
// program, kept as INI text. A program's memo has one section "Main"; a
// module's memo has one section "PGM01" ... "PGM25" per program.

#include <array>
#include <filesystem>
#include <string>

class CCalc;

namespace storage {

inline constexpr int kMemoTexts = 13;
inline constexpr std::size_t kMemoBuffer = 128;  // 127 characters and a terminator
inline constexpr std::size_t kLabelBuffer = 8;   // a module program's short name: 7

// In the order of CCalc::memoTexts: Title, Line0, Line1, A0, A1, B0, B1 ... E0, E1.
using MemoTexts = std::array<std::wstring, kMemoTexts>;

struct ModuleProgramMemo {
    MemoTexts texts;
    std::wstring label;
};

// The program file's path with its extension replaced by ".tiz".
std::filesystem::path MemoPathFor(const std::filesystem::path& programPath);

MemoTexts MemoTextsOf(const CCalc& calc);
void SetMemoTexts(CCalc& calc, const MemoTexts& texts);

// After a program file is saved: writes all thirteen keys, or removes the
// memo file when every text is empty. False (with errno) when that failed.
struct MemoWrite {
    bool ok = true;
    int error = 0;
};
MemoWrite WriteProgramMemo(const CCalc& calc, const std::filesystem::path& programPath);
// After a program file is loaded: without a memo file the texts stay as they were.
void ReadProgramMemo(CCalc& calc, const std::filesystem::path& programPath);

// Texts of module program `program` (1 to 75) from the slot's memo file;
// all empty when there is no memo file or no section for it.
ModuleProgramMemo ReadModuleProgramMemo(const std::filesystem::path& memoPath, int program);

} // namespace storage
