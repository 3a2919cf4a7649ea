// Program runs paced by the window: started and stopped by clicks, pauses,
// the held GTO key, the error blink, and the debugger's entry points.

#include "ShellFixture.h"

#include "shell/Settings.h"

namespace {
// Lbl A, 1, SUM 00, GTO A: counts in R00 for ever.
const std::initializer_list<int> kCountingLoop{76, 11, 1, 44, 0, 61, 11};
// Lbl A, Pause, GTO A.
const std::initializer_list<int> kPauseLoop{76, 11, 66, 61, 11};
// Pause, then the counting loop.
const std::initializer_list<int> kPauseThenCount{66, 76, 11, 1, 44, 0, 61, 11};
// Lbl A, 1 / 0 =, R/S: stops with the error set.
const std::initializer_list<int> kErrorThenStop{76, 11, 1, 55, 0, 95, 91};
// 1, SUM 00, GTO 000.
const std::initializer_list<int> kLoopFromStepZero{1, 44, 0, 61, 0, 0};

constexpr int kUserA[] = {0, 0};
constexpr int kRunStop[] = {kRunStopColumn, kRunStopRow};

double Counter(const CCalc& calc) { return calc.registers[0].ToDouble(); }
bool ShowsBracket(const ShellFixture& f) { return f.Display().startsWith(u'['); }
}  // namespace

class RunTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TheSettings() = Settings{}; }
    void cleanup() { TheSettings() = Settings{}; }

    void clickedRunStopsOnRunStop();
    void keysDuringRunAreDropped();
    void pauseShowsNumberThenRunsOn();
    void runStopDuringPause();
    void heldGtoKeyShowsEveryStep();
    void blinkFollowsTheError();
    void runEndingInErrorBlinks();
    void startAndStopProgram();
    void singleStepFromCalculate();
    void stepDelaySpacesTheSteps();
};

void RunTest::clickedRunStopsOnRunStop()
{
    ShellFixture f;
    LoadSteps(*f.calc, kCountingLoop);
    f.Click(kUserA[0], kUserA[1]);
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QVERIFY(f.window->RunPending());
    QTRY_VERIFY(Counter(*f.calc) > 1000);
    QVERIFY(ShowsBracket(f));
    f.Click(kRunStop[0], kRunStop[1]);
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QTRY_VERIFY(!f.window->RunPending());
    const double stoppedAt = Counter(*f.calc);
    QTest::qWait(30);
    QCOMPARE(Counter(*f.calc), stoppedAt);
    QVERIFY(!ShowsBracket(f));
    QVERIFY(!f.window->BlinkActive());
}

void RunTest::keysDuringRunAreDropped()
{
    ShellFixture f;
    LoadSteps(*f.calc, kCountingLoop);
    f.Click(kUserA[0], kUserA[1]);
    QTRY_VERIFY(Counter(*f.calc) > 100);
    // 2nd STO is CMs, which would clear the counter.
    const double before = Counter(*f.calc);
    f.ClickSecond();
    f.Click(1, 3);
    QVERIFY(!f.window->secondPending);
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QVERIFY(Counter(*f.calc) >= before);
    f.window->TypeCharacter('5');
    QTRY_VERIFY(!f.window->TypedKeysWaiting());
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    f.Click(kRunStop[0], kRunStop[1]);
    QTRY_VERIFY(!f.window->RunPending());
    QVERIFY(Counter(*f.calc) >= before);
}

void RunTest::pauseShowsNumberThenRunsOn()
{
    TheSettings().DureePauseLongue = 150;
    ShellFixture f;
    LoadSteps(*f.calc, kPauseThenCount);
    f.window->StartProgram();
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QTRY_VERIFY(!ShowsBracket(f));
    QCOMPARE(Counter(*f.calc), 0.0);  // held on the Pause
    QTRY_VERIFY(ShowsBracket(f));
    QTRY_VERIFY(Counter(*f.calc) > 100);  // and on with the run
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    f.window->StopProgram();
    QTRY_VERIFY(!f.window->RunPending());
}

