#include "shell/dialogs/CDlg.h"

#include <QAbstractButton>
#include <QLineEdit>

CDlg::CDlg(int templateId, QWidget* parent) : QDialog(parent), templateId(templateId) {}

CDlg::~CDlg() = default;

bool CDlg::OnInitDialog()
{
    return true;
}

bool CDlg::OnCommand(int id)
{
    if (id == kDialogCancel)
        EndDialog(kDialogCancel);
    return false;
}

bool CDlg::OnMessage(QEvent*)
{
    return false;
}

void CDlg::Initialise()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
}

void CDlg::EndDialog(int result)
{
    done(result);
}

void CDlg::BindCommand(QAbstractButton* button, int id)
{
    connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
}

void CDlg::BindCommand(QLineEdit* edit, int id)
{
    connect(edit, &QLineEdit::textChanged, this, [this, id] { OnCommand(id); });
}

bool CDlg::event(QEvent* event)
{
    return OnMessage(event) || QDialog::event(event);
}

// Escape and the close box both arrive here.
void CDlg::reject()
{
    OnCommand(kDialogCancel);
}

int RunModal(CDlg& dialog, QWidget* parent)
{
    if (parent && dialog.parentWidget() != parent)
        dialog.setParent(parent, dialog.windowFlags());
    dialog.Initialise();
    return dialog.exec();
}

void RunModeless(CDlg& dialog, QWidget* parent, int x, int y)
{
    if (parent && dialog.parentWidget() != parent)
        dialog.setParent(parent, dialog.windowFlags());
    dialog.Initialise();
    dialog.move(x, y);
    dialog.show();
}
