#include "HttpPost.h"

#include "ProxyAuthorization.h"
#include "SettingsStore.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string &userAgent()
{
    static const std::string agent = (appPlatform() + " Qelvoxdesk " + appVersion()).toStdString();
    return agent;
}

// The head has room for the request line with the whole endpoint in it.
const size_t MaxEndpointAndVersion = 944;
// "user:password" in Base64 must fit the line buffer of the runtime's header writer.
const size_t MaxProxyCredentials = 761;
// Longer actions would overflow that buffer too; they are sent as "".
const size_t MaxActionLength = 1021;

bool hasScheme(const char *endpoint, const char *pattern) { return soap_tag_cmp(endpoint, pattern) == 0; }

bool isHttpEndpoint(const char *endpoint)
{
    return endpoint && (hasScheme(endpoint, "http:*") || hasScheme(endpoint, "https:*")
                        || std::strncmp(endpoint, "httpg:", 6) == 0);
}

// A plain-HTTP request goes to the proxy itself; a TLS request goes through the tunnel to the server.
bool sentToProxy(const soap *soap, const char *endpoint)
{
    return soap->proxy_host && !hasScheme(endpoint, "https:*");
}

std::string requestLine(const soap *soap, const char *method, const char *endpoint, const char *path)
{
    std::string target;
    if (sentToProxy(soap, endpoint)) {
        target = endpoint;
    } else {
        target = "/";
        target += path[0] == '/' ? path + 1 : path;
    }
    return std::string(method) + ' ' + target + " HTTP/" + soap->http_version;
}

std::string hostValue(const char *endpoint, const char *host, int port)
{
    const bool tls = hasScheme(endpoint, "https:*");
    if (port == (tls ? 443 : 80))
        return host;
    return std::string(host) + ':' + std::to_string(port);
}

int writeProxyAuthorization(struct soap *soap)
{
    const char *user = soap->proxy_userid;
    const char *password = soap->proxy_passwd;
    if (!user || !password || std::strlen(user) + std::strlen(password) >= MaxProxyCredentials)
        return SOAP_OK;
    return soap->fposthdr(soap, "Proxy-Authorization", basicProxyAuthorization(user, password).c_str());
}

int writeSoapAction(struct soap *soap, bool get, const char *action)
{
    if (get || (soap->version != 1 && !(action && *action)))
        return SOAP_OK;
    if (!action || std::strlen(action) >= MaxActionLength)
        action = "";
    const std::string value = std::string("\"") + action + '"';
    return soap->fposthdr(soap, "SOAPAction", value.c_str());
}

// The head that opens a tunnel through the HTTP proxy to a TLS endpoint; the runtime sends it before the
// request's own head, which then goes through the tunnel.
int writeTunnelHead(struct soap *soap, const char *host, int port)
{
    const std::string target = std::string(host) + ':' + std::to_string(port);
    int err = soap->fposthdr(soap, ("CONNECT " + target + " HTTP/" + soap->http_version).c_str(), nullptr);
    if (!err)
        err = soap->fposthdr(soap, "Host", target.c_str());
    if (!err)
        err = soap->fposthdr(soap, "User-Agent", userAgent().c_str());
    if (!err)
        err = writeProxyAuthorization(soap);
    if (!err)
        err = soap->fposthdr(soap, nullptr, nullptr);
    return err;
}

} // namespace

int http_post(struct soap *soap, const char *endpoint, const char *host, int port, const char *path,
              const char *action, ULONG64 count)
{
    const bool get = soap->status == SOAP_GET;
    if (!isHttpEndpoint(endpoint))
        return SOAP_OK;
    if (soap->status == SOAP_CONNECT)
        return writeTunnelHead(soap, host, port);
    if (std::strlen(endpoint) + std::strlen(soap->http_version) > MaxEndpointAndVersion)
        return soap->error = SOAP_EOM;

    int err = soap->fposthdr(soap, requestLine(soap, get ? "GET" : "POST", endpoint, path).c_str(), nullptr);
    if (!err)
        err = soap->fposthdr(soap, "Host", hostValue(endpoint, host, port).c_str());
    if (!err)
        err = soap->fposthdr(soap, "User-Agent", userAgent().c_str());
    if (!err)
        err = soap_puthttphdr(soap, SOAP_OK, count);
    // The proxy's credentials are for the proxy alone: the server at the tunnel's end never sees them.
    if (!err && sentToProxy(soap, endpoint))
        err = writeProxyAuthorization(soap);
    if (!err)
        err = writeSoapAction(soap, get, action);
    if (!err)
        err = soap->fposthdr(soap, nullptr, nullptr);
    return err;
}

void installHttpPost(struct soap *soap) { soap->fpost = http_post; }
