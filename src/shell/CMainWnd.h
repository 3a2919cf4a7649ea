#pragma once
// The calculator in its shaped window: the skin, the LED display and the
// indicators drawn over it, keys pressed by mouse or keyboard, and the
// pacing of program runs. The window is laid out in 1 times pixels (client
// coordinates below); the user's zoom scales it, and its pictures are drawn
// for the zoom times the screen's pixel ratio.

#include "face/KeyLayout.h"
#include "shell/FacePiece.h"
#include "shell/LabelStrip.h"
#include "shell/Skin.h"
#include "shell/SkinRectQt.h"
#include "face/ZoomSteps.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <vector>

class CCalc;
class ModuleLibrary;

class CMainWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr QRect kDisplayRect = ToQRect(kDisplayArea);  // from skinOrigin
    // How long a typed key stays drawn pressed.
    static constexpr int kTypedKeyMs = 200;
    // How long a run executes steps before the window gets a turn.
    static constexpr int kRunSliceMs = 4;

    // Opens at zoomPercent, which the images should be drawn for.
    CMainWnd(CCalc& calc, SkinImages images, int zoomPercent = kDefaultZoom);
    ~CMainWnd() override;

    CCalc& calc;
    SkinImages images;

    QPoint skinOrigin;
    int pressedColumn = -1;
    int pressedRow = -1;
    bool secondPending = false;
    bool displayShown = true;
    // At the pictures' scale.
    QImage displayBitmap;
    QString displayText;
    qint64 lastKeyTick = 0;
    int memoProgram = 0;
    StripTexts stripTexts;
    // The module slots, process-wide; null in tests that need none.
    ModuleLibrary* modules = nullptr;

    // --- keys ---
    void PressKey(int column, int row);
    void ReleaseKey();
    // A typed character: the key is given at once and drawn pressed for
    // kTypedKeyMs or until the next key; while the mouse holds a key, typed
    // ones wait for it in order.
    void TypeCharacter(char32_t character);
    void TypeKey(KeyPosition key);
    bool TypedKeysWaiting() const { return !typedKeys_.empty(); }

    // --- drawing ---
    // Renders the display text into displayBitmap when it changed, then
    // shows the bitmap.
    void DrawDisplay(bool showWhileRunning);
    void DrawIndicators();
    void CopyDisplayToClipboard();
    // memoTexts or the selected library program changed.
    void ReloadLabelStrip();

    // --- run pacing ---
    void ExecuteStep(bool singleStep);
    void PumpUntilDue();
    void StartProgram();
    void StopProgram();
    void ToggleBlink();
    bool RunPending() const { return runPending_; }
    bool BlinkActive() const { return blinkTimer_.isActive(); }
    // The blink period changed (options dialog): a running timer restarts with it.
    void RestartBlinkTimer();

    // Milliseconds on the steady clock, the tick of lastKeyTick.
    qint64 Now() const { return clock_.elapsed(); }

    void ShowContextMenu(const QPoint& globalPosition);

    // --- zoom ---
    int ZoomPercent() const { return zoomPercent_; }
    double Zoom() const { return zoomPercent_ / 100.0; }
    // Shows the window at exactly that zoom.
    void SetZoom(int percent);
    // The user's choice: reduced to fit the screen's height, then kept in the settings.
    void ChooseZoom(int percent);
    // The largest zoom step up to percent at which the window fits the screen's height.
    static int FittedZoom(const QScreen* screen, int percent);
    // Ctrl+Plus, Ctrl+Minus and Ctrl+0; false for any other key.
    bool HandleZoomKey(const QKeyEvent& event);
    // A client point in the zoomed window, and back.
    QPoint ToWindow(QPointF client) const;
    QPoint ToClient(QPointF window) const;

signals:
    // The window was closed: the program ends, whatever other windows are open.
    void Closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Repaints a client rectangle wherever the zoom puts it.
    void UpdateArea(const QRect& client);
    // Loads the pictures again when the zoom or the screen needs another scale.
    void UpdateArtwork();
    // Size, pictures and shape for zoomPercent_.
    void ApplyZoom();
    // Black, at the pictures' scale, to be rendered again.
    void ResetDisplayBitmap();
    // The face resampled to the window's own pixel density, when its pictures are drawn for another.
    const QImage& DeviceSkin();
    double DeviceScale() const { return Zoom() * devicePixelRatioF(); }
    void KeepOnScreen();
    QRect KeyPictureRect(int column, int row) const;
    QRect DisplayWindowRect() const { return kDisplayRect.translated(skinOrigin); }
    QRect IndicatorRect() const;
    void RenderDisplayText(const QString& text, bool exponent);
    // dirty: the window's pixels being repainted.
    void PaintFace(QPainter& painter, const QRegion& dirty);
    void PaintIndicators(QPainter& painter) const;
    void PaintDisplay(QPainter& painter) const;
    void UpdateBlinkAfterKey();
    void StartBlink();
    void AfterKey();
    bool GtoKeyHeld() const;
    void RunSlice();
    void PauseRun(int milliseconds);
    void EndPause();
    void RunStopped();
    void PostStep(int delay);
    void GiveTypedKey(KeyPosition key);
    void EndTypedLook();
    void TypeWaitingKeys();

    QElapsedTimer clock_;
    QTimer blinkTimer_;
    QTimer stepTimer_;
    QTimer pauseTimer_;
    QTimer typedKeyTimer_;
    std::deque<KeyPosition> typedKeys_;
    bool typedKeyHeld_ = false;
    bool mouseHeld_ = false;
    bool runPending_ = false;
    bool stepPosted_ = false;
    bool pausing_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
    int zoomPercent_ = kDefaultZoom;
    double artRequest_ = 1;
    QImage deviceSkin_;
    double deviceSkinScale_ = 0;
    // The face around the display and the indicators, kept once drawn:
    // every key repaints them.
    std::vector<FacePiece> keptFace_;
};
