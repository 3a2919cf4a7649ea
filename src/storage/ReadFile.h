#pragma once
// Reading a whole (small) file into memory, with the size bounded so that a
// huge or endless file cannot exhaust memory.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace storage {

struct ReadResult {
    bool opened = false;
    int error = 0;      // errno when not opened or when reading failed
    bool failed = false; // opened, but a read failed part way
    std::vector<unsigned char> bytes; // at most the limit given
};

// Reads up to maxBytes bytes from the start of the file.
ReadResult ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// The same for front ends that speak to a person: empty on success, else a
// message naming the file and the system's reason.
std::wstring ReadFileStart(const std::filesystem::path& path, std::size_t limit, std::vector<unsigned char>& bytes);
// The whole file; a file longer than the limit is refused with a message.
std::wstring ReadWholeFile(const std::filesystem::path& path, std::size_t limit, std::vector<unsigned char>& bytes);

} // namespace storage
