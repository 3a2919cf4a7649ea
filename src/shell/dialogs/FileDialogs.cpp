#include "shell/dialogs/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// "*" rather than "*.*": on this platform many files have no dot at all.
const QStringList kProgramFilters{"TI59 files (*.ti)", "All files (*)"};
const QStringList kTextFilters{"txt files (*.txt)", "All files (*)"};
const QStringList kModuleFilters{"Module Files (*.mod)", "AllFiles (*)"};

QString PlatformPicker(const FileRequest& request)
{
    QFileDialog dialog(request.owner, request.title);
    if (request.kind == FileRequest::Kind::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setDirectory(request.fileName.isEmpty() ? request.folder : request.fileName);
    } else {
        dialog.setNameFilters(request.filters);
        dialog.setDirectory(request.folder);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (request.kind == FileRequest::Kind::Save) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(request.defaultSuffix);
        } else {
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
}

FilePicker& CurrentPicker()
{
    static FilePicker picker = PlatformPicker;
    return picker;
}

FileRequest FileOf(FileRequest::Kind kind, QWidget* owner, QString title, QString fileName,
                   QStringList filters, QString suffix)
{
    return {kind, owner, std::move(title), DocumentsFolder(), std::move(fileName),
            std::move(filters), std::move(suffix)};
}
}

FilePicker SetFilePicker(FilePicker picker)
{
    FilePicker previous = CurrentPicker();
    CurrentPicker() = picker ? std::move(picker) : FilePicker(PlatformPicker);
    return previous;
}

QString PickFile(const FileRequest& request)
{
    return CurrentPicker()(request);
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

FileRequest SaveProgramRequest(QWidget* owner)
{
    return FileOf(FileRequest::Kind::Save, owner, {}, "prog.ti", kProgramFilters, "ti");
}

FileRequest LoadProgramRequest(QWidget* owner)
{
    return FileOf(FileRequest::Kind::Open, owner, {}, "prog.ti", kProgramFilters, {});
}

FileRequest ListingRequest(QWidget* owner)
{
    return FileOf(FileRequest::Kind::Save, owner, "Listing", "ti59.txt", kTextFilters, "txt");
}

FileRequest PrinterFileRequest(QWidget* owner, const QString& currentPath)
{
    return FileOf(FileRequest::Kind::Save, owner, "Printer file", currentPath.left(260), kTextFilters,
                  "txt");
}

FileRequest WriteFolderRequest(QWidget* owner, const QString& currentFolder)
{
    FileRequest request = FileOf(FileRequest::Kind::Folder, owner,
                                 "Select folder to write memory blocks", currentFolder, {}, {});
    if (!currentFolder.isEmpty())
        request.folder = currentFolder;
    return request;
}

FileRequest LoadModuleRequest(QWidget* owner)
{
    return FileOf(FileRequest::Kind::Open, owner, "Load Module", {}, kModuleFilters, {});
}

FileRequest SaveModuleRequest(QWidget* owner, const QString& currentPath)
{
    return FileOf(FileRequest::Kind::Save, owner, "Save Module", currentPath, kModuleFilters, "mod");
}
