#pragma once

#include <QJsonObject>
#include <QString>

// Reads a SOAP request envelope on its own, apart from the generated
// skeleton, so that the request log shows what arrived even when the call is
// refused or answered by an injected fault.
struct SoapCall
{
    bool valid = false;
    QString error;
    QString namespaceUri;
    QString operation; // the element name after the service name, e.g. "sendFaxRegister"
    QString email;
    QString password;
    QJsonObject params; // parameters by element name; SOAP-encoded arrays become JSON arrays

    static SoapCall decode(const QByteArray &envelope);
};
