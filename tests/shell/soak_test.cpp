// The desktop program under a long run: while a program counts for ever,
// keys are thrown at the window, the debugger opens and closes and refreshes,
// and the options, memo and modules dialogs and the printer window come and
// go. The run must go on through all of it, stop on R/S, and afterwards no
// key typed may be lost. Bounded by counts of rounds and event-loop turns;
// NORVANE_SHELL_SOAK_ROUNDS raises the number of rounds.

#include "debugger_fixture.h"

#include "shell/Settings.h"
#include "shell/dialogs/CDlg.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/DialogCommands.h"
#include "storage/ModuleLibrary.h"

#include <QTemporaryDir>
#include <cstdlib>

namespace {
// Lbl A, 1, SUM 00, GTO A: counts in R00 for ever.
const std::initializer_list<int> kCountingLoop{76, 11, 1, 44, 0, 61, 11};

int Rounds()
{
    const long n = std::strtol(qgetenv("NORVANE_SHELL_SOAK_ROUNDS").constData(), nullptr, 10);
    return n > 0 ? static_cast<int>(n) : 36;
}

void Turns(int count)
{
    for (int i = 0; i < count; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The modal dialog that opens next is cancelled after `turns` turns of its own
// event loop, in which the run and the debugger keep being served.
void CancelNextModal(int turns)
{
    QTimer::singleShot(0, qApp, [turns] {
        auto* dialog = qobject_cast<CDlg*>(QApplication::activeModalWidget());
        if (turns > 0 || !dialog) {
            CancelNextModal(turns > 0 ? turns - 1 : 0);
            return;
        }
        dialog->EndDialog(kDialogCancel);
    });
}

struct Soak : DebuggerFixture {
    QTemporaryDir folder;
    std::unique_ptr<ModuleLibrary> modules;

    Soak()
    {
        modules = std::make_unique<ModuleLibrary>(*calc, std::span<const unsigned char>{},
                                                  folder.path().toStdWString());
        modules->InitModuleSlots();
        window->modules = modules.get();
        Load(kCountingLoop);
    }

    void ClickKey(int column, int row)
    {
        const QPoint at = window->skinOrigin + QPoint(KeyColumnX[column] + kKeyWidth / 2,
                                                      KeyRowY[row] + kKeyHeight / 2);
        QTest::mousePress(window.get(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, at);
    }
    void ClickCharacter(char32_t character)
    {
        const std::optional<KeyPosition> key = KeyForCharacter(character);
        QVERIFY(key);
        ClickKey(key->column, key->row);
    }
    double Counter() const { return calc->registers[0].ToDouble(); }
    bool Running() const { return calc->Mode() == CCalc::ModeRun; }
};
}  // namespace

class ShellSoakTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TheSettings() = Settings{}; }
    void cleanup() { TheSettings() = Settings{}; }
    void longRunUnderKeysDialogsAndDebugger();
};

void ShellSoakTest::longRunUnderKeysDialogsAndDebugger()
{
    Soak f;
    f.ClickKey(0, 0);  // A
    QVERIFY(f.Running());
    const int rounds = Rounds();
    for (int round = 0; round < rounds; ++round) {
        const double before = f.Counter();
        switch (round % 6) {
        case 0: {
            CDebugDlg& debugger = f.Open();
            Turns(30);
            QVERIFY(f.Running());
            debugger.close();
            Turns(2);
            delete CDebugDlg::Instance();
            break;
        }
        case 1:
            CancelNextModal(20);
            QVERIFY(!RunOptionsCommand(f.window.get(), TheSettings(), *f.calc));
            break;
        case 2:
            CancelNextModal(20);
            QVERIFY(!RunEditMemoCommand(f.window.get(), *f.calc));
            break;
        case 3:
            CancelNextModal(20);
            RunModulesCommand(f.window.get(), *f.modules, *f.calc);
            break;
        case 4:
            OpenPrinterWindow(f.window.get());
            Turns(20);
            QVERIFY(CPrinterDlg::Instance());
            CPrinterDlg::Instance()->close();
            break;
        case 5:
            // Keys during a run are dropped, except R/S; none may disturb it.
            for (int column = 1; column < kKeyColumns; ++column)
                for (int row = 0; row < kKeyRows; ++row)
                    f.ClickKey(column, row);
            for (char c : QByteArray("5+="))
                f.window->TypeCharacter(static_cast<char32_t>(c));
            break;
        }
        Turns(20);
        QVERIFY2(f.Running(), qPrintable(QStringLiteral("run stopped in round %1").arg(round)));
        QVERIFY2(f.Counter() > before, qPrintable(QStringLiteral("run stood still in round %1").arg(round)));

        if (round % 6 == 5) {
            // Stop, and every key typed after the stop arrives.
            f.ClickKey(kRunStopColumn, kRunStopRow);
            QVERIFY(f.WaitUntilStopped());
            QTRY_VERIFY(!f.window->TypedKeysWaiting());
            f.ClickKey(4, 1);  // CLR
            for (char32_t c : {U'7', U'0', U'3', U'.', U'2'})
                f.ClickCharacter(c);
            QCOMPARE(f.window->displayText.trimmed(), QStringLiteral("703.2"));
            f.ClickKey(0, 0);  // A
            QVERIFY(f.Running());
        }
    }
    f.ClickKey(kRunStopColumn, kRunStopRow);
    QVERIFY(f.WaitUntilStopped());
    QVERIFY(f.Counter() > 100);
}

QTEST_MAIN(ShellSoakTest)
#include "soak_test.moc"
