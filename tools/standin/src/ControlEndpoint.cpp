#include "ControlEndpoint.h"

#include "PdfDocument.h"
#include "Seeder.h"

#include <QJsonDocument>
#include <QTimer>

namespace {

constexpr int ShutdownDelayMs = 200;

HttpReply failure(int status, const QString &message)
{
    return HttpReply::json(status, {{"ok", false}, {"error", message}});
}

HttpReply ok(QJsonObject body = {})
{
    body.insert("ok", true);
    return HttpReply::json(200, body);
}

std::optional<FileShelf::Mode> fileMode(const QString &name)
{
    if (name.isEmpty() || name == "serve")
        return FileShelf::Mode::Serve;
    if (name == "404")
        return FileShelf::Mode::NotFound;
    if (name == "cut")
        return FileShelf::Mode::Cut;
    return std::nullopt;
}

} // namespace

ControlEndpoint::ControlEndpoint(const Parts &parts) : parts(parts) {}

bool ControlEndpoint::isControlRequest(const HttpRequest &request)
{
    return request.path.startsWith("/control/");
}

HttpReply ControlEndpoint::handle(const HttpRequest &request)
{
    const QByteArray command = request.path.mid(int(sizeof "/control/") - 1);
    if (request.method == "GET" && command == "log")
        return ok({{"requests", parts.log.entries()}});
    if (request.method == "GET" && command == "ping")
        return ok();
    if (request.method != "POST")
        return failure(405, "control commands other than ping and log are POSTs");
    QJsonParseError error;
    const QJsonDocument document =
        request.body.isEmpty() ? QJsonDocument(QJsonObject()) : QJsonDocument::fromJson(request.body, &error);
    if (!document.isObject())
        return failure(400, "the body is not a JSON object: " + error.errorString());
    const QJsonObject body = document.object();
    using Command = HttpReply (ControlEndpoint::*)(const QJsonObject &);
    static const QHash<QByteArray, Command> commands = {
        {"seed", &ControlEndpoint::seed},
        {"advance", &ControlEndpoint::advance},
        {"received-fax", &ControlEndpoint::receivedFax},
        {"change", &ControlEndpoint::change},
        {"inject", &ControlEndpoint::inject},
        {"file", &ControlEndpoint::file},
        {"app-version", &ControlEndpoint::appVersion},
    };
    if (const Command handler = commands.value(command))
        return (this->*handler)(body);
    if (command == "clear-injections") {
        parts.faults.clear();
        return ok();
    }
    if (command == "release") {
        parts.holds.release();
        return ok();
    }
    if (command == "clear-log") {
        parts.log.clear();
        return ok();
    }
    if (command == "shutdown") {
        // Leaves the connection time to send this answer before the event loop ends.
        QTimer::singleShot(ShutdownDelayMs, parts.shutdown);
        return ok();
    }
    return failure(404, "unknown control command " + QString::fromUtf8(command));
}

std::optional<Account> ControlEndpoint::account(const QJsonObject &body)
{
    return parts.mailbox.store().accountByEmail(body.value("email").toString());
}

HttpReply ControlEndpoint::seed(const QJsonObject &body)
{
    try {
        return ok(Seeder(parts.mailbox).apply(body));
    } catch (const SeedError &error) {
        return failure(400, QString::fromStdString(error.what()));
    }
}

HttpReply ControlEndpoint::advance(const QJsonObject &body)
{
    if (!parts.mailbox.advance(body.value("id").toInt(), body.value("status").toInt(1)))
        return failure(404, "no pending sent item with that id");
    return ok();
}

HttpReply ControlEndpoint::receivedFax(const QJsonObject &body)
{
    const std::optional<Account> owner = account(body);
    if (!owner)
        return failure(404, "no such account");
    StoredObject fax;
    fax.sender = body.value("sender").toString();
    fax.pages = body.value("pages").toInt(1);
    fax.folder = body.value("folder").toInt(0);
    // An explicit status stands for one the service gives in odd cases (-100: deleted).
    fax.status = body.value("status").toInt(body.value("read").toBool() ? 1 : 0);
    fax.date = body.value("date").toString();
    const QByteArray content = body.contains("base64")
                                   ? QByteArray::fromBase64(body.value("base64").toString().toLatin1())
                                   : PdfDocument::singlePage({"Fax from " + fax.sender});
    const int id =
        parts.mailbox.addReceivedFax(*owner, fax,
                                     {body.value("name").toString("fax.pdf"),
                                      body.value("contentType").toString("application/pdf"), content});
    return ok({{"id", id}});
}

HttpReply ControlEndpoint::change(const QJsonObject &body)
{
    const std::optional<Account> owner = account(body);
    if (!owner)
        return failure(404, "no such account");
    const int timestamp = parts.mailbox.store().appendChange(
        owner->id, body.value("object").toInt(), body.value("type").toInt(), body.value("action").toInt(1));
    return ok({{"timestamp", timestamp}});
}

HttpReply ControlEndpoint::inject(const QJsonObject &body)
{
    QString error;
    const std::optional<Injection> injection = Injection::fromJson(body, &error);
    if (!injection)
        return failure(400, error);
    parts.faults.arm(body.value("operation").toString("*"), *injection);
    return ok();
}

HttpReply ControlEndpoint::file(const QJsonObject &body)
{
    const QString name = body.value("name").toString();
    const std::optional<FileShelf::Mode> mode = fileMode(body.value("mode").toString());
    if (!mode)
        return failure(400, "mode is serve, 404 or cut");
    const bool done =
        body.contains("base64")
            ? parts.files.put(name, QByteArray::fromBase64(body.value("base64").toString().toLatin1()), *mode)
            : parts.files.setMode(name, *mode);
    return done ? ok() : failure(400, "no file of that name");
}

HttpReply ControlEndpoint::appVersion(const QJsonObject &body)
{
    parts.settings.appVersion = body.value("version").toString(parts.settings.appVersion);
    parts.settings.appLink = body.value("link").toString(parts.settings.appLink);
    return ok();
}
