#include "QelvoxAPI.h"

#include "BindingTypes.h"
#include "ChangeList.h"
#include "ClientProxy.h"
#include "DocumentReceiver.h"
#include "FaxAttachments.h"
#include "ForwardEntry.h"
#include "FromService.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxProxy.h"
#include "RecipientStatus.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "ToService.h"
#include "qtAccountInfo.h"
#include "qtAuthenticateInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtCountryInfo.h"
#include "qtLanguageInfo.h"
#include "qtObjectsInfo.h"

#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

const int loginRefused = 107;
const char *const appVersionKey = "ZQD";
// Offered to a visitor whose country the service does not name.
const char *const defaultNationality = "FRA";

std::string latin1(const QString &text)
{
    return text.toLatin1().toStdString();
}

// Leading blanks, an optional sign and the leading digits, as the service writes its numbers; no digits
// give 0 and a number beyond the int range counts as none.
int leadingNumber(const char *text)
{
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return value < INT_MIN || value > INT_MAX ? 0 : int(value);
}

// Before every call: the previous reply's objects and memory go, and no attachment of an earlier request
// is sent again. The reply replaces the header pointer, so it is set for every call.
void prepare(ServiceProxy &engine, SOAP_ENV__Header *header, const char *endpoint)
{
    soap_destroy(&engine);
    soap_end(&engine);
    soap_clr_mime(&engine);
    engine.header = header;
    engine.soap_endpoint = endpoint;
}

int itemCount(const ArrayOfInteger *reply)
{
    return reply && reply->__ptr ? reply->__size : 0;
}

// Sends: one item is the service's status for the item, two items mean queued under the second's id.
void applySendReply(const ArrayOfInteger *reply, int &sentstatus, int &remoteid)
{
    sentstatus = -1;
    if (itemCount(reply) == 1) {
        sentstatus = reply->__ptr[0];
    } else if (itemCount(reply) == 2) {
        sentstatus = 2;
        remoteid = reply->__ptr[1];
    }
}

// Changes of contacts, groups and folders: one item is the service's error code, two items mean accepted
// under the second's id. The change status was preset to -1 by the caller.
void applyUpdateReply(const ArrayOfInteger *reply, int &changeStatus, int &id)
{
    if (itemCount(reply) == 1) {
        changeStatus = reply->__ptr[0];
    } else if (itemCount(reply) == 2) {
        changeStatus = 0;
        id = reply->__ptr[1];
    }
}

int loginResult(int status, bool hasFault)
{
    if (status == SOAP_OK || status == SOAP_TCP_ERROR)
        return status;
    // gSOAP also leaves a fault record for a refused connection, so the status decides first.
    if ((status == SOAP_CLI_FAULT || status == SOAP_FAULT) && hasFault)
        return loginRefused;
    return SOAP_TCP_ERROR;
}

// The service refuses a sign-up with a fault code whose number after the first colon says why. A fault
// without such a number (a refused connection leaves "SOAP-ENV:Server") is -1, no fault at all 28.
int signupResult(int status, const std::string &password, struct soap *engine)
{
    if (status == SOAP_OK && !password.empty())
        return 0;
    if (!engine->fault)
        return SOAP_TCP_ERROR;
    const char *const *slot = soap_faultcode(engine);
    const char *code = slot ? *slot : nullptr;
    const char *colon = code ? std::strchr(code, ':') : nullptr;
    const int number = colon ? leadingNumber(colon + 1) : 0;
    return number != 0 ? number : -1;
}

// Runs call with the request's ids as the array it sends (an empty one for no request), then releases them.
template <class Call> int withIds(const ObjectsRequest *request, Call call)
{
    ArrayOfObjectsID ids;
    if (request)
        toArrayOfObjectsID(*request, ids);
    const int status = call(&ids);
    freeArrayOfObjectsID(ids);
    return status;
}

// Code-to-name pairs of a sign-up list; a later item replaces an earlier one with the same code.
template <class Array, class Item>
bool fillNames(QMap<QString, QString> &names, const Array *array, std::string Item::*name)
{
    if (!array)
        return false;
    for (int i = 0; array->__ptr && i < array->__size; ++i) {
        if (const Item *item = array->__ptr[i])
            names.insert(QString::fromUtf8(item->code.c_str()), QString::fromUtf8((item->*name).c_str()));
    }
    return true;
}

} // namespace

bool isConnectionError(int result)
{
    return result == SOAP_EOF || result == SOAP_TCP_ERROR;
}

