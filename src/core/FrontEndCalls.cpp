// The calls front ends make besides keys: run slices, stopping, the files a
// run writes and loading a program, so none of them writes the state itself.
#include "core/CCalc.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

CCalc::RunResult CCalc::RunSteps(uint64_t maxSteps)
{
    uint64_t steps = 0;
    while (mode == ModeRun) {
        if (steps >= maxSteps && !InstructionPending()) [[unlikely]]
            return {RunEnd::BudgetSpent, steps};
        StepProgram();
        ++steps;
        if (pauseRequest && mode == ModeRun) [[unlikely]]
            return {RunEnd::Paused, steps};
    }
    return {RunEnd::Stopped, steps};
}

void CCalc::RequestStop()
{
    if (mode == ModeRun)
        ProcessKey(Key::RunStop);
}

bool CCalc::SetPrintFile(const std::wstring& path)
{
    return CopyPath(path, printFilePath);
}

bool CCalc::SetWriteFolder(const std::wstring& path)
{
    return CopyPath(path, writeFolderPath);
}

std::wstring_view CCalc::PrintFile() const
{
    return {printFilePath, std::wcslen(printFilePath)};
}

std::wstring_view CCalc::WriteFolder() const
{
    return {writeFolderPath, std::wcslen(writeFolderPath)};
}

// A path cut short would name another file: too long ones are refused whole.
bool CCalc::CopyPath(const std::wstring& path, wchar_t (&target)[PathLength])
{
    if (path.size() >= PathLength || path.find(L'\0') != std::wstring::npos)
        return false;
    std::wmemcpy(target, path.c_str(), path.size() + 1);
    return true;
}

bool CCalc::DisplayModes::Valid() const
{
    return angleUnit >= Degrees && angleUnit <= Grads && displayFormat >= NormalMode &&
           displayFormat <= EngineeringMode && fixDigits >= 0 && fixDigits <= NoFixedDecimals;
}

bool CCalc::SetDisplayModes(const DisplayModes& modes)
{
    if (!modes.Valid())
        return false;
    angleUnit = modes.angleUnit;
    displayFormat = modes.displayFormat;
    fixDigits = modes.fixDigits;
    return true;
}

void CCalc::LoadUserProgram(std::span<const uint8_t> steps)
{
    pc = 0;
    ResetCallLevel();
    WriteUserProgram(steps);
}

void CCalc::WriteUserProgram(std::span<const uint8_t> steps)
{
    WriteArea(0, steps);
    NotifyListing(0, LastStep);
}

void CCalc::WriteArea(int area, std::span<const uint8_t> steps)
{
    uint8_t* target = programMemory[area];
    const std::size_t count = std::min<std::size_t>(steps.size(), StepCount);
    std::fill(std::copy_n(steps.begin(), count, target), target + StepCount, uint8_t{0});
}
