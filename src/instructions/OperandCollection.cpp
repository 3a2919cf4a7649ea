// Prefix keys arm the collection of their operand; the collected operand,
// or a label key in its place, then completes the instruction.
#include "core/CCalc.h"

void CCalc::KeyPrefix(uint8_t code)
{
    TakeDisplayValue(false, true);
    switch (code) {
    case Key::Pgm:
        SetPendingPrefix(code, 2, true);
        break;
    case Key::StFlg:
    case Key::IfFlg:
        SetPendingPrefix(code, 1, true);
        break;
    case Key::Sto: case Key::Rcl: case Key::Sum: case Key::Exc: case Key::Prd: case Key::Op:
        SetPendingPrefix(code, 2, mode == ModeCalculate);
        break;
    default:   // merged indirect codes and HIR
        SetPendingPrefix(code, 2, false);
        break;
    }
}

void CCalc::KeyFix(uint8_t code)
{
    TakeDisplayValue(false, true);
    if (invFlag)
        fixDigits = NoFixedDecimals;
    else
        SetPendingPrefix(code, 1, true);
}

void CCalc::KeyCompare(uint8_t code)
{
    const CNombre v = TakeDisplayValue(false, true);
    const bool outcome = code == Key::EqualT ? v == t : v >= t;
    branchCondition = outcome != static_cast<bool>(invFlag);
    SetPendingPrefix(Key::Gto, 3, true);
    labelAllowed = 1;
}

void CCalc::KeyGto(uint8_t code)
{
    TakeDisplayValue(false, true);
    branchCondition = 1;
    if (code == Key::GtoInd) {
        SetPendingPrefix(code, 2, false);
        return;
    }
    SetPendingPrefix(code, 3, true);
    labelAllowed = 1;
}

void CCalc::KeySbr(uint8_t)
{
    if (invFlag) {
        KeyReturn(Key::Rtn);
        return;
    }
    TakeDisplayValue(false, true);
    SetPendingPrefix(Key::Sbr, 3, true);
    labelAllowed = 1;
}

void CCalc::KeyLbl(uint8_t)
{
    // From the keyboard a label marks nothing.
    if (mode != ModeRun)
        return;
    TakeDisplayValue(false, true);
    SetPendingPrefix(Key::Lbl, 0, false);
    labelAllowed = 1;
}

void CCalc::KeyDsz(uint8_t code)
{
    SetPendingPrefix(code, 1, true);
}

void CCalc::ArmAddress()
{
    SetPendingPrefix(Key::Gto, 3, true);
    labelAllowed = 1;
}

void CCalc::CompletePrefix()
{
    if (mode == ModeLearn) {
        LearnOperand();
        return;
    }
    operandDigits = 0;
    labelAllowed = 0;
    uint8_t key = pendingPrefix;
    switch (key) {
    case Key::PgmInd: key = Key::Pgm; indirect = 1; break;
    case Key::StoInd: key = Key::Sto; indirect = 1; break;
    case Key::RclInd: key = Key::Rcl; indirect = 1; break;
    case Key::SumInd: key = Key::Sum; indirect = 1; break;
    case Key::ExcInd: key = Key::Exc; indirect = 1; break;
    case Key::PrdInd: key = Key::Prd; indirect = 1; break;
    case Key::GtoInd: key = Key::Gto; indirect = 1; break;
    case Key::OpInd: key = Key::Op; indirect = 1; break;
    default: break;
    }
    switch (key) {
    case Key::Pgm: CompletePgm(); break;
    case Key::Sto: case Key::Rcl: case Key::Sum: case Key::Exc: case Key::Prd:
        CompleteRegisterInstruction(key);
        break;
    case Key::Fix: CompleteFix(); break;
    case Key::Gto: CompleteGto(); break;
    case Key::Op: CompleteOp(); break;
    case Key::Sbr: CompleteSbr(); break;
    case Key::Hir: CompleteHir(); break;
    case Key::StFlg: CompleteStFlg(); break;
    case Key::IfFlg: CompleteIfFlg(); break;
    case Key::Dsz: CompleteDsz(); break;
    default: break;
    }
}

void CCalc::TakeLabelOperand(uint8_t label)
{
    if (mode == ModeLearn) {
        LearnLabel(label);
        return;
    }
    labelAllowed = 0;
    operandDigits = 0;
    if (pendingPrefix == Key::Gto) {
        if (!branchCondition) {
            advancePc = 1;
            return;
        }
        advancePc = 0;
        const int32_t found = FindLabel(label);
        if (found < 0) {
            errorFlag = 1;
            mode = ModeCalculate;
            return;
        }
        pc = found + 2;
        NotifyPcMoved();
    } else if (pendingPrefix == Key::Sbr) {
        const int32_t found = FindLabel(label);
        if (found < 0) {
            errorFlag = 1;
            mode = ModeCalculate;
            return;
        }
        EnterSubroutine(found + 2);
    }
}