QelvoxAPI::QelvoxAPI()
{
    // A peer that resets a connection would otherwise end the process while the engine writes to it.
    std::signal(SIGPIPE, SIG_IGN);
    soap_ssl_init();
}

QelvoxAPI::~QelvoxAPI() = default;

QelvoxAPI &QelvoxAPI::instance()
{
    // Never destroyed: an abandoned log-in may still be finishing on its thread while the process ends.
    static QelvoxAPI *const api = new QelvoxAPI;
    return *api;
}

const EngineSetup &QelvoxAPI::setup()
{
    if (resetPending.exchange(false)) {
        // The engines point at the proxy texts, so they go before the texts change.
        dropEngines();
        engineSetup.loadProxy();
    }
    return engineSetup;
}

int QelvoxAPI::ensureServiceProxy()
{
    const EngineSetup &current = setup();
    if (!serviceProxy) {
        auto engine = std::make_unique<QelvoxProxy>();
        if (const int status = current.apply(engine.get()))
            return status;
        serviceProxy = std::move(engine);
    }
    if (authHeader.email.empty()) {
        const SettingsStore &settings = SettingsStore::instance();
        authHeader.email = utf8(settings.userName());
        authHeader.password = utf8(settings.password());
    }
    prepare(*serviceProxy, &authHeader, current.accountUrl());
    return SOAP_OK;
}

int QelvoxAPI::ensureClientProxy()
{
    const EngineSetup &current = setup();
    if (!clientProxy) {
        auto engine = std::make_unique<ClientProxy>();
        if (const int status = current.apply(engine.get()))
            return status;
        clientProxy = std::move(engine);
    }
    prepare(*clientProxy, &authHeader, current.signupUrl());
    return SOAP_OK;
}

void QelvoxAPI::dropEngines()
{
    serviceProxy.reset();
    clientProxy.reset();
}

quint64 QelvoxAPI::nextCredentials()
{
    return ++credentialsTicket;
}

void QelvoxAPI::replaceCredentials(const SOAP_ENV__Header &header)
{
    // A log-in still under way was started with older credentials: it must not replace these.
    nextCredentials();
    authHeader = header;
}

template <class Call> int QelvoxAPI::withAccount(Call call)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    if (const int status = api.ensureServiceProxy())
        return status;
    return call(*api.serviceProxy);
}

template <class Call> int QelvoxAPI::withSignup(Call call)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    if (const int status = api.ensureClientProxy())
        return status;
    return call(*api.clientProxy);
}

template <class Call, class Update>
int QelvoxAPI::withOwnEngine(const SOAP_ENV__Header &header, Call call, Update update)
{
    QelvoxAPI &api = instance();
    EngineSetup setup;
    quint64 ticket = 0;
    {
        QMutexLocker locker(&api.mutex);
        setup = api.setup();
        ticket = api.nextCredentials();
    }
    // The engine points at the copies of header and setup, which outlive it.
    SOAP_ENV__Header ownHeader = header;
    int status = SOAP_OK;
    {
        QelvoxProxy engine;
        status = setup.apply(&engine);
        if (status == SOAP_OK) {
            prepare(engine, &ownHeader, setup.accountUrl());
            status = call(engine);
        }
    }
    QMutexLocker locker(&api.mutex);
    if (ticket == api.credentialsTicket)
        update(api);
    return status;
}

void QelvoxAPI::authenticate(qtAuthenticateInfo *info)
{
    info->customerid = 0;
    // Until an exchange says otherwise, e.g. when the engine cannot even be set up.
    info->result = SOAP_TCP_ERROR;
    const SOAP_ENV__Header header{utf8(info->username), utf8(info->password)};
    withOwnEngine(
        header,
        [info](QelvoxProxy &engine) {
            int customerId = 0;
            const int status = engine.authenticate(customerId);
            info->customerid = customerId;
            info->result = loginResult(status, engine.fault != nullptr);
            return status;
        },
        // A refused log-in leaves the credentials that the calls carried before.
        [&header, info](QelvoxAPI &api) {
            if (info->result == 0)
                api.authHeader = header;
        });
}

void QelvoxAPI::setCredentials(const std::string &email, const std::string &passwordDigest)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    api.replaceCredentials(SOAP_ENV__Header{email, passwordDigest});
}

