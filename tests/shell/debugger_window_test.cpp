// The debugger window itself: its lists, fields and flags following the
// engine, the current step, refreshes that repaint once, resizing, hiding
// and closing, the menu item that opens it and its pictures.

#include "debugger_fixture.h"

#include "shell/ContextMenu.h"
#include "shell/debugger/BreakpointImages.h"
#include "shell/debugger/FlagStrip.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>

class DebuggerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void WindowHasItsParts();
    void ListingLines_data();
    void ListingLines();
    void FullRefreshRepaintsOnceInPlace();
    void LearnModeRefreshesItsLine();
    void CurrentStepIsYellowAndInView();
    void HierarchyAfterEachOperatorKey_data();
    void HierarchyAfterEachOperatorKey();
    void FieldsRegistersAndFlagsFollowTheEngine();
    void Resizing_data();
    void Resizing();
    void EscapeHidesCloseBoxDestroys();
    void MenuItemOpensBesideTheWindow();
    void ImageStripHasFivePictures();
    void NarrowColumnsGrowWithTheFont();
};

void DebuggerWindowTest::WindowHasItsParts()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QCOMPARE(debugger.windowTitle(), QStringLiteral("TI 59 Debugger"));
    QCOMPARE(debugger.programModel->rowCount(), 1000);
    QCOMPARE(debugger.registerModel->rowCount(), 100);
    QCOMPARE(debugger.hierarchyModel->rowCount(), 8);
    auto header = [](QTreeView* view, int section) {
        return view->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    };
    QCOMPARE(header(debugger.programList, 0), QStringLiteral("Step"));
    QCOMPARE(header(debugger.programList, 1), QStringLiteral("Code"));
    QCOMPARE(header(debugger.programList, 2), QStringLiteral("Instruction"));
    QCOMPARE(header(debugger.registerList, 0), QStringLiteral("Mem"));
    QCOMPARE(header(debugger.registerList, 1), QStringLiteral("Value"));
    QCOMPARE(header(debugger.hierarchyList, 0), QStringLiteral("Hir"));
    QCOMPARE(debugger.programList->columnWidth(0), 60);
    QCOMPARE(debugger.programList->columnWidth(1), 40);
    const int scrollBar = debugger.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, debugger.programList);
    QCOMPARE(debugger.programList->columnWidth(2),
             debugger.programList->width() - 2 * debugger.programList->frameWidth() - scrollBar - 100);
    QCOMPARE(debugger.registerList->columnWidth(0), 60);
    QCOMPARE(Cell(debugger.registerList, 7, 0), QStringLiteral("07"));
    QCOMPARE(Cell(debugger.registerList, 7, 1), QStringLiteral("0."));
    QCOMPARE(Cell(debugger.hierarchyList, 0, 0), QStringLiteral("01"));
    QCOMPARE(Cell(debugger.hierarchyList, 7, 0), QStringLiteral("08"));
    QCOMPARE(debugger.sstButton->text(), QStringLiteral("S S T"));
    QCOMPARE(debugger.runStopButton->text(), QStringLiteral("R / S"));
    QCOMPARE(debugger.flagStrip->pos(), debugger.registerList->pos() - QPoint(0, 20));
    // All three lists select whole lines.
    for (QTreeView* view : {debugger.programList, debugger.registerList, debugger.hierarchyList})
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
    // The hierarchy lines carry no picture; the others the empty one.
    QVERIFY(!debugger.hierarchyModel->index(0, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(debugger.registerModel->index(0, 0).data(Qt::DecorationRole).isValid());
}

void DebuggerWindowTest::ListingLines_data()
{
    QTest::addColumn<QList<int>>("program");
    QTest::addColumn<QStringList>("instructions");
    QTest::newRow("STO 05") << QList<int>{42, 5} << QStringList{"STO", "05"};
    QTest::newRow("GTO 123") << QList<int>{61, 1, 23} << QStringList{"GTO", "1", "23"};
    QTest::newRow("GTO A") << QList<int>{61, 11} << QStringList{"GTO", "A"};
    QTest::newRow("SBR IND 12") << QList<int>{71, 40, 12} << QStringList{"SBR", "IND", "12"};
    QTest::newRow("IFF 03 045 STO 10")
        << QList<int>{87, 3, 0, 45, 42, 10} << QStringList{"IFF", "03", "0", "45", "STO", "10"};
    QTest::newRow("|X| and X²") << QList<int>{50, 33} << QStringList{"|X|", QString::fromUtf8("X\u00b2")};
}

void DebuggerWindowTest::ListingLines()
{
    QFETCH(QList<int>, program);
    QFETCH(QStringList, instructions);
    DebuggerFixture f;
    for (int i = 0; i < program.size(); ++i)
        keyscript::SetStep(*f.calc, 0, i, static_cast<uint8_t>(program[i]));
    CDebugDlg& debugger = f.Open();
    for (int row = 0; row < instructions.size(); ++row) {
        QCOMPARE(Cell(debugger.programList, row, 0), QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')));
        QCOMPARE(Cell(debugger.programList, row, 1),
                 QStringLiteral("%1").arg(program[row], 2, 10, QLatin1Char('0')));
        QCOMPARE(Cell(debugger.programList, row, 2), instructions[row]);
    }
}

// A program file loaded, Op 09 or CP: all 1000 lines in one change, no line inserted.
void DebuggerWindowTest::FullRefreshRepaintsOnceInPlace()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QSignalSpy changed(debugger.programModel, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(debugger.programModel, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(debugger.programModel, &QAbstractItemModel::modelReset);
    for (int i = 0; i < 1000; i += 2) {
        keyscript::SetStep(*f.calc, 0, i, Key::Sto);
        keyscript::SetStep(*f.calc, 0, i + 1, 42);
    }
    f.calc->NotifyListing(0, CCalc::LastStep);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().row(), 0);
    QCOMPARE(changed[0][1].value<QModelIndex>().row(), 999);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(Cell(debugger.programList, 998, 2), QStringLiteral("STO"));
    QCOMPARE(Cell(debugger.programList, 999, 2), QStringLiteral("42"));

    // A NOP on step 0 turns every later instruction into an operand and back:
    // still one change, from the first line to the last.
    keyscript::SetStep(*f.calc, 0, 0, Key::Nop);
    f.calc->NotifyListing(0, 0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed[1][0].value<QModelIndex>().row(), 0);
    QCOMPARE(changed[1][1].value<QModelIndex>().row(), 999);
    QCOMPARE(Cell(debugger.programList, 1, 2), QStringLiteral("STO"));
    QCOMPARE(Cell(debugger.programList, 2, 2), QStringLiteral("42"));

    // An operand step changed alone stays an operand.
    keyscript::SetStep(*f.calc, 0, 6, 7);
    f.calc->NotifyListing(6, 6);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed[2][0].value<QModelIndex>().row(), 6);
    QCOMPARE(changed[2][1].value<QModelIndex>().row(), 6);
    QCOMPARE(Cell(debugger.programList, 6, 2), QStringLiteral("07"));
    QCOMPARE(Cell(debugger.programList, 7, 2), QStringLiteral("STO"));
}

void DebuggerWindowTest::LearnModeRefreshesItsLine()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    f.Keys("LRN STO 05 LRN");
    QCOMPARE(Cell(debugger.programList, 0, 2), QStringLiteral("STO"));
    QCOMPARE(Cell(debugger.programList, 1, 2), QStringLiteral("05"));
    QCOMPARE(debugger.programModel->CurrentStep(), 2);
}

