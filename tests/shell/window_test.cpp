// The main window as a window: the pressed look of a key, Ctrl+C, dragging
// by the face, the context menu, the About box, and closing.

#include "ShellFixture.h"

#include "shell/ContextMenu.h"
#include "shell/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

namespace {
// Rows from the first to the last one holding text ink.
int InkHeight(const QImage& image)
{
    const QRgb paper = image.pixel(0, 0);
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != paper) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

QList<int> Commands(const QMenu& menu)
{
    QList<int> commands;  // 0 for a separator
    for (const QAction* action : menu.actions())
        commands << (action->isSeparator() ? 0 : action->data().toInt());
    return commands;
}

QImage Grab(ShellFixture& f) { return f.window->grab().toImage().convertToFormat(QImage::Format_RGB32); }
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TheSettings() = Settings{}; }

    void pressedKeyMovesItsPicture_data();
    void pressedKeyMovesItsPicture();
    void controlCCopiesTheDisplay();
    void draggingOffTheKeysMovesTheWindow();
    void menuEndsWithAboutAndExit();
    void rightClickOpensTheMenu();
    void aboutBox();
    void exitClosesAndKeepsPosition();
};

void WindowTest::pressedKeyMovesItsPicture_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("A") << 0 << 0;
    QTest::newRow("2nd") << 0 << 1;
    QTest::newRow("8") << 2 << 5;
    QTest::newRow("=") << 4 << 8;
}

void WindowTest::pressedKeyMovesItsPicture()
{
    QFETCH(int, column);
    QFETCH(int, row);
    ShellFixture f;
    f.window->show();
    const QImage skin = f.window->images.face.Whole();
    const QPoint key = f.window->skinOrigin + QPoint(KeyColumnX[column], KeyRowY[row]);
    const QRect shown(key - QPoint(8, 4), QSize(kKeyPictureWidth, kKeyPictureHeight));
    f.Press(column, row);
    QCOMPARE(Grab(f).copy(shown), skin.copy(shown.translated(-2, -2)));
    f.Release(column, row);
    QCOMPARE(Grab(f).copy(shown), skin.copy(shown));
}

void WindowTest::controlCCopiesTheDisplay()
{
    ShellFixture f;
    for (char c : {'4', '.', '2', '5'})
        f.window->TypeCharacter(static_cast<char32_t>(c));
    QTRY_VERIFY(!f.window->TypedKeysWaiting());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(f.window.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4.25"));
    QVERIFY(!f.window->TypedKeysWaiting());  // Ctrl+C is no key of the calculator
}

void WindowTest::draggingOffTheKeysMovesTheWindow()
{
    ShellFixture f;
    f.window->show();
    f.window->move(200, 150);
    const QPoint between = f.window->skinOrigin + QPoint(100, 325);  // between A and 2nd
    QTest::mousePress(f.window.get(), Qt::LeftButton, {}, between);
    QCOMPARE(f.window->pressedColumn, -1);
    QTest::mouseMove(f.window.get(), between + QPoint(30, 40));
    QTest::mouseRelease(f.window.get(), Qt::LeftButton, {}, between + QPoint(30, 40));
    QCOMPARE(f.window->pos(), QPoint(230, 190));
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
}

void WindowTest::menuEndsWithAboutAndExit()
{
    ShellFixture f;
    QMenu menu;
    FillContextMenu(menu, *f.window);
    const QList<int> commands = Commands(menu);
    QVERIFY(commands.size() >= 3);
    QCOMPARE(commands.mid(commands.size() - 3), (QList<int>{kCommandAbout, 0, kCommandExit}));
    QCOMPARE(menu.actions().last()->text(), QStringLiteral("E&xit"));
    QCOMPARE(menu.actions()[commands.indexOf(kCommandAbout)]->text(), QStringLiteral("&About"));
}

void WindowTest::rightClickOpensTheMenu()
{
    ShellFixture f;
    f.window->show();
    QList<int> seen;
    QTimer::singleShot(50, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            seen = Commands(*menu);
            menu->close();
        }
    });
    QTest::mouseClick(f.window.get(), Qt::RightButton, {}, f.KeyCenter(2, 5));
    QVERIFY(seen.contains(kCommandExit));
    QCOMPARE(f.calc->Mode(), CCalc::ModeCalculate);
    QVERIFY(!f.window->TypedKeysWaiting());
}

void WindowTest::aboutBox()
{
    ShellFixture f;
    QString title;
    int inkHeight = 0, lineSpacing = 0;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>())
                if (label->text() == box->informativeText()) {
                    inkHeight = InkHeight(label->grab().toImage());
                    lineSpacing = label->fontMetrics().lineSpacing();
                }
            box->button(QMessageBox::Ok)->click();
        }
    });
    ShowAboutBox(f.window.get());
    QCOMPARE(title, QStringLiteral("About Norvane"));
    // The sentence is drawn on one line.
    QVERIFY(inkHeight > 0);
    QVERIFY2(inkHeight <= lineSpacing, qPrintable(QString("%1 > %2").arg(inkHeight).arg(lineSpacing)));
}

void WindowTest::exitClosesAndKeepsPosition()
{
    ShellFixture f;
    f.window->show();
    f.window->move(210, 330);
    QMenu menu;
    FillContextMenu(menu, *f.window);
    menu.actions().last()->trigger();
    QVERIFY(!f.window->isVisible());
    QCOMPARE(TheSettings().Gauche, 210);
    QCOMPARE(TheSettings().Haut, 330);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
