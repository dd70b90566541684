#include "HttpExchange.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>

namespace {

void parseResponse(HttpExchange::Response &response)
{
    const qsizetype headEnd = response.raw.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    const QList<QByteArray> lines = response.raw.left(headEnd).split('\n');
    const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
    response.status = statusLine.size() >= 2 ? statusLine[1].toInt() : 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            response.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    response.body = response.raw.mid(headEnd + 4);
    const QByteArray length = response.header("Content-Length");
    if (!length.isEmpty())
        response.contentLength = length.toLongLong();
}

} // namespace

QByteArray HttpExchange::Response::header(const QByteArray &name) const
{
    for (const auto &entry : headers)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    return {};
}

HttpExchange::Response HttpExchange::send(quint16 port, const QByteArray &request, const QString &caFile,
                                          int timeoutMs)
{
    Response response;
    QDeadlineTimer deadline(timeoutMs);
    QSslSocket socket;
    if (caFile.isEmpty()) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        response.connected = socket.waitForConnected(int(deadline.remainingTime()));
    } else {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(QSslCertificate::fromPath(caFile));
        socket.setSslConfiguration(tls);
        socket.connectToHostEncrypted("127.0.0.1", port);
        response.connected = socket.waitForEncrypted(int(deadline.remainingTime()));
    }
    if (!response.connected) {
        response.error = socket.errorString();
        return response;
    }
    socket.write(request);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        response.raw += socket.readAll();
    }
    response.raw += socket.readAll();
    if (deadline.hasExpired())
        response.error = "timed out";
    parseResponse(response);
    return response;
}

QByteArray HttpExchange::post(const QByteArray &pathAndQuery, const QByteArray &contentType,
                              const QByteArray &body,
                              const QList<QPair<QByteArray, QByteArray>> &extraHeaders)
{
    QByteArray request =
        "POST " + pathAndQuery + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: " + contentType +
        "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n";
    for (const auto &header : extraHeaders)
        request += header.first + ": " + header.second + "\r\n";
    return request + "\r\n" + body;
}

QByteArray HttpExchange::get(const QByteArray &pathAndQuery)
{
    return "GET " + pathAndQuery + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}
