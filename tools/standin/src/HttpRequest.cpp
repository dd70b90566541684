#include "HttpRequest.h"

#include <QUrlQuery>

namespace {

constexpr qsizetype MaxHeadSize = 64 * 1024;
constexpr qsizetype MaxBodySize = 64 * 1024 * 1024;

} // namespace

QByteArray headerValue(const HeaderList &headers, const QByteArray &name)
{
    for (const auto &entry : headers)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    return {};
}

QString HttpRequest::queryItem(const QString &name) const
{
    return QUrlQuery(QString::fromUtf8(query)).queryItemValue(name, QUrl::FullyDecoded);
}

HttpRequest::Parse HttpRequest::parse(const QByteArray &buffer, HttpRequest &request)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return buffer.size() > MaxHeadSize ? Parse::TooLarge : Parse::Incomplete;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1."))
        return Parse::Invalid;
    request.method = requestLine[0];
    const QByteArray target = requestLine[1];
    const qsizetype mark = target.indexOf('?');
    request.path = mark < 0 ? target : target.left(mark);
    request.query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    request.headers.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0)
            return Parse::Invalid;
        request.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    if (!request.header("Transfer-Encoding").isEmpty())
        return Parse::Invalid;
    bool numeric = true;
    const QByteArray lengthText = request.header("Content-Length");
    const qint64 length = lengthText.isEmpty() ? 0 : lengthText.toLongLong(&numeric);
    if (!numeric || length < 0)
        return Parse::Invalid;
    if (length > MaxBodySize)
        return Parse::TooLarge;
    const qsizetype total = headEnd + 4 + length;
    if (buffer.size() < total)
        return Parse::Incomplete;
    request.body = buffer.mid(headEnd + 4, length);
    request.raw = buffer.left(total);
    return Parse::Complete;
}
