// Memo dialog: starting state, the Merge/Label switches, what OK stores, and
// the live preview.

#include "shell/LabelStripFonts.h"
#include "shell/dialogs/CMemoDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
StripTexts LabelledMemo()
{
    StripTexts memo;
    memo.title = L"Loan";
    const wchar_t* const names[] = {L"n", L"i", L"PV", L"PMT", L"FV"};
    for (int key = 0; key < kStripKeys; ++key) {
        memo.Label(key, 1) = names[key];
        memo.Label(key, 0) = L"2nd" + std::to_wstring(key);
    }
    return memo;
}

bool CellHasInk(const QImage& image, int key, int line)
{
    const int top = line == 0 ? 22 : 43;
    for (int y = top; y < top + 18; ++y)
        for (int x = 66 * key + 4; x < 66 * key + 62; ++x)
            if (image.pixelColor(x, y) == kStripInk || qRed(image.pixel(x, y)) > 120)
                return true;
    return false;
}
}

class MemoDialogTest : public QObject {
    Q_OBJECT
private slots:
    void startingState_data();
    void startingState();
    void roundTrips_data();
    void roundTrips();
    void textsCutTo127();
    void previewFollowsEdits();
    void typedLabelsStayInSight();
};

void MemoDialogTest::startingState_data()
{
    QTest::addColumn<QString>("topLine");
    QTest::addColumn<QString>("bottomLine");
    QTest::newRow("labels") << "" << "";
    QTest::newRow("top merged") << "Top text" << "";
    QTest::newRow("both merged") << "T" << "B";
}

void MemoDialogTest::startingState()
{
    QFETCH(QString, topLine);
    QFETCH(QString, bottomLine);
    StripTexts memo = LabelledMemo();
    memo.lines = {topLine.toStdWString(), bottomLine.toStdWString()};
    memo.programLabel = L"ignored";
    CMemoDialog dialog(memo);
    dialog.Initialise();

    QCOMPARE(dialog.templateId, 147);
    QCOMPARE(dialog.windowTitle(), QString("Program memo"));
    QCOMPARE(dialog.title->text(), QString("Loan"));
    QVERIFY(dialog.texts.programLabel.empty());
    for (int line = 0; line < kStripLines; ++line) {
        const bool merged = memo.LineMerged(line);
        QCOMPARE(dialog.mergeButtons[line]->isChecked(), merged);
        QCOMPARE(dialog.separateButtons[line]->isChecked(), !merged);
        QCOMPARE(dialog.lineEdits[line]->isHidden(), !merged);
        QCOMPARE(dialog.lineEdits[line]->text(), QString::fromStdWString(memo.lines[line]));
        for (int key = 0; key < kStripKeys; ++key) {
            QCOMPARE(dialog.labelEdits[line][key]->isHidden(), merged);
            QCOMPARE(dialog.labelEdits[line][key]->text(), QString::fromStdWString(memo.Label(key, line)));
        }
    }
}

// Each step: 'M'/'L' clicks Merge or Labels of the line, 'T' types into the
// line's wide edit (after clearing it), 'K' types into the line's key-C edit.
void MemoDialogTest::roundTrips_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("storedLine");
    QTest::addColumn<QString>("storedKeyC");
    QTest::addColumn<bool>("mergedNextTime");
    QTest::newRow("merge keeps the labels") << 0 << "MT" << "Whole line" << "Whole line" << "2nd2"
                                            << true;
    QTest::newRow("bottom merge") << 1 << "MT" << "Amortise" << "Amortise" << "PV" << true;
    QTest::newRow("back to labels drops the text") << 0 << "MTL" << "gone" << "" << "2nd2" << false;
    QTest::newRow("edited label kept under a merged line")
        << 1 << "KMT" << "x" << "x" << "PVx" << true;
    QTest::newRow("labels edited") << 1 << "K" << "[+]2[/+]" << "" << "PV[+]2[/+]" << false;
}

