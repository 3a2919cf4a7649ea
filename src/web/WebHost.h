#pragma once
// What the engine asks of the outside, kept for the page: printed lines and
// reports wait in queues until the page takes them after a key or a slice.

#include <deque>
#include <string>

#include "core/CalcHost.h"

class WebHost : public CalcHost {
public:
    void PrinterLine(const std::wstring& line) override;
    void ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text) override;

    // A report of the interface's own, in the same queue as the engine's.
    void Report(const std::string& message);

    // The oldest line or report, removed from its queue; false when there is none.
    bool TakePrintedLine(std::string& line);
    bool TakeReport(std::string& message);

private:
    std::deque<std::string> printed_;
    std::deque<std::string> reports_;
};
