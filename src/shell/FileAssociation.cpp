#include "shell/FileAssociation.h"

#include "shell/Skin.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString kMimeType = QStringLiteral("application/x-ti59-program");

QByteArray MimePackage()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-ti59-program\">\n"
        "    <comment>TI-59 program</comment>\n"
        "    <icon name=\"norvane\"/>\n"
        "    <glob pattern=\"*.ti\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n");
}

QByteArray DesktopEntry(const QString& executablePath)
{
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Norvane\n"
               "Comment=TI-59 programmable calculator\n"
               "Exec=%1 %f\n"
               "Icon=norvane\n"
               "MimeType=%2;\n"
               "Categories=Utility;Calculator;\n"
               "Terminal=false\n")
        .arg(DesktopExecLine(executablePath), kMimeType)
        .toUtf8();
}

QByteArray IconBytes()
{
    EnsureSkinResources();
    QFile icon(QStringLiteral(":/skin/icon.png"));
    return icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
}

bool WriteIfDifferent(const QString& path, const QByteArray& content)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
        return false;
    if (content.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

void RunIfPresent(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}
}  // namespace

QString DesktopExecLine(const QString& executablePath)
{
    return executablePath.contains(QLatin1Char(' ')) ? QLatin1Char('"') + executablePath + QLatin1Char('"')
                                                     : executablePath;
}

bool RunsInstalled(const QString& executableFolder)
{
    return QFileInfo::exists(executableFolder + QStringLiteral("/../share/applications/" NORVANE_APP_ID ".desktop"));
}

bool RegisterFileAssociation(const QString& dataFolder, const QString& executablePath, bool refreshCaches)
{
    const bool mimeChanged = WriteIfDifferent(dataFolder + QStringLiteral("/mime/packages/norvane-ti.xml"), MimePackage());
    const bool entryChanged =
        WriteIfDifferent(dataFolder + QStringLiteral("/applications/norvane.desktop"), DesktopEntry(executablePath));
    const bool iconChanged =
        WriteIfDifferent(dataFolder + QStringLiteral("/icons/hicolor/64x64/apps/norvane.png"), IconBytes());
    if (mimeChanged && refreshCaches)
        RunIfPresent(QStringLiteral("update-mime-database"), dataFolder + QStringLiteral("/mime"));
    if (entryChanged && refreshCaches)
        RunIfPresent(QStringLiteral("update-desktop-database"), dataFolder + QStringLiteral("/applications"));
    return mimeChanged || entryChanged || iconChanged;
}
