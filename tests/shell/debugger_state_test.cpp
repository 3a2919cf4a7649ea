// Breakpoints set in the debugger survive the end of the program and its
// next start through "TI59.state" in the settings folder.

#include "debugger_fixture.h"

#include "shell/Application.h"
#include "shell/StateFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
// The registry stand-in is an INI file under XDG_CONFIG_HOME: keep it here.
QTemporaryDir& ConfigHome()
{
    static QTemporaryDir folder;
    return folder;
}

StartupOptions OptionsIn(const QTemporaryDir& folder)
{
    StartupOptions options;
    options.settingsBase = folder.filePath(QStringLiteral("settings"));
    options.dataFolder = folder.filePath(QStringLiteral("data"));
    options.instanceName = QStringLiteral("norvane-debugger-state-%1").arg(QCoreApplication::applicationPid());
    return options;
}
}  // namespace

class DebuggerStateTest : public QObject {
    Q_OBJECT
private slots:
    void BreakpointsSurviveExitAndStart();
    void ExitWithTheDebuggerOpenSavesAndCloses();
};

void DebuggerStateTest::BreakpointsSurviveExitAndStart()
{
    QTemporaryDir folder;
    TheBreakpoints().Clear();
    BreakpointTables saved;
    {
        NorvaneSession session(OptionsIn(folder));
        QVERIFY(session.StartUp());
        QVERIFY(session.Window());
        CDebugDlg& debugger = OpenDebugger(*session.Window());
        WhenModal<CBreakpointDlg>([](CBreakpointDlg& dialog) {
            dialog.conditionalButton->click();
            dialog.registerBox->setCurrentIndex(12);
            dialog.operatorBox->setCurrentIndex(kNotEqual);
            dialog.valueEdit->setText(QStringLiteral("2.5 4"));
            dialog.okButton->click();
        });
        QVERIFY(debugger.EditBreakpoint(BreakpointList::Steps, 999));
        WhenModal<CBreakpointDlg>([](CBreakpointDlg& dialog) { dialog.okButton->click(); });
        QVERIFY(debugger.EditBreakpoint(BreakpointList::Steps, 10));
        WhenModal<CBreakpointDlg>([](CBreakpointDlg& dialog) {
            dialog.operatorBox->setCurrentIndex(kGreaterOrEqual);
            dialog.valueEdit->setText(QStringLiteral("100"));
            dialog.okButton->click();
        });
        QVERIFY(debugger.EditBreakpoint(BreakpointList::Registers, 5));
        saved = TheBreakpoints();
        session.Exit();
    }
    QCOMPARE(saved.steps[999]->value, Number(25, 3));
    const QString statePath = BreakpointStatePath(SettingsFolder(OptionsIn(folder).settingsBase));
    QVERIFY(QFile::exists(statePath));
    // Three records, the count before each and the registers' trailing count;
    // the step table ends on its last slot, so without one.
    QCOMPARE(QFile(statePath).size(), qint64(3 * 32 + 4 * 4));

    TheBreakpoints().Clear();
    NorvaneSession session(OptionsIn(folder));
    QVERIFY(session.StartUp());
    QVERIFY(TheBreakpoints() == saved);
    CDebugDlg& debugger = OpenDebugger(*session.Window());
    QCOMPARE(debugger.programModel->index(10, 0).data(Qt::DecorationRole).value<QPixmap>().toImage(),
             DebuggerPicture(kImageBreakAlways).toImage());
    QCOMPARE(debugger.programModel->index(999, 0).data(Qt::DecorationRole).value<QPixmap>().toImage(),
             DebuggerPicture(kImageBreakConditional).toImage());
    session.Exit();
    TheBreakpoints().Clear();
}

void DebuggerStateTest::ExitWithTheDebuggerOpenSavesAndCloses()
{
    QTemporaryDir folder;
    TheBreakpoints().Clear();
    NorvaneSession session(OptionsIn(folder));
    QVERIFY(session.StartUp());
    QPointer<CDebugDlg> debugger = &OpenDebugger(*session.Window());
    TheBreakpoints().steps[0] = StepBreak();
    session.Exit();
    QVERIFY(debugger.isNull());
    QVERIFY(!CDebugDlg::Instance());
    TheBreakpoints().Clear();
    LoadBreakpointState(BreakpointStatePath(SettingsFolder(OptionsIn(folder).settingsBase)).toStdWString());
    QVERIFY(TheBreakpoints().steps[0].has_value());
    TheBreakpoints().Clear();
}

int main(int argc, char** argv)
{
    qputenv("XDG_CONFIG_HOME", ConfigHome().path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", ConfigHome().filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    DebuggerStateTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "debugger_state_test.moc"
