// Start-up and exit: the autosave and a program named on the command line,
// the settings folder, missing pictures, the one-instance rule and the
// ".ti" registration.

#include "KeyScript.h"
#include "core/CCalc.h"
#include "shell/Application.h"
#include "shell/CMainWnd.h"
#include "shell/FileAssociation.h"
#include "shell/Settings.h"
#include "shell/SystemError.h"
#include "storage/ProgramFile.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program file holding the given first steps.
void WriteProgram(const QString& path, std::initializer_list<int> steps)
{
    CCalc calc;
    int n = 0;
    for (int step : steps)
        keyscript::SetStep(calc, 0, n++, static_cast<uint8_t>(step));
    QVERIFY(SaveProgramFile(calc, path.toStdWString()));
}

QList<int> FirstSteps(const CCalc& calc, int count)
{
    QList<int> steps;
    for (int i = 0; i < count; ++i)
        steps << calc.Area(0)[i];
    return steps;
}

struct Sandbox {
    QTemporaryDir dir;
    QStringList errors;

    Sandbox()
    {
        SetSystemErrorSink([this](const QString& caption, const QString& text) { errors << caption + ": " + text; });
    }
    ~Sandbox() { SetSystemErrorSink({}); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Folder() const { return Path("base/Brivet/Norvane"); }
    StartupOptions Options(QStringList arguments = {}) const
    {
        StartupOptions options;
        for (const QString& argument : arguments)
            options.arguments << QFile::encodeName(argument);
        options.settingsBase = Path("base");
        options.dataFolder = Path("data");
        options.instanceName = "norvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
        return options;
    }
};
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        ProgramQSettings().clear();
        TheSettings() = Settings{};
    }

    void autosaveIsLoadedAndWritten();
    void commandLineFileIsLoadedButAutosaveWritten();
    void nameThatIsNotUtf8IsLoaded();
    void namedFileNotLoadedKeepsAutosave_data();
    void namedFileNotLoadedKeepsAutosave();
    void settingsAreLoadedAndSaved();
    void unusableSettingsFolder();
    void freshAccountWithoutDataFolder();
    void missingPicture_data();
    void missingPicture();
    void secondInstanceStopsAtOnce();
    void fileAssociation();
    void registrationOnlyOutsideAnInstall_data();
    void registrationOnlyOutsideAnInstall();
};

void StartupTest::autosaveIsLoadedAndWritten()
{
    Sandbox box;
    QDir().mkpath(box.Folder());
    WriteProgram(box.Folder() + "/TI59.ti", {76, 11, 1, 85, 2, 95});
    NorvaneSession session(box.Options());
    QVERIFY(session.StartUp());
    QVERIFY(session.Window());
    QCOMPARE(session.Folder(), box.Folder());
    QCOMPARE(FirstSteps(session.Calc(), 6), (QList<int>{76, 11, 1, 85, 2, 95}));
    keyscript::SetStep(session.Calc(), 0, 6, 91);
    session.Exit();
    CCalc reread;
    QVERIFY(LoadProgramFile(reread, (box.Folder() + "/TI59.ti").toStdWString()));
    QCOMPARE(FirstSteps(reread, 7), (QList<int>{76, 11, 1, 85, 2, 95, 91}));
    QVERIFY(box.errors.isEmpty());
}

void StartupTest::commandLineFileIsLoadedButAutosaveWritten()
{
    Sandbox box;
    const QString named = box.Path("my programs/loop.ti");
    QDir().mkpath(box.Path("my programs"));
    WriteProgram(named, {1, 44, 0, 61, 0, 0});
    const QByteArray before = ReadAll(named);
    // The shell passes the path in pieces where it had spaces.
    NorvaneSession session(box.Options(named.split(' ')));
    QVERIFY(session.StartUp());
    QCOMPARE(session.LoadedPath(), named);
    QCOMPARE(FirstSteps(session.Calc(), 6), (QList<int>{1, 44, 0, 61, 0, 0}));
    keyscript::SetStep(session.Calc(), 0, 0, 2);
    session.Exit();
    QCOMPARE(ReadAll(named), before);
    CCalc autosaved;
    QVERIFY(LoadProgramFile(autosaved, (box.Folder() + "/TI59.ti").toStdWString()));
    QCOMPARE(FirstSteps(autosaved, 2), (QList<int>{2, 44}));
}

