// The Program window on the real calculator window: paste of every form,
// a line typed, undo, the label table, addresses moved on insert and delete,
// files dropped on the calculator, and Ctrl+V on the calculator.
#include "KeyScript.h"
#include "ShellFixture.h"
#include "shell/ContextMenu.h"
#include "shell/program/CalculatorPaste.h"
#include "shell/program/ProgramWindow.h"
#include "storage/ProgramFile.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QUrl>

namespace {

QList<int> Steps(const CCalc& calc, int count)
{
    QList<int> steps;
    for (int i = 0; i < count; ++i)
        steps << calc.Area(0)[i];
    return steps;
}

ProgramWindow& Open(ShellFixture& f)
{
    ProgramWindow& window = OpenProgramWindow(*f.window);
    window.SetPasteMode(ProgramWindow::PasteMode::ReplaceProgram);
    return window;
}

void Drop(CMainWnd& window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

} // namespace

class ProgramWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        if (ProgramWindow* open = ProgramWindow::Instance())
            delete open;
    }

    void pasteOfEachForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("listing") << "000 76 LBL\n001 11 A\n002 42 STO\n003 01 01\n004 91 R/S\n";
        QTest::newRow("codes") << "76 11 42 01 91";
        QTest::newRow("key script") << "LBL A STO 01 R/S";
        QTest::newRow("printed") << "Page 1\n2nd Lbl A\nsto 01 ; keep it\nR/S\n";
    }
    void pasteOfEachForm()
    {
        QFETCH(QString, text);
        ShellFixture f;
        ProgramWindow& window = Open(f);
        QVERIFY(window.PasteText(text, QStringLiteral("the clipboard")));
        QCOMPARE(Steps(*f.calc, 6), (QList<int>{76, 11, 42, 1, 91, 0}));
        QCOMPARE(window.listing()->item(1, ProgramWindow::kInstructionColumn)->text(), QStringLiteral("STO 01"));
        QCOMPARE(window.listing()->item(1, ProgramWindow::kCodesColumn)->text(), QStringLiteral("42 01"));
    }

    void aTextThatDoesNotReadChangesNothing()
    {
        ShellFixture f;
        LoadSteps(*f.calc, {76, 12});
        ProgramWindow& window = Open(f);
        QVERIFY(!window.PasteText(QStringLiteral("000 76 LBL\n001 11 B\n"), QStringLiteral("the clipboard")));
        QCOMPARE(Steps(*f.calc, 2), (QList<int>{76, 12}));
        QVERIFY(window.statusText().contains(QStringLiteral("line 2, column 8")));
    }

    void aTypedLineIsAssembledAndUndone()
    {
        ShellFixture f;
        LoadSteps(*f.calc, {76, 11, 42, 1, 91});
        ProgramWindow& window = Open(f);
        // Typed into the cell, as a user does.
        window.listing()->item(1, ProgramWindow::kInstructionColumn)->setText(QStringLiteral("rcl 2 2"));
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{76, 11, 43, 22, 91}));
        QCOMPARE(window.listing()->item(1, ProgramWindow::kInstructionColumn)->text(), QStringLiteral("RCL 22"));
        // A line that does not read keeps its text and says why on the line.
        QVERIFY(!window.EditLine(2, QStringLiteral("SOT 05")));
        QCOMPARE(window.listing()->item(2, ProgramWindow::kInstructionColumn)->text(), QStringLiteral("SOT 05"));
        QVERIFY(window.listing()->item(2, ProgramWindow::kProblemColumn)->text().contains(QStringLiteral("\"SOT\"")));
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{76, 11, 43, 22, 91}));
        window.undoStack()->undo();
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{76, 11, 42, 1, 91}));
        window.undoStack()->redo();
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{76, 11, 43, 22, 91}));
    }

    void theLabelTable()
    {
        ShellFixture f;
        // LBL A, GTO A, SBR B, with no label B.
        LoadSteps(*f.calc, {76, 11, 61, 11, 71, 12});
        ProgramWindow& window = Open(f);
        QTableWidget* labels = window.labels();
        QCOMPARE(labels->rowCount(), 2);
        QCOMPARE(labels->item(0, 0)->text(), QStringLiteral("A"));
        QCOMPARE(labels->item(0, 1)->text(), QStringLiteral("000"));
        QCOMPARE(labels->item(0, 2)->text(), QStringLiteral("002"));
        QCOMPARE(labels->item(1, 0)->text(), QStringLiteral("B"));
        QCOMPARE(labels->item(1, 1)->text(), QStringLiteral("missing"));
        QCOMPARE(labels->item(1, 2)->text(), QStringLiteral("004"));
    }

    void addressesMoveWithInsertAndDelete()
    {
        ShellFixture f;
        // R/S, GTO 020, and the target at 20.
        LoadSteps(*f.calc, {91, 61, 0, 20});
        keyscript::SetStep(*f.calc, 0, 20, 99);
        ProgramWindow& window = Open(f);
        window.InsertLine(0);
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{68, 91, 61, 0, 21}));
        QCOMPARE(f.calc->Area(0)[21], 99);
        QVERIFY(window.statusText().contains(QStringLiteral("1 address moved")));
        window.DeleteLine(0);
        QCOMPARE(Steps(*f.calc, 4), (QList<int>{91, 61, 0, 20}));
        // With the calculator's rule the address stays.
        window.SetMoveAddresses(false);
        window.InsertLine(0);
        QCOMPARE(Steps(*f.calc, 5), (QList<int>{68, 91, 61, 0, 20}));
    }

    void savedListingsReadBack_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("UTF-8 listing") << int(ProgramWindow::SaveForm::Utf8Listing) << QByteArray("000 76 LBL\n");
        QTest::newRow("UTF-16 listing") << int(ProgramWindow::SaveForm::Utf16Listing)
                                         << QByteArray("\xFF\xFE" "0\0" "0\0" "0\0" " \0" "7\0" "6\0" " \0" "L\0" "B\0" "L\0" "\r\0" "\n\0", 26);
        QTest::newRow("key script") << int(ProgramWindow::SaveForm::KeyScript) << QByteArray("LBL A\nSTO 01\n");
    }
    void savedListingsReadBack()
    {
        QFETCH(int, form);
        QFETCH(QByteArray, start);
        ShellFixture f;
        LoadSteps(*f.calc, {76, 11, 42, 1, 61, 0, 20, 91});
        ProgramWindow& window = Open(f);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saved.txt"));
        QVERIFY(window.SaveListingTo(path, ProgramWindow::SaveForm(form)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        LoadSteps(*f.calc, {0, 0, 0, 0, 0, 0, 0, 0});
        Drop(*f.window, path);
        QCOMPARE(Steps(*f.calc, 9), (QList<int>{76, 11, 42, 1, 61, 0, 20, 91, 0}));
    }

    void filesDroppedOnTheCalculatorLoad()
    {
        ShellFixture f;
        QTemporaryDir folder;
        const QString listing = folder.filePath(QStringLiteral("prog.txt"));
        QFile file(listing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("000 76 LBL\n001 12 B\n002 99 PRT\n");
        file.close();
        Drop(*f.window, listing);
        QCOMPARE(Steps(*f.calc, 3), (QList<int>{76, 12, 99}));
        QVERIFY(ProgramWindow::Instance());
        // A program file loads as INV Write would.
        const QString program = folder.filePath(QStringLiteral("prog.ti"));
        LoadSteps(*f.calc, {76, 13});
        QVERIFY(SaveProgramFile(*f.calc, program.toStdWString()));
        LoadSteps(*f.calc, {0, 0});
        Drop(*f.window, program);
        QCOMPARE(Steps(*f.calc, 2), (QList<int>{76, 13}));
    }

    void ctrlVOnTheCalculator()
    {
        const auto keys = NumberKeys(QStringLiteral("-1.5e-3"));
        QVERIFY(keys);
        QCOMPARE(keys->size(), std::size_t(7));
        QVERIFY(!NumberKeys(QStringLiteral("LBL A")));
        ShellFixture f;
        QApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(f.Display().trimmed(), QStringLiteral("42"));
        QApplication::clipboard()->setText(QStringLiteral("LBL A 1 R/S"));
        QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(ProgramWindow::Instance());
        QVERIFY(ProgramWindow::Instance()->offerText().contains(QStringLiteral("4 steps")));
        QCOMPARE(f.calc->Area(0)[0], 0); // offered, not yet loaded
    }

    void theMenuOffersTheWindow()
    {
        ShellFixture f;
        QMenu menu;
        FillContextMenu(menu, *f.window);
        for (QAction* action : menu.actions())
            if (action->data().toInt() == kCommandProgram) {
                QCOMPARE(action->text(), QStringLiteral("&Program..."));
                action->trigger();
            }
        QVERIFY(ProgramWindow::Instance());
    }
};

QTEST_MAIN(ProgramWindowTest)
#include "program_window_test.moc"