void DebuggerWindowTest::CurrentStepIsYellowAndInView()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QCOMPARE(debugger.programModel->CurrentStep(), 0);
    f.Keys("GTO 750");
    QCOMPARE(f.calc->Pc(), 750);
    QCOMPARE(debugger.programModel->CurrentStep(), 750);
    for (int column = 0; column < 3; ++column)
        QCOMPARE(debugger.programModel->index(750, column).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(255, 255, 0));
    QVERIFY(!debugger.programModel->index(0, 0).data(Qt::BackgroundRole).isValid());
    const QRect line = debugger.programList->visualRect(debugger.programModel->index(750, 0));
    QVERIFY(debugger.programList->viewport()->rect().intersects(line));

    // Selecting the current step must not hide it: its row stays a shade of yellow.
    debugger.programList->setCurrentIndex(debugger.programModel->index(750, 1));
    const QImage shot = debugger.programList->viewport()->grab().toImage();
    const QRect cell = debugger.programList->visualRect(debugger.programModel->index(750, 1));
    const QColor shade = shot.pixelColor(cell.right() - 2, cell.center().y());
    QVERIFY2(shade.red() > 100 && shade.red() == shade.green() && shade.blue() < 40, qPrintable(shade.name()));
}

// Keys from the keyboard; the first three hierarchy lines after the last one.
void DebuggerWindowTest::HierarchyAfterEachOperatorKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("2 +") << "2 +" << QStringList{"2.", "2.", "0."};
    QTest::newRow("2 + 3 *") << "2 + 3 *" << QStringList{"2.", "3.", "3."};
    QTest::newRow("2 + 3 * 4 y^x") << "2 + 3 * 4 Y^X" << QStringList{"2.", "3.", "4.", "4."};
    QTest::newRow("2 + 3 * 4 = leaves the result in slot 0") << "2 + 3 * 4 =" << QStringList{"14.", "12.", "4.", "0."};
    QTest::newRow("( 6 - 1 )") << "( 6 - 1 )" << QStringList{"5.", "1.", "0."};
}

