#pragma once
// The module image, the layout of a ".mod" file and of the built-in library:
// 25 program lengths (unsigned 16-bit, little-endian), then the programs'
// steps back to back.

#include "core/MemorySize.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace storage {

inline constexpr int kModulePrograms = 25;
inline constexpr std::size_t kLengthTableBytes = 2 * kModulePrograms;
inline constexpr int kProgramSteps = kStepCount;
inline constexpr std::size_t kLongestModule = kLengthTableBytes + kModulePrograms * kProgramSteps;

using ProgramLengths = std::array<uint16_t, kModulePrograms>;

struct ModuleImage {
    ProgramLengths lengths{};
    std::vector<unsigned char> steps; // every program's steps, in order

    // Program index 0 to 24.
    std::span<const unsigned char> Program(int index) const;
};

struct ModuleParse {
    std::optional<ModuleImage> image;
    std::wstring problem; // why the bytes are no module, when image is empty
};

// Refuses a short table, a length above 1000, and a table that promises more
// steps than there are. Bytes after the last program are ignored.
ModuleParse ParseModuleImage(std::span<const unsigned char> bytes);

// programs[i] holds at least lengths[i] steps of program i; only those are written.
std::vector<unsigned char> EncodeModuleImage(const ProgramLengths& lengths,
                                             const std::array<std::span<const unsigned char>, kModulePrograms>& programs);

} // namespace storage
