// "Setup breakpoint" and the right-click menu of the debugger's lists: how
// the value text reads, which controls the record enables, and what OK,
// Cancel and "Clear breakpoint" leave in the tables.

#include "debugger_fixture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>

namespace {
// Right-clicks line `row` of the list, then picks `item` from the menu that
// shows; `beforePick` runs first, to get ready for what the item opens.
void RightClickAndChoose(QTreeView* list, int row, const QString& item, std::function<void()> beforePick = {})
{
    QTimer::singleShot(0, [item, beforePick] {
        for (int turn = 0; turn < 200; ++turn) {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                if (beforePick)
                    beforePick();
                for (QAction* action : menu->actions())
                    if (action->text() == item)
                        menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    });
    list->scrollTo(list->model()->index(row, 0));
    const QPoint point = list->visualRect(list->model()->index(row, 1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, list->viewport()->mapToGlobal(point));
    QApplication::sendEvent(list->viewport(), &event);
}

double ValueOf(const std::optional<CNombre>& value)
{
    return value ? value->ToDouble() : std::nan("");
}
}  // namespace

class DebuggerBreakpointDialogTest : public QObject {
    Q_OBJECT
private slots:
    void ValueText_data();
    void ValueText();
    void OpensFromTheRecord_data();
    void OpensFromTheRecord();
    void RadioButtonsEnableTheCondition();
    void SetThroughTheMenuKeepsTheOperandLine();
    void CancelLeavesTheSlotEmpty();
    void RegisterBreakpointReadsItsOwnRegister();
    void TextThatIsNoNumberIsRefused();
    void ClearThroughTheMenu();
    void NoMenuOffTheLines();
};

void DebuggerBreakpointDialogTest::ValueText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    QTest::newRow("space before the exponent") << "1.5 -3" << true << 0.0015;
    QTest::newRow("E before the exponent") << "1.5E-3" << true << 0.0015;
    QTest::newRow("lower-case e") << "1.5e3" << true << 1500.0;
    QTest::newRow("empty is zero") << "" << true << 0.0;
    QTest::newRow("blanks around") << "  7 " << true << 7.0;
    QTest::newRow("negative mantissa") << "-2.25" << true << -2.25;
    QTest::newRow("negative with exponent") << "-4 2" << true << -400.0;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("E with nothing after") << "1E" << true << 1.0;
    QTest::newRow("plus sign on the exponent") << "3E+2" << true << 300.0;
    QTest::newRow("past the range: the limit") << "5 999999" << true << 9.9999999e99;
    QTest::newRow("below the range: the smallest") << "5 -999999" << true << 1e-99;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("minus alone") << "-" << false << 0.0;
    QTest::newRow("sign without exponent digits") << "1E-" << false << 0.0;
    QTest::newRow("two exponents") << "1 2 3" << false << 0.0;
    QTest::newRow("exponent only") << "E5" << false << 0.0;
}

void DebuggerBreakpointDialogTest::ValueText()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    const std::optional<CNombre> parsed = ParseBreakpointValue(text.toStdWString());
    QCOMPARE(parsed.has_value(), accepted);
    if (accepted)
        QVERIFY2(std::abs(ValueOf(parsed) - value) <= std::abs(value) * 1e-9,
                 qPrintable(QString::number(ValueOf(parsed))));
}

void DebuggerBreakpointDialogTest::OpensFromTheRecord_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("conditional");
    QTest::addColumn<bool>("conditionalChecked");
    QTest::addColumn<bool>("radiosEnabled");
    QTest::addColumn<bool>("registerEnabled");
    QTest::addColumn<bool>("conditionEnabled");
    QTest::newRow("step, always") << 0 << 0 << false << true << false << false;
    QTest::newRow("step, conditional") << 0 << 1 << true << true << true << true;
    QTest::newRow("register: always its own condition") << 1 << 1 << true << false << false << true;
    QTest::newRow("register read as always: still conditional") << 1 << 0 << true << false << false << true;
}

