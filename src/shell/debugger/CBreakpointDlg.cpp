#include "shell/debugger/CBreakpointDlg.h"

#include "shell/debugger/BreakpointValue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {
const char* const kOperatorTexts[] = {"=", "!=", ">", ">=", "<", "<="};
}

CBreakpointDlg::CBreakpointDlg(const BreakpointRecord& edited, QWidget* parent)
    : CDlg(kTemplate, parent),
      record(edited),
      alwaysButton(new QRadioButton(QStringLiteral("Stop &always"), this)),
      conditionalButton(new QRadioButton(QStringLiteral("Stop if / when"), this)),
      registerBox(new QComboBox(this)),
      operatorBox(new QComboBox(this)),
      valueEdit(new QLineEdit(this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Setup breakpoint"));
    for (int r = 0; r < static_cast<int>(kRegisterSlots); ++r)
        registerBox->addItem(QStringLiteral("Mem %1").arg(r, 2, 10, QLatin1Char('0')));
    for (const char* text : kOperatorTexts)
        operatorBox->addItem(QString::fromLatin1(text));
    valueEdit->setMaxLength(kBreakpointValueLength);
    okButton->setDefault(true);

    auto* condition = new QHBoxLayout;
    condition->addWidget(registerBox);
    condition->addWidget(operatorBox);
    condition->addWidget(valueEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QGridLayout(this);
    layout->addWidget(alwaysButton, 0, 0);
    layout->addWidget(conditionalButton, 1, 0);
    layout->addLayout(condition, 2, 0);
    layout->addLayout(buttons, 3, 0);

    BindCommand(alwaysButton, kAlways);
    BindCommand(conditionalButton, kConditional);
    BindCommand(okButton, kDialogOk);
    BindCommand(cancelButton, kDialogCancel);
}

bool CBreakpointDlg::IsRegisterRecord() const
{
    return record.kind == static_cast<int32_t>(BreakpointKind::Register);
}

bool CBreakpointDlg::OnInitDialog()
{
    const int lastRegister = static_cast<int>(kRegisterSlots) - 1;
    registerBox->setCurrentIndex(std::clamp(record.registerNumber, 0, lastRegister));
    operatorBox->setCurrentIndex(std::clamp(record.operatorCode, 0, static_cast<int32_t>(kLessOrEqual)));
    valueEdit->setText(QString::fromStdWString(FloatingText(record.value)));
    // A register breakpoint always compares the register itself.
    const bool conditional = IsRegisterRecord() || record.conditional != 0;
    conditionalButton->setChecked(conditional);
    alwaysButton->setChecked(!conditional);
    alwaysButton->setEnabled(!IsRegisterRecord());
    conditionalButton->setEnabled(!IsRegisterRecord());
    EnableControls();
    return true;
}

void CBreakpointDlg::EnableControls()
{
    const bool conditional = conditionalButton->isChecked();
    registerBox->setEnabled(conditional && !IsRegisterRecord());
    operatorBox->setEnabled(conditional);
    valueEdit->setEnabled(conditional);
}

bool CBreakpointDlg::OnCommand(int id)
{
    switch (id) {
    case kAlways:
    case kConditional:
        EnableControls();
        return true;
    case kDialogOk:
        Accept();
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}

void CBreakpointDlg::Accept()
{
    const bool conditional = conditionalButton->isChecked();
    CNombre value;
    if (conditional) {
        const std::optional<CNombre> typed = ParseBreakpointValue(valueEdit->text().toStdWString());
        if (!typed) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("\"%1\" is not a number. Write the value as 1.5E-3 or 1.5 -3.")
                                     .arg(valueEdit->text()));
            valueEdit->setFocus();
            valueEdit->selectAll();
            return;
        }
        value = *typed;
    }
    record.conditional = conditional ? 1 : 0;
    record.operatorCode = operatorBox->currentIndex();
    record.registerNumber = registerBox->currentIndex();
    record.value = value;
    EndDialog(kDialogOk);
}