// Byte 0xE9 is "é" in Latin-1 and no UTF-8: the file is opened by its bytes.
void StartupTest::nameThatIsNotUtf8IsLoaded()
{
    Sandbox box;
    const QByteArray named = QFile::encodeName(box.dir.path()) + "/caf\xE9.ti";
    CCalc calc;
    keyscript::SetStep(calc, 0, 0, 42);
    QVERIFY(SaveProgramFile(calc, std::filesystem::path(named.toStdString())));
    StartupOptions options = box.Options();
    options.arguments = {named};
    NorvaneSession session(options);
    QVERIFY(session.StartUp());
    QVERIFY2(box.errors.isEmpty(), qPrintable(box.errors.join(" / ")));
    QCOMPARE(FirstSteps(session.Calc(), 1), QList<int>{42});
    session.Exit();
}

void StartupTest::namedFileNotLoadedKeepsAutosave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.ti" << "No such file";
    // Taken whole, quotes and all, so it names no file.
    QTest::newRow("quoted") << "\"loop.ti\"" << "No such file";
    QTest::newRow("damaged") << "short.ti" << "holds 3 bytes";
    QTest::newRow("folder") << "folder.ti" << "directory";
}

void StartupTest::namedFileNotLoadedKeepsAutosave()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    Sandbox box;
    QDir().mkpath(box.Folder());
    const QString autosave = box.Folder() + "/TI59.ti";
    WriteProgram(autosave, {76, 11, 1, 85, 2, 95});
    WriteProgram(box.Path("loop.ti"), {1, 2, 3});
    QFile damaged(box.Path("short.ti"));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("abc") == 3);
    damaged.close();
    QDir().mkpath(box.Path("folder.ti"));
    const QByteArray before = ReadAll(autosave);

    NorvaneSession session(box.Options({name.startsWith('"') ? '"' + box.Path(name.mid(1)) : box.Path(name)}));
    QVERIFY(session.StartUp());
    QCOMPARE(box.errors.size(), 1);
    QVERIFY2(box.errors[0].contains(reason, Qt::CaseInsensitive), qPrintable(box.errors[0]));
    QCOMPARE(session.LoadedPath(), autosave);
    QCOMPARE(FirstSteps(session.Calc(), 6), (QList<int>{76, 11, 1, 85, 2, 95}));
    session.Exit();
    QCOMPARE(ReadAll(autosave), before);
}

void StartupTest::settingsAreLoadedAndSaved()
{
    Sandbox box;
    ProgramQSettings().setValue("DureePauseLongue", 700);
    ProgramQSettings().setValue("DelaiRun", 40);
    ProgramQSettings().setValue("Gauche", 10);
    ProgramQSettings().setValue("Haut", 20);
    ProgramQSettings().setValue("Zoom", 75);
    ProgramQSettings().sync();
    NorvaneSession session(box.Options());
    QVERIFY(session.StartUp());
    QCOMPARE(TheSettings().DureePauseLongue, 700u);
    QCOMPARE(TheSettings().DelaiRun, 0u);
    QCOMPARE(session.Window()->pos(), QPoint(10, 20));
    QCOMPARE(session.Window()->ZoomPercent(), 75);
    const std::wstring printFile(session.Calc().PrintFile());
    QCOMPARE(QString::fromStdWString(printFile), TheSettings().PrintFile);
    session.Window()->move(123, 45);
    session.Window()->close();
    session.Exit();
    QCOMPARE(ProgramQSettings().value("Gauche").toInt(), 123);
    QCOMPARE(ProgramQSettings().value("Haut").toInt(), 45);
    QCOMPARE(ProgramQSettings().value("Zoom").toInt(), 75);
    QCOMPARE(ProgramQSettings().value("DelaiRun").toInt(), 0);
    QVERIFY(ProgramQSettings().contains("Modul #0"));
}

