#pragma once
// "Modules": which module sits in each of the three slots, saving a slot
// that a copy changed, and copying programs between user memory and a module.

#include "shell/dialogs/CDlg.h"

#include <array>

class CCalc;
class ModuleLibrary;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CModulesDlg : public CDlg {
    Q_OBJECT
public:
    enum Control {
        kProgramNumber = 1014,
        kSlotList = 1025,    // 1025..1027
        kSaveSlot = 1028,    // 1028..1030
        kProgramLength = 1038,
        kCopyTo = 1036,
        kCopyFrom = 1037,
        kCopy = 1040,
    };
    enum ListChoice { kChoiceLoad = -1, kChoiceNone = 0, kChoiceMaster = 1, kChoiceFile = 2 };
    static constexpr int kTemplate = 145;
    static constexpr int kSlots = 3;

    CModulesDlg(ModuleLibrary& modules, CCalc& calc, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;

    // Index of the last non-zero step of user memory plus one; 0 when it is empty.
    static int UserProgramLength(const CCalc& calc);

    std::array<QComboBox*, kSlots> slotLists;
    std::array<QPushButton*, kSlots> saveButtons;
    QRadioButton* copyTo;
    QRadioButton* copyFrom;
    QSpinBox* programNumber;
    QSpinBox* programLength;
    QPushButton* copyButton;
    QPushButton* okButton;

private:
    void FillSlotList(int slot);
    void SlotChoiceMade(int slot);
    void SaveSlot(int slot);
    void CopyProgram();

    ModuleLibrary& modules_;
    CCalc& calc_;
};
