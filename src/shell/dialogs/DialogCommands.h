#pragma once
// The main window's dialog commands: each opens its dialog and carries the
// result back into the settings and the engine.

class CCalc;
class CMemoDialog;
class ModuleLibrary;
class QWidget;
struct Settings;

// True on OK: the paths reached the engine, and a running blink timer
// should restart with the new period.
bool RunOptionsCommand(QWidget* parent, Settings& settings, CCalc& calc);
// True on OK: memoTexts changed and the label strip must be reloaded.
bool RunEditMemoCommand(QWidget* parent, CCalc& calc);
void RunModulesCommand(QWidget* parent, ModuleLibrary& modules, CCalc& calc);
// Shows the printer window, creating it 4 pixels right of the main window.
void OpenPrinterWindow(QWidget* mainWindow);

// What OK of the memo dialog stores into the engine.
void StoreMemo(CCalc& calc, const CMemoDialog& dialog);
