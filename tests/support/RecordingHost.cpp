#include "RecordingHost.h"

#include <algorithm>

#include "Invariants.h"

namespace {

std::string Range(const char* what, int first, int last)
{
    return std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last);
}

} // namespace

// Every step and range told is checked as it comes: the debugger indexes its tables with them.
void RecordingHost::MoveCurrentStep(int pc)
{
    CheckNotifiedRange(pc, pc, 999);
    notifications.push_back("pc " + std::to_string(pc));
}

void RecordingHost::RefreshListing(int first, int last)
{
    CheckNotifiedRange(first, last, 999);
    notifications.push_back(Range("listing", first, last));
}

void RecordingHost::RefreshRegisters(int first, int last)
{
    CheckNotifiedRange(first, last, 99);
    notifications.push_back(Range("registers", first, last));
}

void RecordingHost::RefreshHierarchy(int first, int last)
{
    CheckNotifiedRange(first, last, 8);
    notifications.push_back(Range("hierarchy", first, last));
}

std::wstring RecordingHost::AskListingPath()
{
    ++listingQuestions;
    return listingPath;
}

void RecordingHost::ShowSystemError(const std::wstring& caption, int code, const std::wstring& text)
{
    errors.push_back({caption, code, text});
}

bool RecordingHost::Saw(const std::string& notification) const { return Count(notification) > 0; }

int RecordingHost::Count(const std::string& notification) const
{
    return static_cast<int>(std::count(notifications.begin(), notifications.end(), notification));
}

std::wstring RecordingHost::Captions() const
{
    std::wstring all;
    for (const Error& error : errors)
        all += (all.empty() ? L"" : L"|") + error.caption;
    return all;
}
