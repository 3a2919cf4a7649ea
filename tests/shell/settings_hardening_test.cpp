// Settings of the wrong type or of absurd size, and a settings file that is
// no settings file at all: the program starts with sane values and its
// window where the user can see it.

#include "core/CCalc.h"
#include "shell/Application.h"
#include "shell/CMainWnd.h"
#include "shell/Settings.h"
#include "shell/SystemError.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {
bool OnSomeScreen(const QPoint& point)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(point))
            return true;
    return false;
}

// Stored values by name; a value "<garbage>" for the name "file" replaces
// the whole settings file with bytes that are no INI text.
using Stored = QList<QPair<QString, QVariant>>;
}  // namespace

class SettingsHardeningTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        ProgramQSettings().clear();
        ProgramQSettings().sync();
        TheSettings() = Settings{};
    }
    void cleanupTestCase()
    {
        ProgramQSettings().clear();
        ProgramQSettings().sync();
    }

    void startsSaneAndOnScreen_data();
    void startsSaneAndOnScreen();
};

void SettingsHardeningTest::startsSaneAndOnScreen_data()
{
    const QString longPath = QStringLiteral("/") + QString(10'000, QLatin1Char('p'));
    QTest::addColumn<Stored>("stored");
    QTest::newRow("far left and up") << Stored{{"Gauche", -100000}, {"Haut", -100000}};
    QTest::newRow("just off the left edge") << Stored{{"Gauche", -5000}, {"Haut", 10}};
    QTest::newRow("far right and down") << Stored{{"Gauche", 2147483647}, {"Haut", 2147483647}};
    QTest::newRow("most negative") << Stored{{"Gauche", -2147483647 - 1}, {"Haut", -2147483647 - 1}};
    QTest::newRow("beyond 32 bits") << Stored{{"Gauche", 9'000'000'000'000ll}, {"Haut", -9'000'000'000'000ll}};
    QTest::newRow("position as text") << Stored{{"Gauche", "left"}, {"Haut", "1e9"}};
    QTest::newRow("position as a list") << Stored{{"Gauche", QStringList{"1", "2"}}, {"Haut", QVariant(QSize(3, 4))}};
    QTest::newRow("zero blink period") << Stored{{"DureeClignotement", 0}};
    QTest::newRow("negative blink period") << Stored{{"DureeClignotement", -200}};
    QTest::newRow("durations as text") << Stored{{"DureePauseCourte", "short"}, {"DureePauseLongue", "x"}};
    QTest::newRow("durations beyond 32 bits")
        << Stored{{"DureePauseCourte", 1ll << 40}, {"DureePauseLongue", -1ll}, {"DelaiRun", 1ll << 50}};
    QTest::newRow("10000-character paths") << Stored{{"PrintFile", longPath}, {"WriteFolder", longPath}};
    QTest::newRow("paths as numbers") << Stored{{"PrintFile", 42}, {"WriteFolder", QStringList{"a", "b"}}};
    QTest::newRow("paths as bytes") << Stored{{"PrintFile", QByteArray("\x00\xff\xfe", 3)}, {"WriteFolder", QByteArray()}};
    QTest::newRow("garbage settings file") << Stored{{"file", "<garbage>"}};
    QTest::newRow("everything wrong at once")
        << Stored{{"Gauche", -1}, {"Haut", 99999}, {"DureeClignotement", 0}, {"PrintFile", longPath},
                  {"WriteFolder", ""}, {"DureePauseLongue", "?"}};
}

void SettingsHardeningTest::startsSaneAndOnScreen()
{
    QFETCH(Stored, stored);
    for (const auto& [name, value] : stored) {
        if (name == QLatin1String("file")) {
            ProgramQSettings().sync();
            QFile file(ProgramQSettings().fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray garbage;
            for (int i = 0; i < 4000; ++i)
                garbage.append(static_cast<char>((i * 37 + 11) % 256));
            file.write("[General\n=\n\\\n" + garbage);
        } else {
            ProgramQSettings().setValue(name, value);
        }
    }
    ProgramQSettings().sync();

    QTemporaryDir dir;
    QStringList errors;
    SetSystemErrorSink([&errors](const QString& caption, const QString& text) { errors << caption + ": " + text; });
    StartupOptions options;
    options.settingsBase = dir.filePath("base");
    options.dataFolder = dir.filePath("data");
    options.instanceName = "norvane-hardening-" + QUuid::createUuid().toString(QUuid::Id128);
    {
        NorvaneSession session(options);
        QVERIFY(session.StartUp());
        const Settings& settings = TheSettings();
        QVERIFY2(settings.DureeClignotement > 0, "the error display must blink");
        QCOMPARE(settings.DelaiRun, 0u);
        QVERIFY(!settings.PrintFile.isEmpty() && settings.PrintFile.size() <= Settings::PathCapacity);
        QVERIFY(!settings.WriteFolder.isEmpty() && settings.WriteFolder.size() <= Settings::PathCapacity);
        QCOMPARE(QString::fromStdWString(std::wstring(session.Calc().PrintFile())), settings.PrintFile);
        QCOMPARE(QString::fromStdWString(std::wstring(session.Calc().WriteFolder())), settings.WriteFolder);

        CMainWnd* window = session.Window();
        QVERIFY(window);
        window->show();
        QVERIFY2(OnSomeScreen(window->pos()), qPrintable(QStringLiteral("window at %1,%2")
                                                             .arg(window->pos().x())
                                                             .arg(window->pos().y())));
        // The calculator still works.
        QTest::keyClick(window, Qt::Key_1);
        session.Exit();
    }
    SetSystemErrorSink({});
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    // What the exit wrote is sane in its turn.
    QSettings& store = ProgramQSettings();
    store.sync();
    QVERIFY(store.value("DureeClignotement").toUInt() > 0);
}

QTEST_MAIN(SettingsHardeningTest)
#include "settings_hardening_test.moc"
