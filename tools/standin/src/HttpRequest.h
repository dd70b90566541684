#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

// Value of a header by case-insensitive name; empty when absent.
QByteArray headerValue(const HeaderList &headers, const QByteArray &name);

// One HTTP/1.x request as it arrived, with its raw bytes for the SOAP engine.
struct HttpRequest
{
    enum class Parse { Incomplete, Complete, Invalid, TooLarge };

    QByteArray method;
    QByteArray path;
    QByteArray query;
    HeaderList headers;
    QByteArray body;
    QByteArray raw;

    QByteArray header(const QByteArray &name) const { return headerValue(headers, name); }
    QString queryItem(const QString &name) const;

    // Reads one request from the front of buffer; bodies need a Content-Length.
    static Parse parse(const QByteArray &buffer, HttpRequest &request);
};