int QelvoxAPI::setNewPasswordFor(const std::string &email, const std::string &currentDigest,
                                 const std::string &newDigest, int *reply)
{
    return withOwnEngine(
        SOAP_ENV__Header{email, currentDigest},
        [&](QelvoxProxy &engine) {
            int code = 0;
            const int status = engine.setNewPassword(newDigest, code);
            if (status == SOAP_OK)
                *reply = code;
            return status;
        },
        // The next call sends the stored credentials again.
        [](QelvoxAPI &api) { api.authHeader = SOAP_ENV__Header(); });
}

int QelvoxAPI::getModifiedObjects(int timestamp, ChangeList *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetModifiedObjectsResponse reply{};
        const int status = engine.getModifiedObjects(timestamp, reply);
        if (status == SOAP_OK)
            fromObjectsIDInfo(*list, reply.return_);
        return status;
    });
}

int QelvoxAPI::reviewObjects(ChangeList *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002ereviewObjectsResponse reply{};
        const int status = engine.reviewObjects(reply);
        if (status == SOAP_OK)
            fromObjectsIDInfo(*list, reply.return_);
        return status;
    });
}

int QelvoxAPI::getObjects(const QList<ObjectRef> *objects, qtObjectsInfo **result)
{
    return withAccount([&](QelvoxProxy &engine) {
        ArrayOfObjectData data;
        toArrayOfObjectData(data, *objects);
        ns1__QelvoxService_x002egetObjectsResponse reply{};
        const int status = engine.getObjects(&data, reply);
        freeArrayOfObjectData(data);
        if (status == SOAP_OK) {
            *result = new qtObjectsInfo;
            if (reply.return_)
                fromObjectsInfo(**result, *reply.return_);
        }
        return status;
    });
}

int QelvoxAPI::getShiftTime(int *shift)
{
    return withAccount([&](QelvoxProxy &engine) { return engine.getShiftTime(*shift); });
}

int QelvoxAPI::getInboxOutboxID(int *inboxId, int *outboxId, int *code)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetInboxOutboxIDResponse reply{};
        const int status = engine.getInboxOutboxID(reply);
        if (status != SOAP_OK)
            return status;
        *code = -1;
        if (itemCount(reply.return_) == 1) {
            *code = reply.return_->__ptr[0];
        } else if (itemCount(reply.return_) == 3) {
            *code = 0;
            *inboxId = reply.return_->__ptr[1];
            *outboxId = reply.return_->__ptr[2];
        }
        return status;
    });
}

int QelvoxAPI::registerApp(const std::string &version, int *reply)
{
    const std::string text = appPlatform().toStdString() + "-" + version;
    return withAccount([&](QelvoxProxy &engine) { return engine.registerApp(qelvoxAppId, text, *reply); });
}

void QelvoxAPI::getAppVersion(std::string *version, QString *url)
{
    version->clear();
    withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAppVersionResponse reply{};
        const int status = engine.getAppVersion(appPlatform().toStdString(), appVersionKey, reply);
        if (status == SOAP_OK && reply.return_) {
            *version = reply.return_->version;
            *url = QString::fromLatin1(reply.return_->link.c_str());
        }
        return status;
    });
}

int QelvoxAPI::sendSmsAsynchronous(SendSmsRequest *request)
{
    return withAccount([&](QelvoxProxy &engine) {
        SendSmsInfo info;
        toSendSmsInfo(*request, info);
        ns1__QelvoxService_x002esendSmsAsynchronousResponse reply{};
        const int status = engine.sendSmsAsynchronous(&info, reply);
        deleteArrayOfString(info.numbers);
        if (status == SOAP_OK)
            applySendReply(reply.return_, request->sentstatus, request->remoteid);
        return status;
    });
}

int QelvoxAPI::sendFaxRegister(SendFaxRequest *request)
{
    return withAccount([&](QelvoxProxy &engine) {
        SendFaxInfo info;
        toSendFaxInfo(*request, info);
        const FaxAttachments documents(&engine, request->attachments);
        ns1__QelvoxService_x002esendFaxRegisterResponse reply{};
        const int status = engine.sendFaxRegister(&info, latin1(request->report), reply);
        deleteArrayOfString(info.numbers);
        if (status == SOAP_OK)
            applySendReply(reply.return_, request->sentstatus, request->remoteid);
        return status;
    });
}

