#include "HttpConnection.h"

#include <QTcpSocket>

namespace {

constexpr int IdleTimeoutMs = 30000;

} // namespace

HttpConnection::HttpConnection(QTcpSocket *socket, bool https, const Handler &handler, HoldGate *gate,
                               QObject *parent)
    : QObject(parent), socket(socket), https(https), handler(handler), gate(gate)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &HttpConnection::readRequest);
    connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    idleTimer.setSingleShot(true);
    connect(&idleTimer, &QTimer::timeout, socket, &QTcpSocket::abort);
    idleTimer.start(IdleTimeoutMs);
    readRequest();
}

void HttpConnection::readRequest()
{
    if (answered) {
        socket->readAll();
        return;
    }
    buffer.append(socket->readAll());
    HttpRequest request;
    switch (HttpRequest::parse(buffer, request)) {
    case HttpRequest::Parse::Incomplete:
        return;
    case HttpRequest::Parse::Invalid:
        answered = true;
        deliver(HttpReply::make(400, "text/plain", "malformed request\n"));
        return;
    case HttpRequest::Parse::TooLarge:
        answered = true;
        deliver(HttpReply::make(413, "text/plain", "request too large\n"));
        return;
    case HttpRequest::Parse::Complete:
        answered = true;
        deliver(handler(request, https));
        return;
    }
}

void HttpConnection::deliver(const HttpReply &reply)
{
    if (reply.held) {
        HttpReply now = reply;
        now.held = false;
        // A held call may take as long as the test needs; the client's own time-outs still apply.
        idleTimer.stop();
        connect(
            gate, &HoldGate::released, this,
            [this, now] {
                idleTimer.start(IdleTimeoutMs);
                deliver(now);
            },
            Qt::SingleShotConnection);
        return;
    }
    if (reply.delayMs > 0) {
        HttpReply now = reply;
        now.delayMs = 0;
        idleTimer.start(IdleTimeoutMs + reply.delayMs);
        QTimer::singleShot(reply.delayMs, this, [this, now] { deliver(now); });
        return;
    }
    if (reply.closeWithoutReply) {
        socket->abort();
        return;
    }
    socket->write(reply.cutAfter >= 0 ? reply.bytes.left(reply.cutAfter) : reply.bytes);
    // Leaves once everything queued has been written, which also ends a cut reply early.
    socket->disconnectFromHost();
}
