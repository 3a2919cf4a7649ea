// The desktop program's start-up, for timing the whole process from outside:
// the real start-up steps with the settings and state in a scratch folder,
// the window shown and painted once, then the real exit.
//   QT_QPA_PLATFORM=offscreen [QT_SCALE_FACTOR=2] bench_shell_startup [--until-shown]
// With --until-shown the process ends as soon as the window is on the screen
// (the windowing system has answered a read of it), without the exit: the
// start-up alone.
// The window shrinks to fit its screen: to time it at 2 times, the screen
// must be at least 1600 pixels tall (Xvfb -screen 0 1280x1700x24, or
// offscreen:configfile=FILE with a "screens" entry that tall); on a smaller
// one it opens at 75 %, with the 1.5 times pictures.

#include "shell/Application.h"
#include "shell/CMainWnd.h"

#include <QApplication>
#include <QLocalServer>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

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
    if (argc > 1 && std::strcmp(argv[1], "--until-shown") == 0) {
        const QPoint corner = session.Window()->geometry().topLeft();
        session.Window()->screen()->grabWindow(0, corner.x(), corner.y(), 1, 1);
        scratch.remove();
        QLocalServer::removeServer(options.instanceName);
        std::_Exit(0);
    }
    session.Exit();
    return 0;
}
