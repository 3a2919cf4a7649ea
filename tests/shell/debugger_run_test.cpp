// Breakpoints during a run of the real window: the run stops at one, the
// window shows the stop, and only an open debugger stops anything. Where
// each kind of breakpoint stops is tested headless with the watch.

#include "debugger_fixture.h"

class DebuggerRunTest : public QObject {
    Q_OBJECT
private slots:
    void StepBreakpointStopsBeforeItsStep();
    void ClosingTurnsBreakpointsOffReopeningOn();
    void HiddenDebuggerStillStops();
    void SingleStepTestsNoBreakpoint();
    void StoppedRunShowsExactState();
    void RunningUpdatesComeByFrameNotByStep();
};

// 1 SUM 01, seven NOPs, then at step 10: 5 STO 02 R/S.
void DebuggerRunTest::StepBreakpointStopsBeforeItsStep()
{
    DebuggerFixture f;
    f.Load({1, 44, 1, 68, 68, 68, 68, 68, 68, 68, 5, 42, 2, 91});
    TheBreakpoints().steps[10] = StepBreak();
    CDebugDlg& debugger = f.Open();

    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.calc->Pc(), 10);
    QCOMPARE(f.Register(1), 1.0);
    QCOMPARE(debugger.programModel->CurrentStep(), 10);
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("1."));

    debugger.sstButton->click();
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QCOMPARE(f.calc->Pc(), 11);
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("5"));
    QCOMPARE(debugger.programModel->CurrentStep(), 11);

    // R/S goes on from there, past the breakpoint's step already done.
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.Register(2), 5.0);
    QCOMPARE(f.calc->Pc(), 14);
}

// LBL A 1 SUM 01 DSZ 0 A R/S with R00 = 5: five passes, then the R/S step.
void DebuggerRunTest::ClosingTurnsBreakpointsOffReopeningOn()
{
    DebuggerFixture f;
    f.Load({76, 11, 1, 44, 1, 97, 0, 11, 91});
    TheBreakpoints().steps[5] = StepBreak();
    const BreakpointTables kept = TheBreakpoints();
    QPointer<CDebugDlg> first = &f.Open();
    first->close();
    QVERIFY(!CDebugDlg::Instance());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(TheBreakpoints() == kept);

    f.calc->registers[0] = Number(5);
    f.window->StartProgram();
    QVERIFY(f.WaitUntilStopped());
    QCOMPARE(f.Register(1), 5.0);
    QCOMPARE(f.calc->Pc(), 9);

    CDebugDlg& second = f.Open();
    f.calc->registers[0] = Number(5);
    f.calc->registers[1] = Number(0);
    keyscript::GoTo(*f.calc, 0);
    QVERIFY(f.RunUntilStopped(second));
    QCOMPARE(f.calc->Pc(), 5);
    QCOMPARE(f.Register(1), 1.0);
}

void DebuggerRunTest::HiddenDebuggerStillStops()
{
    DebuggerFixture f;
    f.Load({76, 11, 1, 44, 1, 61, 11});
    TheBreakpoints().steps[5] = StepBreak();
    CDebugDlg& debugger = f.Open();
    QTest::keyClick(&debugger, Qt::Key_Escape);
    QVERIFY(!debugger.isVisible());
    QCOMPARE(CDebugDlg::Instance(), &debugger);
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.calc->Pc(), 5);
    f.Open();
    QVERIFY(debugger.isVisible());
}

// SST is one step, not a run: 1 INV SUM 01 steps through with a breakpoint
// on every step and subtracts, as the INV it carried says.
void DebuggerRunTest::SingleStepTestsNoBreakpoint()
{
    DebuggerFixture f;
    f.Load({1, 22, 44, 1, 91});
    for (size_t step = 0; step < 5; ++step)
        TheBreakpoints().steps[step] = StepBreak();
    CDebugDlg& debugger = f.Open();
    for (int i = 0; i < 4; ++i)
        debugger.sstButton->click();
    QCOMPARE(f.calc->Pc(), 4);
    QCOMPARE(f.Register(1), -1.0);
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
}

// After a long run stopped by a breakpoint the window shows the state of the
// stop itself, not the last frame drawn while running.
void DebuggerRunTest::StoppedRunShowsExactState()
{
    DebuggerFixture f;
    // LBL A 1 SUM 01 x<>t GTO A
    f.Load({76, 11, 1, 44, 1, 32, 61, 11});
    TheBreakpoints().registers[1] = RegisterBreak(1, kEqual, Number(5000));
    CDebugDlg& debugger = f.Open();
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.Register(1), 5000.0);
    QCOMPARE(debugger.programModel->CurrentStep(), f.calc->Pc());
    QCOMPARE(Cell(debugger.registerList, 1, ValueListModel::kValueColumn), QStringLiteral("5000."));
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("1."));
    QCOMPARE(debugger.tField->text(), QString::fromStdWString(FloatingText(f.calc->t)));
}

// 20000 passes of LBL A 1 SUM 01 DSZ 0 A R/S are 120000 steps, each moving
// pc and changing R01: the lists hear of them in a few frames, not per step.
void DebuggerRunTest::RunningUpdatesComeByFrameNotByStep()
{
    DebuggerFixture f;
    f.Load({76, 11, 1, 44, 1, 97, 0, 11, 91});
    CDebugDlg& debugger = f.Open();
    QSignalSpy program(debugger.programModel, &QAbstractItemModel::dataChanged);
    QSignalSpy registers(debugger.registerModel, &QAbstractItemModel::dataChanged);
    f.calc->registers[0] = Number(20000);
    keyscript::GoTo(*f.calc, 2);
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.Register(1), 20000.0);
    QVERIFY2(program.count() < 2000, qPrintable(QString::number(program.count())));
    QVERIFY2(registers.count() < 1000, qPrintable(QString::number(registers.count())));
    // The stop itself is shown exactly.
    QCOMPARE(debugger.programModel->CurrentStep(), 9);
    QCOMPARE(Cell(debugger.registerList, 1, 1), QStringLiteral("20000."));
    QCOMPARE(Cell(debugger.registerList, 0, 1), QStringLiteral("0."));
}

QTEST_MAIN(DebuggerRunTest)
#include "debugger_run_test.moc"
