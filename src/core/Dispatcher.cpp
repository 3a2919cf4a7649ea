// The single road of every key code: operand collection, pending label,
// learn mode, then the instruction table; and the program step around it.
#include "core/CCalc.h"

const CCalc::Handler CCalc::handlers[Key::Last + 1] = {
    // 00-09 digits
    &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit,
    &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit, &CCalc::KeyDigit,
    // 10-19 user keys E' A B C D E A' B' C' D'
    &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser,
    &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser, &CCalc::KeyUser,
    // 20 CLR, 21 2nd, 22 INV, 23 lnx, 24 CE, 25 CLR, 26 2nd, 27 INV, 28 log, 29 CP
    &CCalc::KeyClr, nullptr, &CCalc::KeyInv, &CCalc::KeyFunction, &CCalc::KeyCe,
    &CCalc::KeyClr, nullptr, &CCalc::KeyInv, &CCalc::KeyFunction, &CCalc::KeyCp,
    // 30 tan, 31 LRN, 32 x<>t, 33 x2, 34 sqrt, 35 1/x, 36 Pgm, 37 P>R, 38 sin, 39 cos
    &CCalc::KeyTrig, &CCalc::KeyLrn, &CCalc::KeyFunction, &CCalc::KeyFunction,
    &CCalc::KeyFunction, &CCalc::KeyFunction, &CCalc::KeyPrefix, &CCalc::KeyPolarRect,
    &CCalc::KeyTrig, &CCalc::KeyTrig,
    // 40 Ind, 41 SST, 42 STO, 43 RCL, 44 SUM, 45 y^x, 46 Ins, 47 CMs, 48 Exc, 49 Prd
    nullptr, &CCalc::KeySst, &CCalc::KeyPrefix, &CCalc::KeyPrefix, &CCalc::KeyPrefix,
    &CCalc::KeyOperator, nullptr, &CCalc::KeyCms, &CCalc::KeyPrefix, &CCalc::KeyPrefix,
    // 50 |x|, 51 BST, 52 EE, 53 (, 54 ), 55 /, 56 Del, 57 Eng, 58 Fix, 59 Int
    &CCalc::KeyFunction, nullptr, &CCalc::KeyEe, &CCalc::KeyOperator, &CCalc::KeyOperator,
    &CCalc::KeyOperator, nullptr, &CCalc::KeyEng, &CCalc::KeyFix, &CCalc::KeyFunction,
    // 60 Deg, 61 GTO, 62 Pgm*, 63 Exc*, 64 Prd*, 65 x, 66 Pause, 67 x=t, 68 Nop, 69 Op
    &CCalc::KeyAngleUnit, &CCalc::KeyGto, &CCalc::KeyPrefix, &CCalc::KeyPrefix,
    &CCalc::KeyPrefix, &CCalc::KeyOperator, &CCalc::KeyPause, &CCalc::KeyCompare, nullptr,
    &CCalc::KeyPrefix,
    // 70 Rad, 71 SBR, 72 STO*, 73 RCL*, 74 SUM*, 75 -, 76 Lbl, 77 x>=t, 78 S+, 79 mean
    &CCalc::KeyAngleUnit, &CCalc::KeySbr, &CCalc::KeyPrefix, &CCalc::KeyPrefix,
    &CCalc::KeyPrefix, &CCalc::KeyOperator, &CCalc::KeyLbl, &CCalc::KeyCompare,
    &CCalc::KeyStatPlus, &CCalc::KeyMean,
    // 80 Grad, 81 RST, 82 HIR, 83 GTO*, 84 Op*, 85 +, 86 St flg, 87 If flg, 88 D.MS, 89 pi
    &CCalc::KeyAngleUnit, &CCalc::KeyRst, &CCalc::KeyPrefix, &CCalc::KeyGto,
    &CCalc::KeyPrefix, &CCalc::KeyOperator, &CCalc::KeyPrefix, &CCalc::KeyPrefix,
    &CCalc::KeyDms, &CCalc::KeyPi,
    // 90 List, 91 R/S, 92 RTN, 93 ., 94 +/-, 95 =, 96 Write, 97 Dsz, 98 Adv, 99 Prt
    &CCalc::KeyList, &CCalc::KeyRunStop, &CCalc::KeyReturn, &CCalc::KeyDigit,
    &CCalc::KeyChangeSign, &CCalc::KeyOperator, &CCalc::KeyWrite, &CCalc::KeyDsz,
    &CCalc::KeyPrint, &CCalc::KeyPrint,
};

