#include "LocalInstanceChannel.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QByteArray showCommand = "show\n";
const int connectTimeoutMs = 1000;
const int decisionTimeoutMs = 5000;

} // namespace

QString LocalInstanceChannel::socketPath()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory + QStringLiteral("/qelvoxdesk-%1.socket").arg(getuid());
}

InstanceChannel::Claim LocalInstanceChannel::claim()
{
    QLockFile decision(socketPath() + QStringLiteral(".lock"));
    if (!decision.tryLock(decisionTimeoutMs)) {
        m_error = tr("Another start of the program did not finish in time.");
        return Claim::Failed;
    }
    if (askOwnerToShow())
        return Claim::Forwarded;
    return listen() ? Claim::Owner : Claim::Failed;
}

bool LocalInstanceChannel::askOwnerToShow()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write(showCommand);
    const bool sent = socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool LocalInstanceChannel::listen()
{
    // Nobody answered, so a socket file still there belongs to an instance that died.
    QLocalServer::removeServer(socketPath());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(socketPath())) {
        // Qt's own text can name a stale error number (a path too long for a socket); the path tells more.
        m_error = tr("The socket %1 cannot be opened: %2")
                      .arg(QDir::toNativeSeparators(socketPath()), m_server.errorString());
        return false;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine())
                    if (socket->readLine() == showCommand)
                        emit showRequested();
            });
        }
    });
    return true;
}
