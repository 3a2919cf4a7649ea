#include "shell/ContextMenu.h"

#include "shell/CMainWnd.h"
#include "shell/Settings.h"
#include "shell/debugger/CDebugDlg.h"
#include "shell/dialogs/DialogCommands.h"
#include "shell/program/ProgramWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

namespace {
template <typename Handler>
QAction* AddCommand(QMenu& menu, const QString& text, MainCommand command, Handler handler)
{
    QAction* action = menu.addAction(text);
    action->setData(static_cast<int>(command));
    QObject::connect(action, &QAction::triggered, &menu, handler);
    return action;
}

// The window's zoom, the present one checked; Ctrl+0 brings back 100 %.
void AddZoomMenu(QMenu& menu, CMainWnd& window)
{
    QMenu* zoom = menu.addMenu(QStringLiteral("&Zoom"));
    for (const int percent : kZoomSteps) {
        QString text = QStringLiteral("%1%").arg(percent);
        if (percent == kDefaultZoom)
            text += QStringLiteral("\tCtrl+0");
        QAction* action = zoom->addAction(text);
        action->setCheckable(true);
        action->setChecked(percent == window.ZoomPercent());
        QObject::connect(action, &QAction::triggered, &menu, [&window, percent] { window.ChooseZoom(percent); });
    }
}
}  // namespace

void FillContextMenu(QMenu& menu, CMainWnd& window)
{
    AddCommand(menu, QStringLiteral("&Printer..."), kCommandPrinter, [&window] { OpenPrinterWindow(&window); });
    AddCommand(menu, QStringLiteral("&Debug..."), kCommandDebug, [&window] { OpenDebugger(window); });
    // The window itself takes Ctrl+E; the menu only shows it.
    AddCommand(menu, QStringLiteral("&Program..."), kCommandProgram, [&window] { OpenProgramWindow(window); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    AddCommand(menu, QStringLiteral("&Edit Memo..."), kCommandEditMemo, [&window] {
        if (RunEditMemoCommand(&window, window.calc))
            window.ReloadLabelStrip();
    });
    menu.addSeparator();
    AddCommand(menu, QStringLiteral("&Modules..."), kCommandModules, [&window] {
        if (!window.modules)
            return;
        RunModulesCommand(&window, *window.modules, window.calc);
        // A slot may hold another module now, with another memo.
        window.ReloadLabelStrip();
    });
    AddCommand(menu, QStringLiteral("&Options..."), kCommandOptions, [&window] {
        if (RunOptionsCommand(&window, TheSettings(), window.calc))
            window.RestartBlinkTimer();
    });
    AddZoomMenu(menu, window);
    AddCommand(menu, QStringLiteral("&About"), kCommandAbout, [&window] { ShowAboutBox(&window); });
    menu.addSeparator();
    AddCommand(menu, QStringLiteral("E&xit"), kCommandExit, [&window] { window.close(); });
}

void ShowAboutBox(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("About Norvane"));
    box.setIconPixmap(QIcon(QStringLiteral(":/skin/icon.png")).pixmap(48, 48));
    box.setText(QStringLiteral("<b>Norvane %1</b>").arg(QCoreApplication::applicationVersion()));
    box.setInformativeText(QStringLiteral("An emulator of the TI-59 programmable calculator."));
    box.setStandardButtons(QMessageBox::Ok);
    // The box wraps its text to a narrow width of its own; one short sentence reads best on one line.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setWordWrap(false);
    box.exec();
}
