// Options dialog: spin ranges, typed values, OK and Cancel, the two pickers.

#include "shell/dialogs/COptionsDlg.h"
#include "shell/dialogs/DurationSpin.h"
#include "shell/dialogs/FileDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
OptionValues Sample()
{
    return {"/home/u/Documents/TI59.txt", "/home/u/Documents", 500, 50, 200};
}

DurationSpin* SpinOf(COptionsDlg& dialog, int which)
{
    DurationSpin* spins[] = {dialog.pauseLongue, dialog.pauseCourte, dialog.clignotement};
    return spins[which];
}

void Retype(DurationSpin* spin, const QString& typed)
{
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClicks(spin, typed);
}

// Answers the next pick with a fixed path and keeps the request it saw.
struct ScriptedPicker {
    QString answer;
    QList<FileRequest> seen;
    FilePicker previous;
    explicit ScriptedPicker(QString path) : answer(std::move(path))
    {
        previous = SetFilePicker([this](const FileRequest& r) {
            seen << r;
            return answer;
        });
    }
    ~ScriptedPicker() { SetFilePicker(previous); }
};
}

class DialogsOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initShowsValues();
    void spinButtonsStopAtRange_data();
    void spinButtonsStopAtRange();
    void typedValuesTakenAsTheyStand_data();
    void typedValuesTakenAsTheyStand();
    void okCopiesPathsCancelKeepsAll_data();
    void okCopiesPathsCancelKeepsAll();
    void printerFilePicker_data();
    void printerFilePicker();
    void writeFolderPicker();
};

void DialogsOptionsTest::initShowsValues()
{
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    QCOMPARE(dialog.templateId, 142);
    QCOMPARE(dialog.pauseLongue->text(), QString("500"));
    QCOMPARE(dialog.pauseCourte->text(), QString("50"));
    QCOMPARE(dialog.clignotement->text(), QString("200"));
    QCOMPARE(dialog.printFile->text(), Sample().printFile);
    QCOMPARE(dialog.writeFolder->text(), Sample().writeFolder);
}

void DialogsOptionsTest::spinButtonsStopAtRange_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<quint32>("minimum");
    QTest::addColumn<quint32>("maximum");
    QTest::newRow("Pause instruction") << 0 << 200u << 2000u;
    QTest::newRow("steps with Pause held") << 1 << 20u << 500u;
    QTest::newRow("blinking") << 2 << 50u << 2000u;
}

void DialogsOptionsTest::spinButtonsStopAtRange()
{
    QFETCH(int, which);
    QFETCH(quint32, minimum);
    QFETCH(quint32, maximum);
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    DurationSpin* spin = SpinOf(dialog, which);

    spin->SetValue(maximum - 1);
    spin->stepBy(1);
    QCOMPARE(spin->Value(), maximum);
    spin->stepBy(1);
    QCOMPARE(spin->Value(), maximum);
    spin->SetValue(minimum + 1);
    spin->stepBy(-5);
    QCOMPARE(spin->Value(), minimum);
    // A typed value outside the range comes back inside on the first click.
    spin->SetValue(0);
    spin->stepBy(1);
    QCOMPARE(spin->Value(), minimum);
    spin->SetValue(maximum + 100);
    spin->stepBy(-1);
    QCOMPARE(spin->Value(), maximum);
}

void DialogsOptionsTest::typedValuesTakenAsTheyStand_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint32>("stored");
    QTest::newRow("5 ms blinking") << 2 << "5" << 5u;
    QTest::newRow("zero pause") << 0 << "0" << 0u;
    QTest::newRow("above the range") << 1 << "9000" << 9000u;
    QTest::newRow("empty reads 0") << 2 << "" << 0u;
    QTest::newRow("letters refused") << 0 << "7x5" << 75u;
    QTest::newRow("too large for 32 bits reads 0") << 1 << "99999999999" << 0u;
}

void DialogsOptionsTest::typedValuesTakenAsTheyStand()
{
    QFETCH(int, which);
    QFETCH(QString, typed);
    QFETCH(quint32, stored);
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    Retype(SpinOf(dialog, which), typed);
    dialog.okButton->click();

    QCOMPARE(dialog.result(), int(kDialogOk));
    const quint32 values[] = {dialog.values.dureePauseLongue, dialog.values.dureePauseCourte,
                              dialog.values.dureeClignotement};
    QCOMPARE(values[which], stored);
}

void DialogsOptionsTest::okCopiesPathsCancelKeepsAll_data()
{
    QTest::addColumn<int>("ending");  // 0 OK, 1 Cancel button, 2 close box
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("changed");
    QTest::newRow("OK") << 0 << int(kDialogOk) << true;
    QTest::newRow("Cancel") << 1 << int(kDialogCancel) << false;
    QTest::newRow("close box") << 2 << int(kDialogCancel) << false;
}

void DialogsOptionsTest::okCopiesPathsCancelKeepsAll()
{
    QFETCH(int, ending);
    QFETCH(int, result);
    QFETCH(bool, changed);
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    dialog.show();
    dialog.printFile->clear();
    dialog.writeFolder->setText("/tmp/banks");
    Retype(dialog.pauseLongue, "1500");
    if (ending == 0)
        dialog.okButton->click();
    else if (ending == 1)
        dialog.cancelButton->click();
    else
        dialog.close();

    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
    const OptionValues expected =
        changed ? OptionValues{"", "/tmp/banks", 1500, 50, 200} : Sample();
    QCOMPARE(dialog.values.printFile, expected.printFile);
    QCOMPARE(dialog.values.writeFolder, expected.writeFolder);
    QCOMPARE(dialog.values.dureePauseLongue, expected.dureePauseLongue);
}

void DialogsOptionsTest::printerFilePicker_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("field");
    QTest::newRow("chosen") << "/tmp/out/print.txt" << "/tmp/out/print.txt";
    QTest::newRow("cancelled") << "" << "/home/u/Documents/TI59.txt";
}

void DialogsOptionsTest::printerFilePicker()
{
    QFETCH(QString, answer);
    QFETCH(QString, field);
    ScriptedPicker picker(answer);
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    dialog.browsePrintFile->click();

    QCOMPARE(dialog.printFile->text(), field);
    QCOMPARE(picker.seen.size(), 1);
    const FileRequest& request = picker.seen.front();
    QCOMPARE(request.kind, FileRequest::Kind::Save);
    QCOMPARE(request.owner, &dialog);
    QCOMPARE(request.title, QString("Printer file"));
    QCOMPARE(request.fileName, Sample().printFile);
    QCOMPARE(request.folder, DocumentsFolder());
    QCOMPARE(request.defaultSuffix, QString("txt"));
    QCOMPARE(request.filters.front(), QString("txt files (*.txt)"));
}

void DialogsOptionsTest::writeFolderPicker()
{
    ScriptedPicker picker("/tmp/banks");
    COptionsDlg dialog(Sample());
    dialog.Initialise();
    dialog.browseWriteFolder->click();

    QCOMPARE(dialog.writeFolder->text(), QString("/tmp/banks"));
    const FileRequest& request = picker.seen.front();
    QCOMPARE(request.kind, FileRequest::Kind::Folder);
    QCOMPARE(request.title, QString("Select folder to write memory blocks"));
    QCOMPARE(request.folder, Sample().writeFolder);
}

QTEST_MAIN(DialogsOptionsTest)
#include "dialogs_options_test.moc"
