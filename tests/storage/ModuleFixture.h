#pragma once
// A made-up module of 25 short programs for the tests: program p has
// 4 + p steps, step s of it holds (p + s) mod 100.

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
        block.resize(storage::kProgramSteps);
        for (int s = 0; s < storage::kProgramSteps; ++s)
            block[static_cast<std::size_t>(s)] = StepOf(p + 1, s);
        programs[static_cast<std::size_t>(p)] = block;
    }
    return storage::EncodeModuleImage(lengths, programs);
}

} // namespace test_module
