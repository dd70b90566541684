#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One raw HTTP exchange over loopback, blocking: the bytes of a request go out
// exactly as given and everything the peer sends until it closes comes back.
// With a CA file the connection is TLS and trusts only that CA.
class HttpExchange
{
public:
    struct Response
    {
        bool connected = false;
        QString error;  // transport or TLS failure, empty on success
        QByteArray raw; // all bytes received
        int status = 0;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body; // bytes after the head (as received, even when cut short)
        qint64 contentLength = -1;

        QByteArray header(const QByteArray &name) const;
        // True when the body ended before its Content-Length.
        bool truncated() const { return contentLength >= 0 && body.size() < contentLength; }
    };

    // Blocks for at most timeoutMs in all.
    static Response send(quint16 port, const QByteArray &request, const QString &caFile = {},
                         int timeoutMs = 10000);

    // A POST of the body to the path with the given extra header lines.
    static QByteArray post(const QByteArray &pathAndQuery, const QByteArray &contentType,
                           const QByteArray &body,
                           const QList<QPair<QByteArray, QByteArray>> &extraHeaders = {});
    static QByteArray get(const QByteArray &pathAndQuery);
};
