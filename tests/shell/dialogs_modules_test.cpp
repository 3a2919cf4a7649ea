// Modules dialog over real module slots: the three lists, loading a module
// file, the read-only refusal, copies to and from a module, and saving it.

#include "KeyScript.h"
#include "RecordingHost.h"
#include "core/CCalc.h"
#include "shell/dialogs/CModulesDlg.h"
#include "shell/dialogs/FileDialogs.h"
#include "storage/ModuleLibrary.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Program i (0-based) of a test module holds `length[i]` steps, each step = fill + i.
std::vector<unsigned char> MakeModule(const storage::ProgramLengths& lengths, unsigned char fill)
{
    std::array<std::vector<unsigned char>, storage::kModulePrograms> bodies;
    std::array<std::span<const unsigned char>, storage::kModulePrograms> spans;
    for (int i = 0; i < storage::kModulePrograms; ++i) {
        bodies[i].assign(lengths[i], static_cast<unsigned char>(fill + i));
        spans[i] = bodies[i];
    }
    return storage::EncodeModuleImage(lengths, spans);
}

storage::ProgramLengths Lengths(uint16_t first, uint16_t third)
{
    storage::ProgramLengths lengths{};
    lengths.fill(10);
    lengths[0] = first;
    lengths[2] = third;
    return lengths;
}

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << QString("%1=%2").arg(list->itemText(i)).arg(list->itemData(i).toInt());
    return items;
}

void Choose(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

struct Fixture {
    QTemporaryDir folder;
    std::vector<unsigned char> builtIn = MakeModule(Lengths(189, 100), 1);
    RecordingHost host;
    CCalc calc;
    ModuleLibrary modules{calc, builtIn, folder.path().toStdWString()};
    QString answer;
    QList<FileRequest> requests;
    FilePicker previous;

    Fixture()
    {
        calc.host = &host;
        modules.InitModuleSlots();
        modules.LoadBuiltInModule(0);
        previous = SetFilePicker([this](const FileRequest& r) {
            requests << r;
            return answer;
        });
    }
    ~Fixture() { SetFilePicker(previous); }

    QString WriteModuleFile(const QString& name, const storage::ProgramLengths& lengths)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const std::vector<unsigned char> bytes = MakeModule(lengths, 40);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    void LoadFileIntoSlot(CModulesDlg& dialog, int slot, const QString& path)
    {
        answer = path;
        Choose(dialog.slotLists[slot], "Load...");
    }
};
}

class DialogsModulesTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartLists();
    void loadModuleFileThroughTheList_data();
    void loadModuleFileThroughTheList();
    void noneAndMasterChoices();
    void copyIntoReadOnlySlotRefused_data();
    void copyIntoReadOnlySlotRefused();
    void copyToModuleThenSave();
    void copyFromModule();
    void fieldsRefuseOutOfRange_data();
    void fieldsRefuseOutOfRange();
};

void DialogsModulesTest::firstStartLists()
{
    Fixture f;
    keyscript::SetStep(f.calc, 0, 41, 85);
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();

    QCOMPARE(dialog.windowTitle(), QString("Modules"));
    QCOMPARE(Items(dialog.slotLists[0]), (QStringList{"Master Library=1", "None=0", "Load...=-1"}));
    QCOMPARE(Items(dialog.slotLists[1]), (QStringList{"None=0", "Master Library=1", "Load...=-1"}));
    QCOMPARE(Items(dialog.slotLists[2]), Items(dialog.slotLists[1]));
    for (QPushButton* save : dialog.saveButtons)
        QVERIFY(save->isHidden());
    QCOMPARE(dialog.programNumber->value(), 1);
    QCOMPARE(dialog.programLength->value(), 42);
    QVERIFY(dialog.copyTo->isChecked());
}

void DialogsModulesTest::loadModuleFileThroughTheList_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("file chosen") << true;
    QTest::newRow("dialog cancelled") << false;
}

void DialogsModulesTest::loadModuleFileThroughTheList()
{
    QFETCH(bool, chosen);
    Fixture f;
    const QString path = f.WriteModuleFile("Finance.mod", Lengths(60, 70));
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    f.LoadFileIntoSlot(dialog, 1, chosen ? path : QString());

    QCOMPARE(f.requests.size(), 1);
    QCOMPARE(f.requests.front().title, QString("Load Module"));
    QCOMPARE(f.requests.front().filters.front(), QString("Module Files (*.mod)"));
    QCOMPARE(f.requests.front().folder, DocumentsFolder());
    const ModuleSlot& slot = f.modules.Slot(1);
    if (chosen) {
        QCOMPARE(slot.kind, ModuleKind::File);
        QVERIFY(!slot.readOnly);
        QCOMPARE(Items(dialog.slotLists[1]),
                 (QStringList{"Finance=2", "Master Library=1", "None=0", "Load...=-1"}));
        QCOMPARE(int(f.calc.Area(26)[0]), 40);
    } else {
        QCOMPARE(slot.kind, ModuleKind::Empty);
        QCOMPARE(dialog.slotLists[1]->currentIndex(), 0);
        QCOMPARE(dialog.slotLists[1]->currentText(), QString("None"));
    }
}

