#pragma once
// The print file during one printing operation. The file is opened when the
// first line comes, so an operation that prints several lines opens it once,
// and is closed when the operation ends, so other programs may read it at any
// time. Every line also goes to the host, which shows the paper.

#include <cstdio>
#include <string_view>

class CalcHost;

class PrintOutput {
public:
    // An empty path means no print file: the lines go to the host alone.
    PrintOutput(std::wstring_view path, CalcHost* host);
    ~PrintOutput();
    PrintOutput(const PrintOutput&) = delete;
    PrintOutput& operator=(const PrintOutput&) = delete;

    // A print file that is set but cannot be opened is reported to the host
    // once per operation; the lines still reach the host, which shows the paper.
    void Line(std::wstring_view line);

private:
    bool Open();

    std::wstring_view path_;
    CalcHost* host_;
    std::FILE* file_ = nullptr;
    bool dropped_ = false;
};
