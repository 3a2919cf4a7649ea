#include "shell/ShellHost.h"

#include "shell/CMainWnd.h"
#include "shell/SystemError.h"
#include "shell/Trace.h"

void ShellHost::ReloadLabelStrip()
{
    if (window_)
        window_->ReloadLabelStrip();
}

void ShellHost::ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text)
{
    ::ShowSystemError(QString::fromStdWString(caption), errorCode, QString::fromStdWString(text));
}

void ShellHost::Trace(const std::string& line)
{
    qCDebug(lcNorvane).noquote() << QString::fromStdString(line).trimmed();
}
