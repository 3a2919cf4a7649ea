#include "printer/PrintOutput.h"

#include "core/CalcHost.h"
#include "storage/TextCodec.h"

#include <cerrno>
#include <string>

PrintOutput::PrintOutput(std::wstring_view path, CalcHost* host) : path_(path), host_(host) {}

PrintOutput::~PrintOutput()
{
    if (file_)
        std::fclose(file_);
}

bool PrintOutput::Open()
{
    if (file_ || path_.empty())
        return true;
    if (dropped_)
        return false;
    errno = 0;
    file_ = std::fopen(storage::PathFromWide(path_).c_str(), "ab");
    if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) {
        const int error = errno;
        if (file_)
            std::fclose(file_);
        file_ = nullptr;
        dropped_ = true;
        if (host_)
            host_->PrintFileFailed(std::wstring(path_), error);
        return false;
    }
    if (std::ftell(file_) == 0) {
        static constexpr unsigned char byteOrderMark[] = {0xFF, 0xFE};
        std::fwrite(byteOrderMark, 1, sizeof byteOrderMark, file_);
    }
    return true;
}

void PrintOutput::Line(std::wstring_view line)
{
    if (Open() && file_) {
        std::wstring text(line);
        text += L"\r\n";
        const auto bytes = storage::EncodeUtf16LittleEndian(text, false);
        std::fwrite(bytes.data(), 1, bytes.size(), file_);
    }
    if (host_)
        host_->PrinterLine(std::wstring(line));
}
