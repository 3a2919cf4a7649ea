// Program text of any content and encoding: it is read or refused with its
// place, a refusal reads nothing, every step read is a key code, and what
// is read is written back, as a listing and as a key script, to the same steps.

#include "Invariants.h"
#include "programtext/ProgramText.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> bytes(data, data + size);
    const ProgramTextRead read = ReadProgramText(bytes);
    if (read.error) {
        Require(read.error->line >= 1 && read.error->column >= 1, "a refusal has its place");
        Require(read.steps == ProgramSteps1000{} && read.end == 0, "a refusal reads nothing");
        return 0;
    }
    Require(read.first >= 0 && read.first <= read.end && read.end <= ProgramSteps, "steps within memory");
    for (std::uint8_t code : read.steps)
        Require(code <= 99, "steps are key codes");
    for (const std::wstring& text : {WriteListingText(read.steps, read.end), WriteKeyScript(read.steps, read.end)}) {
        const ProgramTextRead again = ReadProgramText(std::wstring_view(text));
        Require(!again.error && again.steps == read.steps, "what is written reads back");
    }
    return 0;
}
