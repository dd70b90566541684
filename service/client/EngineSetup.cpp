#include "EngineSetup.h"

#include "ServiceEndpoints.h"
#include "SettingsStore.h"
#include "ToService.h"

#include <stdsoap2.h>
#include <sys/socket.h>

namespace {

const char *const accountPath = "/index.php?service=Qelvox";
const char *const signupPath = "/index.php?service=Client";

// A stalled peer must not hold the facade for ever. The send and receive limits apply to each stall, not
// to the whole exchange, so a large download still completes.
const int connectTimeoutSeconds = 20;
const int stallTimeoutSeconds = 60;

} // namespace

EngineSetup::EngineSetup()
    : account(ServiceEndpoints::account), signup(ServiceEndpoints::signup),
      caFile(ServiceEndpoints::caFile() ? ServiceEndpoints::caFile() : "")
{
}

void EngineSetup::loadProxy()
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    const bool used = proxy.isUsed();
    const bool credentials = used && proxy.hasCredentials();
    proxyHost = used ? utf8(proxy.host) : std::string();
    proxyPort = used ? proxy.port : 0;
    proxyUserId = credentials ? utf8(proxy.userId) : std::string();
    proxyPassword = credentials ? utf8(proxy.password) : std::string();
}

void EngineSetup::setServiceOrigin(const QByteArray &origin, const QByteArray &caFile)
{
    account = origin.toStdString() + accountPath;
    signup = origin.toStdString() + signupPath;
    this->caFile = caFile.toStdString();
}

int EngineSetup::apply(struct soap *engine) const
{
    soap_set_mode(engine, SOAP_C_UTFSTRING);
    soap_set_namespaces(engine, namespaces);
    engine->connect_timeout = connectTimeoutSeconds;
    engine->send_timeout = stallTimeoutSeconds;
    engine->recv_timeout = stallTimeoutSeconds;
    // A peer that resets the connection must not end the process with SIGPIPE.
    engine->socket_flags = MSG_NOSIGNAL;
    if (!proxyHost.empty()) {
        engine->proxy_host = proxyHost.c_str();
        engine->proxy_port = proxyPort;
        if (!proxyUserId.empty()) {
            engine->proxy_userid = proxyUserId.c_str();
            engine->proxy_passwd = proxyPassword.c_str();
        }
    }
    soap_clr_mime(engine);
    // The server's certificate and host name are checked against the system's CAs and the configured CA
    // file; a connection that fails the check fails the call.
    return soap_ssl_client_context(engine, SOAP_SSL_DEFAULT, nullptr, nullptr,
                                   caFile.empty() ? nullptr : caFile.c_str(), nullptr, nullptr);
}
