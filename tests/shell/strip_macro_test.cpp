// Macro tags of the key labels: where each run lands, in which face, and
// what counts in the width used for centring.

#include "shell/LabelStripFonts.h"
#include "shell/LabelStripMacro.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
struct ExpectedRun {
    int dy;
    LabelFace face;
    QString text;
    bool advances;
};
using Runs = QList<ExpectedRun>;

int Width(LabelFace face, const QString& text)
{
    return QFontMetrics(StripFonts::Get().For(face)).horizontalAdvance(text);
}
}

Q_DECLARE_METATYPE(Runs)

class StripMacroTest : public QObject {
    Q_OBJECT
private slots:
    void runs_data();
    void runs();
    void measuringDrawsNothing();
    void fontHeights();
    void symbolLabelLeavesInk();
};

void StripMacroTest::runs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Runs>("expected");
    using F = LabelFace;
    QTest::newRow("plain") << "Sum" << Runs{{0, F::Label, "Sum", true}};
    QTest::newRow("superscript stays at the top")
        << "x[+]2[/+]" << Runs{{0, F::Label, "x", true}, {0, F::SmallLabel, "2", true}};
    QTest::newRow("subscript drops eight pixels")
        << "x[-]2[/-]" << Runs{{0, F::Label, "x", true}, {8, F::SmallLabel, "2", true}};
    QTest::newRow("smaller drops three pixels")
        << "a[*]b[/*]c"
        << Runs{{0, F::Label, "a", true}, {3, F::SmallLabel, "b", true}, {0, F::Label, "c", true}};
    QTest::newRow("symbol p is pi") << "[S]p[/S]" << Runs{{0, F::Symbol, QString::fromUtf16(u"\u03C0"), true}};
    QTest::newRow("small symbol")
        << "[S]S[+]x" << Runs{{0, F::Symbol, QString::fromUtf16(u"\u03A3"), true},
                                {0, F::SmallSymbol, QString::fromUtf16(u"\u03BE"), true}};
    QTest::newRow("overstrike does not advance")
        << "[=]_[/=]x" << Runs{{0, F::Label, "_", false}, {0, F::Label, "x", true}};
    QTest::newRow("lower-case tag is text") << "[s]x" << Runs{{0, F::Label, "[s]x", true}};
    QTest::newRow("bracket without tag is text") << "a[b]" << Runs{{0, F::Label, "a[b]", true}};
    QTest::newRow("bracket before a tag")
        << "[[+]2" << Runs{{0, F::Label, "[", true}, {0, F::SmallLabel, "2", true}};
    QTest::newRow("script tags replace, never nest")
        << "[+][-]x[/+]y" << Runs{{8, F::SmallLabel, "x", true}, {0, F::Label, "y", true}};
    QTest::newRow("closing tag without opening") << "x[/S]y"
                                                 << Runs{{0, F::Label, "x", true}, {0, F::Label, "y", true}};
    QTest::newRow("tags only") << "[S][/S][=]" << Runs{};
    QTest::newRow("unfinished tag at the end") << "x[/" << Runs{{0, F::Label, "x[/", true}};
}

void StripMacroTest::runs()
{
    QFETCH(QString, text);
    QFETCH(Runs, expected);

    QImage image(200, 40, QImage::Format_ARGB32);
    QPainter painter(&image);
    CMacroRenderer renderer(StripFonts::Get(), &painter);
    std::vector<MacroRun> drawn;
    renderer.drawnRuns = &drawn;
    renderer.x = 30;
    renderer.topY = 5;
    const int width = renderer.DrawMacroText(text, false);

    QCOMPARE(int(drawn.size()), int(expected.size()));
    int x = 30;
    int advancing = 0;
    for (int i = 0; i < expected.size(); ++i) {
        const ExpectedRun& want = expected[i];
        const MacroRun& got = drawn[size_t(i)];
        QCOMPARE(got.text, want.text);
        QCOMPARE(got.face, want.face);
        QCOMPARE(got.y, 5 + want.dy);
        QCOMPARE(got.x, x);
        QCOMPARE(got.width, Width(want.face, want.text));
        if (want.advances) {
            x += got.width;
            advancing += got.width;
        }
    }
    QCOMPARE(width, advancing);
    QCOMPARE(renderer.x, x);
}

void StripMacroTest::measuringDrawsNothing()
{
    CMacroRenderer renderer(StripFonts::Get(), nullptr);
    std::vector<MacroRun> drawn;
    renderer.drawnRuns = &drawn;
    renderer.x = 12;
    const int measured = renderer.DrawMacroText("x[+]2[/+][=]_", true);
    QVERIFY(drawn.empty());
    QCOMPARE(renderer.x, 12);
    QCOMPARE(measured, Width(LabelFace::Label, "x") + Width(LabelFace::SmallLabel, "2"));
    QCOMPARE(renderer.DrawMacroText("x[+]2[/+][=]_", false), measured);
}

void StripMacroTest::fontHeights()
{
    const StripFonts& fonts = StripFonts::Get();
    QCOMPARE(QFontMetrics(fonts.label).height(), 16);
    QCOMPARE(QFontMetrics(fonts.title).height(), 16);
    QCOMPARE(QFontMetrics(fonts.smallLabel).height(), 11);
    QVERIFY(fonts.title.bold());
    QVERIFY(!fonts.label.bold());
}

void StripMacroTest::symbolLabelLeavesInk()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    CMacroRenderer renderer(StripFonts::Get(), &painter);
    renderer.x = 5;
    renderer.topY = 5;
    renderer.DrawMacroText("[S]p[/S]", false);
    painter.end();
    bool ink = false;
    for (int y = 0; y < image.height() && !ink; ++y)
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qRed(image.pixel(x, y)) > 128;
    QVERIFY(ink);
}

QTEST_MAIN(StripMacroTest)
#include "strip_macro_test.moc"
