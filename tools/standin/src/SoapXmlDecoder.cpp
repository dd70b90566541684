#include "SoapXmlDecoder.h"

#include <QHash>
#include <QJsonArray>
#include <QXmlStreamReader>

namespace {

constexpr int MaxDepth = 64;

struct Node
{
    QString ns;
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    QList<Node> children;

    const Node *child(const QString &childName) const
    {
        for (const Node &node : children)
            if (node.name == childName)
                return &node;
        return nullptr;
    }

    QString attribute(const QString &localName) const
    {
        for (const QXmlStreamAttribute &attribute : attributes)
            if (attribute.name() == localName)
                return attribute.value().toString();
        return {};
    }
};

Node readNode(QXmlStreamReader &xml, int depth)
{
    Node node{xml.namespaceUri().toString(), xml.name().toString(), xml.attributes(), {}, {}};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (depth >= MaxDepth) {
                xml.raiseError("nesting too deep");
                break;
            }
            node.children.append(readNode(xml, depth + 1));
        } else if (xml.isCharacters())
            node.text += xml.text();
        else if (xml.isEndElement())
            break;
    }
    return node;
}

QString localType(const Node &node)
{
    const QString type = node.attribute("type");
    return type.mid(type.indexOf(':') + 1);
}

class Converter
{
public:
    explicit Converter(const QHash<QString, const Node *> &ids) : ids(ids) {}

    QJsonValue value(const Node &node, int depth = 0) const
    {
        const QString href = node.attribute("href");
        if (href.startsWith('#')) {
            const Node *target = ids.value(href.mid(1));
            return target && depth < MaxDepth ? value(*target, depth + 1) : QJsonValue();
        }
        if (node.attribute("nil") == "true")
            return QJsonValue();
        if (!node.attribute("arrayType").isEmpty() || localType(node) == "Array") {
            QJsonArray items;
            for (const Node &item : node.children)
                items.append(value(item, depth + 1));
            return items;
        }
        if (!node.children.isEmpty()) {
            QJsonObject members;
            for (const Node &member : node.children)
                members.insert(member.name, value(member, depth + 1));
            return members;
        }
        return leaf(node);
    }

private:
    static QJsonValue leaf(const Node &node)
    {
        const QString type = localType(node);
        bool ok = false;
        if (type == "int" || type == "short" || type == "byte" || type == "long") {
            const qint64 number = node.text.trimmed().toLongLong(&ok);
            if (ok)
                return number;
        } else if (type == "double" || type == "float") {
            const double number = node.text.trimmed().toDouble(&ok);
            if (ok)
                return number;
        }
        return node.text;
    }

    const QHash<QString, const Node *> &ids;
};

void collectIds(const Node &node, QHash<QString, const Node *> &ids)
{
    const QString id = node.attribute("id");
    if (!id.isEmpty())
        ids.insert(id, &node);
    for (const Node &child : node.children)
        collectIds(child, ids);
}

} // namespace

SoapCall SoapCall::decode(const QByteArray &envelope)
{
    SoapCall call;
    QXmlStreamReader xml(envelope);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    const Node root = xml.isStartElement() ? readNode(xml, 0) : Node();
    if (xml.hasError() || root.name != "Envelope") {
        call.error = xml.hasError() ? xml.errorString() : "no SOAP envelope";
        return call;
    }
    if (const Node *header = root.child("Header")) {
        if (const Node *credentials = header->child("AuthenticationHeader")) {
            const Node *email = credentials->child("email");
            const Node *password = credentials->child("password");
            call.email = email ? email->text : QString();
            call.password = password ? password->text : QString();
        }
    }
    const Node *body = root.child("Body");
    if (!body || body->children.isEmpty()) {
        call.error = "no operation in the SOAP body";
        return call;
    }
    QHash<QString, const Node *> ids;
    collectIds(*body, ids);
    const Node &operation = body->children.first();
    call.namespaceUri = operation.ns;
    call.operation = operation.name.mid(operation.name.indexOf('.') + 1);
    const Converter converter(ids);
    for (const Node &param : operation.children)
        call.params.insert(param.name, converter.value(param));
    call.valid = true;
    return call;
}
