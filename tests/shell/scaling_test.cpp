// The calculator at every zoom and screen scale (run once per
// QT_SCALE_FACTOR): keys are hit where they are drawn, the display keeps its
// cells, the artwork is drawn for the scale rather than enlarged, and the
// zoom follows the keyboard, the screen's height and the settings.

#include "ShellFixture.h"

#include "shell/ArtScale.h"
#include "shell/ContextMenu.h"
#include "shell/Settings.h"

#include <QApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>

namespace {
double PixelRatio(const ShellFixture& f) { return f.window->devicePixelRatioF(); }

QImage Grab(const ShellFixture& f) { return f.window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Red channel of the window's display, brought back to 282 x 32.
QImage DisplayAtOneTimes(const ShellFixture& f)
{
    const double scale = f.window->Zoom() * PixelRatio(f);
    const QRectF display(QPointF(CMainWnd::kDisplayRect.topLeft() + f.window->skinOrigin) * scale,
                         QSizeF(CMainWnd::kDisplayRect.size()) * scale);
    return Grab(f).copy(display.toRect()).scaled(CMainWnd::kDisplayRect.size(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
}

// Gathers the regions the window paints while it lives.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget& window, QRegion& painted) : window_(window), painted_(painted) { window.installEventFilter(this); }
    ~PaintWatch() override { window_.removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QWidget& window_;
    QRegion& painted_;
};

double Grey(QRgb pixel) { return qGray(pixel) / 255.0; }

// Mean grey difference between two pictures of one size over the pixels
// where the first has an edge.
double EdgeDifference(const QImage& sharp, const QImage& other)
{
    double sum = 0;
    int count = 0;
    for (int y = 1; y < sharp.height() - 1; ++y)
        for (int x = 1; x < sharp.width() - 1; ++x) {
            const double dx = Grey(sharp.pixel(x + 1, y)) - Grey(sharp.pixel(x - 1, y));
            const double dy = Grey(sharp.pixel(x, y + 1)) - Grey(sharp.pixel(x, y - 1));
            if (std::hypot(dx, dy) < 0.25)
                continue;
            sum += std::abs(Grey(sharp.pixel(x, y)) - Grey(other.pixel(x, y)));
            ++count;
        }
    return count ? sum / count : 0;
}
}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TheSettings() = Settings{}; }
    void keysWhereTheyAreDrawn_data();
    void keysWhereTheyAreDrawn();
    void displayKeepsItsCells_data();
    void displayKeepsItsCells();
    void artworkDrawnForTheScale();
    void faceBandsAreTheDecodedFace_data();
    void faceBandsAreTheDecodedFace();
    void partsRepaintLikeTheWhole_data() { keysWhereTheyAreDrawn_data(); }
    void partsRepaintLikeTheWhole();
    void typedKeyLetGoWhereItIs_data() { keysWhereTheyAreDrawn_data(); }
    void typedKeyLetGoWhereItIs();
    void zoomKeys_data();
    void zoomKeys();
    void zoomTooTallIsReducedAndKept();
    void zoomMenu();
};

void ScalingTest::keysWhereTheyAreDrawn_data()
{
    QTest::addColumn<int>("zoom");
    for (const int zoom : kZoomSteps)
        QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(zoom))) << zoom;
}

