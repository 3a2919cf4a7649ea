// The strip on the main window: drawn only with something to show, from the
// user's memo or the selected library program's, and the menu items that
// open the dialogs.

#include "ShellFixture.h"

#include "shell/ContextMenu.h"
#include "shell/LabelStripFonts.h"
#include "storage/MemoFile.h"

#include <QMenu>

namespace {
const QPoint kInsideStrip = kMainWindowStripOrigin + QPoint(250, 12);

QColor StripPixel(CMainWnd& window)
{
    return window.grab().toImage().pixelColor(kInsideStrip);
}
}

class StripWindowTest : public QObject {
    Q_OBJECT
private slots:
    void drawnOnlyWithText();
    void libraryProgramWithoutSlots();
    void menuItems();
};

void StripWindowTest::drawnOnlyWithText()
{
    ShellFixture f;
    QVERIFY(f.window);
    f.window->ReloadLabelStrip();
    QVERIFY(StripPixel(*f.window) != kStripBackground);

    storage::MemoTexts memo;
    memo[0] = L"T";
    memo[8] = L"SBR";  // C1
    storage::SetMemoTexts(*f.calc, memo);
    f.window->ReloadLabelStrip();
    QCOMPARE(f.window->stripTexts.Label(2, 1), std::wstring(L"SBR"));
    QCOMPARE(StripPixel(*f.window), kStripBackground);

    storage::SetMemoTexts(*f.calc, storage::MemoTexts{});
    f.window->ReloadLabelStrip();
    QVERIFY(StripPixel(*f.window) != kStripBackground);
}

void StripWindowTest::libraryProgramWithoutSlots()
{
    ShellFixture f;
    storage::MemoTexts memo;
    memo[0] = L"User";
    storage::SetMemoTexts(*f.calc, memo);
    f.window->modules = nullptr;
    f.window->memoProgram = 12;
    f.window->ReloadLabelStrip();
    QVERIFY(!f.window->stripTexts.HasText());
    f.window->memoProgram = 0;
    f.window->ReloadLabelStrip();
    QCOMPARE(f.window->stripTexts.title, std::wstring(L"User"));
}

void StripWindowTest::menuItems()
{
    ShellFixture f;
    QMenu menu;
    FillContextMenu(menu, *f.window);
    QMap<int, QString> items;
    for (QAction* action : menu.actions())
        if (!action->isSeparator())
            items[action->data().toInt()] = action->text();
    QCOMPARE(items.value(kCommandPrinter), QString("&Printer..."));
    QCOMPARE(items.value(kCommandEditMemo), QString("&Edit Memo..."));
    QCOMPARE(items.value(kCommandModules), QString("&Modules..."));
    QCOMPARE(items.value(kCommandOptions), QString("&Options..."));
}

QTEST_MAIN(StripWindowTest)
#include "strip_window_test.moc"
