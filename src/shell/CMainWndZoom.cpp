// The user's zoom of the main window, and pictures as sharp as the screen
// under it: the window keeps its 1 times layout and paints it scaled, from
// pictures drawn for the zoom times the screen's pixel ratio.

#include "shell/CMainWnd.h"

#include "shell/ArtScale.h"
#include "shell/Settings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

void CMainWnd::SetZoom(int percent)
{
    if (percent == zoomPercent_)
        return;
    zoomPercent_ = percent;
    ApplyZoom();
}

void CMainWnd::ApplyZoom()
{
    setFixedSize(static_cast<int>(std::lround(kMainClientWidth * Zoom())),
                 static_cast<int>(std::lround(kMainClientHeight * Zoom())));
    UpdateArtwork();
    setMask(images.Shape(Zoom()));
    update();
}

int CMainWnd::FittedZoom(const QScreen* screen, int percent)
{
    return screen ? ::FittedZoom(percent, kMainClientHeight, screen->availableGeometry().height()) : percent;
}

void CMainWnd::ChooseZoom(int percent)
{
    const int fitted = FittedZoom(screen(), percent);
    TheSettings().Zoom = static_cast<uint32_t>(fitted);
    SetZoom(fitted);
    KeepOnScreen();
}

// A larger window must not hang off the bottom or the right of its screen.
void CMainWnd::KeepOnScreen()
{
    const QScreen* where = screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    QPoint corner = pos();
    corner.setX(std::max(available.left(), std::min(corner.x(), available.right() + 1 - width())));
    corner.setY(std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - height())));
    if (corner != pos())
        move(corner);
}

bool CMainWnd::HandleZoomKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers others = Qt::AltModifier | Qt::MetaModifier;
    if (!(event.modifiers() & Qt::ControlModifier) || (event.modifiers() & others))
        return false;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // the plus key unshifted
        ChooseZoom(NextZoomStep(zoomPercent_, 1));
        return true;
    case Qt::Key_Minus:
        ChooseZoom(NextZoomStep(zoomPercent_, -1));
        return true;
    case Qt::Key_0:
        ChooseZoom(kDefaultZoom);
        return true;
    default:
        return false;
    }
}

QPoint CMainWnd::ToWindow(QPointF client) const
{
    return (client * Zoom()).toPoint();
}

QPoint CMainWnd::ToClient(QPointF window) const
{
    return {static_cast<int>(std::floor(window.x() / Zoom())), static_cast<int>(std::floor(window.y() / Zoom()))};
}

void CMainWnd::UpdateArea(const QRect& client)
{
    const double zoom = Zoom();
    update(QRectF(client.x() * zoom, client.y() * zoom, client.width() * zoom, client.height() * zoom)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void CMainWnd::UpdateArtwork()
{
    const double needed = ArtScaleFor(DeviceScale());
    if (needed == artRequest_)
        return;
    artRequest_ = needed;
    std::optional<SkinImages> art = PrepareSkin(images.paths, DeviceScale());
    if (!art)
        return;
    images = std::move(*art);
    deviceSkinScale_ = 0;
    ResetDisplayBitmap();
    DrawDisplay(false);
}

void CMainWnd::ResetDisplayBitmap()
{
    displayBitmap = QImage(ScaledSize(kDisplayRect.size(), images.scale), QImage::Format_RGB32);
    displayBitmap.fill(Qt::black);
    displayText.clear();
    // A repaint asked for in the 1 times layout grows by rounding at a zoom.
    constexpr int kMargin = 3;
    keptFace_.clear();
    for (const QRect& area : {DisplayWindowRect(), IndicatorRect()})
        keptFace_.emplace_back(area.adjusted(-kMargin, -kMargin, kMargin, kMargin), images.scale, images.face.Size());
}

const QImage& CMainWnd::DeviceSkin()
{
    const double scale = DeviceScale();
    if (scale != deviceSkinScale_) {
        deviceSkinScale_ = scale;
        deviceSkin_ = images.face.Whole().scaled(ScaledSize({kSkinWidth, kSkinHeight}, scale), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation);
    }
    return deviceSkin_;
}

bool CMainWnd::event(QEvent* event)
{
    // Moved to a screen of another pixel ratio.
    if (event->type() == QEvent::ScreenChangeInternal) {
        UpdateArtwork();
        update();
    }
    return QWidget::event(event);
}
