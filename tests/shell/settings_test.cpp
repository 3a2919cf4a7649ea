// Settings load with their defaults and save; the error report's text; the
// resource stream's reads, seeks and refusals; the module slots' store.

#include "shell/CResourceStream.h"
#include "shell/QtStringStore.h"
#include "shell/Settings.h"
#include "shell/Skin.h"
#include "shell/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

namespace {
struct Store {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Norvane.conf"));
    std::unique_ptr<QSettings> settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
};

const QStringList kAllNames{"PrintFile", "WriteFolder", "DelaiRun", "DureePauseCourte",
                            "DureePauseLongue", "DureeClignotement", "Gauche", "Haut", "Zoom"};
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { EnsureSkinResources(); }

    void defaultsWhenNothingIsStored();
    void storedValuesLoad_data();
    void storedValuesLoad();
    void delaiRunIsZeroAfterEveryLoad();
    void firstSaveWritesAllValues();
    void emptyPathsKeepThePreviousOnes();
    void roundTrip();

    void systemErrorText_data();
    void systemErrorText();
    void systemErrorGoesToTheSink();

    void streamReadsToTheEnd();
    void streamSeekStopsAtTheEnd();
    void streamRefusesWriting();
    void streamOfMissingResource();

    void moduleSlotStore();
    void printFileDefault_data();
    void printFileDefault();
};

void SettingsTest::defaultsWhenNothingIsStored()
{
    Store store;
    Settings settings;
    LoadSettings(settings, *store.settings);
    QCOMPARE(settings.PrintFile, DefaultPrintFile());
    QVERIFY(settings.PrintFile.endsWith(QStringLiteral("TI59.txt")));
    QCOMPARE(settings.WriteFolder, DefaultWriteFolder());
    QCOMPARE(settings.DelaiRun, 0u);
    QCOMPARE(settings.DureePauseCourte, 50u);
    QCOMPARE(settings.DureePauseLongue, 500u);
    QCOMPARE(settings.DureeClignotement, 200u);
    QCOMPARE(settings.Gauche, 100);
    QCOMPARE(settings.Haut, 100);
}

void SettingsTest::printFileDefault_data()
{
    QTest::addColumn<bool>("hasDocuments");
    QTest::addColumn<QString>("folder");
    QTest::newRow("documents folder") << true << "Documents";
    QTest::newRow("no documents folder: the state folder") << false << "data/Brivet/Norvane";
}

void SettingsTest::printFileDefault()
{
    QFETCH(bool, hasDocuments);
    QFETCH(QString, folder);
    QTemporaryDir home;
    if (hasDocuments)
        QVERIFY(QDir(home.path()).mkdir("Documents"));
    const QByteArray keptHome = qgetenv("HOME"), keptConfig = qgetenv("XDG_CONFIG_HOME"),
                     keptData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString printFile = DefaultPrintFile();
    qputenv("HOME", keptHome);
    keptConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", keptConfig);
    keptData.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", keptData);
    QCOMPARE(printFile, home.path() + "/" + folder + "/TI59.txt");
    QVERIFY(QFileInfo(printFile).dir().exists());
}

void SettingsTest::storedValuesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<qlonglong>("expected");  // of the field named
    QTest::newRow("short pause") << "DureePauseCourte" << QVariant(75) << 75ll;
    QTest::newRow("long pause") << "DureePauseLongue" << QVariant(1200) << 1200ll;
    QTest::newRow("blink") << "DureeClignotement" << QVariant(333) << 333ll;
    QTest::newRow("left") << "Gauche" << QVariant(-40) << -40ll;
    QTest::newRow("top") << "Haut" << QVariant(2000) << 2000ll;
    // What cannot be a value of the field keeps the default.
    QTest::newRow("text for a number") << "DureePauseLongue" << QVariant("long") << 500ll;
    QTest::newRow("negative duration") << "DureePauseCourte" << QVariant(-5) << 50ll;
    QTest::newRow("beyond 32 bits") << "Gauche" << QVariant(5000000000ll) << 100ll;
    QTest::newRow("zoom") << "Zoom" << QVariant(150) << 150ll;
    QTest::newRow("zoom the menu does not offer") << "Zoom" << QVariant(110) << 100ll;
}

void SettingsTest::storedValuesLoad()
{
    QFETCH(QString, name);
    QFETCH(QVariant, stored);
    QFETCH(qlonglong, expected);
    Store store;
    store.settings->setValue(name, stored);
    store.settings->sync();
    Settings settings;
    LoadSettings(settings, *store.settings);
    const std::map<QString, qlonglong> fields{
        {"DureePauseCourte", settings.DureePauseCourte}, {"DureePauseLongue", settings.DureePauseLongue},
        {"DureeClignotement", settings.DureeClignotement}, {"Gauche", settings.Gauche}, {"Haut", settings.Haut},
        {"Zoom", settings.Zoom}};
    QCOMPARE(fields.at(name), expected);
}

void SettingsTest::delaiRunIsZeroAfterEveryLoad()
{
    Store store;
    store.settings->setValue("DelaiRun", 250);
    Settings settings;
    settings.DelaiRun = 99;
    LoadSettings(settings, *store.settings);
    QCOMPARE(settings.DelaiRun, 0u);
    SaveSettings(settings, *store.settings);
    QCOMPARE(store.settings->value("DelaiRun").toInt(), 0);
}

void SettingsTest::firstSaveWritesAllValues()
{
    Store store;
    Settings settings;
    LoadSettings(settings, *store.settings);
    SaveSettings(settings, *store.settings);
    QSettings reread(store.path, QSettings::IniFormat);
    for (const QString& name : kAllNames)
        QVERIFY2(reread.contains(name), qPrintable(name));
    QCOMPARE(reread.value("DureePauseLongue").toInt(), 500);
}