void StartupTest::unusableSettingsFolder()
{
    Sandbox box;
    // A file where the folder should be: the folder cannot be made.
    QFile blocker(box.Path("base"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    NorvaneSession session(box.Options());
    QVERIFY(session.StartUp());
    QVERIFY(session.Window());
    QVERIFY2(box.errors.isEmpty(), qPrintable(box.errors.join(" / ")));  // not reported at start
    keyscript::SetStep(session.Calc(), 0, 0, 5);
    session.Exit();
    // The program could not be kept: the user hears of it.
    QVERIFY2(!box.errors.isEmpty(), "losing the autosave went unreported");
    QVERIFY(ProgramQSettings().contains("DureePauseLongue"));
}

void StartupTest::freshAccountWithoutDataFolder()
{
    Sandbox box;
    StartupOptions options = box.Options();
    options.settingsBase = box.Path("home/.local/share");
    NorvaneSession session(std::move(options));
    QVERIFY(session.StartUp());
    session.Exit();
    QVERIFY2(box.errors.isEmpty(), qPrintable(box.errors.join(" / ")));
    QVERIFY(QFile::exists(box.Path("home/.local/share/Brivet/Norvane/TI59.ti")));
}

void StartupTest::missingPicture_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("caption");
    QTest::newRow("face") << "face" << "Cannot find background";
    QTest::newRow("indicators") << "indicators" << "LoadBitmap(Indicateurs)";
    QTest::newRow("glyphs") << "glyphs" << "LoadBitmap(Affichage)";
}

void StartupTest::missingPicture()
{
    QFETCH(QString, part);
    QFETCH(QString, caption);
    Sandbox box;
    StartupOptions options = box.Options();
    const QString missing = QStringLiteral(":/skin/missing.png");
    if (part == "face")
        options.skin.face = missing;
    else if (part == "indicators")
        options.skin.indicators = missing;
    else
        options.skin.glyphs = missing;
    NorvaneSession session(std::move(options));
    QVERIFY(session.StartUp());
    QVERIFY(!session.Window());
    QCOMPARE(box.errors.size(), 1);
    QVERIFY2(box.errors[0].startsWith(caption + ": "), qPrintable(box.errors[0]));
    // The exit saves go on without a window.
    keyscript::SetStep(session.Calc(), 0, 0, 7);
    session.Exit();
    QVERIFY(QFile::exists(box.Folder() + "/TI59.ti"));
    QVERIFY(QFile::exists(box.Folder() + "/TI59.state"));
    QVERIFY(ProgramQSettings().contains("Haut"));
}

void StartupTest::secondInstanceStopsAtOnce()
{
    Sandbox first;
    Sandbox second;
    StartupOptions options = first.Options();
    NorvaneSession running(options);
    QVERIFY(running.StartUp());
    QVERIFY(!running.Window()->isVisible());

    StartupOptions again = second.Options();
    again.instanceName = options.instanceName;
    NorvaneSession late(std::move(again));
    QVERIFY(!late.StartUp());
    late.Exit();
    QVERIFY(!QFile::exists(second.Path("base")));
    QVERIFY(!QFile::exists(second.Path("data")));
    QTRY_VERIFY(running.Window()->isVisible());  // asked to come forward
    running.Exit();
}

void StartupTest::fileAssociation()
{
    QTemporaryDir data;
    const QString exe = QStringLiteral("/opt/my apps/norvane");
    QVERIFY(RegisterFileAssociation(data.path(), exe, false));
    const QString desktop = data.filePath("applications/norvane.desktop");
    const QByteArray entry = ReadAll(desktop);
    QVERIFY(entry.contains("Exec=\"/opt/my apps/norvane\" %f\n"));
    QVERIFY(entry.contains("MimeType=application/x-ti59-program;"));
    QVERIFY(ReadAll(data.filePath("mime/packages/norvane-ti.xml")).contains("<glob pattern=\"*.ti\"/>"));
    QVERIFY(QImage(data.filePath("icons/hicolor/64x64/apps/norvane.png")).size() == QSize(64, 64));
    // Unchanged files are left alone.
    QVERIFY(!RegisterFileAssociation(data.path(), exe, false));
    QFile damaged(desktop);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("junk");
    damaged.close();
    QVERIFY(RegisterFileAssociation(data.path(), exe, false));
    QCOMPARE(ReadAll(desktop), entry);
    QCOMPARE(DesktopExecLine("/usr/bin/norvane"), QStringLiteral("/usr/bin/norvane"));
}

void StartupTest::registrationOnlyOutsideAnInstall_data()
{
    QTest::addColumn<QString>("packagedEntry");  // relative to the executable's folder's parent
    QTest::addColumn<bool>("registers");
    QTest::newRow("build folder") << QString() << true;
    QTest::newRow("installed") << "share/applications/io.github.brivet.Norvane.desktop" << false;
    QTest::newRow("another program's entry") << "share/applications/norvane.desktop" << true;
}

void StartupTest::registrationOnlyOutsideAnInstall()
{
    QFETCH(QString, packagedEntry);
    QFETCH(bool, registers);
    Sandbox box;
    QDir().mkpath(box.Path("prefix/bin"));
    if (!packagedEntry.isEmpty()) {
        QDir().mkpath(QFileInfo(box.Path("prefix/" + packagedEntry)).absolutePath());
        QFile entry(box.Path("prefix/" + packagedEntry));
        QVERIFY(entry.open(QIODevice::WriteOnly));
    }
    StartupOptions options = box.Options();
    options.executableFolder = box.Path("prefix/bin");
    NorvaneSession session(std::move(options));
    QVERIFY(session.StartUp());
    session.Exit();
    QCOMPARE(QFile::exists(box.Path("data/applications/norvane.desktop")), registers);
    QCOMPARE(QFile::exists(box.Path("data/mime/packages/norvane-ti.xml")), registers);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
