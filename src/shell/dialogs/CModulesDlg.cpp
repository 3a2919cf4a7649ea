#include "shell/dialogs/CModulesDlg.h"

#include "core/CCalc.h"
#include "shell/dialogs/FileDialogs.h"
#include "storage/ModuleLibrary.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const kSlotLabels[] = {"PGM 0&1-25", "PGM &26-50", "PGM &51-75"};
const char* const kSaveLabels[] = {"&Save", "S&ave", "Sa&ve"};
const QString kMasterLibrary = "Master Library";
const QString kNone = "None";

QString ShownName(const ModuleSlot& slot)
{
    switch (slot.kind) {
    case ModuleKind::Empty: return kNone;
    case ModuleKind::BuiltIn: return kMasterLibrary;
    case ModuleKind::File: break;
    }
    return QString::fromStdWString(slot.name);
}
}

CModulesDlg::CModulesDlg(ModuleLibrary& modules, CCalc& calc, QWidget* parent)
    : CDlg(kTemplate, parent),
      copyTo(new QRadioButton("&To =>", this)),
      copyFrom(new QRadioButton("&From <=", this)),
      programNumber(new QSpinBox(this)),
      programLength(new QSpinBox(this)),
      copyButton(new QPushButton("&Copy", this)),
      okButton(new QPushButton("OK", this)),
      modules_(modules),
      calc_(calc)
{
    setWindowTitle("Modules");
    auto* current = new QGroupBox("Current Modules", this);
    auto* slotGrid = new QGridLayout(current);
    for (int slot = 0; slot < kSlots; ++slot) {
        slotLists[slot] = new QComboBox(current);
        slotLists[slot]->setMinimumWidth(180);
        saveButtons[slot] = new QPushButton(kSaveLabels[slot], current);
        // The row keeps its shape whether or not the slot needs saving.
        QSizePolicy keepPlace = saveButtons[slot]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        saveButtons[slot]->setSizePolicy(keepPlace);
        auto* label = new QLabel(kSlotLabels[slot], current);
        label->setBuddy(slotLists[slot]);
        slotGrid->addWidget(label, slot, 0);
        slotGrid->addWidget(slotLists[slot], slot, 1);
        slotGrid->addWidget(saveButtons[slot], slot, 2);
        connect(slotLists[slot], &QComboBox::currentIndexChanged, this,
                [this, slot] { OnCommand(kSlotList + slot); });
        BindCommand(saveButtons[slot], kSaveSlot + slot);
    }

    auto* copy = new QGroupBox("Program Copy", this);
    auto* copyGrid = new QGridLayout(copy);
    copyGrid->addWidget(new QLabel("Current (PGM 00)", copy), 0, 0, 2, 1);
    copyGrid->addWidget(copyTo, 0, 1);
    copyGrid->addWidget(copyFrom, 1, 1);
    auto* numberLabel = new QLabel("&PGM", copy);
    numberLabel->setBuddy(programNumber);
    copyGrid->addWidget(numberLabel, 0, 2);
    copyGrid->addWidget(programNumber, 0, 3);
    auto* lengthLabel = new QLabel("Program length :", copy);
    lengthLabel->setBuddy(programLength);
    copyGrid->addWidget(lengthLabel, 1, 2);
    copyGrid->addWidget(programLength, 1, 3);
    copyGrid->addWidget(copyButton, 2, 3);
    // Out-of-range numbers cannot be typed at all: the fields refuse them.
    programNumber->setRange(1, ModuleLibrary::kPrograms);
    programLength->setRange(1, CCalc::StepCount);
    BindCommand(copyButton, kCopy);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    okButton->setDefault(true);
    BindCommand(okButton, kDialogOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(current);
    layout->addWidget(copy);
    layout->addLayout(buttons);
}

int CModulesDlg::UserProgramLength(const CCalc& calc)
{
    const auto steps = calc.UserProgram();
    for (int step = CCalc::StepCount - 1; step >= 0; --step)
        if (steps[static_cast<std::size_t>(step)] != 0)
            return step + 1;
    return 0;
}

bool CModulesDlg::OnInitDialog()
{
    for (int slot = 0; slot < kSlots; ++slot)
        FillSlotList(slot);
    programNumber->setValue(1);
    programLength->setValue(UserProgramLength(calc_));
    copyTo->setChecked(true);
    return true;
}

bool CModulesDlg::OnCommand(int id)
{
    if (id >= kSlotList && id < kSlotList + kSlots) {
        SlotChoiceMade(id - kSlotList);
        return true;
    }
    if (id >= kSaveSlot && id < kSaveSlot + kSlots) {
        SaveSlot(id - kSaveSlot);
        return true;
    }
    switch (id) {
    case kCopy:
        CopyProgram();
        return true;
    case kDialogOk:
        EndDialog(kDialogOk);
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}

void CModulesDlg::FillSlotList(int slot)
{
    const ModuleSlot& state = modules_.Slot(slot);
    QComboBox* list = slotLists[slot];
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItem(ShownName(state), int(state.kind));
    if (state.kind != ModuleKind::BuiltIn)
        list->addItem(kMasterLibrary, int(kChoiceMaster));
    if (state.kind != ModuleKind::Empty)
        list->addItem(kNone, int(kChoiceNone));
    list->addItem("Load...", int(kChoiceLoad));
    list->setCurrentIndex(0);
    saveButtons[slot]->setVisible(state.modified);
}

void CModulesDlg::SlotChoiceMade(int slot)
{
    switch (slotLists[slot]->currentData().toInt()) {
    case kChoiceLoad:
        if (const QString path = PickFile(LoadModuleRequest(this)); !path.isEmpty())
            modules_.LoadModuleFile(slot, path.toStdWString());
        break;
    case kChoiceNone:
        modules_.ClearModule(slot);
        break;
    case kChoiceMaster:
        modules_.LoadBuiltInModule(slot);
        break;
    default:
        break;
    }
    FillSlotList(slot);
}

void CModulesDlg::SaveSlot(int slot)
{
    const ModuleSlot& state = modules_.Slot(slot);
    const QString current =
        state.kind == ModuleKind::File ? QString::fromStdWString(state.path.wstring()) : QString();
    if (const QString path = PickFile(SaveModuleRequest(this, current)); !path.isEmpty())
        modules_.SaveModuleAs(slot, path.toStdWString());
    FillSlotList(slot);
}

void CModulesDlg::CopyProgram()
{
    const int program = programNumber->value();
    if (copyTo->isChecked()) {
        if (modules_.CopyToModule(program, programLength->value()))
            FillSlotList((program - 1) / storage::kModulePrograms);
    } else {
        modules_.CopyFromModule(program);
    }
}