void SettingsTest::emptyPathsKeepThePreviousOnes()
{
    Store store;
    store.settings->setValue("PrintFile", "/old/print.txt");
    store.settings->setValue("WriteFolder", "/old/folder");
    Settings settings;
    LoadSettings(settings, *store.settings);
    QCOMPARE(settings.PrintFile, QStringLiteral("/old/print.txt"));
    settings.PrintFile.clear();
    settings.WriteFolder.clear();
    SaveSettings(settings, *store.settings);
    QSettings reread(store.path, QSettings::IniFormat);
    QCOMPARE(reread.value("PrintFile").toString(), QStringLiteral("/old/print.txt"));
    QCOMPARE(reread.value("WriteFolder").toString(), QStringLiteral("/old/folder"));
}

void SettingsTest::roundTrip()
{
    Store store;
    Settings saved;
    saved.PrintFile = QStringLiteral("/home/u/Documents/été.txt");
    saved.WriteFolder = QStringLiteral("/home/u/banks");
    saved.DureePauseCourte = 10;
    saved.DureePauseLongue = 900;
    saved.DureeClignotement = 150;
    saved.Gauche = 321;
    saved.Haut = -12;
    SaveSettings(saved, *store.settings);
    QSettings reread(store.path, QSettings::IniFormat);
    Settings loaded;
    LoadSettings(loaded, reread);
    QCOMPARE(loaded.PrintFile, saved.PrintFile);
    QCOMPARE(loaded.WriteFolder, saved.WriteFolder);
    QCOMPARE(loaded.DureePauseCourte, 10u);
    QCOMPARE(loaded.DureePauseLongue, 900u);
    QCOMPARE(loaded.DureeClignotement, 150u);
    QCOMPARE(loaded.Gauche, 321);
    QCOMPARE(loaded.Haut, -12);
}

void SettingsTest::systemErrorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("ENOENT") << ENOENT << "No such file or directory";
    QTest::newRow("EACCES") << EACCES << "Permission denied";
    QTest::newRow("ENOSPC") << ENOSPC << "No space left on device";
    QTest::newRow("no text") << 0 << "err 0x00000000";
    QTest::newRow("unknown") << 3999 << "err 0x00000F9F";
    QTest::newRow("negative") << -2 << "err 0xFFFFFFFE";
}

void SettingsTest::systemErrorText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(SystemErrorText(code), text);
}

void SettingsTest::systemErrorGoesToTheSink()
{
    QStringList seen;
    SetSystemErrorSink([&](const QString& caption, const QString& text) { seen << caption << text; });
    ShowSystemError(QStringLiteral("Cannot load background"), ENOENT);
    ShowSystemError(QStringLiteral("Write"), EIO, QStringLiteral("/tmp/prog.ti"));
    ShowSystemError(QStringLiteral("Read"), 0, QStringLiteral("The file is too short."));
    SetSystemErrorSink({});
    QCOMPARE(seen, (QStringList{"Cannot load background", "No such file or directory", "Write",
                                "/tmp/prog.ti: Input/output error", "Read", "The file is too short."}));
}

void SettingsTest::streamReadsToTheEnd()
{
    CResourceStream stream(QStringLiteral(":/skin/led.png"));
    QVERIFY(stream.IsValid());
    QFile file(QStringLiteral(":/skin/led.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray all = file.readAll();
    QCOMPARE(stream.size(), all.size());
    QVERIFY(stream.seek(stream.size() - 10));
    char buffer[100];
    QCOMPARE(stream.read(buffer, 100), 10);
    QCOMPARE(QByteArray(buffer, 10), all.right(10));
    QCOMPARE(stream.read(buffer, 100), 0);
    QVERIFY(stream.atEnd());
    QVERIFY(stream.seek(0));
    QCOMPARE(stream.readAll(), all);
}

void SettingsTest::streamSeekStopsAtTheEnd()
{
    CResourceStream stream(QStringLiteral(":/skin/indicators.png"));
    QVERIFY(stream.seek(stream.size() + 5000));
    QCOMPARE(stream.pos(), stream.size());
    char byte;
    QCOMPARE(stream.read(&byte, 1), 0);
    QVERIFY(!stream.seek(-1));
}

void SettingsTest::streamRefusesWriting()
{
    CResourceStream stream(QStringLiteral(":/skin/indicators.png"));
    QCOMPARE(stream.write("x", 1), -1);
    stream.close();
    QVERIFY(!stream.open(QIODevice::ReadWrite));
    QVERIFY(!stream.open(QIODevice::WriteOnly));
    QVERIFY(stream.open(QIODevice::ReadOnly));
}

void SettingsTest::streamOfMissingResource()
{
    CResourceStream stream(QStringLiteral(":/skin/no-such-picture.png"));
    QVERIFY(!stream.IsValid());
    QVERIFY(!stream.isOpen());
    QVERIFY(!stream.open(QIODevice::ReadOnly));
    QCOMPARE(stream.size(), 0);
}

void SettingsTest::moduleSlotStore()
{
    Store store;
    QtStringStore modules(*store.settings);
    QVERIFY(!modules.GetString(L"Modul #1").has_value());
    modules.SetString(L"Modul #1", L"/home/u/Modules/stat é.mod");
    QCOMPARE(modules.GetString(L"Modul #1").value(), std::wstring(L"/home/u/Modules/stat é.mod"));
    modules.SetString(L"Modul #2", L"");
    QCOMPARE(modules.GetString(L"Modul #2").value(), std::wstring());
    modules.Remove(L"Modul #1");
    QVERIFY(!modules.GetString(L"Modul #1").has_value());
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
