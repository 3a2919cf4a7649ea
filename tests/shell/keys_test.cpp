// Clicks and typed characters on the real window reach the engine as the
// face's key codes. Learn mode records every code it is given, so the
// program memory shows exactly what reached the engine.

#include "ShellFixture.h"

#include "face/KeyLayout.h"

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void clicksReachTheEngine_data();
    void clicksReachTheEngine();
    void secondTwiceLeavesIndicatorDark();
    void typedKeysKeepTheirOrder();
    void typedKeyStaysPressed();
    void lettersAreIgnored();
};

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
    QCOMPARE(f.calc->Mode(), CCalc::ModeLearn);
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
    const QRect cell = QRect(64, kIndicatorTop, 34, kIndicatorHeight)
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
