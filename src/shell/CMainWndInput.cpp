// Keys of the main window: mouse clicks, typed characters, dragging the
// window by its face, and the context menu.

#include "shell/CMainWnd.h"

#include "core/CCalc.h"
#include "shell/ContextMenu.h"
#include "shell/Trace.h"
#include "shell/program/CalculatorPaste.h"
#include "shell/program/ProgramWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

void CMainWnd::PressKey(int column, int row)
{
    pressedColumn = column;
    pressedRow = row;
    UpdateArea(KeyPictureRect(column, row));
}

void CMainWnd::ReleaseKey()
{
    mouseHeld_ = false;
    if (pressedColumn < 0 || pressedRow < 0)
        return;
    UpdateArea(KeyPictureRect(pressedColumn, pressedRow));
    const KeyRelease release = ReleaseKeyAt({pressedColumn, pressedRow}, secondPending);
    secondPending = release.secondPending;
    if (release.code) {
        if (calc.Mode() != CCalc::ModeRun || ReachesRunningProgram(*release.code)) {
            lastKeyTick = Now();
            calc.ProcessKey(*release.code);
        }
        displayShown = true;
    }
    pressedColumn = -1;
    pressedRow = -1;
    AfterKey();
    // Keys dropped during a run must not start a second chain of steps.
    if (calc.Mode() == CCalc::ModeRun && !runPending_) {
        runPending_ = true;
        PumpUntilDue();
    }
    qCDebug(lcNorvane, "Module immédiat : %d", calc.shownProgram);
    if (calc.shownProgram != memoProgram) {
        memoProgram = calc.shownProgram;
        ReloadLabelStrip();
    }
}

void CMainWnd::AfterKey()
{
    DrawIndicators();
    DrawDisplay(false);
    UpdateBlinkAfterKey();
}

void CMainWnd::TypeCharacter(char32_t character)
{
    const std::optional<KeyPosition> key = KeyForCharacter(character);
    if (!key)
        return;
    TypeKey(*key);
}

void CMainWnd::TypeKey(KeyPosition key)
{
    // A key held with the mouse is given first; keys typed meanwhile follow it.
    if (mouseHeld_)
        typedKeys_.push_back(key);
    else
        GiveTypedKey(key);
}

// The key is given at once; its pressed look stays until its time is up or
// the next key comes.
void CMainWnd::GiveTypedKey(KeyPosition key)
{
    EndTypedLook();
    PressKey(key.column, key.row);
    ReleaseKey();
    typedKeyHeld_ = true;
    PressKey(key.column, key.row);
    typedKeyTimer_.start(kTypedKeyMs);
}

void CMainWnd::EndTypedLook()
{
    if (!typedKeyHeld_)
        return;
    typedKeyTimer_.stop();
    typedKeyHeld_ = false;
    if (pressedColumn >= 0 && pressedRow >= 0)
        UpdateArea(KeyPictureRect(pressedColumn, pressedRow));
    pressedColumn = pressedRow = -1;
}

void CMainWnd::TypeWaitingKeys()
{
    while (!typedKeys_.empty() && !mouseHeld_) {
        const KeyPosition key = typedKeys_.front();
        typedKeys_.pop_front();
        GiveTypedKey(key);
    }
}

void CMainWnd::mousePressEvent(QMouseEvent* event)
{
    const QPoint client = ToClient(event->position());
    if (event->button() == Qt::RightButton) {
        ShowContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    EndTypedLook();
    const KeyPosition key = KeyAtClientPoint(client.x(), client.y());
    if (key.IsKey()) {
        mouseHeld_ = true;
        PressKey(key.column, key.row);
        return;
    }
    pressedColumn = pressedRow = -1;
    // Off the keys the face is the window's handle.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void CMainWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragOffset_);
}

void CMainWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    if (!mouseHeld_)
        return;
    ReleaseKey();
    TypeWaitingKeys();
}

void CMainWnd::keyPressEvent(QKeyEvent* event)
{
    if (HandleZoomKey(*event))
        return;
    if (event->matches(QKeySequence::Copy)) {
        CopyDisplayToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteOnCalculator(*this, QGuiApplication::clipboard()->text());
        return;
    }
    if (event->key() == Qt::Key_E && event->modifiers() == Qt::ControlModifier) {
        OpenProgramWindow(*this);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        TypeCharacter(8);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TypeCharacter(13);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1)
        TypeCharacter(text[0].unicode());
    else
        QWidget::keyPressEvent(event);
}

void CMainWnd::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && IsProgramDrop(*event->mimeData()))
        event->acceptProposedAction();
}

void CMainWnd::dropEvent(QDropEvent* event)
{
    if (event->mimeData())
        DropProgram(*this, *event->mimeData());
    event->acceptProposedAction();
}

void CMainWnd::ShowContextMenu(const QPoint& globalPosition)
{
    QMenu menu(this);
    FillContextMenu(menu, *this);
    menu.exec(globalPosition);
}
