// The engine's outward calls that the dialogs answer: printed lines reach
// the printer window, and Write, INV Write and List get their paths from
// the file picker.

#include "shell/ShellHost.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/FileDialogs.h"

#include <QListWidget>
#include <QtTest>

class DialogsHostTest : public QObject {
    Q_OBJECT
private slots:
    void printedLinesReachTheWindow();
    void keyboardFileRequests_data();
    void keyboardFileRequests();
};

void DialogsHostTest::printedLinesReachTheWindow()
{
    ShellHost host;
    host.PrinterLine(L"before the window");
    CPrinterDlg printer;
    printer.Initialise();
    printer.ShowTape(false);
    host.PrinterLine(L"  1.5");
    host.PrinterLine(L"ALPHA \u00C9");
    QCOMPARE(printer.list->count(), 2);
    QCOMPARE(printer.list->item(1)->text(), QString::fromWCharArray(L"ALPHA \u00C9"));
}

void DialogsHostTest::keyboardFileRequests_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Write") << 0 << "prog.ti" << "/tmp/p.ti";
    QTest::newRow("INV Write") << 1 << "prog.ti" << "/tmp/q.ti";
    QTest::newRow("List") << 2 << "ti59.txt" << "/tmp/list.txt";
    QTest::newRow("cancelled") << 2 << "ti59.txt" << "";
}

void DialogsHostTest::keyboardFileRequests()
{
    QFETCH(int, call);
    QFETCH(QString, fileName);
    QFETCH(QString, answer);
    QList<FileRequest> seen;
    FilePicker previous = SetFilePicker([&](const FileRequest& r) {
        seen << r;
        return answer;
    });
    ShellHost host;
    const std::wstring path = call == 0   ? host.AskSaveProgramPath()
                              : call == 1 ? host.AskLoadProgramPath()
                                          : host.AskListingPath();
    SetFilePicker(previous);
    QCOMPARE(QString::fromStdWString(path), answer);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.front().fileName, fileName);
    QCOMPARE(seen.front().kind, call == 1 ? FileRequest::Kind::Open : FileRequest::Kind::Save);
}

QTEST_MAIN(DialogsHostTest)
#include "dialogs_host_test.moc"
