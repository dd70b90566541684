#pragma once

#include <QByteArray>
#include <QJsonObject>

// A response as it goes on the wire, and how to deliver it: at once, after a
// delay, once a test releases it, cut off after some bytes, or not at all (the
// connection just closes).
struct HttpReply
{
    int status = 200;
    QByteArray bytes;
    int delayMs = 0;
    bool held = false;
    qint64 cutAfter = -1;
    bool closeWithoutReply = false;

    static HttpReply make(int status, const QByteArray &contentType, const QByteArray &body);
    static HttpReply json(int status, const QJsonObject &body);
    static QByteArray reason(int status);
};
