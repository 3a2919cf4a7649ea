#pragma once
// The common report of a failed platform call: a message box with the
// caption and the system's text for the error.

#include <QString>
#include <functional>

class QWidget;

// The system's text for an errno value, or "err 0x%08X" when it has none.
QString SystemErrorText(int errorCode);

// text, when given with errorCode 0, replaces the system's text (storage names
// its own reason); with an errorCode it names what failed, before the system's text.
void ShowSystemError(const QString& caption, int errorCode, const QString& text = {});

// The window that owns the boxes; null before the main window exists.
void SetSystemErrorOwner(QWidget* owner);

// Tests and the benchmark collect reports instead of opening modal boxes.
using SystemErrorSink = std::function<void(const QString& caption, const QString& text)>;
void SetSystemErrorSink(SystemErrorSink sink);
