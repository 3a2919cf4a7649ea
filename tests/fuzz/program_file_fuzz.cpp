// Program files of any size and content, in both forms: a file that is
// refused changes nothing; a file that loads leaves every register in normal
// form and saves back to what was loaded.

#include "FileFuzz.h"
#include "storage/ProgramFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder("program-fuzz");
    const std::span<const uint8_t> bytes(data, size);
    const storage::ProgramParse parsed = storage::ParseProgramFile(bytes);
    Require(parsed.image.has_value() == parsed.problem.empty(), "a refusal says why");

    const std::filesystem::path path = folder.path() / "fuzz.ti";
    fuzz::WriteInput(path, bytes);
    CCalc calc, before;
    fuzz::MarkState(calc);
    fuzz::MarkState(before);
    const bool loaded = LoadProgramFile(calc, path);
    Require(loaded == parsed.image.has_value(), "load agrees with parse");
    CheckInvariants(calc);
    if (!loaded) {
        Require(fuzz::SameRegisters(calc, before), "a refused file keeps the registers");
        Require(fuzz::SameProgramMemory(calc, before), "a refused file keeps the program");
        return 0;
    }
    for (int i = 0; i < CCalc::RegisterCount; ++i)
        Require(calc.registers[i] == parsed.image->registers[static_cast<std::size_t>(i)],
                      "registers are the parsed ones");
    const std::vector<unsigned char> saved = storage::EncodeProgramFile(calc);
    const storage::ProgramParse again = storage::ParseProgramFile(saved);
    Require(again.image && again.image->steps == parsed.image->steps, "steps survive a save");
    for (std::size_t i = 0; i < again.image->registers.size(); ++i)
        Require(again.image->registers[i] == calc.registers[i], "registers survive a save");
    return 0;
}
