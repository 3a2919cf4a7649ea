#include "shell/dialogs/TapeView.h"

#include "shell/dialogs/TapeExport.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace {
const QColor kBeside(0x6E, 0x71, 0x76);
}

TapeView::TapeView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    refresh_.setSingleShot(true);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &TapeView::Refresh);
}

void TapeView::AppendLine(const QString& line)
{
    wchar_t text[PrinterTape::Columns];
    const int count = std::min<int>(static_cast<int>(line.size()), PrinterTape::Columns);
    for (int i = 0; i < count; ++i)
        text[i] = static_cast<wchar_t>(line[i].unicode());
    tape_.Append({text, static_cast<std::size_t>(count)});
    // A program printing at full speed gets one repaint per interval, not one per line.
    if (!refresh_.isActive())
        refresh_.start();
}

void TapeView::Clear()
{
    tape_.Clear();
    Refresh();
}

qreal TapeView::Pitch() const
{
    const qreal ratio = devicePixelRatioF();
    return std::max<qreal>(1, std::round(kPitch * ratio)) / ratio;
}

int TapeView::StripViewWidth() const
{
    const int bar = verticalScrollBar()->sizeHint().width();
    return static_cast<int>(std::ceil(tape_geometry::StripWidth * Pitch())) + 2 * kSide + bar + 2 * frameWidth();
}

int TapeView::StripPixelHeight() const
{
    return static_cast<int>(std::ceil(tape_geometry::StripHeight(tape_.Size()) * Pitch()));
}

QPointF TapeView::StripOrigin() const
{
    const qreal ratio = devicePixelRatioF();
    const qreal left = (viewport()->width() - tape_geometry::StripWidth * Pitch()) / 2;
    // A short tape sits at the bottom, where the paper leaves the printer.
    const int top = std::max(0, viewport()->height() - StripPixelHeight()) - verticalScrollBar()->value();
    return {std::round(left * ratio) / ratio, std::round(top * ratio) / ratio};
}

void TapeView::Refresh()
{
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    bar->setRange(0, std::max(0, StripPixelHeight() - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(static_cast<int>(tape_geometry::LineHeight * Pitch()));
    // The newest line stays in sight unless the user scrolled back to read.
    if (atEnd)
        bar->setValue(bar->maximum());
    viewport()->update();
}

void TapeView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kBeside);
    const qreal pitch = Pitch();
    const QPointF origin = StripOrigin();
    // Blank paper above the first line: the roll goes on.
    const QRectF paper = TapePaper(origin, tape_.Size(), pitch);
    painter.fillRect(QRectF(paper.left(), 0, paper.width(), std::min<qreal>(paper.bottom(), viewport()->height())),
                     tape_colours::Paper);

    const qreal linePixels = tape_geometry::LineHeight * pitch;
    const auto first = static_cast<std::size_t>(std::max<qreal>(0, std::floor(-origin.y() / linePixels) - 1));
    const auto end = std::min(tape_.Size(), static_cast<std::size_t>(
        std::max<qreal>(0, std::ceil((viewport()->height() - origin.y()) / linePixels) + 1)));
    if (first < end)
        glyphs_.Paint(painter, tape_, first, end, origin, pitch, devicePixelRatioF());
}

void TapeView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Refresh();
}

void TapeView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const QList<QAction*> actions{
        menu.addAction(QStringLiteral("Save tape as &PNG..."), this, [this] { SaveTapeAsPng(tape_, this); }),
        menu.addAction(QStringLiteral("Save tape as P&DF..."), this, [this] { SaveTapeAsPdf(tape_, this); }),
        menu.addAction(QStringLiteral("Copy tape as p&icture"), this, [this] { CopyTapeAsPicture(tape_); })};
    for (QAction* action : actions)
        action->setEnabled(tape_.Size() > 0);
    menu.exec(event->globalPos());
}