void ScalingTest::keysWhereTheyAreDrawn()
{
    QFETCH(int, zoom);
    ShellFixture f;
    f.window->SetZoom(zoom);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QCOMPARE(f.window->size(), QSize(std::lround(389 * zoom / 100.0), std::lround(798 * zoom / 100.0)));
    // Shaped at the zoom: the rounded corners are holes, the face is not.
    const QRegion shape = f.window->mask();
    QVERIFY(!shape.contains(f.window->ToWindow(QPoint(5, 5))));
    QVERIFY(!shape.contains(f.window->ToWindow(QPoint(383, 792))));
    QVERIFY(shape.contains(f.window->ToWindow(QPoint(194, 400))));
    QVERIFY(shape.contains(f.window->ToWindow(QPoint(12, 400))));
    auto pressedAt = [&](QPointF client) {
        f.window->pressedColumn = f.window->pressedRow = -99;
        QTest::mousePress(f.window.get(), Qt::LeftButton, {}, f.window->ToWindow(client));
        const KeyPosition pressed{f.window->pressedColumn, f.window->pressedRow};
        // Let go without giving the engine anything.
        f.window->pressedColumn = f.window->pressedRow = -1;
        QTest::mouseRelease(f.window.get(), Qt::LeftButton, {}, f.window->ToWindow(client));
        return pressed;
    };
    for (int row = 0; row < kKeyRows; ++row)
        for (int column = 0; column < kKeyColumns; ++column) {
            const QPointF key = QPointF(f.window->skinOrigin) + QPointF(KeyColumnX[column], KeyRowY[row]);
            QCOMPARE(pressedAt(key + QPointF(kKeyWidth / 2.0, kKeyHeight / 2.0)), (KeyPosition{column, row}));
            // Right of the key and below it lies no key.
            if (column + 1 < kKeyColumns)
                QCOMPARE(pressedAt(QPointF((KeyColumnX[column] + kKeyWidth + KeyColumnX[column + 1]) / 2.0,
                                           key.y() + kKeyHeight / 2.0)),
                         KeyPosition{});
            if (row + 1 < kKeyRows)
                QCOMPARE(pressedAt(QPointF(key.x() + kKeyWidth / 2.0,
                                           f.window->skinOrigin.y() + (KeyRowY[row] + kKeyHeight + KeyRowY[row + 1]) / 2.0)),
                         KeyPosition{});
        }
}

void ScalingTest::displayKeepsItsCells_data() { keysWhereTheyAreDrawn_data(); }

void ScalingTest::displayKeepsItsCells()
{
    QFETCH(int, zoom);
    ShellFixture f;
    f.window->SetZoom(zoom);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    // Clicked, not typed: a click goes in at once.
    for (const char c : QByteArray("1.2345679E12~")) {
        if (c == 'E')
            f.Click(1, 4);
        else if (c == '~')
            f.Click(3, 8);
        else
            f.Click(KeyForCharacter(static_cast<char32_t>(c))->column, KeyForCharacter(static_cast<char32_t>(c))->row);
    }
    QCOMPARE(f.Display().trimmed(), QStringLiteral("1.2345679-12"));

    // Each cell shows, of all the glyphs of the 1 times strip, the one that
    // belongs there; the point lies in the gap after the first cell.
    const QImage strip = QImage(QStringLiteral(":/skin/led.png")).convertToFormat(QImage::Format_RGB32);
    const QString glyphs = QStringLiteral(" -0123456789");
    auto glyphImage = [&](QChar c) {
        QImage cell(24, 32, QImage::Format_RGB32);
        cell.fill(Qt::black);
        const int source = c == u'-' ? 2 : c.isDigit() ? 20 + 18 * (c.unicode() - '0') : -1;
        if (source >= 0)
            QPainter(&cell).drawImage(QPoint(0, 0), strip, QRect(source, 0, 18, 32));
        return cell;
    };
    const QImage shown = DisplayAtOneTimes(f);
    auto redDifference = [](const QImage& a, const QImage& b) {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                sum += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y)));
        return sum;
    };
    const QString expected = QStringLiteral(" 12345679-12");
    for (int cell = 0; cell < 12; ++cell) {
        const QImage here = shown.copy(24 * cell, 0, 24, 32);
        QChar best;
        double bestDifference = 1e18;
        for (const QChar c : glyphs) {
            // The gap of the cell with the point is compared without it.
            QImage candidate = glyphImage(c);
            if (cell == 1)
                QPainter(&candidate).drawImage(QPoint(20, 0), strip, QRect(0, 0, 2, 32));
            const double difference = redDifference(here, candidate);
            if (difference < bestDifference) {
                bestDifference = difference;
                best = c;
            }
        }
        QVERIFY2(best == expected[cell], qPrintable(QStringLiteral("cell %1 shows '%2'").arg(cell).arg(best)));
        double point = 0;
        for (int y = 24; y < 29; ++y)
            point += qRed(shown.pixel(24 * cell + 20, y)) + qRed(shown.pixel(24 * cell + 21, y));
        point /= 10 * 255.0;
        QVERIFY2(cell == 1 ? point > 0.3 : point < 0.1, qPrintable(QStringLiteral("point after cell %1: %2").arg(cell).arg(point)));
    }
}

