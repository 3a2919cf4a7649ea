#pragma once
// Helpers of the fuzz targets that go through real files: the input is
// written to a file in the scratch folder, then handed to a loader.

#include "Invariants.h"
#include "ScratchFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <span>
#include <vector>

namespace fuzz {

inline void WriteInput(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out), "scratch file written");
}

// A calculator whose state is not the initial one, so that a refused file
// that changed something would show.
inline void MarkState(CCalc& calc)
{
    for (int i = 0; i < CCalc::RegisterCount; ++i)
        calc.registers[i] = CNombre(1'000'000'000'000 + i, i % 7);
    std::vector<uint8_t> steps(CCalc::StepCount);
    for (int area = 0; area < CCalc::AreaCount; ++area) {
        for (int step = 0; step < CCalc::StepCount; ++step)
            steps[static_cast<std::size_t>(step)] = static_cast<uint8_t>((area + step) % 100);
        calc.WriteArea(area, steps);
    }
    std::wcscpy(calc.memoTexts[0], L"marked");
}

inline bool SameRegisters(const CCalc& a, const CCalc& b)
{
    for (int i = 0; i < CCalc::RegisterCount; ++i)
        if (!(a.registers[i] == b.registers[i]))
            return false;
    return true;
}

inline bool SameProgramMemory(const CCalc& a, const CCalc& b)
{
    for (int area = 0; area < CCalc::AreaCount; ++area)
        if (!std::ranges::equal(a.Area(area), b.Area(area)))
            return false;
    return true;
}

} // namespace fuzz
