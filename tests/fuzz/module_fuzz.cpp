// Module images of any size and content: an accepted image holds exactly
// the steps its table promises and encodes back to itself; a module file
// that is refused leaves the slot and the library areas as they were.

#include "FileFuzz.h"
#include "storage/ModuleLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder("module-fuzz");
    const std::span<const uint8_t> bytes(data, size);
    const storage::ModuleParse parsed = storage::ParseModuleImage(bytes);
    Require(parsed.image.has_value() == parsed.problem.empty(), "a refusal says why");
    if (parsed.image) {
        std::array<std::span<const unsigned char>, storage::kModulePrograms> programs;
        for (int i = 0; i < storage::kModulePrograms; ++i) {
            programs[static_cast<std::size_t>(i)] = parsed.image->Program(i);
            Require(programs[static_cast<std::size_t>(i)].size() == parsed.image->lengths[static_cast<std::size_t>(i)],
                          "a program has the length of its table entry");
            Require(parsed.image->lengths[static_cast<std::size_t>(i)] <= storage::kProgramSteps,
                          "no program longer than an area");
        }
        const auto encoded = storage::EncodeModuleImage(parsed.image->lengths, programs);
        const storage::ModuleParse again = storage::ParseModuleImage(encoded);
        Require(again.image && again.image->lengths == parsed.image->lengths &&
                          again.image->steps == parsed.image->steps,
                      "an image encodes back to itself");
    }

    const std::filesystem::path path = folder.path() / "fuzz.mod";
    fuzz::WriteInput(path, bytes);
    CCalc calc, before;
    fuzz::MarkState(calc);
    fuzz::MarkState(before);
    ModuleLibrary library(calc, {}, folder.path());
    library.InitModuleSlots();
    const int slot = size > 0 ? data[0] % ModuleLibrary::kSlots : 0;
    const bool loaded = library.LoadModuleFile(slot, path);
    Require(loaded == parsed.image.has_value(), "load agrees with parse");
    CheckInvariants(calc);
    if (!loaded) {
        Require(fuzz::SameProgramMemory(calc, before), "a refused module keeps every area");
        Require(library.Slot(slot).kind == ModuleKind::Empty, "a refused module keeps the slot");
        return 0;
    }
    for (int p = 0; p < storage::kModulePrograms; ++p) {
        const auto program = parsed.image->Program(p);
        const auto area = calc.Area(25 * slot + p + 1);
        Require(std::equal(program.begin(), program.end(), area.begin()), "area holds its program");
        for (std::size_t step = program.size(); step < storage::kProgramSteps; ++step)
            Require(area[step] == 0, "area cleared past its program");
    }
    // Copying every program back into user memory stays in bounds too.
    for (int p = 1; p <= ModuleLibrary::kPrograms; ++p)
        library.CopyFromModule(p);
    CheckInvariants(calc);
    return 0;
}
