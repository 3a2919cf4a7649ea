#include "cli/CliHost.h"

#include <cstring>

#include "storage/TextCodec.h"

CliHost::CliHost(std::ostream& out, std::ostream& err, KeyboardFiles files)
    : out_(out), err_(err), files_(std::move(files))
{
}

void CliHost::PrinterLine(const std::wstring& line) { WriteLine(line); }

void CliHost::WriteLine(const std::wstring& line) { out_ << storage::ToUtf8(line) << '\n'; }

void CliHost::Warn(const std::wstring& message) { err_ << "norvane-cli: " << storage::ToUtf8(message) << '\n'; }

std::wstring CliHost::Named(const std::optional<std::filesystem::path>& path, const wchar_t* key,
                            const wchar_t* option)
{
    if (path)
        return storage::WideFromPath(*path);
    Warn(std::wstring(key) + L": no file named; give one with " + option + L" FILE");
    return {};
}

std::wstring CliHost::AskSaveProgramPath() { return Named(files_.programOut, L"Write", L"--program-out"); }

std::wstring CliHost::AskLoadProgramPath() { return Named(files_.programIn, L"INV Write", L"--program-in"); }

std::wstring CliHost::AskListingPath() { return Named(files_.listingOut, L"List", L"--listing-out"); }

void CliHost::ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text)
{
    sawSystemError_ = true;
    std::wstring message = caption;
    if (!text.empty())
        message += L": " + text;
    if (errorCode != 0)
        message += L": " + storage::DecodeText(std::strerror(errorCode));
    Warn(message);
}
