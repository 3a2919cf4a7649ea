#pragma once
// A program as text read from a file, for the front ends and the build's
// module builder alike.

#include <cstddef>
#include <filesystem>
#include <string>

#include "programtext/ProgramText.h"

// Far more than any program file or listing; a wrong name cannot fill memory.
inline constexpr std::size_t kLargestProgramText = 1u << 20;

// A program as text in any form; a message naming the file and the place
// when it cannot be read or holds no program.
std::wstring ReadProgramTextFile(const std::filesystem::path& path, ProgramTextRead& read);
