#include "shell/dialogs/DialogCommands.h"

#include "core/CCalc.h"
#include "face/StripTexts.h"
#include "shell/EngineFilePaths.h"
#include "shell/Settings.h"
#include "shell/dialogs/CMemoDialog.h"
#include "shell/dialogs/CModulesDlg.h"
#include "shell/dialogs/COptionsDlg.h"
#include "shell/dialogs/CPrinterDlg.h"


namespace {
constexpr int kPrinterWindowGap = 4;

}

bool RunOptionsCommand(QWidget* parent, Settings& settings, CCalc& calc)
{
    const OptionValues current{settings.PrintFile, settings.WriteFolder, settings.DureePauseLongue,
                               settings.DureePauseCourte, settings.DureeClignotement};
    COptionsDlg dialog(current, parent);
    if (RunModal(dialog, parent) != kDialogOk)
        return false;
    settings.PrintFile = dialog.values.printFile;
    settings.WriteFolder = dialog.values.writeFolder;
    settings.DureePauseLongue = dialog.values.dureePauseLongue;
    settings.DureePauseCourte = dialog.values.dureePauseCourte;
    settings.DureeClignotement = dialog.values.dureeClignotement;
    SendFilePathsToEngine(calc, settings.PrintFile, settings.WriteFolder);
    return true;
}

void StoreMemo(CCalc& calc, const CMemoDialog& dialog)
{
    storage::SetMemoTexts(calc, MemoFromStripTexts(dialog.StoredTexts()));
}

bool RunEditMemoCommand(QWidget* parent, CCalc& calc)
{
    CMemoDialog dialog(StripTextsFromMemo(storage::MemoTextsOf(calc)), parent);
    if (RunModal(dialog, parent) != kDialogOk)
        return false;
    StoreMemo(calc, dialog);
    return true;
}

void RunModulesCommand(QWidget* parent, ModuleLibrary& modules, CCalc& calc)
{
    CModulesDlg dialog(modules, calc, parent);
    RunModal(dialog, parent);
}

void OpenPrinterWindow(QWidget* mainWindow)
{
    if (CPrinterDlg* open = CPrinterDlg::Instance()) {
        open->show();
        open->raise();
        return;
    }
    auto* dialog = new CPrinterDlg(mainWindow);
    const QRect frame = mainWindow ? mainWindow->frameGeometry() : QRect();
    RunModeless(*dialog, mainWindow, frame.right() + 1 + kPrinterWindowGap, frame.top());
}
