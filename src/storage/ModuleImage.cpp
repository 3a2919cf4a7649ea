#include "storage/ModuleImage.h"

#include <numeric>

#include "storage/ByteOrder.h"

namespace storage {

std::span<const unsigned char> ModuleImage::Program(int index) const {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i)
        start += lengths[static_cast<std::size_t>(i)];
    return std::span<const unsigned char>(steps).subspan(start, lengths[static_cast<std::size_t>(index)]);
}

ModuleParse ParseModuleImage(std::span<const unsigned char> bytes) {
    if (bytes.size() < kLengthTableBytes)
        return {std::nullopt, L"The file is too short to hold a module's table of " +
                                  std::to_wstring(kModulePrograms) + L" program lengths."};
    ModuleImage image;
    std::size_t total = 0;
    for (int i = 0; i < kModulePrograms; ++i) {
        const uint16_t length = ReadLittleEndian<uint16_t>(bytes, 2 * static_cast<std::size_t>(i));
        if (length > kProgramSteps)
            return {std::nullopt, L"Program " + std::to_wstring(i + 1) + L" of the module claims " +
                                      std::to_wstring(length) + L" steps; a program holds at most " +
                                      std::to_wstring(kProgramSteps) + L"."};
        image.lengths[static_cast<std::size_t>(i)] = length;
        total += length;
    }
    if (bytes.size() - kLengthTableBytes < total)
        return {std::nullopt, L"The module's table promises " + std::to_wstring(total) +
                                  L" steps but the file holds only " +
                                  std::to_wstring(bytes.size() - kLengthTableBytes) + L"."};
    const auto steps = bytes.subspan(kLengthTableBytes, total);
    image.steps.assign(steps.begin(), steps.end());
    return {std::move(image), {}};
}

std::vector<unsigned char> EncodeModuleImage(const ProgramLengths& lengths,
                                             const std::array<std::span<const unsigned char>, kModulePrograms>& programs) {
    std::vector<unsigned char> out;
    out.reserve(kLengthTableBytes + std::accumulate(lengths.begin(), lengths.end(), std::size_t{0}));
    for (uint16_t length : lengths)
        AppendLittleEndian<uint16_t>(out, length);
    for (std::size_t i = 0; i < lengths.size(); ++i)
        out.insert(out.end(), programs[i].begin(), programs[i].begin() + lengths[i]);
    return out;
}

} // namespace storage