// An enlarged 1 times picture would differ from the 1 times one, enlarged
// the same way, by nothing at all.
void ScalingTest::artworkDrawnForTheScale()
{
    ShellFixture f;
    const double ratio = PixelRatio(f);
    if (ratio != 2 && ratio != 3)
        QSKIP("measured at 2 and 3 times");
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const QImage oneTimes = PrepareSkin({}, 1)->face.Whole();
    const QRect keys(40, 270, 310, 450);  // legends and key borders
    const QSize enlarged = keys.size() * ratio;
    const QImage shown = Grab(f).copy(QRect(keys.topLeft() * ratio, enlarged));
    for (const Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage blown = oneTimes.copy(keys).scaled(enlarged, Qt::IgnoreAspectRatio, mode);
        const double difference = EdgeDifference(shown, blown);
        QVERIFY2(difference > 0.05, qPrintable(QStringLiteral("%1 with %2 filtering")
                                                   .arg(difference)
                                                   .arg(mode == Qt::FastTransformation ? "nearest" : "linear")));
    }
}

void ScalingTest::faceBandsAreTheDecodedFace_data()
{
    QTest::addColumn<double>("scale");
    for (const double scale : kArtScales)
        QTest::newRow(qPrintable(QString::number(scale))) << scale;
}

// Drawn band by band, from rows that start and end anywhere in the picture,
// the face is exactly what the image reader decodes: each row once, even
// where decoding starts at a restart marker or runs in two halves at once.
void ScalingTest::faceBandsAreTheDecodedFace()
{
    QFETCH(double, scale);
    EnsureSkinResources();
    const QString path = AtScale(QStringLiteral(":/skin/face.jpg"), scale);
    QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB32);
    decoded.setDevicePixelRatio(1);  // the name's @2x sets it
    const std::optional<SkinFace> face = SkinFace::Open(path);
    QVERIFY(face);
    QCOMPARE(face->Whole(), decoded);
    const int height = decoded.height();
    const struct {
        int top;
        int bottom;
    } ranges[] = {{0, height}, {height / 3 + 5, height - 7}, {0, 1}, {15, 17}, {16, 48}, {height - 3, height},
                  {height / 2, height / 2 + 40}};
    for (const auto& range : ranges) {
        QImage bands(decoded.width(), range.bottom - range.top, QImage::Format_RGB32);
        bands.fill(Qt::magenta);
        std::vector<int> drawn(static_cast<std::size_t>(height));
        QVERIFY(face->ForEachBand(range.top, range.bottom, [&](const QImage& band, int y, int rows) {
            QPainter(&bands).drawImage(QPoint(0, y - range.top), band, QRect(0, 0, band.width(), rows));
            for (int row = y; row < y + rows; ++row)
                ++drawn[static_cast<std::size_t>(row)];
        }));
        for (int row = 0; row < height; ++row)
            QCOMPARE(drawn[static_cast<std::size_t>(row)], row >= range.top && row < range.bottom ? 1 : 0);
        QVERIFY2(bands == decoded.copy(0, range.top, decoded.width(), range.bottom - range.top),
                 qPrintable(QStringLiteral("rows %1 to %2").arg(range.top).arg(range.bottom)));
    }
}

// Keys, the display and the strip repainted alone are what the whole
// window's render shows there, a pressed key's look included.
void ScalingTest::partsRepaintLikeTheWhole()
{
    QFETCH(int, zoom);
    ShellFixture f;
    f.window->SetZoom(zoom);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->pressedColumn = 2;
    f.window->pressedRow = 6;
    const QImage whole = Grab(f);
    const double ratio = PixelRatio(f);
    auto key = [&](int column, int row) {
        return QRect(f.window->skinOrigin + QPoint(KeyColumnX[column] + kKeyPictureLeft, KeyRowY[row] + kKeyPictureTop),
                     QSize(kKeyPictureWidth, kKeyPictureHeight));
    };
    const QRect parts[] = {key(2, 6), key(4, 8), CMainWnd::kDisplayRect.translated(f.window->skinOrigin),
                           kMainWindowStripRect};
    for (const QRect& part : parts) {
        const QRect inWindow =
            QRectF(f.window->ToWindow(part.topLeft()), QSizeF(part.size()) * zoom / 100.0).toAlignedRect();
        QImage drawn(whole.size(), QImage::Format_RGB32);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::magenta);
        f.window->render(&drawn, inWindow.topLeft(), QRegion(inWindow));
        const QRect pixels = QRectF(QPointF(inWindow.topLeft()) * ratio, QSizeF(inWindow.size()) * ratio)
                                 .toAlignedRect()
                                 .adjusted(1, 1, -1, -1);
        QVERIFY2(drawn.copy(pixels) == whole.copy(pixels),
                 qPrintable(QStringLiteral("part at %1, %2").arg(part.x()).arg(part.y())));
    }
}

