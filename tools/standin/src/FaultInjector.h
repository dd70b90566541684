#pragma once

#include "HttpReply.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <optional>

// Faults that tests arm per operation name (or "*" for any operation).
struct Injection
{
    enum class Kind { Soap11Fault, Soap12Fault, HttpStatus, CloseMidReply, Delay, Hold, Malformed };

    Kind kind = Kind::Soap11Fault;
    QString code;    // fault code as written, e.g. "SOAP-ENV:Client"
    QString prefix;  // the prefix that the fault's envelope binds to the envelope namespace
    QString subcode; // SOAP 1.2 only
    QString reason;
    int status = 500; // HTTP status
    int delayMs = 0;
    qint64 cutAfter = -1;
    QByteArray body;    // replaces the reply body (HTTP status, malformed)
    int remaining = -1; // uses left; -1 for no limit
    int objectId = -1;  // only calls that name this object (an "object" member of the request); -1: any call

    // True when the operation is not carried out: the request gets only the fault.
    bool replacesOperation() const;
    // Builds the whole reply for a fault that replaces the operation.
    HttpReply reply() const;
    // Alters the real reply of an operation that ran.
    HttpReply alter(const HttpReply &real) const;

    // Parses a control request; an error text when it is not understood.
    static std::optional<Injection> fromJson(const QJsonObject &json, QString *error);
    static QString kindName(Kind kind);
};

class FaultInjector
{
public:
    void arm(const QString &operation, const Injection &injection) { armed.insert(operation, injection); }
    void clear() { armed.clear(); }
    // The injection for this call of the operation with these decoded parameters, counting one use of it.
    std::optional<Injection> take(const QString &operation, const QJsonObject &params);

private:
    QHash<QString, Injection> armed;
};
