#pragma once

#include "HttpConnection.h"

#include <QObject>
#include <QSslConfiguration>

class QTcpServer;

// The stand-in's listeners: plain HTTP and, when given a certificate, HTTPS,
// both on 127.0.0.1 only.
class HttpServer : public QObject
{
    Q_OBJECT

public:
    HttpServer(const HttpConnection::Handler &handler, HoldGate *gate, QObject *parent = nullptr);

    // Port 0 picks a free port. Returns false and leaves a message in errorText when it cannot listen.
    bool listenHttp(quint16 port);
    bool listenHttps(quint16 port, const QSslConfiguration &tls);
    quint16 httpPort() const;
    quint16 httpsPort() const;
    QString errorText() const { return error; }

private:
    bool listen(QTcpServer *server, quint16 port, bool https);

    HttpConnection::Handler handler;
    HoldGate *gate;
    QTcpServer *http = nullptr;
    QTcpServer *secure = nullptr;
    QString error;
};
