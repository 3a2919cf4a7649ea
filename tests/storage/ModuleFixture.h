#pragma once
// A made-up module of 25 short programs for the tests: program p has
// 4 + p steps, step s of it holds (p + s) mod 100.

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "storage/ModuleImage.h"

namespace test_module {

inline unsigned char StepOf(int program, int step) { return static_cast<unsigned char>((program + step) % 100); }

inline storage::ProgramLengths ShortLengths() {
    storage::ProgramLengths lengths{};
    for (int p = 0; p < storage::kModulePrograms; ++p)
        lengths[static_cast<std::size_t>(p)] = static_cast<uint16_t>(5 + p);
    return lengths;
}

inline std::vector<unsigned char> Image(const storage::ProgramLengths& lengths) {
    std::array<std::vector<unsigned char>, storage::kModulePrograms> blocks;
    std::array<std::span<const unsigned char>, storage::kModulePrograms> programs;
    for (int p = 0; p < storage::kModulePrograms; ++p) {
        auto& block = blocks[static_cast<std::size_t>(p)];
        // Room for lengths beyond a program area, which some tests write on purpose.
        block.resize(std::max<std::size_t>(storage::kProgramSteps, lengths[static_cast<std::size_t>(p)]));
        for (std::size_t s = 0; s < block.size(); ++s)
            block[s] = StepOf(p + 1, static_cast<int>(s));
        programs[static_cast<std::size_t>(p)] = block;
    }
    return storage::EncodeModuleImage(lengths, programs);
}

} // namespace test_module
