#pragma once
// Shared by the fuzz targets, the soak runs and the random-key test: the
// calculator's invariants checked without a test framework (a broken one aborts, which libFuzzer and
// the sanitizers report with the input), and a scratch folder per process.

#include "core/CCalc.h"
#include "core/CalcHost.h"
#include "numbers/CNombre.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzz {

[[noreturn]] inline void Broken(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Require(bool holds, const char* what)
{
    if (!holds)
        Broken(what);
}

// The division-by-zero marker is the one value outside normal form a register may hold.
inline bool InNormalForm(const CNombre& value)
{
    if (value.IsDivisionByZero())
        return true;
    if (value.mantissa == 0)
        return value.exponent == 0;
    const int64_t magnitude = value.mantissa < 0 ? -value.mantissa : value.mantissa;
    return magnitude >= 1'000'000'000'000 && magnitude <= 9'999'999'999'999;
}

// A run's length: the positive number in the environment variable, else the default.
inline long CountFromEnvironment(const char* name, long fallback)
{
    if (const char* text = std::getenv(name)) {
        const long n = std::strtol(text, nullptr, 10);
        if (n > 0)
            return n;
    }
    return fallback;
}

inline bool Terminated(const wchar_t* text, std::size_t capacity)
{
    return wmemchr(text, L'\0', capacity) != nullptr;
}

// A debugger that is always open and checks every range it is told about.
struct RangeCheckingHost : CalcHost {
    bool WantsChangeNotifications() const override { return true; }
    void MoveCurrentStep(int pc) override { Require(pc >= 0 && pc <= 999, "step told to the debugger"); }
    void RefreshListing(int first, int last) override { CheckRange(first, last, 999); }
    void RefreshRegisters(int first, int last) override { CheckRange(first, last, 99); }
    void RefreshHierarchy(int first, int last) override { CheckRange(first, last, 8); }

    static void CheckRange(int first, int last, int high)
    {
        Require(first >= 0 && first <= last && last <= high, "range told to the debugger");
    }
};

inline void CheckInvariants(const CCalc& calc)
{
    Require(calc.mode >= 0 && calc.mode <= 2, "mode is 0, 1 or 2");
    Require(calc.pc >= 0 && calc.pc <= 999, "pc within 0..999");
    Require(calc.learnPointer >= 0 && calc.learnPointer <= 999, "learnPointer within 0..999");
    Require(calc.callLevel >= 0 && calc.callLevel <= 99, "callLevel within 0..99");
    const int area = calc.levelArea[calc.callLevel];
    Require(area >= 0 && area < CCalc::AreaCount, "executing area exists");
    Require(calc.areaBase == calc.programMemory[area], "areaBase is step 0 of the executing area");
    const int selected = calc.selectedArea[calc.callLevel];
    Require(selected >= 0 && selected < CCalc::AreaCount, "selected area exists");
    Require(calc.fixDigits >= 0 && calc.fixDigits <= 9, "fixDigits within 0..9");
    Require(calc.angleUnit >= 0 && calc.angleUnit <= 2, "angle unit known");
    Require(calc.displayFormat >= 0 && calc.displayFormat <= 2, "display format known");
    for (int flag : calc.flags)
        Require(flag == 0 || flag == 1, "flags are 0 or 1");
    Require(calc.pile.level >= 0 && calc.pile.level < 20, "pile level within 0..19");
    Require(InNormalForm(calc.x), "x in normal form");
    Require(InNormalForm(calc.t), "t in normal form");
    for (const CNombre& r : calc.registers)
        Require(InNormalForm(r), "registers in normal form");
    for (const auto& memo : calc.memoTexts)
        Require(Terminated(memo, CCalc::MemoLength), "memo texts terminated");
    Require(Terminated(calc.alphaLine, CCalc::AlphaLength + 1), "alpha line terminated");
    wchar_t text[CCalc::DisplayCapacity];
    calc.GetDisplayText(text, true);
    Require(Terminated(text, CCalc::DisplayCapacity), "display text fits");
}

// Removed when the process ends, so that long runs leave nothing behind.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* name)
        : path_(std::filesystem::temp_directory_path() /
                (std::string("norvane-") + name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Points the calculator's write folder (memory banks) at a scratch folder.
inline void UseWriteFolder(CCalc& calc, const std::filesystem::path& folder)
{
    std::wcsncpy(calc.writeFolderPath, folder.wstring().c_str(), CCalc::PathLength - 1);
}

} // namespace fuzz
