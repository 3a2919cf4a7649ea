#pragma once
// Reporting file failures to the user through the calculator's host.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CCalc;

namespace storage {

// A failed platform call on a file: the host shows the file's path and the
// system's text for errorCode.
void ReportSystemError(const CCalc& calc, const std::wstring& caption, int errorCode,
                       const std::filesystem::path& file);
// A file that was read but cannot be used: the text says why.
void ReportRefusal(const CCalc& calc, const std::wstring& caption, const std::wstring& text);

// Captions for a file that is read to be loaded: one when it cannot be
// opened, one when reading it fails part way.
struct LoadCaptions {
    const wchar_t* open;
    const wchar_t* read;
    bool quietWhenAbsent; // a file that is not there is passed over silently
};

// Up to maxBytes bytes of the file, or nullopt after a failure (reported).
std::optional<std::vector<unsigned char>> ReadFileToLoad(const CCalc& calc, const std::filesystem::path& path,
                                                         std::size_t maxBytes, const LoadCaptions& captions);

// The file's name for messages, without its folder.
std::wstring FileNameOf(const std::filesystem::path& path);

} // namespace storage
