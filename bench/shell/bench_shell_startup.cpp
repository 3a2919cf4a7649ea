// The desktop program's start-up, for timing the whole process from outside:
// the real start-up steps with the settings and state in a scratch folder,
// the window shown and painted once, then the real exit.
//   QT_QPA_PLATFORM=offscreen [QT_SCALE_FACTOR=2] bench_shell_startup

#include "shell/Application.h"
#include "shell/CMainWnd.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brivet"));
    QApplication::setApplicationName(QStringLiteral("Norvane-bench"));
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    StartupOptions options;
    options.settingsBase = scratch.filePath(QStringLiteral("state"));
    options.dataFolder = scratch.filePath(QStringLiteral("data"));
    options.instanceName = QStringLiteral("norvane-bench-%1").arg(QCoreApplication::applicationPid());
    NorvaneSession session(options);
    if (!session.StartUp() || !session.Window())
        return 1;
    session.Window()->show();
    session.Window()->repaint();
    QCoreApplication::processEvents();
    session.Exit();
    return 0;
}
