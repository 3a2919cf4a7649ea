// The printer window's paper: every character drawn dot for dot as the font
// has it, Op 07 stars where the plot puts them, and the exports holding
// every line of the tape.

#include "KeyScript.h"
#include "core/CCalc.h"
#include "printer/AlphaCharacters.h"
#include "printer/DotFont.h"
#include "shell/Settings.h"
#include "shell/ShellHost.h"
#include "shell/SystemError.h"
#include "shell/dialogs/CPrinterDlg.h"
#include "shell/dialogs/FileDialogs.h"
#include "shell/dialogs/TapeExport.h"
#include "shell/dialogs/TapeView.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Whether a character cell of the painted tape holds exactly the glyph's dots.
bool CellShows(const QImage& image, QPointF origin, qreal pitch, std::size_t line, int column,
               const DotGlyph& glyph)
{
    for (int row = 0; row < DotGlyph::Rows; ++row)
        for (int dot = 0; dot < DotGlyph::Columns; ++dot) {
            const tape_geometry::Point centre = tape_geometry::DotCentre(line, column, row, dot);
            const QPointF at = origin + QPointF(centre.x, centre.y) * pitch;
            const QPoint pixel(qFloor(at.x()), qFloor(at.y()));
            const bool inked = qGray(image.pixel(pixel)) < 128;
            if (inked != glyph.Dot(row, dot))
                return false;
        }
    return true;
}

struct PrintingCalculator {
    ShellHost host;
    CCalc calc;
    CPrinterDlg printer;

    PrintingCalculator()
    {
        calc.SetHost(&host);
        printer.ShowTape(true);
        RunModeless(printer, nullptr, 0, 0);
        printer.resize(printer.width(), 900);
    }
    // The viewport as painted once the lines have arrived.
    QImage Paper()
    {
        QTest::qWait(TapeView::kRefreshMs * 2);
        return printer.tape->viewport()->grab().toImage();
    }
    bool Shows(const QImage& paper, std::size_t line, int column, wchar_t character) const
    {
        return CellShows(paper, printer.tape->StripOrigin(), printer.tape->Pitch(), line, column,
                         GlyphOf(character));
    }
};
} // namespace

class PrinterTapeTest : public QObject {
    Q_OBJECT
private slots:
    void everyCodeReadsBackAsItsGlyph();
    void sinePlotStarsInTheirColumns();
    void exportsHoldEveryLine();
    void failedExportsReport();
    void viewChoiceRemembered();
    void longRunKeepsTheLastLines();
    void copyTakesWhatIsInSight();
};

void PrinterTapeTest::everyCodeReadsBackAsItsGlyph()
{
    PrintingCalculator p;
    // Four lines of twenty codes: Op 01 to 04 fill the line, Op 05 prints it.
    for (int line = 0; line < 4; ++line) {
        for (int group = 0; group < 4; ++group) {
            QString digits;
            for (int k = 0; k < 5; ++k)
                digits += QString::asprintf("%02d", line * 20 + group * 5 + k);
            keyscript::Type(p.calc, digits.toStdString() + " OP 0" + std::to_string(group + 1));
        }
        keyscript::Type(p.calc, "OP 05");
    }
    QCOMPARE(p.printer.tape->Tape().Size(), std::size_t(4));
    const QImage paper = p.Paper();
    for (int code = 0; code < 80; ++code)
        QVERIFY2(p.Shows(paper, static_cast<std::size_t>(code / 20), code % 20, AlphaCharacter(code)),
                 qPrintable(QString::asprintf("code %02d", code)));
}

void PrinterTapeTest::sinePlotStarsInTheirColumns()
{
    // 9.5 + 9.5 sin(18° k), truncated by Op 07.
    const int expected[20] = {9, 12, 15, 17, 18, 19, 18, 17, 15, 12, 9, 6, 3, 1, 0, 0, 0, 1, 3, 6};
    PrintingCalculator p;
    keyscript::Type(p.calc, "DEG");
    for (int k = 0; k < 20; ++k)
        keyscript::Type(p.calc, std::to_string(k) + " * 18 = SIN * 9.5 + 9.5 = OP 07");
    QCOMPARE(p.printer.tape->Tape().Size(), std::size_t(20));
    const QImage paper = p.Paper();
    for (std::size_t line = 0; line < 20; ++line)
        for (int column = 0; column < 20; ++column)
            QVERIFY2(p.Shows(paper, line, column, column == expected[line] ? L'*' : L' '),
                     qPrintable(QString::asprintf("line %zu column %d", line, column)));
}

