#include "Invariants.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

bool Terminated(const wchar_t* text, std::size_t capacity) { return std::wmemchr(text, L'\0', capacity) != nullptr; }

} // namespace

void InvariantBroken(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what)
{
    if (!holds)
        InvariantBroken(what);
}

bool InNormalForm(const CNombre& value)
{
    if (value.IsDivisionByZero())
        return true;
    if (value.mantissa == 0)
        return value.exponent == 0;
    const int64_t magnitude = value.mantissa < 0 ? -value.mantissa : value.mantissa;
    return magnitude >= 1'000'000'000'000 && magnitude <= 9'999'999'999'999;
}

void CheckNotifiedRange(int first, int last, int high)
{
    Require(first >= 0 && first <= last && last <= high, "range told to the debugger");
}

void CheckInvariants(const CCalc& calc)
{
    Require(calc.Mode() >= 0 && calc.Mode() <= 2, "mode is 0, 1 or 2");
    Require(calc.Pc() >= 0 && calc.Pc() <= 999, "pc within 0..999");
    Require(calc.learnPointer >= 0 && calc.learnPointer <= 999, "learnPointer within 0..999");
    Require(calc.callLevel >= 0 && calc.callLevel <= 99, "callLevel within 0..99");
    const int area = calc.levelArea[calc.callLevel];
    Require(area >= 0 && area < CCalc::AreaCount, "executing area exists");
    Require(calc.areaBase == calc.Area(area).data(), "areaBase is step 0 of the executing area");
    const int selected = calc.selectedArea[calc.callLevel];
    Require(selected >= 0 && selected < CCalc::AreaCount, "selected area exists");
    Require(calc.fixDigits >= 0 && calc.fixDigits <= 9, "fixDigits within 0..9");
    Require(calc.angleUnit >= 0 && calc.angleUnit <= 2, "angle unit known");
    Require(calc.displayFormat >= 0 && calc.displayFormat <= EngineeringMode, "display format known");
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
