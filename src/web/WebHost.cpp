#include "web/WebHost.h"

#include <cstring>

#include "storage/TextCodec.h"

namespace {

bool TakeFront(std::deque<std::string>& queue, std::string& out)
{
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

} // namespace

void WebHost::PrinterLine(const std::wstring& line) { printed_.push_back(storage::ToUtf8(line)); }

void WebHost::ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text)
{
    std::string message = storage::ToUtf8(caption);
    if (!text.empty())
        message += ": " + storage::ToUtf8(text);
    if (errorCode != 0)
        message += std::string(": ") + std::strerror(errorCode);
    reports_.push_back(std::move(message));
}

void WebHost::Report(const std::string& message) { reports_.push_back(message); }

bool WebHost::TakePrintedLine(std::string& line) { return TakeFront(printed_, line); }

bool WebHost::TakeReport(std::string& message) { return TakeFront(reports_, message); }