// A typed key is drawn pressed for a while; its picture is drawn again
// where the zoom puts it when the look ends.
void ScalingTest::typedKeyLetGoWhereItIs()
{
    QFETCH(int, zoom);
    ShellFixture f;
    f.window->SetZoom(zoom);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QTest::keyClick(f.window.get(), '7');
    QCOMPARE(f.window->pressedColumn, 1);
    QCoreApplication::processEvents();  // drawn pressed
    QRegion repainted;
    PaintWatch watch(*f.window, repainted);
    QTRY_COMPARE(f.window->pressedColumn, -1);
    QTRY_VERIFY(!repainted.isEmpty());
    const QPoint corner(KeyColumnX[1] + kKeyPictureLeft, KeyRowY[5] + kKeyPictureTop);
    const QRect key(f.window->ToWindow(f.window->skinOrigin + corner),
                    f.window->ToWindow(f.window->skinOrigin + corner + QPoint(kKeyPictureWidth, kKeyPictureHeight)) -
                        QPoint(1, 1));
    QVERIFY(repainted.contains(key));
}

void ScalingTest::zoomKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("Ctrl+Plus") << 100 << int(Qt::Key_Plus) << 125;
    QTest::newRow("Ctrl+= is the plus key unshifted") << 75 << int(Qt::Key_Equal) << 100;
    QTest::newRow("Ctrl+Minus") << 125 << int(Qt::Key_Minus) << 100;
    QTest::newRow("Ctrl+Minus at the smallest") << 75 << int(Qt::Key_Minus) << 75;
    QTest::newRow("Ctrl+0") << 150 << int(Qt::Key_0) << 100;
}

void ScalingTest::zoomKeys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    ShellFixture f;
    if (PixelRatio(f) != 1)
        QSKIP("the zoom's rules do not depend on the screen's scale");
    f.window->ChooseZoom(from);
    QTest::keyClick(f.window.get(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(f.window->ZoomPercent(), to);
    QCOMPARE(TheSettings().Zoom, uint32_t(to));
    QVERIFY(!f.window->TypedKeysWaiting());  // no key of the calculator
    QCOMPARE(f.Display().trimmed(), QStringLiteral("0"));
}

// On the 1300 pixels of the test screen 150 % (1197 high) fits, 200 % does not.
void ScalingTest::zoomTooTallIsReducedAndKept()
{
    ShellFixture f;
    if (PixelRatio(f) != 1)
        QSKIP("the zoom's rules do not depend on the screen's scale");
    f.window->move(100, 600);
    f.window->ChooseZoom(200);
    QCOMPARE(f.window->ZoomPercent(), 150);
    QCOMPARE(TheSettings().Zoom, 150u);
    QCOMPARE(f.window->height(), 1197);
    QCOMPARE(f.window->pos(), QPoint(100, 1300 - 1197));  // moved up to show whole
    QTest::keyClick(f.window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(f.window->ZoomPercent(), 150);
}

void ScalingTest::zoomMenu()
{
    ShellFixture f;
    if (PixelRatio(f) != 1)
        QSKIP("the zoom's rules do not depend on the screen's scale");
    f.window->ChooseZoom(125);
    QMenu menu;
    FillContextMenu(menu, *f.window);
    QMenu* zoom = nullptr;
    for (QAction* action : menu.actions())
        if (action->text() == QStringLiteral("&Zoom"))
            zoom = action->menu();
    QVERIFY(zoom);
    QStringList items;
    for (const QAction* action : zoom->actions())
        items << action->text().section(u'\t', 0, 0) + (action->isChecked() ? "*" : "");
    QCOMPARE(items, (QStringList{"75%", "100%", "125%*", "150%", "200%"}));
    zoom->actions()[0]->trigger();
    QCOMPARE(f.window->ZoomPercent(), 75);
    QCOMPARE(TheSettings().Zoom, 75u);
}

int main(int argc, char** argv)
{
    // One screen of known height, tall enough for every zoom up to 150 %.
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "tall", "x": 0, "y": 0, "width": 1600, "height": 1300,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "scaling_test.moc"