void PrinterTapeTest::exportsHoldEveryLine()
{
    // One line more than a PDF page holds, so the second page must come.
    const int lines = PdfPageLayout().Lines() + 1;
    PrinterTape tape;
    for (int n = 0; n < lines; ++n)
        tape.Append(QString::asprintf("%4d   %12d", n, n * 7).toStdWString());
    QTemporaryDir folder;
    QString error;
    const QString png = folder.filePath("tape.png");
    const QString pdf = folder.filePath("tape.pdf");
    QVERIFY2(WriteTapePng(tape, png, error), qPrintable(error));
    QVERIFY2(WriteTapePdf(tape, pdf, error), qPrintable(error));

    const QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.height(), qCeil(tape_geometry::StripHeight(tape.Size()) * kPngPitch));
    for (std::size_t line = 0; line < tape.Size(); line += 97)
        for (int column = 0; column < 20; ++column)
            QVERIFY(CellShows(image, QPointF(), kPngPitch, line, column, GlyphOf(tape.At(line)[column])));

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b")), 2);
}

void PrinterTapeTest::failedExportsReport()
{
    QTemporaryDir folder;
    PrinterTape tape;
    tape.Append(L"HELLO");
    QStringList reports;
    SetSystemErrorSink([&](const QString& caption, const QString&) { reports << caption; });
    // A folder that is not there, then a name that is a folder: both fail even for root.
    FilePicker previous = SetFilePicker([&](const FileRequest&) { return folder.filePath("gone/tape.png"); });
    SaveTapeAsPng(tape, nullptr);
    SetFilePicker([&](const FileRequest&) { return folder.path(); });
    SaveTapeAsPdf(tape, nullptr);
    SetFilePicker(previous);
    SetSystemErrorSink({});
    QCOMPARE(reports, QStringList({"Save tape as PNG", "Save tape as PDF"}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void PrinterTapeTest::viewChoiceRemembered()
{
    {
        CPrinterDlg dialog;
        dialog.Initialise();
        dialog.textButton->click();
        QVERIFY(dialog.list->isVisibleTo(&dialog));
        QVERIFY(!dialog.tape->isVisibleTo(&dialog));
    }
    QCOMPARE(TheSettings().PrinterTape, false);
    CPrinterDlg dialog;
    QVERIFY(dialog.textButton->isChecked());
    dialog.tapeButton->click();
    QCOMPARE(TheSettings().PrinterTape, true);
}

void PrinterTapeTest::longRunKeepsTheLastLines()
{
    // Printed while the tape is shown, the list gets the lines when it is shown.
    const int printed = static_cast<int>(PrinterTape::DefaultCapacity) * 3 / 2 + 7;
    CPrinterDlg dialog;
    dialog.Initialise();
    dialog.ShowTape(true);
    for (int n = 0; n < printed; ++n)
        dialog.AppendLine(QString::number(n));
    dialog.ShowTape(false);
    const QString last = QString::number(printed - 1);
    QCOMPARE(dialog.tape->Tape().Size(), PrinterTape::DefaultCapacity);
    QCOMPARE(QString::fromWCharArray(dialog.tape->Tape().At(PrinterTape::DefaultCapacity - 1).data(), last.size()), last);
    QCOMPARE(dialog.list->count(), int(PrinterTape::DefaultCapacity));
    QCOMPARE(dialog.list->item(dialog.list->count() - 1)->text(), last);
    // And in the text view, line by line.
    for (int n = printed; n < printed + 200; ++n)
        dialog.AppendLine(QString::number(n));
    QVERIFY(dialog.list->count() <= int(PrinterTape::DefaultCapacity) * 101 / 100);
    QCOMPARE(dialog.list->item(dialog.list->count() - 1)->text(), QString::number(printed + 199));
}

void PrinterTapeTest::copyTakesWhatIsInSight()
{
    CPrinterDlg dialog;
    dialog.Initialise();
    dialog.AppendLine("ONE");
    dialog.AppendLine("TWO");
    dialog.ShowTape(true);
    QApplication::clipboard()->clear();
    dialog.copyButton->click();
    QCOMPARE(QApplication::clipboard()->image().height(), qCeil(tape_geometry::StripHeight(2) * kPngPitch));
    dialog.ShowTape(false);
    dialog.list->item(1)->setSelected(true);
    dialog.copyButton->click();
    QCOMPARE(QApplication::clipboard()->text(), QString("TWO\n"));
}

QTEST_MAIN(PrinterTapeTest)
#include "printer_tape_test.moc"