int QelvoxAPI::forwardAsynchronous(ForwardEntry *entry)
{
    return withAccount([&](QelvoxProxy &engine) {
        ForwardInfo info;
        toForwardInfo(*entry, info);
        ns1__QelvoxService_x002eforwardAsynchronousResponse reply{};
        const int status = engine.forwardAsynchronous(&info, reply);
        if (status == SOAP_OK)
            applySendReply(reply.return_, entry->sentstatus, entry->remoteid);
        return status;
    });
}

int QelvoxAPI::updateContactGroupInfo(qtContactGroupInfo *group)
{
    group->status = -1;
    return withAccount([&](QelvoxProxy &engine) {
        ContactGroupInfo info;
        toContactGroupInfo(*group, info);
        // A group created offline is new to the service. Its record keeps the local id until the service
        // gives it one, so that a failure does not spread id 0 through the views and the queue.
        if (group->localid)
            info.id = 0;
        ns1__QelvoxService_x002eupdateContactGroupInfoResponse reply{};
        const int status = engine.updateContactGroupInfo(&info, reply);
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, group->status, group->id);
        return status;
    });
}

int QelvoxAPI::updateContactInfo(qtContactInfo *contact)
{
    return withAccount([&](QelvoxProxy &engine) {
        ContactInfo info;
        toContactInfo(*contact, info);
        ns1__QelvoxService_x002eupdateContactInfoResponse reply{};
        const int status = engine.updateContactInfo(&info, reply);
        contact->status = -1;
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, contact->status, contact->id);
        return status;
    });
}

int QelvoxAPI::renameFolder(QelFolderInfo *folder)
{
    const int folderId = folder->localid ? 0 : folder->id;
    const std::string name = utf8(folder->name);
    folder->status = -1;
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002erenameFolderResponse reply{};
        const int status = engine.renameFolder(folderId, name, reply);
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, folder->status, folder->id);
        return status;
    });
}

int QelvoxAPI::moveToFolder(MoveToFolderRequest *request, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request->objects, [&](ArrayOfObjectsID *ids) {
            return engine.moveToFolder(ids, request->to_folderid, *reply);
        });
    });
}

int QelvoxAPI::changeStatus(ObjectsRequest *request, bool read, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request,
                       [&](ArrayOfObjectsID *ids) { return engine.changeStatus(ids, read ? 1 : 0, *reply); });
    });
}

int QelvoxAPI::deleteObjects(ObjectsRequest *request, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request, [&](ArrayOfObjectsID *ids) { return engine.deleteObjects(ids, *reply); });
    });
}

int QelvoxAPI::getRecipients(const BaseObject *item, QList<RecipientStatus> *list)
{
    const std::string kind = item->type == ObjectType::SmsSent ? "SMS" : "FAX";
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetRecipientsResponse reply{};
        const int status = engine.getRecipients(item->id, kind, reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfRecipientInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::downloadFile(const BaseObject *item, const QString &format, const QString &path)
{
    return withAccount([&](QelvoxProxy &engine) {
        DocumentReceiver receiver(&engine, path);
        if (!receiver.isReady())
            return SOAP_NO_DATA;
        // The operation's own text result carries nothing the client uses.
        std::string unused;
        return receiver.finish(engine.downloadFile(item->id, item->type, latin1(format), unused));
    });
}

int QelvoxAPI::getAllCountries(QList<qtCountryInfo> *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAllCountriesResponse reply{};
        const int status = engine.getAllCountries(reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfCountryInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::getAllLanguages(QList<qtLanguageInfo> *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAllLanguagesResponse reply{};
        const int status = engine.getAllLanguages(reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfLanguageInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::getAccountInfo(qtAccountInfo *info)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAccountInfoResponse reply{};
        const int status = engine.getAccountInfo(reply);
        if (status == SOAP_OK && reply.return_)
            fromAccountInfo(*info, *reply.return_);
        return status;
    });
}

int QelvoxAPI::setAccountInfo(const qtAccountInfo *info, int *reply)
{
    AccountInfo details;
    toAccountInfo(*info, details);
    return withAccount([&](QelvoxProxy &engine) { return engine.setAccountInfo(&details, *reply); });
}

int QelvoxAPI::getExtendedTitle(bool *on)
{
    return withAccount([&](QelvoxProxy &engine) {
        std::string text;
        const int status = engine.getExtendedTitle(text);
        if (status == SOAP_OK)
            *on = leadingNumber(text.c_str()) != 0;
        return status;
    });
}

int QelvoxAPI::setExtendedTitle(bool on, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) { return engine.setExtendedTitle(on ? "1" : "0", *reply); });
}

int QelvoxAPI::setNewEmail(const std::string &email, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        const int status = engine.setNewEmail(email, *reply);
        // From now on the service knows the account by the new address only.
        QelvoxAPI &api = instance();
        if (status == SOAP_OK && *reply == 0)
            api.replaceCredentials(SOAP_ENV__Header{email, api.authHeader.password});
        return status;
    });
}

