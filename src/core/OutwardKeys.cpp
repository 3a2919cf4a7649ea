// Keys whose work is done outside the calculator core: printer, listing, files.
#include "core/CCalc.h"

#include <algorithm>

void CCalc::KeyList(uint8_t)
{
    TakeDisplayValue(false, true);
    if (mode != ModeCalculate)
        return;
    if (invFlag)
        PrintRegisters(static_cast<int>(std::clamp<int64_t>(IntegerOf(x), -1, RegisterCount)));
    else
        ListProgram();
}

void CCalc::KeyWrite(uint8_t)
{
    TakeDisplayValue(false, true);
    WriteKey(invFlag);
}

void CCalc::KeyPrint(uint8_t code)
{
    TakeDisplayValue(false, true);
    if (code == Key::Prt)
        PrintValue();
    else
        PaperAdvance();
}
