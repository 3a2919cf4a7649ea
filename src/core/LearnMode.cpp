// Learn mode: keys become steps of user memory at learnPointer, prefixes
// collect their operands into steps, and LRN, SST, BST, Ins and Del edit.
#include "core/CCalc.h"

#include <algorithm>

namespace {
// The merged code learn mode writes in place of a prefix followed by Ind, or 0.
uint8_t MergedIndirectCode(uint8_t prefix)
{
    switch (prefix) {
    case Key::Pgm: return Key::PgmInd;
    case Key::Sto: return Key::StoInd;
    case Key::Rcl: return Key::RclInd;
    case Key::Sum: return Key::SumInd;
    case Key::Exc: return Key::ExcInd;
    case Key::Prd: return Key::PrdInd;
    case Key::Gto: return Key::GtoInd;
    case Key::Op: return Key::OpInd;
    default: return 0;
    }
}

bool IsEditingKey(uint8_t code)
{
    return code == Key::Lrn || code == Key::Sst || code == Key::Ins || code == Key::Bst
        || code == Key::Del;
}
}  // namespace

void CCalc::KeyLrn(uint8_t)
{
    if (mode != ModeCalculate)
        return;
    mode = ModeLearn;
    if (levelArea[callLevel] == 0)
        learnPointer = pc;
}

bool CCalc::RecordStep(uint8_t code, bool noInvTracking)
{
    programMemory[0][learnPointer] = code;
    NotifyListing(learnPointer, learnPointer);
    lastRecordedInv = !noInvTracking && code == Key::Inv;
    if (learnPointer < LastStep) {
        ++learnPointer;
        return true;
    }
    mode = ModeCalculate;
    return false;
}

void CCalc::LearnKey(uint8_t code)
{
    // Once the pointer moves, the INV step is no longer the one before it.
    if (code == Key::Sst || code == Key::Bst || code == Key::Lrn)
        lastRecordedInv = 0;
    switch (code) {
    case Key::Lrn:
        LeaveLearnMode();
        return;
    case Key::Sst:
        if (learnPointer >= LastStep)
            mode = ModeCalculate;
        else
            ++learnPointer;
        return;
    case Key::Bst:
        if (learnPointer >= 1)
            --learnPointer;
        return;
    case Key::Ins:
        InsertStep();
        return;
    case Key::Del:
        DeleteStep();
        return;
    case Key::Sbr:
        if (lastRecordedInv && learnPointer > 0) {
            programMemory[0][learnPointer - 1] = Key::Rtn;
            NotifyListing(learnPointer - 1, learnPointer - 1);
            // The INV is used up: a further SBR is a call of its own.
            lastRecordedInv = 0;
            return;
        }
        if (RecordStep(Key::Sbr, false)) {
            SetPendingPrefix(Key::Sbr, 3, true);
            labelAllowed = 1;
        }
        return;
    default:
        break;
    }
    // Only key codes are program steps: anything above would corrupt memory.
    if (code > Key::Last)
        return;
    if (RecordStep(code, false))
        LearnArm(code);
}

void CCalc::LearnArm(uint8_t code)
{
    switch (code) {
    case Key::Pgm: case Key::Sto: case Key::Rcl: case Key::Sum:
    case Key::Exc: case Key::Prd: case Key::Op:
        SetPendingPrefix(code, 2, true);
        break;
    case Key::Gto: case Key::EqualT: case Key::GreaterEqualT:
        SetPendingPrefix(code, 3, true);
        labelAllowed = 1;
        break;
    case Key::Lbl:
        SetPendingPrefix(code, 0, false);
        labelAllowed = 1;
        break;
    case Key::StFlg: case Key::IfFlg: case Key::Dsz:
        SetPendingPrefix(code, 1, true);
        break;
    default:
        break;
    }
}

void CCalc::LearnIndirect()
{
    const uint8_t merged = MergedIndirectCode(pendingPrefix);
    if (merged != 0 && learnPointer >= 1) {
        programMemory[0][learnPointer - 1] = merged;
        NotifyListing(learnPointer - 1, learnPointer - 1);
        return;
    }
    if (!RecordStep(Key::Ind, true)) {
        operandDigits = 0;
        labelAllowed = 0;
    }
}

void CCalc::LearnOperand()
{
    labelAllowed = 0;
    operandDigits = 0;
    const auto value = static_cast<uint8_t>(operandValue);
    switch (pendingPrefix) {
    case Key::Pgm: case Key::Sto: case Key::Rcl: case Key::Sum:
    case Key::Exc: case Key::Prd: case Key::Op: case Key::StFlg:
        RecordStep(value, true);
        break;
    case Key::Gto: case Key::EqualT: case Key::Sbr: case Key::GreaterEqualT:
    case Key::IfFlgAddress: case Key::DszAddress:
        if (indirect) {
            if (pendingPrefix == Key::Gto && learnPointer >= 1)
                programMemory[0][learnPointer - 1] = Key::GtoInd;
            RecordStep(value, true);
        } else if (RecordStep(static_cast<uint8_t>(operandValue / 100), true)) {
            RecordStep(static_cast<uint8_t>(operandValue % 100), true);
        }
        break;
    case Key::IfFlg: case Key::Dsz: {
        const uint8_t address = pendingPrefix == Key::IfFlg ? Key::IfFlgAddress : Key::DszAddress;
        RecordStep(value, true);
        SetPendingPrefix(address, 3, true);
        labelAllowed = 1;
        break;
    }
    default:
        break;
    }
}

void CCalc::LearnLabel(uint8_t label)
{
    labelAllowed = 0;
    operandDigits = 0;
    if (IsEditingKey(label)) {
        LearnKey(label);
        return;
    }
    if (label <= Key::Last)
        RecordStep(label, true);
}

void CCalc::InsertStep()
{
    uint8_t* area = programMemory[0];
    std::copy_backward(area + learnPointer, area + LastStep, area + StepCount);
    area[learnPointer] = 0;
    NotifyListing(learnPointer, LastStep);
}

void CCalc::DeleteStep()
{
    uint8_t* area = programMemory[0];
    std::copy(area + learnPointer + 1, area + StepCount, area + learnPointer);
    area[LastStep] = 0;
    NotifyListing(learnPointer, LastStep);
}

void CCalc::LeaveLearnMode()
{
    mode = ModeCalculate;
    if (levelArea[callLevel] == 0) {
        pc = learnPointer;
        NotifyPcMoved();
    }
    if (CalcHost* debugger = Debugger())
        debugger->RepaintDebugger();
}
