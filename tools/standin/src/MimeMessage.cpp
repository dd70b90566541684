#include "MimeMessage.h"

#include "HttpRequest.h"

#include <QRegularExpression>

namespace {

struct Part
{
    HeaderList headers;
    QByteArray content;

    QByteArray header(const QByteArray &name) const { return headerValue(headers, name); }
};

QByteArray parameter(const QByteArray &headerValue, const char *name)
{
    const QRegularExpression pattern(QString(R"re((?:^|;)\s*%1\s*=\s*(?:"([^"]*)"|([^;\s]*)))re").arg(name),
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(headerValue));
    if (!match.hasMatch())
        return {};
    return (match.capturedLength(1) > 0 ? match.captured(1) : match.captured(2)).toLatin1();
}

Part parsePart(const QByteArray &raw)
{
    Part part;
    const qsizetype headEnd = raw.indexOf("\r\n\r\n");
    const QByteArray head = headEnd < 0 ? QByteArray() : raw.left(headEnd);
    part.content = headEnd < 0 ? raw : raw.mid(headEnd + 4);
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            part.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return part;
}

Document attachment(const Part &part)
{
    QByteArray name = parameter(part.header("Content-Disposition"), "filename");
    if (name.isEmpty())
        name = part.header("Content-Location");
    if (name.isEmpty())
        name = part.header("Content-ID");
    const bool base64 =
        part.header("Content-Transfer-Encoding").trimmed().compare("base64", Qt::CaseInsensitive) == 0;
    const QByteArray type = part.header("Content-Type").split(';').first().trimmed();
    return {QString::fromLatin1(name), QString::fromLatin1(type),
            base64 ? QByteArray::fromBase64(part.content) : part.content};
}

} // namespace

MimeMessage MimeMessage::parse(const QByteArray &contentType, const QByteArray &body)
{
    MimeMessage message;
    const QByteArray boundary = parameter(contentType, "boundary");
    if (!contentType.trimmed().toLower().startsWith("multipart/") || boundary.isEmpty()) {
        message.root = body;
        return message;
    }
    const QByteArray delimiter = "--" + boundary;
    QList<Part> parts;
    qsizetype at = body.indexOf(delimiter);
    while (at >= 0) {
        qsizetype start = at + delimiter.size();
        if (body.mid(start, 2) == "--")
            break;
        start = body.indexOf("\r\n", start);
        if (start < 0)
            break;
        start += 2;
        const qsizetype next = body.indexOf("\r\n" + delimiter, start);
        parts.append(parsePart(body.mid(start, next < 0 ? -1 : next - start)));
        at = next < 0 ? -1 : next + 2;
    }
    const QByteArray start = parameter(contentType, "start");
    qsizetype rootIndex = 0;
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (!start.isEmpty() && parts[i].header("Content-ID") == start)
            rootIndex = i;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == rootIndex)
            message.root = parts[i].content;
        else
            message.attachments.append(attachment(parts[i]));
    }
    return message;
}
