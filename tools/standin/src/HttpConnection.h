#pragma once

#include "HoldGate.h"
#include "HttpReply.h"
#include "HttpRequest.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QTcpSocket;

// One client connection: reads a single request, hands it to the handler and
// delivers the reply as the reply asks, then closes. Deletes itself when done.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<HttpReply(const HttpRequest &request, bool https)>;

    // Takes ownership of the socket; held replies wait for the gate.
    HttpConnection(QTcpSocket *socket, bool https, const Handler &handler, HoldGate *gate, QObject *parent);

private:
    void readRequest();
    void deliver(const HttpReply &reply);

    QTcpSocket *socket;
    bool https;
    Handler handler;
    HoldGate *gate;
    QByteArray buffer;
    QTimer idleTimer;
    bool answered = false;
};
