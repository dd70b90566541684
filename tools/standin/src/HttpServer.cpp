#include "HttpServer.h"

#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

HttpServer::HttpServer(const HttpConnection::Handler &handler, HoldGate *gate, QObject *parent)
    : QObject(parent), handler(handler), gate(gate)
{
}

bool HttpServer::listen(QTcpServer *server, quint16 port, bool https)
{
    connect(server, &QTcpServer::pendingConnectionAvailable, this, [this, server, https] {
        while (QTcpSocket *socket = server->nextPendingConnection())
            new HttpConnection(socket, https, handler, gate, this);
    });
    if (server->listen(QHostAddress::LocalHost, port))
        return true;
    error = QString("cannot listen on 127.0.0.1:%1: %2").arg(port).arg(server->errorString());
    return false;
}

bool HttpServer::listenHttp(quint16 port)
{
    http = new QTcpServer(this);
    return listen(http, port, false);
}

bool HttpServer::listenHttps(quint16 port, const QSslConfiguration &tls)
{
    auto *server = new QSslServer(this);
    server->setSslConfiguration(tls);
    secure = server;
    return listen(secure, port, true);
}

quint16 HttpServer::httpPort() const
{
    return http ? http->serverPort() : 0;
}

quint16 HttpServer::httpsPort() const
{
    return secure ? secure->serverPort() : 0;
}
