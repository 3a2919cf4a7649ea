// Op nn: the numbered special functions.
#include "core/CCalc.h"
#include "instructions/SpecialStatistics.h"
#include "printer/Printer.h"

#include <algorithm>

namespace {

constexpr int AlphaGroupWidth = 5;
constexpr int FirstAlphaHierarchyRegister = 5;
constexpr int TestFlag = 7;

// Op 01 to 04: five character codes from the integer part of x into one
// quarter of the alpha line; the signed integer goes to a hierarchy register.
void SetAlphaGroup(CCalc& calc, int group)
{
    const CNombre integer = calc.x.IntegerPart();
    CPrinter(calc).SetAlpha(group * AlphaGroupWidth, integer.Abs());
    calc.pile.StoreHier(FirstAlphaHierarchyRegister + group, integer);
}

// Op 09: the selected library program replaces user memory.
void Download(CCalc& calc)
{
    const int area = calc.selectedArea[calc.callLevel];
    if (area == 0)
        return;
    if (area < 0 || area >= CCalc::AreaCount) {
        calc.errorFlag = 1;
        return;
    }
    calc.WriteUserProgram(calc.Area(area));
}

void Signum(CCalc& calc)
{
    const int sign = calc.x.IsZero() ? 0 : calc.x.IsNegative() ? -1 : 1;
    calc.x = CNombre(sign, 12);
    calc.displayOnPile = 0;
}

void SetTestFlag(CCalc& calc, bool condition)
{
    if (condition)
        calc.flags[TestFlag] = 1;
    calc.NotifyFlags();
}

void StepRegister(CCalc& calc, int reg, bool up)
{
    if (up)
        calc.registers[reg].Increment();
    else
        calc.registers[reg].Decrement();
    calc.NotifyRegisters(reg, reg);
}

} // namespace

void CCalc::SpecialFunction(int n)
{
    CPrinter printer(*this);
    switch (n) {
    case 0: printer.ClearAlpha(); break;
    case 1: case 2: case 3: case 4: SetAlphaGroup(*this, n - 1); break;
    case 5: printer.PrintAlpha(); break;
    case 6: printer.PrintValueWithAlpha(x); break;
    case 7: printer.PlotColumn(x); break;
    case 8: printer.PrintLabels(); break;
    case 9: Download(*this); break;
    case 10: Signum(*this); break;
    case 11: case 12: case 13: case 14: case 15: SpecialStatistics(*this, n); break;
    case 16:
    case 17:
        x = CNombre(99999, 10);
        displayOnPile = 0;
        break;
    case 18: SetTestFlag(*this, !errorFlag); break;
    case 19: SetTestFlag(*this, errorFlag != 0); break;
    case 40: SetTestFlag(*this, true); break;
    default:
        if (n >= 20 && n <= 39) {
            StepRegister(*this, n % 10, n < 30);
            break;
        }
        errorFlag = 1;
        mode = ModeCalculate;
        ResetCallLevel();
        break;
    }
}
