#include "shell/ShellHost.h"

#include "shell/CMainWnd.h"
#include "shell/EnginePath.h"
#include "shell/SystemError.h"
#include "shell/Trace.h"
#include "shell/debugger/CDebugDlg.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/FileDialogs.h"

bool ShellHost::WantsChangeNotifications() const
{
    return CDebugDlg::Instance() != nullptr;
}

// The engine asks WantsChangeNotifications first; the debugger may close in between only
// through the event loop, never inside a step.
void ShellHost::MoveCurrentStep(int pc)
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->MoveCurrentStep(pc);
}

void ShellHost::RefreshListing(int first, int last)
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshListing(first, last);
}

void ShellHost::RefreshRegisters(int first, int last)
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshRegisters(first, last);
}

void ShellHost::RefreshHierarchy(int first, int last)
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshHierarchy(first, last);
}

void ShellHost::RefreshT()
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshT();
}

void ShellHost::RefreshFlags()
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshFlags();
}

void ShellHost::RefreshDisplay()
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RefreshDisplay();
}

void ShellHost::RepaintDebugger()
{
    if (CDebugDlg* debugger = CDebugDlg::Instance())
        debugger->RepaintDebugger();
}

void ShellHost::ReloadLabelStrip()
{
    if (window_)
        window_->ReloadLabelStrip();
}

void ShellHost::PrinterLine(const std::wstring& line)
{
    WritePrinterLine(QString::fromStdWString(line));
}

void ShellHost::PrintFileFailed(const std::wstring& path, int errorCode)
{
    NotePrintFileFailure(QString::fromStdWString(path), errorCode);
}

std::wstring ShellHost::AskSaveProgramPath()
{
    return EnginePath(PickFile(SaveProgramRequest(window_)));
}

std::wstring ShellHost::AskLoadProgramPath()
{
    return EnginePath(PickFile(LoadProgramRequest(window_)));
}

std::wstring ShellHost::AskListingPath()
{
    return EnginePath(PickFile(ListingRequest(window_)));
}

void ShellHost::ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text)
{
    ::ShowSystemError(QString::fromStdWString(caption), errorCode, QString::fromStdWString(text));
}

void ShellHost::Trace(const std::string& line)
{
    qCDebug(lcNorvane).noquote() << QString::fromStdString(line).trimmed();
}
