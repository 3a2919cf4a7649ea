#include "shell/SystemError.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <cerrno>
#include <cstring>

namespace {
QPointer<QWidget>& Owner()
{
    static QPointer<QWidget> owner;
    return owner;
}

SystemErrorSink& Sink()
{
    static SystemErrorSink sink;
    return sink;
}
}  // namespace

QString SystemErrorText(int errorCode)
{
    // glibc answers "Unknown error N" for codes it has no text for.
    if (errorCode > 0 && errorCode < 4096) {
        const QString text = QString::fromLocal8Bit(std::strerror(errorCode));
        if (!text.startsWith(QLatin1String("Unknown error")))
            return text;
    }
    return QString::asprintf("err 0x%08X", static_cast<unsigned>(errorCode));
}

void ShowSystemError(const QString& caption, int errorCode, const QString& text)
{
    const QString message = text.isEmpty()    ? SystemErrorText(errorCode)
                             : errorCode == 0 ? text
                                              : QStringLiteral("%1: %2").arg(text, SystemErrorText(errorCode));
    if (Sink()) {
        Sink()(caption, message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok, Owner().data());
    box.exec();
}

void SetSystemErrorOwner(QWidget* owner) { Owner() = owner; }

void SetSystemErrorSink(SystemErrorSink sink) { Sink() = std::move(sink); }
