#include "ConnectProxy.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

QByteArray headerValue(const QByteArray &head, const QByteArray &name)
{
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

// Bytes from one side go to the other; when either side closes, the other is closed once its bytes are out.
void pipe(QTcpSocket *from, QTcpSocket *to)
{
    QObject::connect(from, &QTcpSocket::readyRead, to, [from, to] { to->write(from->readAll()); });
    QObject::connect(from, &QTcpSocket::disconnected, to, [to] { to->disconnectFromHost(); });
}

// A refusal as a real proxy words it: a short page, and the scheme it wants when it asks for credentials.
QByteArray refusalReply(const QByteArray &status)
{
    const QByteArray page = "<html><body>" + status + "</body></html>";
    QByteArray reply = "HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nConnection: close\r\n";
    if (status.startsWith("407"))
        reply += "Proxy-Authenticate: Basic realm=\"test proxy\"\r\n";
    return reply + "Content-Length: " + QByteArray::number(page.size()) + "\r\n\r\n" + page;
}

} // namespace

ConnectProxy::ConnectProxy()
{
    start();
    ready.acquire();
}

ConnectProxy::~ConnectProxy()
{
    quit();
    wait();
}

QList<ConnectProxy::Tunnel> ConnectProxy::tunnels() const
{
    QMutexLocker locker(&mutex);
    return opened;
}

void ConnectProxy::clear()
{
    QMutexLocker locker(&mutex);
    opened.clear();
}

void ConnectProxy::record(const Tunnel &tunnel)
{
    QMutexLocker locker(&mutex);
    opened.append(tunnel);
}

void ConnectProxy::refuseWith(const QByteArray &status)
{
    QMutexLocker locker(&mutex);
    refusalStatus = status;
}

QByteArray ConnectProxy::refusal() const
{
    QMutexLocker locker(&mutex);
    return refusalStatus;
}

void ConnectProxy::run()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    listeningPort = server.serverPort();
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        QTcpSocket *client = server.nextPendingConnection();
        ++accepted;
        if (!open) {
            client->abort();
            client->deleteLater();
            return;
        }
        auto *head = new QByteArray;
        QObject::connect(client, &QObject::destroyed, [head] { delete head; });
        QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, head] {
            *head += client->readAll();
            if (!head->contains("\r\n\r\n"))
                return;
            QObject::disconnect(client, &QTcpSocket::readyRead, client, nullptr);
            const QList<QByteArray> requestLine = head->left(head->indexOf('\r')).split(' ');
            const QByteArray target = requestLine.value(1);
            record({target, headerValue(*head, "Proxy-Authorization")});
            if (!answers) {
                client->abort();
                return;
            }
            if (const QByteArray status = refusal(); !status.isEmpty()) {
                client->write(refusalReply(status));
                client->disconnectFromHost();
                return;
            }
            auto *upstream = new QTcpSocket(client);
            QObject::connect(upstream, &QTcpSocket::connected, client, [client, upstream] {
                // From here on a closing upstream ends the tunnel through the pipe.
                QObject::disconnect(upstream, &QTcpSocket::errorOccurred, client, nullptr);
                client->write("HTTP/1.0 200 Connection established\r\n\r\n");
                pipe(client, upstream);
                pipe(upstream, client);
                if (client->bytesAvailable())
                    upstream->write(client->readAll());
            });
            QObject::connect(upstream, &QTcpSocket::errorOccurred, client, [client] {
                client->write("HTTP/1.0 502 Bad Gateway\r\n\r\n");
                client->disconnectFromHost();
            });
            const quint16 asked = target.mid(target.lastIndexOf(':') + 1).toUShort();
            upstream->connectToHost(QHostAddress::LocalHost, upstreamPort ? quint16(upstreamPort) : asked);
        });
    });
    ready.release();
    exec();
}
