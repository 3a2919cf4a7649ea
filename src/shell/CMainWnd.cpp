#include "shell/CMainWnd.h"

#include "core/CCalc.h"
#include "face/LedCells.h"
#include "face/StripTexts.h"
#include "shell/Settings.h"
#include "shell/SystemError.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {
// Draws the part of a picture drawn at scale that covers source (client
// pixels) over target.
void DrawPart(QPainter& painter, const QRectF& target, const QImage& picture, const QRectF& source, double scale)
{
    painter.drawImage(target, picture, QRectF(source.topLeft() * scale, source.size() * scale));
}
}  // namespace

CMainWnd::CMainWnd(CCalc& engine, SkinImages skinImages, int zoomPercent)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), calc(engine), images(std::move(skinImages)),
      zoomPercent_(zoomPercent)
{
    clock_.start();
    setWindowTitle(QStringLiteral("Norvane"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    skinOrigin = QPoint(kSkinOrigin.x, kSkinOrigin.y);
    artRequest_ = images.scale;
    ResetDisplayBitmap();
    ApplyZoom();
    move(TheSettings().Gauche, TheSettings().Haut);

    blinkTimer_.callOnTimeout(this, &CMainWnd::ToggleBlink);
    stepTimer_.setSingleShot(true);
    stepTimer_.callOnTimeout(this, [this] {
        stepPosted_ = false;
        ExecuteStep(false);
    });
    pauseTimer_.setSingleShot(true);
    pauseTimer_.callOnTimeout(this, &CMainWnd::EndPause);
    typedKeyTimer_.setSingleShot(true);
    typedKeyTimer_.callOnTimeout(this, &CMainWnd::EndTypedLook);

    DrawDisplay(false);
    SetSystemErrorOwner(this);
}

CMainWnd::~CMainWnd()
{
    SetSystemErrorOwner(nullptr);
}

void CMainWnd::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.scale(Zoom(), Zoom());
    // Pictures drawn for another scale than the window's are resampled.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, DeviceScale() != images.scale);
    PaintFace(painter, event->region());
    PaintIndicators(painter);
    PaintDisplay(painter);
    if (stripTexts.HasText())
        DrawLabelStrip(painter, kMainWindowStripOrigin.x(), kMainWindowStripOrigin.y(),
                       stripTexts.LineMerged(0), stripTexts.LineMerged(1), stripTexts);
}

// The face, and the pressed key's picture moved by the press. At the
// pictures' own scale the face is not kept decoded: a repaint decodes the
// rows under it, a band at a time.
void CMainWnd::PaintFace(QPainter& painter, const QRegion& dirty)
{
    const QRectF face(0, 0, kSkinWidth, kSkinHeight);
    const bool pressed = pressedColumn >= 0 && pressedRow >= 0;
    const QRect picture = pressed ? KeyPictureRect(pressedColumn, pressedRow) : QRect();
    const QRect source = picture.translated(-kKeyPressShift, -kKeyPressShift);
    if (DeviceScale() != images.scale) {
        const QImage& skin = DeviceSkin();
        DrawPart(painter, face, skin, face, deviceSkinScale_);
        if (pressed)
            DrawPart(painter, picture, skin, source, deviceSkinScale_);
        return;
    }
    // Back at the pictures' scale: the resampled face is not needed.
    deviceSkin_ = QImage();
    deviceSkinScale_ = 0;
    const double scale = images.scale;
    // The face's rows under each part of the repaint, a row more each way for
    // rounding: the display and a key far below it are decoded apart.
    std::vector<std::pair<int, int>> spans;
    std::vector<const FacePiece*> kept;
    for (const QRect& rect : dirty) {
        const QRect client = QRectF(QPointF(rect.topLeft()) / Zoom(), QSizeF(rect.size()) / Zoom()).toAlignedRect();
        const auto holding = std::find_if(keptFace_.begin(), keptFace_.end(), [&](const FacePiece& piece) {
            return piece.Ready() && piece.Area().contains(client);
        });
        if (holding != keptFace_.end()) {
            kept.push_back(&*holding);
            continue;
        }
        spans.emplace_back(static_cast<int>(std::floor(client.top() * scale)) - 1,
                           static_cast<int>(std::ceil((client.bottom() + 1) * scale)) + 1);
    }
    std::optional<FacePiece> moved;
    if (pressed) {
        moved.emplace(source, scale, images.face.Size());
        spans.emplace_back(moved->Top(), moved->Bottom());
    }
    std::sort(spans.begin(), spans.end());
    auto draw = [&](const QImage& band, int first, int count) {
        painter.drawImage(QRectF(0, first / scale, face.width(), count / scale), band,
                          QRectF(0, 0, face.width() * scale, count));
        if (moved)
            moved->Take(band, first, count);
        for (FacePiece& piece : keptFace_)
            if (!piece.Ready())
                piece.Take(band, first, count);
    };
    // Rows this close are decoded with those between: starting again costs
    // about as much.
    constexpr int kJoinedGap = 32;
    for (std::size_t i = 0; i < spans.size();) {
        auto [top, bottom] = spans[i];
        for (++i; i < spans.size() && spans[i].first <= bottom + kJoinedGap; ++i)
            bottom = std::max(bottom, spans[i].second);
        images.face.ForEachBand(top, bottom, draw);
    }
    for (const FacePiece* piece : kept)
        piece->Draw(painter, piece->Area());
    if (moved)
        moved->Draw(painter, picture);
}

QRect CMainWnd::KeyPictureRect(int column, int row) const
{
    const QPoint key = skinOrigin + QPoint(KeyColumnX[column], KeyRowY[row]);
    return {key.x() + kKeyPictureLeft, key.y() + kKeyPictureTop, kKeyPictureWidth, kKeyPictureHeight};
}

QRect CMainWnd::IndicatorRect() const
{
    const IndicatorCell& angle = kAngleIndicators.front();
    return QRect(kSecondIndicator.faceX, kIndicatorTop, angle.faceX + angle.width - kSecondIndicator.faceX,
                 kIndicatorHeight).translated(skinOrigin);
}

void CMainWnd::PaintIndicators(QPainter& painter) const
{
    auto cell = [&](const IndicatorCell& c, bool lit) {
        const QRect target(skinOrigin + QPoint(c.faceX, kIndicatorTop), QSize(c.width, kIndicatorHeight));
        if (lit)
            DrawPart(painter, target, images.indicators, QRect(c.stripX, 0, c.width, kIndicatorHeight), images.scale);
        else
            painter.fillRect(target, Qt::black);
    };
    cell(kSecondIndicator, secondPending);
    cell(kInvIndicator, calc.invFlag != 0);
    cell(kAngleIndicators[std::clamp(calc.angleUnit, 0, int(kAngleIndicators.size()) - 1)], true);
}

void CMainWnd::PaintDisplay(QPainter& painter) const
{
    if (displayShown)
        DrawPart(painter, DisplayWindowRect(), displayBitmap, QRect(QPoint(), kDisplayRect.size()), images.scale);
    else
        painter.fillRect(DisplayWindowRect(), Qt::black);
}

void CMainWnd::DrawIndicators()
{
    UpdateArea(IndicatorRect());
}

void CMainWnd::DrawDisplay(bool showWhileRunning)
{
    wchar_t buffer[CCalc::DisplayCapacity] = {};
    const bool exponent = calc.GetDisplayText(buffer, showWhileRunning);
    buffer[CCalc::DisplayCapacity - 1] = 0;
    const QString text = QString::fromWCharArray(buffer);
    if (text != displayText)
        RenderDisplayText(text, exponent);
    UpdateArea(DisplayWindowRect());
}

void CMainWnd::RenderDisplayText(const QString& text, bool exponent)
{
    displayBitmap.fill(Qt::black);
    QPainter painter(&displayBitmap);
    const double scale = images.scale;
    auto glyph = [&](int sourceX, int x, int width) {
        DrawPart(painter, QRectF(x * scale, 0, width * scale, kLedGlyphHeight * scale), images.glyphs,
                 QRect(sourceX, 0, width, kLedGlyphHeight), scale);
    };
    const LedCells cells = LayOutLedCells(text.toStdWString(), exponent);
    for (int cell = 0; cell < kLedCells; ++cell) {
        const int x = cell * kLedCellPitch;
        const int sourceX = LedGlyphStripX(cells[cell].glyph);
        if (sourceX >= 0)
            glyph(sourceX, x, kLedGlyphWidth);
        if (cells[cell].point)
            glyph(kLedPointStripX, x + kLedPointOffset, kLedPointWidth);
    }
    displayText = text.left(CCalc::DisplayCapacity - 1);
}

void CMainWnd::CopyDisplayToClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    wchar_t buffer[CCalc::DisplayCapacity] = {};
    calc.GetDisplayText(buffer, false);
    buffer[CCalc::DisplayCapacity - 1] = 0;
    clipboard->setText(QString::fromWCharArray(buffer));
    if (clipboard->text() != QString::fromWCharArray(buffer))
        ShowSystemError(QStringLiteral("Unable to copy data"), 0,
                        QStringLiteral("The clipboard did not take the text."));
}

void CMainWnd::ReloadLabelStrip()
{
    if (std::optional<StripTexts> texts = StripTextsFor(memoProgram, calc, modules))
        stripTexts = std::move(*texts);
    UpdateArea(kMainWindowStripRect);
}

void CMainWnd::closeEvent(QCloseEvent* event)
{
    TheSettings().Gauche = pos().x();
    TheSettings().Haut = pos().y();
    event->accept();
    emit Closed();
}
