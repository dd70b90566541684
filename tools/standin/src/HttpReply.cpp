#include "HttpReply.h"

#include <QJsonDocument>

QByteArray HttpReply::reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Payload Too Large";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

HttpReply HttpReply::make(int status, const QByteArray &contentType, const QByteArray &body)
{
    HttpReply reply;
    reply.status = status;
    reply.bytes =
        "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\nContent-Type: " + contentType +
        "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return reply;
}

HttpReply HttpReply::json(int status, const QJsonObject &body)
{
    return make(status, "application/json", QJsonDocument(body).toJson(QJsonDocument::Compact));
}
