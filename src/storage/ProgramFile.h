#pragma once
// Program files (".ti"): the 100 data registers and the 1000 steps of user
// memory, 2600 bytes; files of exactly 1800 bytes are the older form, whose
// registers are doubles. A companion ".tiz" memo goes with each.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/MemorySize.h"
#include "numbers/CNombre.h"

class CCalc;

namespace storage {

inline constexpr std::size_t kProgramFileSize = 2600;
inline constexpr std::size_t kOlderProgramFileSize = 1800;

struct ProgramImage {
    std::array<CNombre, kRegisterCount> registers;
    std::array<unsigned char, kStepCount> steps{};
};

struct ProgramParse {
    std::optional<ProgramImage> image;
    std::wstring problem; // why the bytes are no program file, when image is empty
};

std::vector<unsigned char> EncodeProgramFile(const CCalc& calc);
// Exactly 1800 bytes: the older form; 2600 or more: the current form, the
// rest ignored; any other size is refused.
ProgramParse ParseProgramFile(std::span<const unsigned char> bytes);

} // namespace storage

// Writes the program file through a temporary file, then writes or removes
// the memo. Failures are shown through the host; true when the program file
// was written.
bool SaveProgramFile(CCalc& calc, const std::filesystem::path& path);
// Only the autosave may be absent without a word; a file the user named is reported.
enum class MissingFile { Quiet, Report };

// Loads registers and user memory, sets pc to 0 and the call level to 0,
// then reads the memo if there is one. A missing file loads nothing (quietly,
// the memo is still looked for; or reported); a damaged or unreadable one is
// refused with a message and changes nothing. True when a program was loaded.
bool LoadProgramFile(CCalc& calc, const std::filesystem::path& path, MissingFile missing = MissingFile::Quiet);
// The same from a program file's bytes, without the memo; name stands for the
// file in the message of a refusal.
bool LoadProgramFile(CCalc& calc, std::span<const unsigned char> bytes, const std::wstring& name);

// Wide names as hosts hand them; they become UTF-8 file names whatever the
// C locale (the library's own conversion would throw on non-ASCII).
bool SaveProgramFile(CCalc& calc, const std::wstring& path);
bool LoadProgramFile(CCalc& calc, const std::wstring& path, MissingFile missing = MissingFile::Quiet);
