#pragma once
// "Setup breakpoint": edits one breakpoint record. The caller owns the slot;
// the edited record is put there only when the dialog ends with OK.

#include "printer/Breakpoints.h"
#include "shell/dialogs/CDlg.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CBreakpointDlg : public CDlg {
    Q_OBJECT
public:
    static constexpr int kTemplate = 141;
    enum Control {
        kAlways = 1028,
        kConditional = 1029,
        kRegisterBox = 1030,
        kOperatorBox = 1031,
        kValueEdit = 1032,
    };

    CBreakpointDlg(const BreakpointRecord& record, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;

    // The record as edited; the result after OK.
    BreakpointRecord record;

    QRadioButton* alwaysButton;
    QRadioButton* conditionalButton;
    QComboBox* registerBox;
    QComboBox* operatorBox;
    QLineEdit* valueEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    bool IsRegisterRecord() const;
    void EnableControls();
    void Accept();
};
