#include "shell/dialogs/COptionsDlg.h"

#include "shell/dialogs/DurationSpin.h"
#include "shell/dialogs/FileDialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* PathEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(COptionsDlg::kPathCapacity);
    edit->setMinimumWidth(280);
    return edit;
}
}

COptionsDlg::COptionsDlg(const OptionValues& initial, QWidget* parent)
    : CDlg(kTemplate, parent),
      values(initial),
      pauseLongue(new DurationSpin(200, 2000, this)),
      pauseCourte(new DurationSpin(20, 500, this)),
      clignotement(new DurationSpin(50, 2000, this)),
      printFile(PathEdit(this)),
      writeFolder(PathEdit(this)),
      browsePrintFile(new QPushButton("...", this)),
      browseWriteFolder(new QPushButton("...", this)),
      okButton(new QPushButton("OK", this)),
      cancelButton(new QPushButton("Cancel", this))
{
    setWindowTitle("Options");
    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& text, QWidget* field, QWidget* extra) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        // Short numbers need a short field; paths take the whole column.
        grid->addWidget(field, row, 1, extra ? Qt::Alignment() : Qt::AlignLeft);
        if (extra)
            grid->addWidget(extra, row, 2);
    };
    addRow(0, "&Duration of Pause instruction :", pauseLongue, nullptr);
    addRow(1, "Duration of &steps when Pause key is pressed :", pauseCourte, nullptr);
    addRow(2, "&Error blinking period :", clignotement, nullptr);
    addRow(3, "&Printer file :", printFile, browsePrintFile);
    addRow(4, "&Write Run Folder :", writeFolder, browseWriteFolder);
    for (DurationSpin* spin : {pauseLongue, pauseCourte, clignotement})
        spin->setMinimumWidth(90);
    for (QPushButton* browse : {browsePrintFile, browseWriteFolder})
        browse->setFixedWidth(32);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    BindCommand(okButton, kDialogOk);
    BindCommand(cancelButton, kDialogCancel);
    BindCommand(browsePrintFile, kBrowsePrintFile);
    BindCommand(browseWriteFolder, kBrowseWriteFolder);
}

bool COptionsDlg::OnInitDialog()
{
    pauseLongue->SetValue(values.dureePauseLongue);
    pauseCourte->SetValue(values.dureePauseCourte);
    clignotement->SetValue(values.dureeClignotement);
    printFile->setText(values.printFile.left(kPathCapacity));
    writeFolder->setText(values.writeFolder.left(kPathCapacity));
    return true;
}

bool COptionsDlg::OnCommand(int id)
{
    switch (id) {
    case kDialogOk:
        values.dureePauseLongue = pauseLongue->Value();
        values.dureePauseCourte = pauseCourte->Value();
        values.dureeClignotement = clignotement->Value();
        values.printFile = printFile->text();
        values.writeFolder = writeFolder->text();
        EndDialog(kDialogOk);
        return true;
    case kBrowsePrintFile:
        if (const QString path = PickFile(PrinterFileRequest(this, printFile->text())); !path.isEmpty())
            printFile->setText(path);
        return true;
    case kBrowseWriteFolder:
        if (const QString path = PickFile(WriteFolderRequest(this, writeFolder->text())); !path.isEmpty())
            writeFolder->setText(path);
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}
