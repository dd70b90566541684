#pragma once

// Raw SOAP 1.1 requests and reply readers for the stand-in's tests: the bytes
// are written here by hand so that no client code is involved.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace soapmsg {

struct Credentials
{
    QByteArray email;
    QByteArray digest;
};

struct Part
{
    QByteArray name;
    QByteArray content;
};

QByteArray md5(const QByteArray &text);

// A whole HTTP request for an operation of the account service ("ns1") or the sign-up service ("ns3");
// independent elements (multi-reference values with an id) follow the operation in the body.
QByteArray accountCall(const QByteArray &operation, const QByteArray &params, const Credentials &credentials,
                       const QByteArray &independent = {});
QByteArray signupCall(const QByteArray &operation, const QByteArray &params);
// An account-service call whose documents follow as Base64 MIME parts, named in a Content-Disposition line.
QByteArray accountCallWithParts(const QByteArray &operation, const QByteArray &params,
                                const Credentials &credentials, const QList<Part> &parts);

QByteArray intParam(const char *name, int value);
QByteArray stringParam(const char *name, const QByteArray &value);
QByteArray intArray(const char *name, const QList<int> &values);
QByteArray stringArray(const char *name, const QStringList &values);

// Texts of every element with this local name, in document order.
QStringList texts(const QByteArray &xml, const QString &name);
QString text(const QByteArray &xml, const QString &name);
QList<int> ints(const QByteArray &xml, const QString &parent);
// The elements of one array member, each as the texts of its child elements by name.
QList<QList<QPair<QString, QString>>> items(const QByteArray &xml, const QString &arrayName);
// The parts of a multipart reply body, split at the boundary of its Content-Type.
QList<QByteArray> multipartParts(const QByteArray &contentType, const QByteArray &body);
QByteArray partBody(const QByteArray &part);
QByteArray partHeader(const QByteArray &part, const QByteArray &name);

} // namespace soapmsg