void DebuggerBreakpointDialogTest::OpensFromTheRecord()
{
    QFETCH(int, kind);
    QFETCH(int, conditional);
    QFETCH(bool, conditionalChecked);
    QFETCH(bool, radiosEnabled);
    QFETCH(bool, registerEnabled);
    QFETCH(bool, conditionEnabled);
    BreakpointRecord record = kind ? BreakpointRecord::NewRegister(17) : StepBreak(conditional, kLess, 42);
    record.conditional = conditional;
    record.value = Number(15, -2);
    CBreakpointDlg dialog(record);
    dialog.Initialise();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Setup breakpoint"));
    QCOMPARE(dialog.alwaysButton->text(), QStringLiteral("Stop &always"));
    QCOMPARE(dialog.conditionalButton->text(), QStringLiteral("Stop if / when"));
    QCOMPARE(dialog.registerBox->count(), 100);
    QCOMPARE(dialog.registerBox->itemText(9), QStringLiteral("Mem 09"));
    QStringList operators;
    for (int i = 0; i < dialog.operatorBox->count(); ++i)
        operators << dialog.operatorBox->itemText(i);
    QCOMPARE(operators, (QStringList{"=", "!=", ">", ">=", "<", "<="}));
    QCOMPARE(dialog.valueEdit->maxLength(), 31);

    QCOMPARE(dialog.conditionalButton->isChecked(), conditionalChecked);
    QCOMPARE(dialog.alwaysButton->isChecked(), !conditionalChecked);
    QCOMPARE(dialog.alwaysButton->isEnabled(), radiosEnabled);
    QCOMPARE(dialog.conditionalButton->isEnabled(), radiosEnabled);
    QCOMPARE(dialog.registerBox->isEnabled(), registerEnabled);
    QCOMPARE(dialog.operatorBox->isEnabled(), conditionEnabled);
    QCOMPARE(dialog.valueEdit->isEnabled(), conditionEnabled);
    QCOMPARE(dialog.registerBox->currentIndex(), kind ? 17 : 42);
    QCOMPARE(dialog.operatorBox->currentIndex(), kind ? int(kEqual) : int(kLess));
    QCOMPARE(dialog.valueEdit->text(), QStringLiteral("0.15"));
}

void DebuggerBreakpointDialogTest::RadioButtonsEnableTheCondition()
{
    CBreakpointDlg dialog(BreakpointRecord::NewStep());
    dialog.Initialise();
    dialog.conditionalButton->click();
    QVERIFY(dialog.registerBox->isEnabled());
    QVERIFY(dialog.operatorBox->isEnabled());
    QVERIFY(dialog.valueEdit->isEnabled());
    dialog.alwaysButton->click();
    QVERIFY(!dialog.registerBox->isEnabled());
    QVERIFY(!dialog.operatorBox->isEnabled());
    QVERIFY(!dialog.valueEdit->isEnabled());
}

// STO 05 at step 0: the breakpoint goes on its operand line, which keeps
// showing "05" and now carries the conditional picture.
void DebuggerBreakpointDialogTest::SetThroughTheMenuKeepsTheOperandLine()
{
    DebuggerFixture f;
    f.Load({42, 5});
    CDebugDlg& debugger = f.Open();
    RightClickAndChoose(debugger.programList, 1, QStringLiteral("Set breakpoint"), [] {
        WhenModal<CBreakpointDlg>([](CBreakpointDlg& dialog) {
            dialog.conditionalButton->click();
            dialog.registerBox->setCurrentIndex(3);
            dialog.operatorBox->setCurrentIndex(kGreaterOrEqual);
            dialog.valueEdit->setText(QStringLiteral("1.5E-3"));
            dialog.okButton->click();
        });
    });
    QTRY_VERIFY(TheBreakpoints().steps[1].has_value());
    const BreakpointRecord& record = *TheBreakpoints().steps[1];
    QCOMPARE(record.kind, 0);
    QCOMPARE(record.conditional, 1);
    QCOMPARE(record.operatorCode, int(kGreaterOrEqual));
    QCOMPARE(record.registerNumber, 3);
    QCOMPARE(record.value, Number(15, -4));
    QCOMPARE(Cell(debugger.programList, 1, 2), QStringLiteral("05"));
    QCOMPARE(BreakpointPictureIndex(TheBreakpoints().steps[1]), int(kImageBreakConditional));
    QCOMPARE(debugger.programModel->index(1, 0).data(Qt::DecorationRole).value<QPixmap>().toImage(),
             DebuggerPicture(kImageBreakConditional).toImage());
}