void CCalc::ProcessKey(uint8_t code)
{
    pile.host = host;
    // A key the host sends in the middle of a step (a breakpoint's R/S) must
    // not change whether that step moves on from the pc it just set.
    const int32_t stepAdvances = advancePc;
    // A keyboard R/S must not become an operand digit of the running
    // instruction: the run stops once that instruction is complete.
    if (mode == ModeRun && code == Key::RunStop && InstructionPending())
        stopRequest = 1;
    else
        ExecuteKey(code);
    if (stepInProgress)
        advancePc = stepAdvances;
    if (CalcHost* debugger = Debugger())
        debugger->RefreshDisplay();
}

void CCalc::ExecuteKey(uint8_t code)
{
    if (operandDigits != 0) {
        if (mode == ModeRun) {
            FeedRunOperand(code);
            return;
        }
        if (indAllowed && operandDigitsGiven == 0 && code == Key::Ind) {
            indirect = 1;
            indAllowed = 0;
            operandDigits = 2;
            labelAllowed = 0;
            if (mode == ModeLearn)
                LearnIndirect();
            return;
        }
        if (Key::IsDigit(code)) {
            ++operandDigitsGiven;
            operandValue = operandValue * 10 + code;
            if (operandDigitsGiven == operandDigits)
                CompletePrefix();
            return;
        }
        // In learn mode SST moves the pointer, so the operand must not wait for it.
        if (code != Key::Sst || mode == ModeLearn) {
            if (operandDigitsGiven > 0)
                CompletePrefix();
            else
                operandDigits = 0;
        }
    }
    if (labelAllowed && !(mode == ModeCalculate && code == Key::Sst)) {
        TakeLabelOperand(code);
        return;
    }
    if (mode == ModeLearn) {
        LearnKey(code);
        return;
    }
    advancePc = 1;
    if (code <= Key::Last) {
        if (Handler handler = handlers[code])
            (this->*handler)(code);
    }
    FinishKey(code);
}

void CCalc::FeedRunOperand(uint8_t code)
{
    if (indAllowed && operandDigitsGiven == 0 && code == Key::Ind) {
        indirect = 1;
        indAllowed = 0;
        if (operandDigits > 2)
            operandDigits = 2;
        labelAllowed = 0;
        return;
    }
    if (labelAllowed && operandDigitsGiven == 0 && code >= 10) {
        TakeLabelOperand(code);
        // A call refused at the deepest level must stop at once too.
        StopOnError();
        return;
    }
    operandDigitsGiven = static_cast<uint8_t>(operandDigitsGiven + 2);
    operandValue = operandValue * 100 + code;
    if (operandDigitsGiven >= operandDigits) {
        CompletePrefix();
        // A completed instruction can fail too (register overflow, bad address).
        StopOnError();
    }
}

void CCalc::FinishKey(uint8_t code)
{
    if (code != Key::Inv && code != Key::Inv2 && code != Key::Sst && code != Key::Lbl)
        invFlag = 0;
    StopOnError();
}

void CCalc::StopOnError()
{
    if (errorFlag && flags[8] && mode == ModeRun) {
        if (InstructionPending())
            stopRequest = 1;
        else
            mode = ModeCalculate;
    }
}

void CCalc::StepProgram()
{
    pile.host = host;
    pauseRequest = 0;
    // pc may come from the subroutine stack, which is written from outside too;
    // never step outside the area.
    if (pc < 0 || pc > LastStep)
        pc = LastStep;
    const bool outerStep = stepInProgress;
    stepInProgress = true;
    ExecuteKey(areaBase[pc]);
    stepInProgress = outerStep;
    if (pc >= LastStep) {
        pc = LastStep;
        errorFlag = 1;
        mode = ModeCalculate;
    } else if (advancePc) {
        ++pc;
        NotifyPcMoved();
    }
    if (mode == ModeRun && stopRequest && !InstructionPending()) {
        ExecuteKey(Key::RunStop);
        stopRequest = 0;
    }
    if (mode != ModeRun)
        stopRequest = 0;
    if (CalcHost* debugger = Debugger()) {
        debugger->RefreshDisplay();
        debugger->RepaintDebugger();
    }
}

CNombre CCalc::TakeDisplayValue(bool forOperator, bool newValue)
{
    if (entryActive) {
        x = entry.ToNumber();
        if (forOperator)
            pile.PlaceOperand(x);
        entryActive = 0;
        displayOnPile = 0;
    } else if (newValue) {
        pile.operandReady = true;
        displayOnPile = 0;
    } else if (forOperator && !displayOnPile) {
        pile.PlaceOperand(x);
        displayOnPile = 1;
    }
    return x;
}

void CCalc::SetPendingPrefix(uint8_t code, int digits, bool allowInd)
{
    pendingPrefix = code;
    operandDigits = static_cast<uint8_t>(digits);
    operandDigitsGiven = 0;
    operandValue = 0;
    indirect = 0;
    indAllowed = allowInd;
    prefixInv = invFlag;
}