void DebuggerWindowTest::HierarchyAfterEachOperatorKey()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, lines);
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QSignalSpy changed(debugger.hierarchyModel, &QAbstractItemModel::dataChanged);
    for (std::uint8_t key : keyscript::Codes(keys.toStdString())) {
        f.calc->ProcessKey(key);
        for (int row = 0; row < 8; ++row)
            QCOMPARE(Cell(debugger.hierarchyList, row, 1),
                     QString::fromStdWString(FloatingText(f.calc->pile.operands[row])));
    }
    QVERIFY(changed.count() >= 1);
    for (int row = 0; row < lines.size(); ++row)
        QCOMPARE(Cell(debugger.hierarchyList, row, 1), lines[row]);
}

void DebuggerWindowTest::FieldsRegistersAndFlagsFollowTheEngine()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QSignalSpy registers(debugger.registerModel, &QAbstractItemModel::dataChanged);
    f.Keys("12 STO 42");
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("12."));
    QCOMPARE(registers.count(), 1);
    QCOMPARE(registers[0][0].value<QModelIndex>().row(), 42);
    QCOMPARE(Cell(debugger.registerList, 42, 1), QStringLiteral("12."));

    f.Keys("X<>T");
    QCOMPARE(debugger.tField->text(), QStringLiteral("12."));
    QCOMPARE(debugger.displayField->text().trimmed(), QStringLiteral("0."));

    f.Keys("STF 3 STF 9");
    for (int flag = 0; flag < 10; ++flag)
        QCOMPARE(debugger.flagStrip->PictureOf(flag), flag == 3 || flag == 9 ? kImageFlagSet : kImageFlagClear);
    f.Keys("INV STF 3");
    QCOMPARE(debugger.flagStrip->PictureOf(3), kImageFlagClear);

    f.Keys("CMS");
    QCOMPARE(Cell(debugger.registerList, 42, 1), QStringLiteral("0."));
}

void DebuggerWindowTest::Resizing_data()
{
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<int>("extraHeight");
    QTest::addColumn<int>("expectedExtra");
    QTest::newRow("taller") << 0 << 150 << 150;
    QTest::newRow("wider and taller: the width stays") << 200 << 40 << 40;
    QTest::newRow("shorter than at first: held at the first height") << 0 << -120 << 0;
    QTest::newRow("narrower: held") << -100 << 0 << 0;
}

void DebuggerWindowTest::Resizing()
{
    QFETCH(int, extraWidth);
    QFETCH(int, extraHeight);
    QFETCH(int, expectedExtra);
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    const QSize initial = debugger.size();
    QCOMPARE(initial, debugger.InitialSize());
    const QRect program = debugger.programList->geometry();
    const QRect registers = debugger.registerList->geometry();
    const QRect hierarchy = debugger.hierarchyList->geometry();
    const QRect sst = debugger.sstButton->geometry();
    const QRect runStop = debugger.runStopButton->geometry();

    debugger.resize(initial + QSize(extraWidth, extraHeight));
    QCOMPARE(debugger.width(), initial.width());
    QCOMPARE(debugger.height(), initial.height() + expectedExtra);
    QCOMPARE(debugger.programList->geometry(), program.adjusted(0, 0, 0, expectedExtra));
    QCOMPARE(debugger.registerList->geometry(), registers.adjusted(0, 0, 0, expectedExtra));
    QCOMPARE(debugger.hierarchyList->geometry(), hierarchy.translated(0, expectedExtra));
    QCOMPARE(debugger.sstButton->geometry(), sst.translated(0, expectedExtra));
    QCOMPARE(debugger.runStopButton->geometry(), runStop.translated(0, expectedExtra));
}

