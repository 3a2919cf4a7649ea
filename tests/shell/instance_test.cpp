// The real program started twice: the second copy hands over to the first
// and exits at once with 0, writing nothing.

#include "shell/SingleInstance.h"

#include <QDirIterator>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {
// Every file below the folder with its size and time, to see what changed.
QStringList Snapshot(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}
}  // namespace

class InstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyExitsAtOnce();
    void onePerDesktopSession();
};

// Same user, same /tmp: another display or session is another copy.
void InstanceTest::onePerDesktopSession()
{
    auto nameWith = [](const char* runtime, const char* display, const char* wayland) {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("DISPLAY", display);
        qputenv("WAYLAND_DISPLAY", wayland);
        return SingleInstance::DefaultName();
    };
    const QString first = nameWith("/run/user/1000", ":0", "");
    QCOMPARE(nameWith("/run/user/1000", ":0", ""), first);
    QVERIFY(first.startsWith("/run/user/1000/"));
    QVERIFY(nameWith("/run/user/1000", ":1", "") != first);
    QVERIFY(nameWith("/run/user/1000", ":0", "wayland-0") != first);
    QVERIFY(nameWith("/run/user/2000", ":0", "") != first);
}

void InstanceTest::secondCopyExitsAtOnce()
{
    QTemporaryDir home;
    const QString user = "norvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("USER", user);
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("HOME", home.path());
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("DISPLAY", ":77");
    env.remove("WAYLAND_DISPLAY");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(NORVANE_EXE, {});
    QVERIFY(first.waitForStarted());
    QLocalSocket probe;
    QTRY_VERIFY_WITH_TIMEOUT(
        (probe.connectToServer(home.filePath("Norvane-" + user + "-:77")), probe.waitForConnected(100)), 20000);
    probe.disconnectFromServer();
    QTest::qWait(200);
    const QStringList before = Snapshot(home.path());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(NORVANE_EXE, {home.filePath("some program.ti")});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(Snapshot(home.path()), before);
    QCOMPARE(first.state(), QProcess::Running);

    // Ended by the session, the first copy still keeps its program.
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(QFile::exists(home.filePath("data/Brivet/Norvane/TI59.ti")));
    QVERIFY(QFile::exists(home.filePath("config/Brivet/Norvane.conf")));
}

QTEST_MAIN(InstanceTest)
#include "instance_test.moc"
