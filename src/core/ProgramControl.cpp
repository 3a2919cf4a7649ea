// How control moves through program memory: labels, the subroutine stack,
// the user keys, R/S, RTN, RST and single steps from the keyboard.
#include "core/CCalc.h"

namespace {
int16_t ClampStep(int step)
{
    if (step < 0)
        return 0;
    return static_cast<int16_t>(step > CCalc::LastStep ? CCalc::LastStep : step);
}
}  // namespace

int32_t CCalc::FindLabel(uint8_t labelCode) const
{
    const uint8_t* area = programMemory[selectedArea[callLevel]];
    for (int i = 0; i <= LastStep - 2; ++i) {
        if (area[i] == Key::Lbl && area[i + 1] == labelCode)
            return i;
    }
    return -1;
}

bool CCalc::CallSubroutine(int16_t returnAddress, int16_t target)
{
    const int k = callLevel;
    if (k >= LevelCount - 1) {
        errorFlag = 1;
        return false;
    }
    // A call from step 999 returns past the end; it lands on 999 and stops there.
    returnAddress = ClampStep(returnAddress);
    returnAddresses[k] = returnAddress;
    selectedArea[k + 1] = selectedArea[k];
    levelArea[k + 1] = selectedArea[k];
    fromKeyboard[k] = mode == ModeCalculate;
    if (mode != ModeCalculate)
        selectedArea[k] = levelArea[k];
    if (levelArea[k] == 0 && selectedArea[k] != 0)
        learnPointer = returnAddress;
    callLevel = k + 1;
    pc = ClampStep(target);
    NotifyPcMoved();
    areaBase = programMemory[levelArea[k + 1]];
    advancePc = 0;
    return true;
}

void CCalc::ReturnFromSubroutine()
{
    const int k = callLevel;
    if (k <= 0) {
        mode = ModeCalculate;
        return;
    }
    resumeAddress = ClampStep(pc + 1);
    if (levelArea[k] == 0 && levelArea[k - 1] != 0)
        learnPointer = ClampStep(pc + 1);
    callLevel = k - 1;
    pc = returnAddresses[k - 1];
    NotifyPcMoved();
    if (fromKeyboard[k - 1])
        mode = ModeCalculate;
    areaBase = programMemory[levelArea[k - 1]];
    advancePc = 0;
}

void CCalc::KeyUser(uint8_t code)
{
    const int32_t found = FindLabel(code);
    if (found < 0) {
        errorFlag = 1;
        return;
    }
    const auto start = static_cast<int16_t>(found + 2);
    if (mode == ModeCalculate) {
        CallSubroutine(static_cast<int16_t>(pc), start);
        // The run begins on the Lbl step itself, whose label step is then passed over.
        pc = found;
        NotifyPcMoved();
        mode = ModeRun;
    } else {
        CallSubroutine(static_cast<int16_t>(pc + 1), start);
    }
}

void CCalc::EnterSubroutine(int target)
{
    if (mode == ModeCalculate) {
        CallSubroutine(static_cast<int16_t>(pc), static_cast<int16_t>(target));
        mode = ModeRun;
    } else {
        CallSubroutine(static_cast<int16_t>(pc + 1), static_cast<int16_t>(target));
    }
}

void CCalc::KeyRunStop(uint8_t)
{
    if (mode == ModeRun) {
        mode = ModeCalculate;
        return;
    }
    if (selectedArea[callLevel] != levelArea[callLevel])
        CallSubroutine(static_cast<int16_t>(pc), resumeAddress);
    mode = ModeRun;
}

void CCalc::KeyReturn(uint8_t)
{
    TakeDisplayValue(false, true);
    ReturnFromSubroutine();
}

void CCalc::KeyRst(uint8_t)
{
    pc = 0;
    advancePc = 0;
    for (int32_t& flag : flags)
        flag = 0;
    if (mode == ModeCalculate) {
        resumeAddress = 0;
        selectedArea[callLevel] = 0;
        shownProgram = 0;
    }
    NotifyPcMoved();
    NotifyFlags();
    if (CalcHost* debugger = Debugger())
        debugger->RepaintDebugger();
}

void CCalc::KeySst(uint8_t)
{
    if (mode != ModeCalculate)
        return;
    mode = ModeRun;
    StepProgram();
    mode = ModeCalculate;
    stopRequest = 0;
}