void DebuggerWindowTest::EscapeHidesCloseBoxDestroys()
{
    DebuggerFixture f;
    QPointer<CDebugDlg> debugger = &f.Open();
    QVERIFY(f.host.WantsChangeNotifications());
    QTest::keyClick(debugger.data(), Qt::Key_Escape);
    QVERIFY(!debugger->isVisible());
    QVERIFY(f.host.WantsChangeNotifications());
    // Still told about changes while hidden.
    f.Keys("4 STO 11");
    QCOMPARE(Cell(debugger->registerList, 11, 1), QStringLiteral("4."));

    QVERIFY(&f.Open() == debugger.data());
    QVERIFY(debugger->isVisible());
    debugger->close();
    QVERIFY(!f.host.WantsChangeNotifications());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(debugger.isNull());
    // Nobody listens now; the engine goes on without it.
    f.Keys("5 STO 11");
    QCOMPARE(f.calc->registers[11].ToDouble(), 5.0);
}

void DebuggerWindowTest::MenuItemOpensBesideTheWindow()
{
    DebuggerFixture f;
    f.window->move(40, 30);
    QMenu menu;
    FillContextMenu(menu, *f.window);
    QAction* debug = nullptr;
    for (QAction* action : menu.actions())
        if (action->data().toInt() == kCommandDebug)
            debug = action;
    QVERIFY(debug);
    QCOMPARE(debug->text(), QStringLiteral("&Debug..."));
    QCOMPARE(menu.actions().indexOf(debug), 1);
    debug->trigger();
    CDebugDlg* debugger = CDebugDlg::Instance();
    QVERIFY(debugger);
    QVERIFY(debugger->isVisible());
    QCOMPARE(debugger->pos(), QPoint(f.window->frameGeometry().right() + 1 + 4, f.window->frameGeometry().top()));
    debug->trigger();
    QCOMPARE(CDebugDlg::Instance(), debugger);
}

void DebuggerWindowTest::ImageStripHasFivePictures()
{
    const QImage strip = DrawDebuggerImageStrip();
    QCOMPARE(strip.size(), QSize(80, 16));
    auto bluePixels = [&](int cell) {
        int count = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                count += strip.pixel(cell * 16 + x, y) == qRgb(0, 0, 255);
        return count;
    };
    QCOMPARE(bluePixels(kImageNoBreakpoint), 256);
    for (int cell = kImageBreakAlways; cell <= kImageFlagSet; ++cell) {
        QVERIFY2(bluePixels(cell) < 256, qPrintable(QString::number(cell)));
        QVERIFY2(bluePixels(cell) > 0, qPrintable(QString::number(cell)));
    }
    // The two breakpoint kinds and the two flag states look different.
    QVERIFY(strip.copy(16, 0, 16, 16) != strip.copy(32, 0, 16, 16));
    QVERIFY(strip.copy(48, 0, 16, 16) != strip.copy(64, 0, 16, 16));
    // Blue is see-through.
    const QImage empty = DebuggerPicture(kImageNoBreakpoint).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(empty.pixel(8, 8)), 0);
    const QImage always = DebuggerPicture(kImageBreakAlways).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(always.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(always.pixel(8, 8)), 255);
}

// A large desktop font must not cut the step numbers and codes.
void DebuggerWindowTest::NarrowColumnsGrowWithTheFont()
{
    DebuggerFixture f;
    CDebugDlg& debugger = f.Open();
    QFont large = debugger.programList->font();
    large.setPixelSize(40);
    debugger.programList->setFont(large);
    debugger.resize(debugger.width(), debugger.height() + 1);  // lays the window out again
    QTRY_VERIFY(debugger.programList->columnWidth(0) > 60);
    const QFontMetrics metrics(large);
    QVERIFY(debugger.programList->columnWidth(0) >= 16 + metrics.horizontalAdvance(QStringLiteral("000")));
    QVERIFY(debugger.programList->columnWidth(1) >= metrics.horizontalAdvance(QStringLiteral("00")));
    QCOMPARE(debugger.registerList->columnWidth(0), debugger.programList->columnWidth(0));
}

QTEST_MAIN(DebuggerWindowTest)
#include "debugger_window_test.moc"
