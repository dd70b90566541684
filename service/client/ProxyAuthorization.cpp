#include "ProxyAuthorization.h"

#include "ProxySettings.h"
#include "ToService.h"

std::string basicProxyAuthorization(const std::string &userUtf8, const std::string &passwordUtf8)
{
    const QByteArray credentials = QByteArray::fromStdString(userUtf8 + ':' + passwordUtf8);
    return "Basic " + credentials.toBase64().toStdString();
}

QByteArray basicProxyAuthorization(const ProxySettings &proxy)
{
    if (!proxy.isUsed() || !proxy.hasCredentials())
        return {};
    return QByteArray::fromStdString(basicProxyAuthorization(utf8(proxy.userId), utf8(proxy.password)));
}
