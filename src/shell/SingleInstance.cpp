#include "shell/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kConnectMs = 500;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectMs)) {
        first_ = false;
        probe.write(kRaise);
        probe.waitForBytesWritten(kConnectMs);
        probe.disconnectFromServer();
        return;
    }
    // Nobody answered: a socket left by a copy that crashed is stale.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('\n'))
                    emit RaiseRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::~SingleInstance() = default;

// One copy per desktop session: the same user on another display or in
// another session starts a copy of its own there.
QString SingleInstance::DefaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString name = QStringLiteral("Norvane-%1-%2").arg(user, display);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}
