#include "SoapMessages.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace soapmsg {
namespace {

const QByteArray envelopeOpen =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
    "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
    "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:ns1=\"urn:QelvoxService\" xmlns:ns3=\"urn:ClientService\">";

QByteArray envelope(const QByteArray &element, const QByteArray &params, const Credentials &credentials,
                    const QByteArray &independent = {})
{
    const QByteArray header = credentials.email.isNull()
                                  ? QByteArray()
                                  : "<SOAP-ENV:Header><AuthenticationHeader><email xsi:type=\"xsd:string\">" +
                                        credentials.email + "</email><password xsi:type=\"xsd:string\">" +
                                        credentials.digest +
                                        "</password></AuthenticationHeader></SOAP-ENV:Header>";
    return envelopeOpen + header +
           "<SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><" + element +
           ">" + params + "</" + element + ">" + independent + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

QByteArray request(const QByteArray &path, const QByteArray &action, const QByteArray &contentType,
                   const QByteArray &body)
{
    return "POST " + path +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: standin-test\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\nSOAPAction: \"" + action + "\"\r\n\r\n" + body;
}

} // namespace

QByteArray md5(const QByteArray &text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
}

QByteArray accountCall(const QByteArray &operation, const QByteArray &params, const Credentials &credentials,
                       const QByteArray &independent)
{
    return request("/index.php?service=Qelvox", "urn:QelvoxService#" + operation, "text/xml; charset=utf-8",
                   envelope("ns1:QelvoxService." + operation, params, credentials, independent));
}

QByteArray signupCall(const QByteArray &operation, const QByteArray &params)
{
    return request("/index.php?service=Client", "urn:ClientService#" + operation, "text/xml; charset=utf-8",
                   envelope("ns3:ClientService." + operation, params, {}));
}

QByteArray accountCallWithParts(const QByteArray &operation, const QByteArray &params,
                                const Credentials &credentials, const QList<Part> &parts)
{
    const QByteArray boundary = "==standin-test-boundary==";
    QByteArray body = "--" + boundary +
                      "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Transfer-Encoding: binary\r\n"
                      "Content-ID: <SOAP-ENV:Envelope>\r\n\r\n" +
                      envelope("ns1:QelvoxService." + operation, params, credentials);
    for (const Part &part : parts)
        body += "\r\n--" + boundary +
                "\r\nContent-Type: application/octet-stream\r\nContent-Disposition: attachment; filename=\"" +
                part.name + "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Location: " + part.name +
                "\r\n\r\n" + part.content.toBase64();
    body += "\r\n--" + boundary + "--\r\n";
    return request("/index.php?service=Qelvox", "urn:QelvoxService#" + operation,
                   "multipart/related; charset=utf-8; boundary=\"" + boundary +
                       "\"; type=\"text/xml\"; start=\"<SOAP-ENV:Envelope>\"",
                   body);
}

QByteArray intParam(const char *name, int value)
{
    return QByteArray("<") + name + " xsi:type=\"xsd:int\">" + QByteArray::number(value) + "</" + name + ">";
}

QByteArray stringParam(const char *name, const QByteArray &value)
{
    return QByteArray("<") + name + " xsi:type=\"xsd:string\">" + value + "</" + name + ">";
}

QByteArray intArray(const char *name, const QList<int> &values)
{
    QByteArray items;
    for (int value : values)
        items += intParam("item", value);
    return QByteArray("<") + name + " xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"xsd:int[" +
           QByteArray::number(values.size()) + "]\">" + items + "</" + name + ">";
}

QByteArray stringArray(const char *name, const QStringList &values)
{
    QByteArray items;
    for (const QString &value : values)
        items += stringParam("item", value.toUtf8());
    return QByteArray("<") + name + " xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"xsd:string[" +
           QByteArray::number(values.size()) + "]\">" + items + "</" + name + ">";
}

QStringList texts(const QByteArray &xml, const QString &name)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == name)
            result.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return result;
}

QString text(const QByteArray &xml, const QString &name)
{
    const QStringList found = texts(xml, name);
    return found.isEmpty() ? QString() : found.first();
}

QList<QList<QPair<QString, QString>>> items(const QByteArray &xml, const QString &arrayName)
{
    QList<QList<QPair<QString, QString>>> result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !(reader.isStartElement() && reader.name() == arrayName))
        reader.readNext();
    while (reader.readNextStartElement()) {
        QList<QPair<QString, QString>> fields;
        QString leaf;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isCharacters())
                leaf += reader.text();
            else if (reader.isStartElement())
                fields.append({reader.name().toString(), reader.readElementText()});
            else if (reader.isEndElement())
                break;
        }
        if (fields.isEmpty())
            fields.append({"item", leaf});
        result.append(fields);
    }
    return result;
}

QList<int> ints(const QByteArray &xml, const QString &parent)
{
    QList<int> result;
    for (const auto &item : items(xml, parent))
        result.append(item.isEmpty() ? 0 : item.first().second.toInt());
    return result;
}

QList<QByteArray> multipartParts(const QByteArray &contentType, const QByteArray &body)
{
    const QRegularExpression pattern(R"re(boundary="?([^";]+)"?)re");
    const QByteArray boundary = "--" + pattern.match(QString::fromLatin1(contentType)).captured(1).toLatin1();
    QList<QByteArray> parts;
    qsizetype at = body.indexOf(boundary);
    while (at >= 0 && body.mid(at + boundary.size(), 2) != "--") {
        const qsizetype start = body.indexOf("\r\n", at) + 2;
        const qsizetype next = body.indexOf("\r\n" + boundary, start);
        if (start < 2 || next < 0)
            break;
        parts.append(body.mid(start, next - start));
        at = next + 2;
    }
    return parts;
}

QByteArray partBody(const QByteArray &part)
{
    return part.mid(part.indexOf("\r\n\r\n") + 4);
}

QByteArray partHeader(const QByteArray &part, const QByteArray &name)
{
    for (const QByteArray &line : part.left(part.indexOf("\r\n\r\n")).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

} // namespace soapmsg
