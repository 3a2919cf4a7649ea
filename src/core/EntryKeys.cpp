// Number entry, display formats, angle units and the clearing keys.
#include "core/CCalc.h"

#include <algorithm>

void CCalc::KeyDigit(uint8_t code)
{
    if (!entryActive) {
        entryActive = 1;
        entry.Reset();
    }
    entry.Key(code, invFlag);
}

void CCalc::KeyChangeSign(uint8_t)
{
    if (entryActive) {
        entry.Key(Key::ChangeSign, false);
    } else {
        x = x.Negate();
        displayOnPile = 0;
    }
}

void CCalc::KeyEe(uint8_t)
{
    if (entryActive) {
        entry.Key(Key::Ee, invFlag);
    } else if (!invFlag) {
        wchar_t text[DisplayCapacity];
        const bool hasExponent = FormatDisplayValue(x, text);
        entryActive = 1;
        entry.LoadFromDisplay(text, hasExponent);
        entry.BeginExponent();
    }
    if (displayFormat != EngineeringMode)
        displayFormat = invFlag ? NormalMode : ScientificMode;
}

void CCalc::KeyEng(uint8_t)
{
    TakeDisplayValue(false, true);
    if (!invFlag)
        displayFormat = EngineeringMode;
    else if (displayFormat == EngineeringMode)
        displayFormat = NormalMode;
}

void CCalc::KeyAngleUnit(uint8_t code)
{
    angleUnit = code == Key::Deg ? Degrees : code == Key::Rad ? Radians : Grads;
}

void CCalc::KeyPause(uint8_t)
{
    pauseRequest = 1;
}

void CCalc::KeyInv(uint8_t)
{
    invFlag = !invFlag;
}

void CCalc::KeyCe(uint8_t)
{
    errorFlag = 0;
    if (entryActive)
        entry.Reset();
    else
        pile.operandReady = true;
}

void CCalc::KeyClr(uint8_t)
{
    errorFlag = 0;
    entryActive = 1;
    entry.Reset();
    pile.Clear();
    if (displayFormat == ScientificMode)
        displayFormat = NormalMode;
}

void CCalc::KeyCp(uint8_t)
{
    if (mode == ModeCalculate) {
        std::fill(std::begin(programMemory[0]), std::end(programMemory[0]), uint8_t{0});
        NotifyListing(0, LastStep);
        pc = 0;
        NotifyPcMoved();
        selectedArea[0] = 0;
        ResetCallLevel();
        for (auto& text : memoTexts)
            text[0] = L'\0';
        if (host)
            host->ReloadLabelStrip();
    }
    t = CNombre();
    NotifyT();
}

void CCalc::KeyCms(uint8_t)
{
    TakeDisplayValue(false, true);
    std::fill(std::begin(registers), std::end(registers), CNombre());
    NotifyRegisters(0, RegisterCount - 1);
}