void RunTest::runStopDuringPause()
{
    TheSettings().DureePauseLongue = 2000;
    ShellFixture f;
    LoadSteps(*f.calc, kPauseLoop);
    f.Click(kUserA[0], kUserA[1]);
    QTRY_VERIFY(!ShowsBracket(f));
    // The window answers during the pause: R/S is taken at once.
    f.Click(kRunStop[0], kRunStop[1]);
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QTRY_VERIFY_WITH_TIMEOUT(!f.window->RunPending(), 5000);
    QVERIFY(!ShowsBracket(f));
}

void RunTest::heldGtoKeyShowsEveryStep()
{
    TheSettings().DureePauseCourte = 20;
    ShellFixture f;
    LoadSteps(*f.calc, kCountingLoop);
    f.Click(kUserA[0], kUserA[1]);
    QTRY_VERIFY(Counter(*f.calc) > 10);
    f.Press(kGtoColumn, kGtoRow);
    QTRY_VERIFY(!ShowsBracket(f));
    const double held = Counter(*f.calc);
    QTRY_VERIFY(Counter(*f.calc) > held);  // it still runs, step by step
    f.Release(kGtoColumn, kGtoRow);
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QTRY_VERIFY(ShowsBracket(f));
    f.Click(kRunStop[0], kRunStop[1]);
    QTRY_VERIFY(!f.window->RunPending());
}

void RunTest::blinkFollowsTheError()
{
    TheSettings().DureeClignotement = 20;
    ShellFixture f;
    for (char c : {'1', '/', '0', '='})
        f.window->TypeCharacter(static_cast<char32_t>(c));
    QTRY_VERIFY(!f.window->TypedKeysWaiting());
    QVERIFY(f.calc->errorFlag);
    QVERIFY(f.window->BlinkActive());
    QTRY_VERIFY(!f.window->displayShown);
    QTRY_VERIFY(f.window->displayShown);
    f.Click(4, 1);  // CLR
    QVERIFY(!f.calc->errorFlag);
    QVERIFY(!f.window->BlinkActive());
    QVERIFY(f.window->displayShown);
}

void RunTest::runEndingInErrorBlinks()
{
    ShellFixture f;
    LoadSteps(*f.calc, kErrorThenStop);
    f.Click(kUserA[0], kUserA[1]);
    QTRY_VERIFY(!f.window->RunPending());
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QVERIFY(f.calc->errorFlag);
    QVERIFY(f.window->BlinkActive());
}

void RunTest::startAndStopProgram()
{
    ShellFixture f;
    LoadSteps(*f.calc, kLoopFromStepZero);
    f.window->StopProgram();  // nothing runs: nothing happens
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QVERIFY(!f.window->RunPending());

    f.window->StartProgram();
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QVERIFY(f.window->RunPending());
    f.window->StartProgram();  // already running: no second R/S
    QCOMPARE(f.calc->Mode(), CCalc::ModeRun);
    QTRY_VERIFY(Counter(*f.calc) > 100);

    f.window->StopProgram();
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QTRY_VERIFY(!f.window->RunPending());
}

void RunTest::singleStepFromCalculate()
{
    ShellFixture f;
    LoadSteps(*f.calc, kLoopFromStepZero);
    f.window->ExecuteStep(true);
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QCOMPARE(f.calc->Pc(), 1);
    QVERIFY(!f.window->RunPending());
}

void RunTest::stepDelaySpacesTheSteps()
{
    TheSettings().DelaiRun = 50;
    ShellFixture f;
    // Twelve digit steps: the number keyed in counts the steps taken.
    LoadSteps(*f.calc, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 91});
    QElapsedTimer elapsed;
    elapsed.start();
    f.window->StartProgram();
    QTest::qWait(200);
    const int steps = static_cast<int>(QString::fromStdWString(f.calc->DisplayText(true)).count(u'1'));
    // One step at the start, then at most one every 50 ms.
    QVERIFY2(steps >= 1 && steps <= 1 + elapsed.elapsed() / 50, qPrintable(QString::number(steps)));
    f.window->StopProgram();
    QTRY_VERIFY(!f.window->RunPending());
}

QTEST_MAIN(RunTest)
#include "run_test.moc"
