// Where the strip's texts come from: the user's memo or a library program's
// section in its module's memo file.

#include "core/CCalc.h"
#include "shell/LabelStripTexts.h"
#include "storage/IniFile.h"
#include "storage/ModuleLibrary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
storage::MemoTexts NumberedMemo(const std::wstring& prefix)
{
    storage::MemoTexts memo;
    for (int i = 0; i < storage::kMemoTexts; ++i)
        memo[i] = prefix + std::to_wstring(i);
    return memo;
}

struct Library {
    QTemporaryDir folder;
    CCalc calc;
    std::vector<unsigned char> noBuiltIn;
    ModuleLibrary modules{calc, noBuiltIn, folder.path().toStdWString()};

    Library()
    {
        modules.InitModuleSlots();
        storage::ProgramLengths lengths{};
        lengths.fill(1);
        std::array<unsigned char, 1> step{42};
        std::array<std::span<const unsigned char>, storage::kModulePrograms> programs;
        programs.fill(step);
        const std::vector<unsigned char> image = storage::EncodeModuleImage(lengths, programs);
        const QString path = folder.filePath("Stats.mod");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size()));
        file.close();
        modules.LoadModuleFile(1, path.toStdWString());

        storage::IniFile memo;
        const wchar_t* keys[] = {L"Title", L"Line0", L"Line1", L"A0", L"A1", L"B0", L"B1",
                                 L"C0", L"C1", L"D0", L"D1", L"E0", L"E1"};
        for (const wchar_t* section : {L"PGM02", L"PGM25"}) {
            for (int i = 0; i < storage::kMemoTexts; ++i)
                memo.Set(section, keys[i], std::wstring(section) + L"." + keys[i]);
            memo.Set(section, L"Label", std::wstring(section) + L"-label-too-long");
        }
        memo.Save(folder.filePath("Stats.tiz").toStdWString());
    }
};
}

class StripTextsTest : public QObject {
    Q_OBJECT
private slots:
    void memoOrderMatchesTheStrip();
    void source_data();
    void source();
};

void StripTextsTest::memoOrderMatchesTheStrip()
{
    const StripTexts texts = StripTextsFromMemo(NumberedMemo(L"m"));
    QCOMPARE(texts.title, QString("m0"));
    QCOMPARE(texts.lines[0], QString("m1"));
    QCOMPARE(texts.lines[1], QString("m2"));
    QCOMPARE(texts.Label(0, 0), QString("m3"));   // A0: over A'
    QCOMPARE(texts.Label(0, 1), QString("m4"));   // A1: over A
    QCOMPARE(texts.Label(4, 1), QString("m12"));  // E1
    QCOMPARE(MemoFromStripTexts(texts), NumberedMemo(L"m"));

    StripTexts tooLong;
    tooLong.title = QString(300, 'x');
    QCOMPARE(MemoFromStripTexts(tooLong)[0].size(), size_t(127));
}

void StripTextsTest::source_data()
{
    QTest::addColumn<int>("memoProgram");
    QTest::addColumn<bool>("withSlots");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("labelC1");
    QTest::addColumn<QString>("programLabel");
    QTest::newRow("user's program") << 0 << true << "user0" << "user8" << "";
    QTest::newRow("program 27 reads PGM02 of slot 1")
        << 27 << true << "PGM02.Title" << "PGM02.C1" << "PGM02-l";
    QTest::newRow("program 50 reads PGM25") << 50 << true << "PGM25.Title" << "PGM25.C1" << "PGM25-l";
    QTest::newRow("no section in the memo") << 30 << true << "" << "" << "";
    QTest::newRow("slot without memo file") << 60 << true << "" << "" << "";
    QTest::newRow("above 75 keeps the strip") << 76 << true << "previous" << "previous C" << "prev";
    QTest::newRow("no module slots") << 27 << false << "" << "" << "";
}

void StripTextsTest::source()
{
    QFETCH(int, memoProgram);
    QFETCH(bool, withSlots);
    QFETCH(QString, title);
    QFETCH(QString, labelC1);
    QFETCH(QString, programLabel);
    Library library;
    storage::SetMemoTexts(library.calc, NumberedMemo(L"user"));

    StripTexts texts;
    texts.title = "previous";
    texts.Label(2, 1) = "previous C";
    texts.programLabel = "prev";
    LoadStripTexts(texts, memoProgram, library.calc, withSlots ? &library.modules : nullptr);
    QCOMPARE(texts.title, title);
    QCOMPARE(texts.Label(2, 1), labelC1);
    QCOMPARE(texts.programLabel, programLabel);
}

QTEST_MAIN(StripTextsTest)
#include "strip_texts_test.moc"