void DebuggerBreakpointDialogTest::CancelLeavesTheSlotEmpty()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    bool shown = false;
    WhenModal<CBreakpointDlg>([&shown](CBreakpointDlg& dialog) {
        shown = true;
        dialog.conditionalButton->click();
        dialog.cancelButton->click();
    });
    QVERIFY(!debugger.EditBreakpoint(BreakpointList::Steps, 20));
    QVERIFY(shown);
    QVERIFY(!TheBreakpoints().steps[20]);
}

void DebuggerBreakpointDialogTest::RegisterBreakpointReadsItsOwnRegister()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QString shownRegister;
    bool registerEnabled = true;
    RightClickAndChoose(debugger.registerList, 5, QStringLiteral("Set breakpoint"), [&] {
        WhenModal<CBreakpointDlg>([&](CBreakpointDlg& dialog) {
            shownRegister = dialog.registerBox->currentText();
            registerEnabled = dialog.registerBox->isEnabled();
            dialog.operatorBox->setCurrentIndex(kGreaterOrEqual);
            dialog.valueEdit->setText(QStringLiteral("100"));
            dialog.okButton->click();
        });
    });
    QTRY_VERIFY(TheBreakpoints().registers[5].has_value());
    QCOMPARE(shownRegister, QStringLiteral("Mem 05"));
    QVERIFY(!registerEnabled);
    QCOMPARE(*TheBreakpoints().registers[5], RegisterBreak(5, kGreaterOrEqual, Number(100)));
    QVERIFY(debugger.registerModel->index(5, 0).data(Qt::DecorationRole).isValid());
}

// OK with a value that is no number says so and keeps the dialog; nothing is stored.
void DebuggerBreakpointDialogTest::TextThatIsNoNumberIsRefused()
{
    DebuggerFixture f;
    TheBreakpoints().steps[7] = StepBreak(1, kEqual, 2, Number(9));
    CDebugDlg& debugger = f.Open();
    QString message;
    bool stillOpen = false;
    WhenModal<CBreakpointDlg>([&](CBreakpointDlg& dialog) {
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        dialog.valueEdit->setText(QStringLiteral("12abc"));
        dialog.okButton->click();
        stillOpen = dialog.isVisible();
        dialog.cancelButton->click();
    });
    QVERIFY(!debugger.EditBreakpoint(BreakpointList::Steps, 7));
    QVERIFY2(message.contains(QStringLiteral("12abc")), qPrintable(message));
    QVERIFY(stillOpen);
    QCOMPARE(*TheBreakpoints().steps[7], StepBreak(1, kEqual, 2, Number(9)));
}

void DebuggerBreakpointDialogTest::ClearThroughTheMenu()
{
    DebuggerFixture f;
    TheBreakpoints().steps[3] = StepBreak();
    TheBreakpoints().registers[8] = RegisterBreak(8, kEqual, {});
    CDebugDlg& debugger = f.Open();
    QCOMPARE(BreakpointPictureIndex(TheBreakpoints().steps[3]), int(kImageBreakAlways));
    RightClickAndChoose(debugger.programList, 3, QStringLiteral("Clear breakpoint"));
    QTRY_VERIFY(!TheBreakpoints().steps[3]);
    RightClickAndChoose(debugger.registerList, 8, QStringLiteral("Clear breakpoint"));
    QTRY_VERIFY(!TheBreakpoints().registers[8]);
    QCOMPARE(debugger.programModel->index(3, 0).data(Qt::DecorationRole).value<QPixmap>().toImage(),
             DebuggerPicture(kImageNoBreakpoint).toImage());
}

void DebuggerBreakpointDialogTest::NoMenuOffTheLines()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QVERIFY(!debugger.BreakpointMenu(BreakpointList::Steps, -1));
    QVERIFY(!debugger.BreakpointMenu(BreakpointList::Steps, 1000));
    QVERIFY(!debugger.BreakpointMenu(BreakpointList::Registers, 100));
    QVERIFY(!debugger.EditBreakpoint(BreakpointList::Registers, 100));
    std::unique_ptr<QMenu> menu(debugger.BreakpointMenu(BreakpointList::Registers, 99));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions()[0]->data().toInt(), int(CDebugDlg::kSetBreakpoint));
    QCOMPARE(menu->actions()[1]->data().toInt(), int(CDebugDlg::kClearBreakpoint));
}

QTEST_MAIN(DebuggerBreakpointDialogTest)
#include "debugger_breakpoint_dialog_test.moc"
