#include "shell/EngineFilePaths.h"

#include "core/CCalc.h"
#include "shell/EnginePath.h"
#include "shell/SystemError.h"

namespace {
void ReportRefused(const QString& what, const QString& path)
{
    ShowSystemError(QStringLiteral("Path too long"), 0,
                    QStringLiteral("The %1 is longer than %2 characters and is not used; the previous one is kept:\n%3")
                        .arg(what)
                        .arg(CCalc::PathLength - 1)
                        .arg(path));
}
}  // namespace

void SendFilePathsToEngine(CCalc& calc, const QString& printFile, const QString& writeFolder)
{
    if (!calc.SetPrintFile(EnginePath(printFile)))
        ReportRefused(QStringLiteral("print file path"), printFile);
    if (!calc.SetWriteFolder(EnginePath(writeFolder)))
        ReportRefused(QStringLiteral("write folder path"), writeFolder);
}