void MemoDialogTest::roundTrips()
{
    QFETCH(int, line);
    QFETCH(QString, steps);
    QFETCH(QString, typed);
    QFETCH(QString, storedLine);
    QFETCH(QString, storedKeyC);
    QFETCH(bool, mergedNextTime);

    CMemoDialog dialog(LabelledMemo());
    dialog.Initialise();
    dialog.show();
    for (QChar step : steps) {
        if (step == 'M')
            dialog.mergeButtons[line]->click();
        else if (step == 'L')
            dialog.separateButtons[line]->click();
        else if (step == 'T') {
            dialog.lineEdits[line]->clear();
            QTest::keyClicks(dialog.lineEdits[line], typed);
        } else {
            dialog.labelEdits[line][2]->end(false);
            QTest::keyClicks(dialog.labelEdits[line][2], typed);
        }
    }
    dialog.OnCommand(kDialogOk);
    QCOMPARE(dialog.result(), int(kDialogOk));

    const StripTexts stored = dialog.StoredTexts();
    QCOMPARE(QString::fromStdWString(stored.lines[line]), storedLine);
    QCOMPARE(QString::fromStdWString(stored.Label(2, line)), storedKeyC);
    QCOMPARE(stored.lines[1 - line], std::wstring());
    QCOMPARE(stored.title, std::wstring(L"Loan"));
    // Every label of the other line survives too.
    QCOMPARE(stored.Label(4, 1 - line), LabelledMemo().Label(4, 1 - line));

    CMemoDialog again(stored);
    again.Initialise();
    QCOMPARE(again.mergeButtons[line]->isChecked(), mergedNextTime);
    if (mergedNextTime) {
        again.separateButtons[line]->click();
        QCOMPARE(again.labelEdits[line][2]->text(), storedKeyC);
        QVERIFY(!again.labelEdits[line][2]->isHidden());
    }
}

void MemoDialogTest::textsCutTo127()
{
    StripTexts memo;
    memo.title = std::wstring(200, L'T');
    memo.Label(0, 0) = std::wstring(150, L'a');
    CMemoDialog dialog(memo);
    dialog.Initialise();
    QCOMPARE(dialog.title->text().size(), 127);
    QCOMPARE(int(dialog.texts.Label(0, 0).size()), 127);
    QTest::keyClicks(dialog.title, "more");
    QCOMPARE(int(dialog.texts.title.size()), 127);
}

void MemoDialogTest::previewFollowsEdits()
{
    CMemoDialog dialog(StripTexts{});
    dialog.Initialise();
    dialog.show();
    QCOMPARE(dialog.preview->size(), QSize(330, 63));
    QVERIFY(dialog.preview->x() > dialog.labelEdits[0][4]->geometry().right());
    QVERIFY(dialog.preview->geometry().right() < dialog.width());
    QVERIFY(!CellHasInk(dialog.preview->grab().toImage(), 3, 1));

    QTest::keyClicks(dialog.labelEdits[1][3], "SBR");
    QVERIFY(CellHasInk(dialog.preview->grab().toImage(), 3, 1));
    QVERIFY(!CellHasInk(dialog.preview->grab().toImage(), 1, 1));

    // Merging the line hides its labels in the preview.
    dialog.mergeButtons[1]->click();
    QVERIFY(!CellHasInk(dialog.preview->grab().toImage(), 3, 1));
}

void MemoDialogTest::typedLabelsStayInSight()
{
    // Markup must not scroll out of the field: the start of the text stays put as the cursor reaches its end.
    const QString label = "[*]1/x[/*][+]2[/+]";
    CMemoDialog dialog(StripTexts{});
    dialog.Initialise();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int line = 0; line < kStripLines; ++line) {
        QLineEdit* edit = dialog.labelEdits[line][kStripKeys - 1];
        edit->setText(label);
        edit->setCursorPosition(0);
        const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        edit->setCursorPosition(label.size());
        QVERIFY2(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() - start >= edit->fontMetrics().horizontalAdvance(label),
                 qPrintable(QString("line %1").arg(line)));
        QVERIFY(edit->geometry().right() < dialog.preview->x());
    }
}

QTEST_MAIN(MemoDialogTest)
#include "memo_dialog_test.moc"