void DialogsModulesTest::noneAndMasterChoices()
{
    Fixture f;
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    Choose(dialog.slotLists[0], "None");
    QCOMPARE(f.modules.Slot(0).kind, ModuleKind::Empty);
    QCOMPARE(int(f.calc.Area(1)[0]), 0);
    QCOMPARE(dialog.slotLists[0]->currentText(), QString("None"));

    Choose(dialog.slotLists[2], "Master Library");
    QCOMPARE(f.modules.Slot(2).kind, ModuleKind::BuiltIn);
    QCOMPARE(int(f.calc.Area(51)[0]), 1);
    QCOMPARE(Items(dialog.slotLists[2]).front(), QString("Master Library=1"));
}

void DialogsModulesTest::copyIntoReadOnlySlotRefused_data()
{
    QTest::addColumn<int>("program");
    QTest::newRow("Master Library") << 1;
    QTest::newRow("empty slot") << 60;
}

void DialogsModulesTest::copyIntoReadOnlySlotRefused()
{
    QFETCH(int, program);
    Fixture f;
    keyscript::SetStep(f.calc, 0, 0, 99);
    const unsigned char before = f.calc.Area(program)[0];
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    dialog.programNumber->setValue(program);
    dialog.copyButton->click();

    QCOMPARE(f.host.errors.size(), size_t(1));
    QCOMPARE(f.host.errors[0].caption, std::wstring(L"Unable to copy"));
    QCOMPARE(f.host.errors[0].text, std::wstring(L"The module is Read Only and cannot be overwritten"));
    QCOMPARE(f.calc.Area(program)[0], before);
    QVERIFY(dialog.saveButtons[size_t((program - 1) / 25)]->isHidden());
}

void DialogsModulesTest::copyToModuleThenSave()
{
    Fixture f;
    const QString path = f.WriteModuleFile("Mine.mod", Lengths(10, 10));
    for (int step = 0; step < 1000; ++step)
        keyscript::SetStep(f.calc, 0, step, static_cast<uint8_t>(step % 90 + 1));
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    f.LoadFileIntoSlot(dialog, 1, path);
    QVERIFY(dialog.saveButtons[1]->isHidden());

    dialog.programNumber->setValue(30);
    dialog.programLength->setValue(50);
    dialog.copyButton->click();
    QVERIFY(f.host.errors.empty());
    QCOMPARE(int(f.calc.Area(30)[49]), 49 % 90 + 1);
    QCOMPARE(int(f.calc.Area(30)[50]), 0);
    QCOMPARE(int(f.calc.Area(30)[999]), 0);
    QVERIFY(!dialog.saveButtons[1]->isHidden());
    QVERIFY(dialog.saveButtons[0]->isHidden());

    const QString savedPath = f.folder.filePath("Saved.mod");
    f.answer = savedPath;
    dialog.saveButtons[1]->click();
    QCOMPARE(f.requests.back().title, QString("Save Module"));
    QCOMPARE(f.requests.back().fileName, path);
    QCOMPARE(f.requests.back().defaultSuffix, QString("mod"));
    QVERIFY(dialog.saveButtons[1]->isHidden());
    QCOMPARE(dialog.slotLists[1]->itemText(0), QString("Saved"));

    QFile saved(savedPath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(int(uchar(bytes[8])) | int(uchar(bytes[9])) << 8, 50);  // fifth program of the slot
    QCOMPARE(bytes.size(), 50 + 24 * 10 + 50);
}

void DialogsModulesTest::copyFromModule()
{
    Fixture f;
    f.calc.WriteArea(0, std::vector<uint8_t>(CCalc::StepCount, 7));
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    dialog.copyFrom->click();
    dialog.programNumber->setValue(3);
    dialog.programLength->setValue(5);  // not used when copying from a module
    dialog.copyButton->click();

    QCOMPARE(int(f.calc.Area(0)[0]), 3);
    QCOMPARE(int(f.calc.Area(0)[99]), 3);
    QCOMPARE(int(f.calc.Area(0)[100]), 0);
    QCOMPARE(int(f.calc.Area(0)[999]), 0);
    QVERIFY(f.host.errors.empty());
}

void DialogsModulesTest::fieldsRefuseOutOfRange_data()
{
    QTest::addColumn<bool>("numberField");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("program 75") << true << "75" << 75;
    QTest::newRow("program 76 refused") << true << "76" << 7;
    QTest::newRow("program 0 refused") << true << "0" << 1;
    QTest::newRow("length 1000") << false << "1000" << 1000;
    QTest::newRow("length 1001 refused") << false << "1001" << 100;
    QTest::newRow("negative length refused") << false << "-5" << 5;
}

void DialogsModulesTest::fieldsRefuseOutOfRange()
{
    QFETCH(bool, numberField);
    QFETCH(QString, typed);
    QFETCH(int, value);
    Fixture f;
    CModulesDlg dialog(f.modules, f.calc);
    dialog.Initialise();
    QSpinBox* field = numberField ? dialog.programNumber : dialog.programLength;
    field->setValue(1);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
    field->interpretText();
    QCOMPARE(field->value(), value);
}

QTEST_MAIN(DialogsModulesTest)
#include "dialogs_modules_test.moc"