int QelvoxAPI::setNewPassword(const std::string &passwordDigest, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        const int status = engine.setNewPassword(passwordDigest, *reply);
        QelvoxAPI &api = instance();
        if (status == SOAP_OK && *reply == 0)
            api.replaceCredentials(SOAP_ENV__Header{api.authHeader.email, passwordDigest});
        return status;
    });
}

template <class Reply, class Item>
bool QelvoxAPI::fillSignupList(QMap<QString, QString> QelvoxAPI::*cache, int (ClientProxy::*call)(Reply &),
                               std::string Item::*name)
{
    {
        QMutexLocker locker(&cacheMutex);
        if (!(this->*cache).isEmpty())
            return true;
    }
    Reply reply{};
    QMap<QString, QString> names;
    if (ensureClientProxy() || (clientProxy.get()->*call)(reply) || !fillNames(names, reply.return_, name))
        return false;
    QMutexLocker locker(&cacheMutex);
    this->*cache = names;
    return true;
}

bool QelvoxAPI::loadSignupLists()
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    // Every sign-up session starts on a fresh engine.
    api.clientProxy.reset();
    bool known = false;
    {
        QMutexLocker cacheLocker(&api.cacheMutex);
        known = !api.nationality.isEmpty();
    }
    if (!known) {
        if (api.ensureClientProxy())
            return false;
        std::string code;
        // A failed look-up is asked again next time; until then ipNationality() offers the default.
        if (api.clientProxy->getIpNationality(code) == SOAP_OK) {
            QMutexLocker cacheLocker(&api.cacheMutex);
            api.nationality =
                code.empty() ? QString::fromLatin1(defaultNationality) : QString::fromUtf8(code.c_str());
        }
    }
    return api.fillSignupList(&QelvoxAPI::countryNames, &ClientProxy::getAllCountries,
                              &CountryInfo::country) &&
           api.fillSignupList(&QelvoxAPI::faxCountryNames, &ClientProxy::getAllFaxCountries,
                              &CountryInfo::country) &&
           api.fillSignupList(&QelvoxAPI::languageNames, &ClientProxy::getAllLanguages,
                              &LanguageInfo::language);
}

bool QelvoxAPI::getFaxRegions(const std::string &key, QList<qtDestinationInfo> *list)
{
    bool listed = false;
    withSignup([&](ClientProxy &engine) {
        ns3__ClientService_x002egetFaxRegionsResponse reply{};
        const int status = engine.getFaxRegions(key, reply);
        listed = status == SOAP_OK && reply.return_;
        if (listed)
            fromArrayOfDestinationInfo(*list, *reply.return_);
        return status;
    });
    return listed;
}

int QelvoxAPI::registerCustomer(RegisterCustomerInfo *info, std::string *password)
{
    password->clear();
    int result = SOAP_TCP_ERROR;
    withSignup([&](ClientProxy &engine) {
        std::string reply;
        const int status = engine.registerCustomer(info, reply);
        result = signupResult(status, reply, &engine);
        if (result == 0)
            *password = reply;
        return status;
    });
    return result;
}

QString QelvoxAPI::ipNationality()
{
    QMutexLocker locker(&instance().cacheMutex);
    const QString &known = instance().nationality;
    return known.isEmpty() ? QString::fromLatin1(defaultNationality) : known;
}

QMap<QString, QString> QelvoxAPI::countries()
{
    QMutexLocker locker(&instance().cacheMutex);
    return instance().countryNames;
}

QMap<QString, QString> QelvoxAPI::faxCountries()
{
    QMutexLocker locker(&instance().cacheMutex);
    return instance().faxCountryNames;
}

QMap<QString, QString> QelvoxAPI::languages()
{
    QMutexLocker locker(&instance().cacheMutex);
    return instance().languageNames;
}

void QelvoxAPI::resetConnection()
{
    instance().resetPending = true;
}

void QelvoxAPI::setServiceOrigin(const QByteArray &origin, const QByteArray &caFile)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    api.dropEngines();
    api.engineSetup.setServiceOrigin(origin, caFile);
}
