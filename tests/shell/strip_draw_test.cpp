// The whole strip: bands, separators, merged lines and the centring of labels.

#include "shell/LabelStrip.h"
#include "shell/LabelStripFonts.h"
#include "shell/LabelStripMacro.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
constexpr int kLeft = 7;
constexpr int kTop = 5;

struct Drawing {
    QImage image{350, 80, QImage::Format_ARGB32};
    std::vector<MacroRun> runs;
};

Drawing Draw(const StripTexts& texts, bool topMerged, bool bottomMerged)
{
    Drawing d;
    d.image.fill(Qt::white);
    QPainter painter(&d.image);
    DrawLabelStrip(painter, kLeft, kTop, topMerged, bottomMerged, texts, &d.runs);
    return d;
}

int LabelWidth(const QString& text)
{
    return QFontMetrics(StripFonts::Get().label).horizontalAdvance(text);
}

bool HasInk(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qRed(image.pixel(x, y)) > 100)
                return true;
    return false;
}
}

class StripDrawTest : public QObject {
    Q_OBJECT
private slots:
    void centring_data();
    void centring();
    void mergedLineHidesItsLabels_data();
    void mergedLineHidesItsLabels();
    void bandsAndSeparators();
};

void StripDrawTest::centring_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("centredOn");
    QTest::newRow("A top") << 0 << 0 << "x" << "x";
    QTest::newRow("C bottom") << 2 << 1 << "Sum" << "Sum";
    QTest::newRow("overstrike not counted") << 3 << 0 << "[=]_[/=]x" << "x";
    QTest::newRow("wider than the cell") << 4 << 1 << "WWWWWWWWWWW" << "WWWWWWWWWWW";
}

void StripDrawTest::centring()
{
    QFETCH(int, key);
    QFETCH(int, line);
    QFETCH(QString, label);
    QFETCH(QString, centredOn);
    StripTexts texts;
    texts.Label(key, line) = label.toStdWString();
    const Drawing d = Draw(texts, false, false);

    QVERIFY(!d.runs.empty());
    const int width = LabelWidth(centredOn);
    QCOMPARE(d.runs.front().x, kLeft + 66 * key + (66 - width) / 2);
    QCOMPARE(d.runs.front().y, kTop + (line == 0 ? 22 : 43));
}

void StripDrawTest::mergedLineHidesItsLabels_data()
{
    QTest::addColumn<bool>("topMerged");
    QTest::addColumn<bool>("bottomMerged");
    QTest::addColumn<int>("labelsDrawn");
    QTest::newRow("none merged") << false << false << 10;
    QTest::newRow("top merged") << true << false << 5;
    QTest::newRow("bottom merged") << false << true << 5;
    QTest::newRow("both merged") << true << true << 0;
}

void StripDrawTest::mergedLineHidesItsLabels()
{
    QFETCH(bool, topMerged);
    QFETCH(bool, bottomMerged);
    QFETCH(int, labelsDrawn);
    StripTexts texts;
    texts.labels.fill(L"k");
    texts.lines = {L"top text", L"bottom text"};
    QCOMPARE(int(Draw(texts, topMerged, bottomMerged).runs.size()), labelsDrawn);
}

void StripDrawTest::bandsAndSeparators()
{
    StripTexts texts;
    texts.lines[0] = L"Merged";
    const QImage image = Draw(texts, true, false).image;
    const QRgb ink = kStripInk.rgb();
    const QRgb fill = kStripBackground.rgb();

    QCOMPARE(image.pixel(kLeft + 40, kTop + 21), ink);
    QCOMPARE(image.pixel(kLeft + 40, kTop + 42), ink);
    QCOMPARE(image.pixel(kLeft + 300, kTop + 10), fill);
    // The rounded corner leaves the picture underneath.
    QCOMPARE(image.pixel(kLeft, kTop), QColor(Qt::white).rgb());
    // Separators only in the band that shows labels.
    QCOMPARE(image.pixel(kLeft + 66, kTop + 52), ink);
    QCOMPARE(image.pixel(kLeft + 264, kTop + 52), ink);
    QVERIFY(image.pixel(kLeft + 66, kTop + 30) != ink);
    // The merged text is drawn from the left of its band.
    QVERIFY(HasInk(image, QRect(kLeft + 10, kTop + 23, 40, 17)));
    QVERIFY(!HasInk(image, QRect(kLeft + 200, kTop + 23, 40, 17)));
}

QTEST_MAIN(StripDrawTest)
#include "strip_draw_test.moc"
