#pragma once

#include <QByteArray>
#include <string>

struct soap;

// How an engine of the facade reaches its service: the endpoints, the trusted CA file, the HTTP proxy and
// the time-outs. Engines point at the texts held here, so a value may only change while no engine that
// was set up from this object is alive.
class EngineSetup
{
public:
    // The built-in endpoints and CA file; no HTTP proxy until loadProxy().
    EngineSetup();

    // Copies the proxy that the settings store's rule selects, if any.
    void loadProxy();

    // Points both services at origin ("https://host:port") and trusts caFile besides the system store.
    void setServiceOrigin(const QByteArray &origin, const QByteArray &caFile);

    const char *accountUrl() const { return account.c_str(); }
    const char *signupUrl() const { return signup.c_str(); }

    // Sets up a new engine; returns SOAP_OK or the error of the TLS set-up.
    int apply(struct soap *engine) const;

private:
    std::string account;
    std::string signup;
    std::string caFile;
    // Empty when no proxy is used; the credentials empty when none go to it.
    std::string proxyHost;
    int proxyPort = 0;
    std::string proxyUserId;
    std::string proxyPassword;
};
