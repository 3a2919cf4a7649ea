#include "storage/MemoFile.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <cwchar>
#include <system_error>

#include "core/CCalc.h"
#include "storage/IniFile.h"

namespace storage {

namespace {

// Key names in the order of the memo texts.
const wchar_t* const kKeys[kMemoTexts] = {L"Title", L"Line0", L"Line1", L"A0", L"A1", L"B0", L"B1",
                                          L"C0",    L"C1",    L"D0",    L"D1", L"E0", L"E1"};
// The order in which the keys are written: both label lines one after the other.
constexpr int kWriteOrder[kMemoTexts] = {0, 1, 2, 3, 5, 7, 9, 11, 4, 6, 8, 10, 12};

const std::wstring kProgramSection = L"Main";

MemoTexts ReadSection(const IniFile& ini, const std::wstring& section) {
    MemoTexts texts;
    for (int i = 0; i < kMemoTexts; ++i)
        texts[static_cast<std::size_t>(i)] = ini.Get(section, kKeys[i], L"", kMemoBuffer);
    return texts;
}

} // namespace

std::filesystem::path MemoPathFor(const std::filesystem::path& programPath) {
    std::filesystem::path memo = programPath;
    memo.replace_extension(".tiz");
    return memo;
}

MemoTexts MemoTextsOf(const CCalc& calc) {
    MemoTexts texts;
    for (int i = 0; i < kMemoTexts; ++i) {
        const wchar_t* text = calc.memoTexts[i];
        texts[static_cast<std::size_t>(i)].assign(text, std::find(text, text + kMemoBuffer - 1, L'\0'));
    }
    return texts;
}

void SetMemoTexts(CCalc& calc, const MemoTexts& texts) {
    for (int i = 0; i < kMemoTexts; ++i) {
        const std::wstring& text = texts[static_cast<std::size_t>(i)];
        const std::size_t length = std::min(text.size(), kMemoBuffer - 1);
        std::copy_n(text.begin(), length, calc.memoTexts[i]);
        calc.memoTexts[i][length] = L'\0';
    }
}

MemoWrite WriteProgramMemo(const CCalc& calc, const std::filesystem::path& programPath) {
    const std::filesystem::path memoPath = MemoPathFor(programPath);
    const MemoTexts texts = MemoTextsOf(calc);
    if (std::all_of(texts.begin(), texts.end(), [](const std::wstring& t) { return t.empty(); })) {
        std::error_code ec;
        std::filesystem::remove(memoPath, ec);
        return {!ec, ec.value()};
    }
    // Other sections of an existing memo file are kept, as the profile
    // functions keep them; a memo that cannot be read whole is not touched.
    int error = 0;
    std::optional<IniFile> existing = IniFile::Load(memoPath, &error);
    if (!existing && error != ENOENT)
        return {false, error};
    IniFile ini = existing.value_or(IniFile{});
    for (int index : kWriteOrder)
        ini.Set(kProgramSection, kKeys[index], texts[static_cast<std::size_t>(index)]);
    const WriteResult result = ini.Save(memoPath);
    return {result.ok(), result.error};
}

void ReadProgramMemo(CCalc& calc, const std::filesystem::path& programPath) {
    if (auto ini = IniFile::Load(MemoPathFor(programPath)))
        SetMemoTexts(calc, ReadSection(*ini, kProgramSection));
}

ModuleProgramMemo ReadModuleProgramMemo(const std::filesystem::path& memoPath, int program) {
    ModuleProgramMemo memo;
    if (memoPath.empty() || program < 1)
        return memo;
    const auto ini = IniFile::Load(memoPath);
    if (!ini)
        return memo;
    const int withinModule = program % 25 == 0 ? 25 : program % 25;
    wchar_t section[8];
    std::swprintf(section, std::size(section), L"PGM%02d", withinModule);
    memo.texts = ReadSection(*ini, section);
    memo.label = ini->Get(section, L"Label", L"", kLabelBuffer);
    return memo;
}

} // namespace storage
