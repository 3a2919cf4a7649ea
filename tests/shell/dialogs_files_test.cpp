// What each file request asks the picker for, and that the picker seam
// carries the answer (or a cancel) back unchanged.

#include "shell/dialogs/FileDialogs.h"

#include <QWidget>
#include <QtTest>

Q_DECLARE_METATYPE(FileRequest::Kind)

class DialogsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void requests_data();
    void requests();
    void pickerSeam();
};

void DialogsFilesTest::requests_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<FileRequest::Kind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("firstFilter");
    QTest::addColumn<QString>("suffix");
    using K = FileRequest::Kind;
    QTest::newRow("Write program") << 0 << K::Save << "" << "prog.ti" << "TI59 files (*.ti)" << "ti";
    QTest::newRow("INV Write program") << 1 << K::Open << "" << "prog.ti" << "TI59 files (*.ti)" << "";
    QTest::newRow("List") << 2 << K::Save << "Listing" << "ti59.txt" << "txt files (*.txt)" << "txt";
    QTest::newRow("Load module") << 3 << K::Open << "Load Module" << "" << "Module Files (*.mod)" << "";
    QTest::newRow("Save module") << 4 << K::Save << "Save Module" << "/m/x.mod" << "Module Files (*.mod)"
                                 << "mod";
}

void DialogsFilesTest::requests()
{
    QFETCH(int, which);
    QFETCH(FileRequest::Kind, kind);
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    QFETCH(QString, firstFilter);
    QFETCH(QString, suffix);
    QWidget owner;
    const FileRequest requests[] = {SaveProgramRequest(&owner), LoadProgramRequest(&owner),
                                    ListingRequest(&owner), LoadModuleRequest(&owner),
                                    SaveModuleRequest(&owner, "/m/x.mod")};
    const FileRequest& request = requests[which];
    QCOMPARE(request.kind, kind);
    QCOMPARE(request.owner, &owner);
    QCOMPARE(request.title, title);
    QCOMPARE(request.fileName, fileName);
    QCOMPARE(request.folder, DocumentsFolder());
    QCOMPARE(request.filters.size(), 2);
    QCOMPARE(request.filters.front(), firstFilter);
    // Files without an extension must stay visible under the catch-all filter.
    QVERIFY(request.filters.back().endsWith("(*)"));
    QCOMPARE(request.defaultSuffix, suffix);
}

void DialogsFilesTest::pickerSeam()
{
    QStringList answers{"/tmp/a.ti", ""};
    QList<QString> titles;
    FilePicker previous = SetFilePicker([&](const FileRequest& r) {
        titles << r.title;
        return answers.takeFirst();
    });
    QCOMPARE(PickFile(ListingRequest(nullptr)), QString("/tmp/a.ti"));
    QCOMPARE(PickFile(LoadModuleRequest(nullptr)), QString());
    QCOMPARE(titles, (QList<QString>{"Listing", "Load Module"}));
    SetFilePicker(previous);
}

QTEST_MAIN(DialogsFilesTest)
#include "dialogs_files_test.moc"
