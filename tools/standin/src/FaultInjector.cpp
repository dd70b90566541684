#include "FaultInjector.h"

#include <QJsonArray>
#include <algorithm>

namespace {

struct KindName
{
    Injection::Kind kind;
    const char *name;
};

const KindName kindNames[] = {
    {Injection::Kind::Soap11Fault, "soap11-fault"},
    {Injection::Kind::Soap12Fault, "soap12-fault"},
    {Injection::Kind::HttpStatus, "http-status"},
    {Injection::Kind::CloseMidReply, "close"},
    {Injection::Kind::Delay, "delay"},
    {Injection::Kind::Hold, "hold"},
    {Injection::Kind::Malformed, "malformed"},
};

// Whether any "object" member of the decoded parameters, at any depth, is the id.
bool namesObject(const QJsonValue &value, int id)
{
    if (value.isArray()) {
        const QJsonArray items = value.toArray();
        return std::any_of(items.begin(), items.end(),
                           [id](const QJsonValue &item) { return namesObject(item, id); });
    }
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto member = object.begin(); member != object.end(); ++member) {
        const bool named = member.key() == QLatin1String("object") ? member.value().toInt(-1) == id
                                                                    : namesObject(member.value(), id);
        if (named)
            return true;
    }
    return false;
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// The prefix that the fault's envelope binds to its namespace; "SOAP-ENV" by default.
QByteArray prefixOf(const Injection &injection)
{
    return escaped(injection.prefix.isEmpty() ? "SOAP-ENV" : injection.prefix);
}

QByteArray envelope(const QByteArray &p, const char *ns, const QByteArray &fault)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + p + ":Envelope xmlns:" + p + "=\"" + ns +
           "\"><" + p + ":Body><" + p + ":Fault>" + fault + "</" + p + ":Fault></" + p + ":Body></" + p +
           ":Envelope>";
}

// <p:name>content</p:name>
QByteArray element(const QByteArray &p, const char *name, const QByteArray &content)
{
    const QByteArray tag = p + ':' + name;
    return '<' + tag + '>' + content + "</" + tag + '>';
}

QByteArray soap11Fault(const Injection &injection)
{
    return envelope(prefixOf(injection), "http://schemas.xmlsoap.org/soap/envelope/",
                    "<faultcode>" + escaped(injection.code.isEmpty() ? "SOAP-ENV:Client" : injection.code) +
                        "</faultcode><faultstring>" + escaped(injection.reason) + "</faultstring>");
}

QByteArray soap12Fault(const Injection &injection)
{
    const QByteArray p = prefixOf(injection);
    const QByteArray subcode = injection.subcode.isEmpty()
                                   ? QByteArray()
                                   : element(p, "Subcode", element(p, "Value", escaped(injection.subcode)));
    const QByteArray code = escaped(injection.code.isEmpty() ? "SOAP-ENV:Sender" : injection.code);
    return envelope(
        p, "http://www.w3.org/2003/05/soap-envelope",
        element(p, "Code", element(p, "Value", code) + subcode) +
            element(p, "Reason",
                    '<' + p + ":Text xml:lang=\"en\">" + escaped(injection.reason) + "</" + p + ":Text>"));
}

} // namespace

bool Injection::replacesOperation() const
{
    return kind == Kind::Soap11Fault || kind == Kind::Soap12Fault || kind == Kind::HttpStatus;
}

HttpReply Injection::reply() const
{
    switch (kind) {
    case Kind::Soap11Fault:
        return HttpReply::make(status, "text/xml; charset=utf-8", soap11Fault(*this));
    case Kind::Soap12Fault:
        return HttpReply::make(status, "text/xml; charset=utf-8", soap12Fault(*this));
    default:
        return HttpReply::make(status, "text/html",
                               body.isEmpty() ? "<html><body>injected</body></html>" : body);
    }
}

HttpReply Injection::alter(const HttpReply &real) const
{
    HttpReply reply = real;
    const qsizetype headEnd = real.bytes.indexOf("\r\n\r\n") + 4;
    switch (kind) {
    case Kind::Delay:
        reply.delayMs = delayMs;
        break;
    case Kind::Hold:
        reply.held = true;
        break;
    case Kind::CloseMidReply:
        // By default the head and half the body go out, so the body ends short of its Content-Length.
        reply.cutAfter = cutAfter >= 0 ? cutAfter : headEnd + (real.bytes.size() - headEnd) / 2;
        break;
    case Kind::Malformed: {
        const QByteArray realBody = real.bytes.mid(headEnd);
        reply = HttpReply::make(200, "text/xml; charset=utf-8",
                                body.isEmpty() ? realBody.left(realBody.size() / 2) + "<</>" : body);
        break;
    }
    default:
        break;
    }
    return reply;
}

std::optional<Injection> Injection::fromJson(const QJsonObject &json, QString *error)
{
    Injection injection;
    const QString kind = json.value("kind").toString();
    bool known = false;
    for (const KindName &entry : kindNames)
        if (kind == QLatin1String(entry.name)) {
            injection.kind = entry.kind;
            known = true;
        }
    if (!known) {
        *error = "unknown kind \"" + kind + "\"";
        return std::nullopt;
    }
    injection.code = json.value("code").toString();
    injection.prefix = json.value("prefix").toString();
    injection.subcode = json.value("subcode").toString();
    injection.reason = json.value("reason").toString("Injected fault");
    injection.status = json.value("status").toInt(500);
    injection.delayMs = json.value("delayMs").toInt(0);
    injection.cutAfter = json.value("cutAfter").toInteger(-1);
    injection.body = json.value("body").toString().toUtf8();
    injection.remaining = json.value("times").toInt(-1);
    injection.objectId = json.value("objectId").toInt(-1);
    return injection;
}

QString Injection::kindName(Kind kind)
{
    for (const KindName &entry : kindNames)
        if (entry.kind == kind)
            return entry.name;
    return {};
}

std::optional<Injection> FaultInjector::take(const QString &operation, const QJsonObject &params)
{
    auto found = armed.find(operation);
    if (found == armed.end())
        found = armed.find("*");
    if (found == armed.end())
        return std::nullopt;
    // A call about other objects runs as if nothing were armed, and uses up nothing.
    if (found->objectId >= 0 && !namesObject(params, found->objectId))
        return std::nullopt;
    const Injection injection = *found;
    if (found->remaining > 0 && --found->remaining == 0)
        armed.erase(found);
    return injection;
}
