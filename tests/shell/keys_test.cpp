// Clicks and typed characters on the real window become the right key codes.
// Learn mode records every code it is given, so the program memory shows
// exactly what reached the engine.

#include "ShellFixture.h"

#include "shell/KeyLayout.h"

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void codeOfEveryKey_data();
    void codeOfEveryKey();
    void hitTestEdges_data();
    void hitTestEdges();
    void characterMap_data();
    void characterMap();
    void clicksReachTheEngine_data();
    void clicksReachTheEngine();
    void secondTwiceLeavesIndicatorDark();
    void typedKeysKeepTheirOrder();
    void typedKeyStaysPressed();
    void lettersAreIgnored();
};

void KeysTest::codeOfEveryKey_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");
    QTest::newRow("A-E") << 0 << QList<int>{11, 12, 13, 14, 15} << QList<int>{16, 17, 18, 19, 10};
    QTest::newRow("2nd INV lnx CE CLR") << 1 << QList<int>{21, 22, 23, 24, 25} << QList<int>{26, 27, 28, 29, 20};
    QTest::newRow("LRN .. 1/x") << 2 << QList<int>{31, 32, 33, 34, 35} << QList<int>{36, 37, 38, 39, 30};
    QTest::newRow("SST .. y^x") << 3 << QList<int>{41, 42, 43, 44, 45} << QList<int>{46, 47, 48, 49, 40};
    QTest::newRow("BST .. divide") << 4 << QList<int>{51, 52, 53, 54, 55} << QList<int>{56, 57, 58, 59, 50};
    QTest::newRow("GTO 7 8 9 times") << 5 << QList<int>{61, 7, 8, 9, 65} << QList<int>{66, 67, 68, 69, 60};
    QTest::newRow("SBR 4 5 6 minus") << 6 << QList<int>{71, 4, 5, 6, 75} << QList<int>{76, 77, 78, 79, 70};
    QTest::newRow("RST 1 2 3 plus") << 7 << QList<int>{81, 1, 2, 3, 85} << QList<int>{86, 87, 88, 89, 80};
    QTest::newRow("R/S 0 . +/- =") << 8 << QList<int>{91, 0, 93, 94, 95} << QList<int>{96, 97, 98, 99, 90};
}

void KeysTest::codeOfEveryKey()
{
    QFETCH(int, row);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    for (int column = 0; column < kKeyColumns; ++column) {
        QCOMPARE(KeyCodeFor(column, row, false), first[column]);
        QCOMPARE(KeyCodeFor(column, row, true), second[column]);
    }
}

void KeysTest::hitTestEdges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("top-left corner of A") << QPoint(50, 289) << 0 << 0;
    QTest::newRow("last pixel of A") << QPoint(89, 311) << 0 << 0;
    QTest::newRow("right of A") << QPoint(90, 300) << -1 << -1;
    QTest::newRow("just left of B") << QPoint(111, 300) << -1 << -1;
    QTest::newRow("below A") << QPoint(60, 312) << -1 << -1;
    QTest::newRow("above 2nd") << QPoint(60, 337) << -1 << -1;
    QTest::newRow("2nd") << QPoint(60, 338) << 0 << 1;
    QTest::newRow("equals") << QPoint(341, 711) << 4 << 8;
    QTest::newRow("right of equals") << QPoint(342, 700) << -1 << -1;
    QTest::newRow("below the keys") << QPoint(320, 712) << -1 << -1;
    QTest::newRow("display") << QPoint(100, 120) << -1 << -1;
}

void KeysTest::hitTestEdges()
{
    QFETCH(QPoint, point);
    QFETCH(int, column);
    QFETCH(int, row);
    QCOMPARE(HitTestKey(point.x(), point.y()), (KeyPosition{column, row}));
}

void KeysTest::characterMap_data()
{
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("code");  // -1: ignored
    const std::pair<int, int> cases[] = {
        {8, 25},    {13, 95},   {'=', 95},  {'*', 65},  {'+', 85},  {'-', 75},  {'/', 55},
        {',', 93},  {'.', 93},  {'0', 0},   {'1', 1},   {'2', 2},   {'3', 3},   {'4', 4},
        {'5', 5},   {'6', 6},   {'7', 7},   {'8', 8},   {'9', 9},   {178, 33},  {'a', -1},
        {'Z', -1},  {' ', -1},  {'(', -1},  {0x3c0, -1},
    };
    for (const auto& [character, code] : cases)
        QTest::addRow("char %d", character) << character << code;
}

void KeysTest::characterMap()
{
    QFETCH(int, character);
    QFETCH(int, code);
    const std::optional<KeyPosition> key = KeyForCharacter(static_cast<char32_t>(character));
    QCOMPARE(key.has_value(), code >= 0);
    if (key)
        QCOMPARE(KeyCodeFor(key->column, key->row, false), code);
}

