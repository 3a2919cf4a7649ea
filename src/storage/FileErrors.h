#pragma once
// Reporting file failures to the user through the calculator's host.

#include <filesystem>
#include <string>

class CCalc;

namespace storage {

// A failed platform call: the host shows the system's text for errorCode.
void ReportSystemError(const CCalc& calc, const std::wstring& caption, int errorCode);
// A file that was read but cannot be used: the text says why.
void ReportRefusal(const CCalc& calc, const std::wstring& caption, const std::wstring& text);

// The file's name for messages, without its folder.
std::wstring FileNameOf(const std::filesystem::path& path);

} // namespace storage
