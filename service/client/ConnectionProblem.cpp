#include "ConnectionProblem.h"

#include "ServiceResult.h"
#include "SettingsStore.h"

#include <stdsoap2.h>

QString ConnectionProblem::proxyText(int result)
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    if (!proxy.isUsed())
        return QString();
    switch (result) {
    case proxyRefusedCredentials:
        return tr("The proxy %1 refused the user name or password. Check them in Preferences, Connection.")
            .arg(proxy.name());
    case proxyRefusedConnection:
        return tr("The proxy %1 refused the connection.").arg(proxy.name());
    // Through a proxy, the connection that fails is the one to the proxy.
    case SOAP_TCP_ERROR:
        return tr("The proxy %1 could not be reached.").arg(proxy.name());
    default:
        return QString();
    }
}

QString ConnectionProblem::proxyTextOr(int result, const QString &otherwise)
{
    const QString proxy = proxyText(result);
    return proxy.isEmpty() ? otherwise : proxy;
}

QString ConnectionProblem::explain(const QString &what, int result)
{
    const QString proxy = proxyText(result);
    return proxy.isEmpty() ? what : what + u'\n' + proxy;
}
