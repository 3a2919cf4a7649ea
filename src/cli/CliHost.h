#pragma once
// What the engine asks of the outside, answered on the command line: printed
// lines to standard output, file names for the keyboard's Write, INV Write
// and List from options, failures to standard error.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/CalcHost.h"

struct KeyboardFiles {
    std::optional<std::filesystem::path> programOut; // Write
    std::optional<std::filesystem::path> programIn;  // INV Write
    std::optional<std::filesystem::path> listingOut; // List
};

class CliHost : public CalcHost {
public:
    CliHost(std::ostream& out, std::ostream& err, KeyboardFiles files);

    void PrinterLine(const std::wstring& line) override;
    std::wstring AskSaveProgramPath() override;
    std::wstring AskLoadProgramPath() override;
    std::wstring AskListingPath() override;
    void ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text) override;

    // A line of the front end's own on standard output (the display).
    void WriteLine(const std::wstring& line);
    // A message on standard error, prefixed with the program's name.
    void Warn(const std::wstring& message);

    bool sawSystemError() const { return sawSystemError_; }

private:
    std::wstring Named(const std::optional<std::filesystem::path>& path, const wchar_t* key,
                       const wchar_t* option);

    std::ostream& out_;
    std::ostream& err_;
    KeyboardFiles files_;
    bool sawSystemError_ = false;
};
