// The LED display image: the cells the face lays out are drawn with their
// glyphs and the point in the gap after its digit; the running bracket, the
// text cache and the blink.

#include "ShellFixture.h"

namespace {
constexpr int kCells = 12;
constexpr int kPitch = 24;

// What one cell of the display shows: a digit, "-", "[", or " " for black.
QImage GlyphFor(const QImage& strip, QChar c)
{
    int x = -1;
    if (c.isDigit())
        x = 20 + 18 * (c.unicode() - '0');
    else if (c == u'-')
        x = 2;
    else if (c == u'[')
        x = 200;
    if (x < 0) {
        QImage black(18, 32, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    return strip.copy(x, 0, 18, 32).convertToFormat(QImage::Format_RGB32);
}

bool PointAfterCell(const QImage& display, int cell)
{
    const QImage gap = display.copy(cell * kPitch + 18, 0, 6, 32);
    for (int y = 0; y < gap.height(); ++y)
        for (int x = 0; x < gap.width(); ++x)
            if (gap.pixel(x, y) != qRgb(0, 0, 0))
                return true;
    return false;
}
}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void runningBracketInFirstCell();
    void sameTextIsNotRendered();
    void blinkPhaseHidesDisplay();
};

void DisplayTest::cells_data()
{
    QTest::addColumn<QString>("typed");       // characters typed; "~" clicks +/-
    QTest::addColumn<bool>("learn");         // switch to learn mode first
    QTest::addColumn<QString>("cells");      // the 12 cells, left to right
    QTest::addColumn<int>("pointAfter");     // cell followed by the point, -1 none
    // Without exponent the text ends one cell before the last.
    QTest::newRow("negative with a point") << "12.5~" << false << "       -125 " << 9;
    // Learn mode shows "nnn cc" with its exponent flag: it ends in the last cell.
    QTest::newRow("learn step 002") << "42" << true << "      002 00" << -1;
}

void DisplayTest::cells()
{
    QFETCH(QString, typed);
    QFETCH(bool, learn);
    QFETCH(QString, cells);
    QFETCH(int, pointAfter);
    ShellFixture f;
    if (learn)
        f.Click(0, 2);  // LRN
    for (QChar c : typed) {
        if (c == u'~')
            f.Click(3, 8);
        else
            f.window->TypeCharacter(c.unicode());
    }
    QTRY_VERIFY(!f.window->TypedKeysWaiting());
    const QImage display = f.window->displayBitmap;
    for (int cell = 0; cell < kCells; ++cell) {
        const QImage shown = display.copy(cell * kPitch, 0, 18, 32);
        QVERIFY2(shown == GlyphFor(f.window->images.glyphs, cells[cell]),
                 qPrintable(QStringLiteral("cell %1 of \"%2\" (text \"%3\")").arg(cell).arg(cells, f.Display())));
    }
    for (int cell = 0; cell < kCells - 1; ++cell)
        QCOMPARE(PointAfterCell(display, cell), cell == pointAfter);
}

void DisplayTest::runningBracketInFirstCell()
{
    ShellFixture f;
    f.calc->ProcessKey(Key::RunStop);
    f.window->DrawDisplay(false);
    QCOMPARE(f.Display(), QStringLiteral("[          "));
    const QImage display = f.window->displayBitmap;
    QVERIFY(display.copy(0, 0, 18, 32) == GlyphFor(f.window->images.glyphs, u'['));
    for (int cell = 1; cell < kCells; ++cell)
        QVERIFY(display.copy(cell * kPitch, 0, 18, 32) == GlyphFor(f.window->images.glyphs, u' '));
    // Shown while running (a pause): the number again.
    f.window->DrawDisplay(true);
    QCOMPARE(f.Display().trimmed(), QStringLiteral("0"));
    f.calc->ProcessKey(Key::RunStop);
}

void DisplayTest::sameTextIsNotRendered()
{
    ShellFixture f;
    f.window->DrawDisplay(false);
    // Scribble on the bitmap: an unchanged text must not render over it.
    f.window->displayBitmap.setPixel(5, 5, qRgb(1, 2, 3));
    f.window->DrawDisplay(false);
    QCOMPARE(f.window->displayBitmap.pixel(5, 5), qRgb(1, 2, 3));
    // Clearing the cache forces a new rendering.
    f.window->displayText.clear();
    f.window->DrawDisplay(false);
    QCOMPARE(f.window->displayBitmap.pixel(5, 5), qRgb(0, 0, 0));
}

void DisplayTest::blinkPhaseHidesDisplay()
{
    ShellFixture f;
    f.window->TypeCharacter('8');
    QTRY_VERIFY(!f.window->TypedKeysWaiting());
    f.window->show();
    const QPoint digit = f.window->skinOrigin + CMainWnd::kDisplayRect.topLeft() + QPoint(10 * kPitch + 9, 16);
    auto lit = [&] { return f.window->grab().toImage().pixel(digit) != qRgb(0, 0, 0); };
    QVERIFY(lit());
    f.window->ToggleBlink();
    QVERIFY(!f.window->displayShown);
    QVERIFY(!lit());
    f.window->ToggleBlink();
    QVERIFY(lit());
}

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
