#include "QelvoxAPI.h"

#include "BindingTypes.h"
#include "ClientProxy.h"
#include "QelvoxProxy.h"
#include "RefusedProxyCredentials.h"
#include "SettingsStore.h"
#include "ToService.h"
#include "qtAuthenticateInfo.h"

#include <csignal>

namespace {

const int loginRefused = 107;

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

int loginResult(int status, bool hasFault)
{
    // A proxy's refusal stays one, so that the log-in can name the proxy.
    if (status == SOAP_OK || status == SOAP_TCP_ERROR || isProxyRefusal(status))
        return status;
    // gSOAP also leaves a fault record for a refused connection, so the status decides first.
    if ((status == SOAP_CLI_FAULT || status == SOAP_FAULT) && hasFault)
        return loginRefused;
    return SOAP_TCP_ERROR;
}

} // namespace

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
            RefusedProxyCredentials::note(status);
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