void KeysTest::clicksReachTheEngine_data()
{
    QTest::addColumn<QList<QPoint>>("clicks");  // (column, row); (-1, n) clicks between keys
    QTest::addColumn<QList<int>>("recorded");
    const QPoint second(kSecondColumn, kSecondRow);
    QTest::newRow("2nd E gives E'") << QList<QPoint>{second, {4, 0}} << QList<int>{10};
    QTest::newRow("2nd 1/x gives tan") << QList<QPoint>{second, {4, 2}} << QList<int>{30};
    QTest::newRow("2nd times gives Deg") << QList<QPoint>{second, {4, 5}} << QList<int>{60};
    QTest::newRow("2nd 7 gives x=t") << QList<QPoint>{second, {1, 5}} << QList<int>{67};
    QTest::newRow("2nd applies once") << QList<QPoint>{second, {4, 8}, {4, 8}} << QList<int>{90, 95};
    QTest::newRow("2nd twice gives nothing") << QList<QPoint>{second, second, {2, 0}} << QList<int>{13};
    QTest::newRow("digits") << QList<QPoint>{{1, 8}, {2, 7}, {3, 5}} << QList<int>{0, 2, 9};
    QTest::newRow("between keys") << QList<QPoint>{{-1, 0}, {1, 7}} << QList<int>{1};
}

void KeysTest::clicksReachTheEngine()
{
    QFETCH(QList<QPoint>, clicks);
    QFETCH(QList<int>, recorded);
    ShellFixture f;
    QVERIFY(f.window);
    f.Click(0, 2);  // LRN
    QCOMPARE(f.calc->mode, CCalc::ModeLearn);
    for (const QPoint& click : clicks) {
        if (click.x() < 0)
            f.ClickAt(f.window->skinOrigin + QPoint(100, 300));  // between A and B
        else
            f.Click(click.x(), click.y());
    }
    QCOMPARE(f.calc->learnPointer, static_cast<int>(recorded.size()));
    QCOMPARE(f.Recorded(static_cast<int>(recorded.size())), recorded);
}

void KeysTest::secondTwiceLeavesIndicatorDark()
{
    ShellFixture f;
    f.ClickSecond();
    QVERIFY(f.window->secondPending);
    f.ClickSecond();
    QVERIFY(!f.window->secondPending);
    f.window->show();
    const QImage shot = f.window->grab().toImage();
    const QRect cell = QRect(64, CMainWnd::kIndicatorTop, 34, CMainWnd::kIndicatorHeight)
                           .translated(f.window->skinOrigin);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            QCOMPARE(shot.pixel(x, y), qRgb(0, 0, 0));
}

void KeysTest::typedKeysKeepTheirOrder()
{
    ShellFixture f;
    f.Click(0, 2);  // LRN
    QTest::keyClicks(f.window.get(), QStringLiteral("12+3"));
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    // Each is given at once, none is lost or overtaken; the last one is drawn pressed.
    QCOMPARE(f.calc->learnPointer, 5);
    QCOMPARE(f.Recorded(5), (QList<int>{1, 2, 85, 3, 95}));
    QVERIFY(!f.window->TypedKeysWaiting());
    QCOMPARE(f.window->pressedColumn, 4);

    // Keys typed while the mouse holds one come after it, in their order.
    f.Press(1, 5);  // 7
    QTest::keyClicks(f.window.get(), QStringLiteral("89"));
    QCOMPARE(f.calc->learnPointer, 5);
    f.Release(1, 5);
    QCOMPARE(f.Recorded(8), (QList<int>{1, 2, 85, 3, 95, 7, 8, 9}));
    QCOMPARE(f.window->pressedColumn, 3);  // 9, still drawn pressed
    QTRY_COMPARE(f.window->pressedColumn, -1);

    // A burst of twenty: all at once.
    QTest::keyClicks(f.window.get(), QStringLiteral("12345678901234567890"));
    QCOMPARE(f.calc->learnPointer, 28);
}

void KeysTest::typedKeyStaysPressed()
{
    ShellFixture f;
    QTest::keyClick(f.window.get(), '7');
    QCOMPARE(f.window->pressedColumn, 1);
    QCOMPARE(f.window->pressedRow, 5);
    QTRY_COMPARE(f.window->pressedColumn, -1);
    QCOMPARE(f.Display().trimmed(), QStringLiteral("7"));
    // A click after typed keys comes after them.
    QTest::keyClick(f.window.get(), '8');
    f.Click(3, 5);  // 9
    QCOMPARE(f.Display().trimmed(), QStringLiteral("789"));
}

void KeysTest::lettersAreIgnored()
{
    ShellFixture f;
    f.Click(0, 2);  // LRN
    QTest::keyClicks(f.window.get(), QStringLiteral("abc XYZ"));
    QVERIFY(!f.window->TypedKeysWaiting());
    QCOMPARE(f.calc->learnPointer, 0);
}

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
