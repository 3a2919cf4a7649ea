// The prefixed instructions once their operand is complete: registers,
// Pgm, Fix, jumps and calls, hierarchy registers, flags and Dsz.
#include "core/CCalc.h"

#include <utility>

namespace {
bool InRange(int64_t value, int64_t last)
{
    return value >= 0 && value <= last;
}
}  // namespace

bool CCalc::ResolveIndirectValue(int64_t& value)
{
    value = operandValue;
    if (!indirect)
        return true;
    if (!InRange(value, RegisterCount - 1)) {
        errorFlag = 1;
        return false;
    }
    value = IntegerOf(registers[value]);
    return true;
}

bool CCalc::ResolveInRange(int& result, int64_t last)
{
    int64_t value = 0;
    if (!ResolveIndirectValue(value))
        return false;
    if (!InRange(value, last)) {
        errorFlag = 1;
        return false;
    }
    result = static_cast<int>(value);
    return true;
}

bool CCalc::ResolveRegister(int& reg)
{
    return ResolveInRange(reg, RegisterCount - 1);
}

bool CCalc::ResolveAddress(int& address)
{
    return ResolveInRange(address, LastStep);
}

// Flags and the Fix count take the operand modulo 10; a negative operand
// names nothing and is an error.
bool CCalc::ResolveDigit(int& digit)
{
    int64_t value = 0;
    if (!ResolveIndirectValue(value))
        return false;
    if (value < 0) {
        errorFlag = 1;
        return false;
    }
    digit = static_cast<int>(value % 10);
    return true;
}

void CCalc::CompleteRegisterInstruction(uint8_t key)
{
    int r = 0;
    if (!ResolveRegister(r))
        return;
    // An entry opened since the prefix (SST in between) ends here.
    TakeDisplayValue(false, true);
    CNombre& reg = registers[r];
    switch (key) {
    case Key::Sto:
        reg = x;
        break;
    case Key::Rcl:
        x = reg;
        return;
    case Key::Exc:
        std::swap(x, reg);
        break;
    case Key::Sum:
        reg = prefixInv ? reg - x : reg + x;
        break;
    default:   // Prd
        if (!prefixInv) {
            reg = reg * x;
        } else if (x.IsZero()) {
            // As the keyboard's division by zero: the largest value, whatever the sign.
            reg = CNombre::MaxPositive;
            errorFlag = 1;
        } else {
            reg = reg / x;
        }
        break;
    }
    CheckRegisterRange(r);
    NotifyRegisters(r, r);
}

void CCalc::CompletePgm()
{
    int64_t program = 0;
    if (!ResolveIndirectValue(program))
        return;
    // Slot s holds areas 25s + 1 to 25s + 25, so the last program of a slot
    // belongs to its own block, not to the next one.
    const int selected = selectedArea[callLevel];
    const int64_t area = (selected > 0 ? (selected - 1) / 25 * 25 : 0) + program;
    if (!InRange(area, AreaCount - 1)) {
        errorFlag = 1;
        return;
    }
    selectedArea[callLevel] = static_cast<int16_t>(area);
    if (mode == ModeCalculate)
        shownProgram = static_cast<int32_t>(area);
}

void CCalc::CompleteFix()
{
    int digits = 0;
    if (ResolveDigit(digits))
        fixDigits = digits;
}

void CCalc::CompleteGto()
{
    if (!branchCondition) {
        advancePc = 1;
        return;
    }
    // A bad address leaves the program running on after the instruction.
    int address = 0;
    if (!ResolveAddress(address))
        return;
    pc = address;
    NotifyPcMoved();
    advancePc = 0;
}

void CCalc::CompleteSbr()
{
    int address = 0;
    if (ResolveAddress(address))
        EnterSubroutine(address);
}

void CCalc::CompleteOp()
{
    int64_t n = 0;
    if (!ResolveIndirectValue(n))
        return;
    // Numbers past 255 must not wrap onto a valid function.
    SpecialFunction(InRange(n, 255) ? static_cast<int>(n) : 255);
}

void CCalc::CompleteHir()
{
    TakeDisplayValue(false, true);
    const int operand = operandValue % 100;
    const int n = operand % 10;
    switch (operand / 10) {
    case 0: pile.StoreHier(n, x); break;
    case 1: x = pile.RecallHier(n); break;
    case 2: break;
    case 3: pile.AddHier(n, x); break;
    case 4: pile.MultiplyHier(n, x); break;
    case 5: pile.SubtractHier(n, x); break;
    default: pile.DivideHier(n, x); break;
    }
}

void CCalc::CompleteStFlg()
{
    int flag = 0;
    if (!ResolveDigit(flag))
        return;
    flags[flag] = !prefixInv;
    NotifyFlags();
}

// If flg and Dsz go on to their address; when the test itself fails the
// address is still consumed, without a jump.
void CCalc::CompleteIfFlg()
{
    int flag = 0;
    branchCondition = ResolveDigit(flag) && (flags[flag] != 0) != (prefixInv != 0);
    ArmAddress();
}

void CCalc::CompleteDsz()
{
    int r = 0;
    if (!ResolveRegister(r)) {
        branchCondition = 0;
        ArmAddress();
        return;
    }
    CNombre& reg = registers[r];
    if (reg.IsNegative())
        reg.Increment();
    else if (!reg.IsZero())
        reg.Decrement();
    branchCondition = !reg.IsZero() != (prefixInv != 0);
    NotifyRegisters(r, r);
    ArmAddress();
}
