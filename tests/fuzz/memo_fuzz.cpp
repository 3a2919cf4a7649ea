// Memo files of any content and encoding: every text read fits its buffer
// and is terminated, for a program's memo and for each program of a module.

#include "FileFuzz.h"
#include "storage/IniFile.h"
#include "storage/MemoFile.h"
#include "storage/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder("memo-fuzz");
    const std::span<const uint8_t> bytes(data, size);
    fuzz::WriteInput(folder.path() / "fuzz.tiz", bytes);

    CCalc calc;
    storage::ReadProgramMemo(calc, folder.path() / "fuzz.ti");
    CheckInvariants(calc);
    for (const auto& text : calc.memoTexts)
        Require(std::wcslen(text) < storage::kMemoBuffer, "memo text fits");

    const int program = 1 + (size > 0 ? data[0] % 75 : 0);
    const storage::ModuleProgramMemo memo = storage::ReadModuleProgramMemo(folder.path() / "fuzz.tiz", program);
    for (const std::wstring& text : memo.texts)
        Require(text.size() < storage::kMemoBuffer, "module memo text fits");
    Require(memo.label.size() < storage::kLabelBuffer, "module label fits");

    // Writing a key keeps whatever else the text holds.
    storage::IniFile ini(storage::DecodeText(bytes));
    ini.Set(L"Main", L"Title", L"x");
    Require(ini.Get(L"main", L"TITLE", L"", storage::kMemoBuffer) == L"x", "a key written reads back");
    return 0;
}
