#pragma once
// Every file and folder the user picks goes through one replaceable picker,
// so tests answer with a path instead of clicking through a dialog.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct FileRequest {
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    QWidget* owner = nullptr;
    QString title;
    QString folder;    // where the dialog opens
    QString fileName;  // proposed name or path
    QStringList filters;
    QString defaultSuffix;  // added to a name typed without one (Save only)
};

// Returns the chosen full path, or an empty string when the user cancelled.
using FilePicker = std::function<QString(const FileRequest&)>;

// Installs a picker (null restores the platform dialogs); returns the previous one.
FilePicker SetFilePicker(FilePicker picker);
QString PickFile(const FileRequest& request);

QString DocumentsFolder();

// The requests the program makes.
FileRequest SaveProgramRequest(QWidget* owner);
FileRequest LoadProgramRequest(QWidget* owner);
FileRequest ListingRequest(QWidget* owner);
FileRequest PrinterFileRequest(QWidget* owner, const QString& currentPath);
FileRequest WriteFolderRequest(QWidget* owner, const QString& currentFolder);
FileRequest LoadModuleRequest(QWidget* owner);
FileRequest SaveModuleRequest(QWidget* owner, const QString& currentPath);
