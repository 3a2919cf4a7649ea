// The menu commands around the dialogs: what OK carries into the settings
// and the engine, what Cancel leaves alone, and where the printer window opens.

#include "core/CCalc.h"
#include "shell/EngineFilePaths.h"
#include "shell/Settings.h"
#include "shell/SystemError.h"
#include "shell/dialogs/CMemoDialog.h"
#include "shell/dialogs/COptionsDlg.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/DialogCommands.h"
#include "shell/dialogs/DurationSpin.h"
#include "storage/MemoFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <functional>

namespace {
// Acts on the modal dialog as soon as its loop runs, then ends it.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> act, int result)
{
    QTimer::singleShot(0, [act, result] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        dialog->OnCommand(result);
    });
}

QString EnginePath(std::wstring_view path)
{
    return QString::fromStdWString(std::wstring(path));
}
}

class DialogsCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsReachSettingsAndEngine_data();
    void optionsReachSettingsAndEngine();
    void tooLongPathRefusedAndReported();
    void memoStoredBackOnOk_data();
    void memoStoredBackOnOk();
    void printerWindowBesideTheMainWindow();
};

void DialogsCommandsTest::optionsReachSettingsAndEngine_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("stored");
    QTest::newRow("OK") << int(kDialogOk) << true;
    QTest::newRow("Cancel") << int(kDialogCancel) << false;
}

void DialogsCommandsTest::optionsReachSettingsAndEngine()
{
    QFETCH(int, ending);
    QFETCH(bool, stored);
    Settings settings;
    settings.PrintFile = "/old/print.txt";
    settings.WriteFolder = "/old";
    CCalc calc;
    WhenModal<COptionsDlg>(
        [](COptionsDlg& dialog) {
            dialog.printFile->setText("/new/print.txt");
            dialog.writeFolder->clear();
            dialog.clignotement->SetValue(5);
        },
        ending);
    QCOMPARE(RunOptionsCommand(nullptr, settings, calc), stored);

    QCOMPARE(settings.PrintFile, QString(stored ? "/new/print.txt" : "/old/print.txt"));
    QCOMPARE(settings.WriteFolder, QString(stored ? "" : "/old"));
    QCOMPARE(settings.DureeClignotement, stored ? 5u : 200u);
    QCOMPARE(EnginePath(calc.PrintFile()), QString(stored ? "/new/print.txt" : ""));
    QCOMPARE(EnginePath(calc.WriteFolder()), QString());
}

// A path cut to fit would name another file: the old one stays, and the user hears why.
void DialogsCommandsTest::tooLongPathRefusedAndReported()
{
    CCalc calc;
    SendFilePathsToEngine(calc, "/old/print.txt", "/old");
    QStringList reports;
    SetSystemErrorSink([&](const QString& caption, const QString& text) { reports << caption + ": " + text; });
    const QString tooLong = "/" + QString(CCalc::PathLength, 'x');
    SendFilePathsToEngine(calc, tooLong, "/new");
    SetSystemErrorSink({});

    QCOMPARE(EnginePath(calc.PrintFile()), QString("/old/print.txt"));
    QCOMPARE(EnginePath(calc.WriteFolder()), QString("/new"));
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].contains("print file") && reports[0].contains(tooLong));
}

void DialogsCommandsTest::memoStoredBackOnOk_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("stored");
    QTest::newRow("OK") << int(kDialogOk) << true;
    QTest::newRow("Cancel") << int(kDialogCancel) << false;
}

void DialogsCommandsTest::memoStoredBackOnOk()
{
    QFETCH(int, ending);
    QFETCH(bool, stored);
    CCalc calc;
    storage::MemoTexts memo;
    memo[0] = L"Title";
    memo[3] = L"A top";
    memo[4] = L"A bottom";
    memo[12] = L"E bottom";
    storage::SetMemoTexts(calc, memo);
    WhenModal<CMemoDialog>(
        [](CMemoDialog& dialog) {
            dialog.mergeButtons[1]->click();
            QTest::keyClicks(dialog.lineEdits[1], "One text for A to E");
        },
        ending);
    QCOMPARE(RunEditMemoCommand(nullptr, calc), stored);

    const storage::MemoTexts after = storage::MemoTextsOf(calc);
    QCOMPARE(after[2], stored ? std::wstring(L"One text for A to E") : std::wstring());
    // The merged line keeps its five labels.
    QCOMPARE(after[4], std::wstring(L"A bottom"));
    QCOMPARE(after[12], std::wstring(L"E bottom"));
    QCOMPARE(after[3], std::wstring(L"A top"));
    QCOMPARE(after[0], std::wstring(L"Title"));
}

void DialogsCommandsTest::printerWindowBesideTheMainWindow()
{
    QWidget main;
    main.setGeometry(100, 120, 389, 798);
    main.show();
    OpenPrinterWindow(&main);
    CPrinterDlg* printer = CPrinterDlg::Instance();
    QVERIFY(printer);
    QCOMPARE(printer->pos().y(), main.frameGeometry().top());
    QCOMPARE(printer->pos().x(), main.frameGeometry().right() + 1 + 4);

    OpenPrinterWindow(&main);
    QCOMPARE(CPrinterDlg::Instance(), printer);
    QCOMPARE(main.findChildren<CPrinterDlg*>().size(), 1);
}

QTEST_MAIN(DialogsCommandsTest)
#include "dialogs_commands_test.moc"
