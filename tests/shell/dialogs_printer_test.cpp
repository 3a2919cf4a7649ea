// Printer window: lines arriving, Clear, Copy of exactly the selected lines,
// the fixed width, and the window reference while it is open.

#include "shell/dialogs/CPrinterDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cerrno>

namespace {
const QStringList kPrinted{"         1.", "  2.5  +", "  STO 05", "        3.", "ALPHA LINE"};
}

class DialogsPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void linesReachOnlyAnOpenWindow();
    void copySelectedLines_data();
    void copySelectedLines();
    void clearEmptiesTheList();
    void widthFixedHeightFree();
    void printFileFailureIsOneStatusLine();
};

void DialogsPrinterTest::linesReachOnlyAnOpenWindow()
{
    WritePrinterLine("lost");  // no window: nothing to show, nothing kept
    auto* dialog = new CPrinterDlg;
    QCOMPARE(CPrinterDlg::Instance(), dialog);
    RunModeless(*dialog, nullptr, 40, 30);
    for (const QString& line : kPrinted)
        WritePrinterLine(line);
    dialog->ShowTape(false);
    QCOMPARE(dialog->list->count(), kPrinted.size());
    QCOMPARE(dialog->list->item(0)->text(), kPrinted.front());
    QCOMPARE(dialog->list->item(4)->text(), kPrinted.back());

    QPointer<CPrinterDlg> watch(dialog);
    dialog->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watch.isNull());
    QCOMPARE(CPrinterDlg::Instance(), nullptr);
    WritePrinterLine("after close");  // must not touch the destroyed window
}

void DialogsPrinterTest::copySelectedLines_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("three in list order, picked backwards")
        << QList<int>{4, 0, 2} << QString("         1.\n  STO 05\nALPHA LINE\n");
    QTest::newRow("one") << QList<int>{1} << QString("  2.5  +\n");
    QTest::newRow("none gives an empty text") << QList<int>{} << QString();
}

void DialogsPrinterTest::copySelectedLines()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, clipboard);
    CPrinterDlg dialog;
    dialog.Initialise();
    dialog.ShowTape(false);
    for (const QString& line : kPrinted)
        dialog.AppendLine(line);
    QApplication::clipboard()->setText("previous");
    for (int row : selected)
        dialog.list->item(row)->setSelected(true);
    dialog.copyButton->click();
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void DialogsPrinterTest::clearEmptiesTheList()
{
    CPrinterDlg dialog;
    dialog.Initialise();
    dialog.ShowTape(false);
    for (const QString& line : kPrinted)
        WritePrinterLine(line);
    dialog.clearButton->click();
    QCOMPARE(dialog.list->count(), 0);
    WritePrinterLine("next");
    QCOMPARE(dialog.list->count(), 1);
}

void DialogsPrinterTest::widthFixedHeightFree()
{
    CPrinterDlg dialog;
    RunModeless(dialog, nullptr, 0, 0);
    QVERIFY(QFontInfo(dialog.list->font()).fixedPitch());
    const int fixed = dialog.FixedWidth();
    const QFontMetrics metrics(dialog.list->font());
    QVERIFY(fixed > metrics.horizontalAdvance("01234567890123456789"));
    QCOMPARE(dialog.width(), fixed);

    dialog.resize(fixed + 200, 500);
    QTest::qWait(0);
    QCOMPARE(dialog.width(), fixed);
    const int listAt500 = dialog.list->height();
    dialog.resize(fixed, 700);
    QTest::qWait(0);
    QCOMPARE(dialog.list->height(), listAt500 + 200);
    QCOMPARE(dialog.list->geometry().topLeft(), QPoint(16, 16));
    QCOMPARE(dialog.clearButton->geometry().bottom(), 700 - 16 - 1);
    QCOMPARE(dialog.copyButton->x(), dialog.clearButton->width() + 32);
}

// Lines still reach the window; the failure is told once, in the window,
// whether it was open at the time or opened later.
void DialogsPrinterTest::printFileFailureIsOneStatusLine()
{
    NotePrintFileFailure("/nowhere/TI59.txt", ENOENT);
    auto* dialog = new CPrinterDlg;
    RunModeless(*dialog, nullptr, 0, 0);
    QVERIFY(dialog->status->isVisible());
    QCOMPARE(dialog->status->text(), QString("Not saved to /nowhere/TI59.txt: No such file or directory"));
    NotePrintFileFailure("/other/TI59.txt", EACCES);
    QVERIFY(dialog->status->text().contains("/nowhere/"));
    for (const QString& line : kPrinted)
        WritePrinterLine(line);
    QCOMPARE(dialog->list->count(), kPrinted.size());
    QVERIFY(dialog->list->geometry().bottom() < dialog->status->geometry().top());
    QVERIFY(dialog->status->geometry().bottom() < dialog->clearButton->geometry().top());
    delete dialog;
}

QTEST_MAIN(DialogsPrinterTest)
#include "dialogs_printer_test.moc"
