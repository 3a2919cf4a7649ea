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

QString SingleInstance::DefaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    return QStringLiteral("Norvane-") + user;
}
