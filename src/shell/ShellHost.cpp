#include "shell/ShellHost.h"

#include "shell/CMainWnd.h"
#include "shell/SystemError.h"
#include "shell/Trace.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/FileDialogs.h"

void ShellHost::ReloadLabelStrip()
{
    if (window_)
        window_->ReloadLabelStrip();
}

void ShellHost::PrinterLine(const std::wstring& line)
{
    WritePrinterLine(QString::fromStdWString(line));
}

std::wstring ShellHost::AskSaveProgramPath()
{
    return PickFile(SaveProgramRequest(window_)).toStdWString();
}

std::wstring ShellHost::AskLoadProgramPath()
{
    return PickFile(LoadProgramRequest(window_)).toStdWString();
}

std::wstring ShellHost::AskListingPath()
{
    return PickFile(ListingRequest(window_)).toStdWString();
}

void ShellHost::ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text)
{
    ::ShowSystemError(QString::fromStdWString(caption), errorCode, QString::fromStdWString(text));
}

void ShellHost::Trace(const std::string& line)
{
    qCDebug(lcNorvane).noquote() << QString::fromStdString(line).trimmed();
}
