// Construction of the calculator and its outward notifications.
#include "core/CCalc.h"

CCalc::CCalc()
{
    for (wchar_t& c : alphaLine)
        c = L' ';
    alphaLine[AlphaLength] = L'\0';
    ProcessKey(Key::Clr);
}

void CCalc::SetHost(CalcHost* newHost)
{
    host = newHost;
    pile.SetHost(newHost);
}

int64_t CCalc::IntegerOf(const CNombre& value)
{
    constexpr int64_t saturated = 10'000'000'000'000'000;   // 10^16
    if (value.IsZero() || value.exponent < 0)
        return 0;
    if (value.exponent > 15)
        return value.IsNegative() ? -saturated : saturated;
    if (value.exponent >= 12)
        return value.mantissa * CNombre::PowerOfTen(value.exponent - 12);
    return value.mantissa / CNombre::PowerOfTen(12 - value.exponent);
}

void CCalc::SyncAreaBase()
{
    if (callLevel < 0 || callLevel >= LevelCount)
        callLevel = 0;
    int area = levelArea[callLevel];
    if (area < 0 || area >= AreaCount)
        area = levelArea[callLevel] = 0;
    areaBase = programMemory[area];
}

void CCalc::ResetCallLevel()
{
    callLevel = 0;
    SyncAreaBase();
}

void CCalc::NotifyPcMoved()
{
    if (CalcHost* debugger = Debugger())
        debugger->MoveCurrentStep(pc);
}

void CCalc::NotifyRegisters(int first, int last)
{
    if (CalcHost* debugger = Debugger())
        debugger->RefreshRegisters(first, last);
}

void CCalc::NotifyT()
{
    if (CalcHost* debugger = Debugger())
        debugger->RefreshT();
}

void CCalc::NotifyFlags()
{
    if (CalcHost* debugger = Debugger())
        debugger->RefreshFlags();
}

void CCalc::NotifyListing(int first, int last)
{
    if (CalcHost* debugger = Debugger())
        debugger->RefreshListing(first, last);
}
