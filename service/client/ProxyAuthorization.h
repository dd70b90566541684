#pragma once

#include <QByteArray>
#include <string>

struct ProxySettings;

// The Basic value of "Proxy-Authorization": "Basic " and the Base64 of the UTF-8 bytes of "user:password".
// The SOAP calls and the installer download both send exactly this, so that a proxy never accepts the one
// and refuses the other over a letter outside ASCII.
std::string basicProxyAuthorization(const std::string &userUtf8, const std::string &passwordUtf8);

// The value for the settings' proxy; empty when no credentials go to it.
QByteArray basicProxyAuthorization(const ProxySettings &proxy);
