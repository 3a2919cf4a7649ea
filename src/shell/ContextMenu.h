#pragma once
// The main window's context menu and its command numbers.

class CMainWnd;
class QMenu;
class QWidget;

enum MainCommand {
    kCommandDebug = 32772,
    kCommandOptions = 32776,
    kCommandModules = 32784,
    kCommandPrinter = 32786,
    kCommandEditMemo = 32787,
    kCommandCopyDisplay = 32788,
    kCommandProgram = 32789,
    kCommandAbout = 1004,
    kCommandExit = 1006,
};

// Fills the menu in its order; each item carries its command number as data.
void FillContextMenu(QMenu& menu, CMainWnd& window);

// The About box, modal on the parent.
void ShowAboutBox(QWidget* parent);
