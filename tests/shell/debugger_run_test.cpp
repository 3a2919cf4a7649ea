// Breakpoints during a run of the real window: where the run stops, what
// the window shows then, and that only an open debugger stops anything.

#include "debugger_fixture.h"

class DebuggerRunTest : public QObject {
    Q_OBJECT
private slots:
    void StepBreakpointStopsBeforeItsStep();
    void ConditionalStepBreakpointReadsAnotherRegister_data();
    void ConditionalStepBreakpointReadsAnotherRegister();
    void RegisterBreakpointStopsAfterTheInstruction_data();
    void RegisterBreakpointStopsAfterTheInstruction();
    void JumpOntoBreakpointStopsThere_data();
    void JumpOntoBreakpointStopsThere();
    void StepBreakpointFiresInLibraryProgram();
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
    QCOMPARE(f.calc->pc, 10);
    QCOMPARE(f.Register(1), 1.0);
    QCOMPARE(debugger.programModel->CurrentStep(), 10);
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("1."));

    debugger.sstButton->click();
    QCOMPARE(f.calc->mode, CCalc::ModeCalculate);
    QCOMPARE(f.calc->pc, 11);
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("5"));
    QCOMPARE(debugger.programModel->CurrentStep(), 11);

    // R/S goes on from there, past the breakpoint's step already done.
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.Register(2), 5.0);
    QCOMPARE(f.calc->pc, 14);
}

// LBL A, 1 SUM 01, GTO A (steps 0..6); the breakpoint sits on step 2 and reads R01.
void DebuggerRunTest::ConditionalStepBreakpointReadsAnotherRegister_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("r01");
    QTest::newRow("= 3") << int(kEqual) << 3 << 3.0;
    QTest::newRow("!= 0 stops on the second pass") << int(kNotEqual) << 0 << 1.0;
    QTest::newRow("> 4") << int(kGreater) << 4 << 5.0;
    QTest::newRow(">= 7") << int(kGreaterOrEqual) << 7 << 7.0;
    QTest::newRow("< 1 at once") << int(kLess) << 1 << 0.0;
    QTest::newRow("<= 0 at once") << int(kLessOrEqual) << 0 << 0.0;
}

void DebuggerRunTest::ConditionalStepBreakpointReadsAnotherRegister()
{
    QFETCH(int, op);
    QFETCH(int, value);
    QFETCH(double, r01);
    DebuggerFixture f;
    f.Load({76, 11, 1, 44, 1, 61, 11});
    TheBreakpoints().steps[2] = StepBreak(1, op, 1, Number(value));
    CDebugDlg& debugger = f.Open();
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.calc->pc, 2);
    QCOMPARE(f.Register(1), r01);
}

// LBL A, 7 SUM 05, GTO A: R05 counts 7, 14, ... The stop comes on the GTO
// step, right after the SUM whose operand reached the value.
void DebuggerRunTest::RegisterBreakpointStopsAfterTheInstruction_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("r05");
    QTest::newRow(">= 100") << int(kGreaterOrEqual) << 100 << 105.0;
    QTest::newRow("= 70") << int(kEqual) << 70 << 70.0;
    QTest::newRow("> 105") << int(kGreater) << 105 << 112.0;
    QTest::newRow("<= 7 on the first SUM") << int(kLessOrEqual) << 7 << 7.0;
}

void DebuggerRunTest::RegisterBreakpointStopsAfterTheInstruction()
{
    QFETCH(int, op);
    QFETCH(int, value);
    QFETCH(double, r05);
    DebuggerFixture f;
    f.Load({76, 11, 7, 44, 5, 61, 11});
    TheBreakpoints().registers[5] = RegisterBreak(5, op, Number(value));
    CDebugDlg& debugger = f.Open();
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.Register(5), r05);
    QCOMPARE(f.calc->pc, 5);
    QCOMPARE(Cell(debugger.registerList, 5, ValueListModel::kValueColumn),
             QString::number(r05, 'f', 0) + QStringLiteral("."));
}

// Each program counts its passes in R01 and reaches the breakpoint on step
// `target` by a jump; the stop must leave pc on the target itself.
void DebuggerRunTest::JumpOntoBreakpointStopsThere_data()
{
    QTest::addColumn<QList<int>>("program");
    QTest::addColumn<int>("target");
    // 1 SUM 01 RST
    QTest::newRow("RST to step 0") << QList<int>{1, 44, 1, 81} << 0;
    // LBL A 1 SUM 01 GTO A
    QTest::newRow("GTO a label") << QList<int>{76, 11, 1, 44, 1, 61, 11} << 2;
    // 1 SUM 01 GTO 000
    QTest::newRow("GTO an address") << QList<int>{1, 44, 1, 61, 0, 0} << 0;
    // 1 SUM 01 SBR 010 GTO 000 ... 010: RTN
    QTest::newRow("SBR an address")
        << QList<int>{1, 44, 1, 71, 0, 10, 61, 0, 0, 68, 92} << 10;
    // 1 SUM 01 SBR B GTO 000, LBL B RTN at 009
    QTest::newRow("SBR a label, then RTN")
        << QList<int>{1, 44, 1, 71, 12, 61, 0, 0, 68, 76, 12, 92} << 5;
}

void DebuggerRunTest::JumpOntoBreakpointStopsThere()
{
    QFETCH(QList<int>, program);
    QFETCH(int, target);
    DebuggerFixture f;
    for (int i = 0; i < program.size(); ++i)
        f.calc->programMemory[0][i] = static_cast<uint8_t>(program[i]);
    // Stop once the loop has gone round at least once.
    TheBreakpoints().steps[static_cast<size_t>(target)] = StepBreak(1, kGreaterOrEqual, 1, Number(1));
    CDebugDlg& debugger = f.Open();
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.calc->pc, target);
    QCOMPARE(f.Register(1), 1.0);
    QCOMPARE(debugger.programModel->CurrentStep(), target);
}

// R/S with program 01 selected calls it at its step 0; its step 10 carries
// the breakpoint set on user memory's step 10.
void DebuggerRunTest::StepBreakpointFiresInLibraryProgram()
{
    DebuggerFixture f;
    f.Load({1, 44, 1, 68, 68, 68, 68, 68, 68, 68, 2, 44, 1, 92}, 1);
    TheBreakpoints().steps[10] = StepBreak();
    CDebugDlg& debugger = f.Open();
    f.Keys("PGM 01");
    QVERIFY(f.RunUntilStopped(debugger));
    QCOMPARE(f.calc->pc, 10);
    QCOMPARE(f.calc->areaBase, f.calc->programMemory[1]);
    QCOMPARE(f.Register(1), 1.0);
    // The list follows the program that executes.
    QCOMPARE(Cell(debugger.programList, 11, ProgramListModel::kInstructionColumn), QStringLiteral("SUM"));
    QCOMPARE(Cell(debugger.programList, 12, ProgramListModel::kInstructionColumn), QStringLiteral("01"));
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
    QCOMPARE(f.calc->pc, 9);

    CDebugDlg& second = f.Open();
    f.calc->registers[0] = Number(5);
    f.calc->registers[1] = Number(0);
    f.calc->pc = 0;
    QVERIFY(f.RunUntilStopped(second));
    QCOMPARE(f.calc->pc, 5);
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
    QCOMPARE(f.calc->pc, 5);
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
    QCOMPARE(f.calc->pc, 4);
    QCOMPARE(f.Register(1), -1.0);
    QCOMPARE(f.calc->mode, CCalc::ModeCalculate);
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
    QCOMPARE(debugger.programModel->CurrentStep(), f.calc->pc);
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
    f.calc->pc = 2;
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
