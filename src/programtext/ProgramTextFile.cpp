#include "programtext/ProgramTextFile.h"

#include <vector>

#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

std::wstring ReadProgramTextFile(const std::filesystem::path& path, ProgramTextRead& read)
{
    std::vector<unsigned char> bytes;
    if (std::wstring problem = storage::ReadWholeFile(path, kLargestProgramText, bytes); !problem.empty())
        return problem;
    read = ReadProgramText(bytes);
    return read.error ? storage::WideFromPath(path) + L": " + read.error->Message() : std::wstring();
}
