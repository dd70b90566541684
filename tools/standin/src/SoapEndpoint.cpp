#include "SoapEndpoint.h"

#include "MimeMessage.h"
#include "SoapXmlDecoder.h"
#include "envH.h"
#include "standinH.h"

#include <QJsonArray>
#include <QSet>
#include <memory>
#include <sstream>

// The runtime library refers to one global namespace table.
SOAP_NMAC struct Namespace namespaces[] = {
    {"SOAP-ENV", "http://schemas.xmlsoap.org/soap/envelope/", "http://www.w3.org/*/soap-envelope", nullptr},
    {"SOAP-ENC", "http://schemas.xmlsoap.org/soap/encoding/", "http://www.w3.org/*/soap-encoding", nullptr},
    {"xsi", "http://www.w3.org/2001/XMLSchema-instance", "http://www.w3.org/*/XMLSchema-instance", nullptr},
    {"xsd", "http://www.w3.org/2001/XMLSchema", "http://www.w3.org/*/XMLSchema", nullptr},
    {"ns1", "urn:QelvoxService", nullptr, nullptr},
    {"ns3", "urn:ClientService", nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
};

ServiceContext &serviceContext(soap *engine)
{
    return *static_cast<ServiceContext *>(engine->user);
}

namespace {

const QString accountNs = "urn:QelvoxService";
const QString signupNs = "urn:ClientService";

// Operations of the service description that the client never calls.
const QSet<QString> &notImplemented(const QString &ns)
{
    static const QSet<QString> account = {"get1PagePriceForDestination",
                                          "getOneContactGroupInfo",
                                          "getContactGroupInfo",
                                          "getOneContactInfo",
                                          "getContactInfo",
                                          "getOneFolderInfo",
                                          "getFolderInfo",
                                          "getOneSMSSentInfo",
                                          "getSMSSentInfo",
                                          "getOneFAXReceivedInfo",
                                          "getFAXReceivedInfo",
                                          "getOneFAXSentInfo",
                                          "getFAXSentInfo",
                                          "getOneVOICEReceivedInfo",
                                          "getVOICEReceivedInfo",
                                          "getObjectTypes",
                                          "getObjectActions",
                                          "getModifiedContacts",
                                          "getCoverpageInfo",
                                          "setContactInfo",
                                          "setContactGroupInfo",
                                          "sendFaxDirect",
                                          "sendFaxAsynchronous",
                                          "asynchronInfoRange",
                                          "asynchronInfo"};
    static const QSet<QString> signup = {"getMarketProducts", "getAllCurrencies", "isActiveQelcode",
                                         "extendCustomer-using-qelcode",
                                         "extendCustomer-using-iTunes-transaction"};
    static const QSet<QString> none;
    return ns == accountNs ? account : ns == signupNs ? signup : none;
}

QString serviceOf(const HttpRequest &request)
{
    if (request.path != "/index.php")
        return {};
    const QString service = request.queryItem("service");
    return service == "Qelvox" || service == "Client" ? service : QString();
}

QJsonArray attachmentLog(const QList<Document> &attachments)
{
    QJsonArray result;
    for (const Document &document : attachments)
        result.append(QJsonObject{{"name", document.name},
                                  {"contentType", document.contentType},
                                  {"size", document.content.size()},
                                  {"base64", QString::fromLatin1(document.content.toBase64())}});
    return result;
}

struct EngineDeleter
{
    void operator()(soap *engine) const
    {
        soap_destroy(engine);
        soap_end(engine);
        soap_free(engine);
    }
};

// Decides before dispatch whether the call may run: 0, or the fault already set on the engine.
int admit(soap *engine, const QString &ns, const QString &operation, ServiceContext &context)
{
    if (notImplemented(ns).contains(operation))
        return soap_receiver_fault(engine, "not implemented", nullptr);
    if (ns != accountNs)
        return SOAP_OK;
    const AuthCredentials *credentials = engine->header ? engine->header->AuthenticationHeader : nullptr;
    const std::optional<Account> account =
        credentials ? context.mailbox.store().accountByEmail(QString::fromStdString(credentials->email))
                    : std::nullopt;
    if (!account || account->passwordDigest != QString::fromStdString(credentials->password))
        return soap_sender_fault(engine, "Authentication failed", nullptr);
    context.account = *account;
    return SOAP_OK;
}

} // namespace

SoapEndpoint::SoapEndpoint(Mailbox &mailbox, const ServiceSettings &settings, RequestLog &log,
                           FaultInjector &faults)
    : mailbox(mailbox), settings(settings), log(log), faults(faults)
{
}

bool SoapEndpoint::isServiceRequest(const HttpRequest &request)
{
    return !serviceOf(request).isEmpty();
}

HttpReply SoapEndpoint::handle(const HttpRequest &request, bool https)
{
    const QString service = serviceOf(request);
    if (request.method != "POST")
        return HttpReply::make(405, "text/plain", "POST only\n");
    const MimeMessage message = MimeMessage::parse(request.header("Content-Type"), request.body);
    const SoapCall call = SoapCall::decode(message.root);
    QJsonArray headerNames;
    for (const auto &header : request.headers)
        headerNames.append(QString::fromLatin1(header.first));
    const int sequence = log.append({{"service", service},
                                     {"https", https},
                                     {"headers", headerNames},
                                     {"soapAction", QString::fromUtf8(request.header("SOAPAction"))},
                                     {"namespace", call.namespaceUri},
                                     {"operation", call.operation},
                                     {"email", call.email},
                                     {"password", call.password},
                                     {"params", call.params},
                                     {"attachments", attachmentLog(message.attachments)},
                                     {"error", call.error}});
    const std::optional<Injection> injection = faults.take(call.operation, call.params);
    HttpReply reply;
    if (injection && injection->replacesOperation())
        reply = injection->reply();
    else {
        ServiceContext context{mailbox, settings, {}, message.attachments};
        reply.bytes = serve(request, service, call, context);
        reply.status = reply.bytes.mid(9, 3).toInt();
        if (injection)
            reply = injection->alter(reply);
    }
    log.setOutcome(sequence, {{"status", reply.status},
                              {"injected", injection ? Injection::kindName(injection->kind) : QString()}});
    return reply;
}

QByteArray SoapEndpoint::serve(const HttpRequest &request, const QString &service, const SoapCall &call,
                               ServiceContext &context)
{
    std::unique_ptr<soap, EngineDeleter> engine(soap_new1(SOAP_C_UTFSTRING));
    soap_set_namespaces(engine.get(), namespaces);
    engine->user = &context;
    std::istringstream input(request.raw.toStdString());
    std::ostringstream output;
    engine->is = &input;
    engine->os = &output;
    const QString expectedNs = service == "Qelvox" ? accountNs : signupNs;
    if (soap_begin_serve(engine.get()) == SOAP_OK) {
        if (call.namespaceUri != expectedNs)
            soap_sender_fault(engine.get(), "Operation not offered at this address", nullptr);
        else if (admit(engine.get(), call.namespaceUri, call.operation, context) == SOAP_OK) {
            // The client ignores the reply header; echoing it would send the credentials back.
            engine->header = nullptr;
            try {
                StateStore::Transaction transaction(context.mailbox.store());
                standin::soap_serve_request(engine.get());
                transaction.commit();
            } catch (const StoreError &error) {
                soap_receiver_fault(engine.get(), "Internal error", error.what());
            }
        }
    }
    engine->header = nullptr;
    if (engine->error != SOAP_OK && engine->error < SOAP_STOP)
        soap_send_fault(engine.get());
    return QByteArray::fromStdString(output.str());
}
