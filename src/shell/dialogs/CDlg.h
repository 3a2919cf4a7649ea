#pragma once
// Base of every dialog: an initialisation hook and one command hook that all
// buttons and edits report to by their control number, so each dialog's
// behaviour reads as one switch over its controls.

#include <QDialog>

class QAbstractButton;
class QLineEdit;

enum DialogResult { kDialogOk = 1, kDialogCancel = 2 };

class CDlg : public QDialog {
    Q_OBJECT
public:
    CDlg(int templateId, QWidget* parent);
    ~CDlg() override;

    const int templateId;

    // Called once before the dialog is first shown; true lets Qt pick the focus.
    virtual bool OnInitDialog();
    // A control reported; the base ends the dialog on Cancel.
    virtual bool OnCommand(int id);
    // Every event passes here first; true means handled.
    virtual bool OnMessage(QEvent* event);

    // Runs OnInitDialog the first time only.
    void Initialise();
    void EndDialog(int result);

protected:
    void BindCommand(QAbstractButton* button, int id);
    void BindCommand(QLineEdit* edit, int id);
    bool event(QEvent* event) override;
    void reject() override;

private:
    bool initialised_ = false;
};

// Runs the dialog modally; returns kDialogOk, kDialogCancel or the dialog's own result.
int RunModal(CDlg& dialog, QWidget* parent);
// Shows the dialog without blocking, its top-left corner at screen position (x, y).
void RunModeless(CDlg& dialog, QWidget* parent, int x, int y);
