#include "RefusedProxyCredentials.h"

#include "ServiceResult.h"
#include "SettingsStore.h"

#include <QMutex>
#include <optional>

namespace {

QMutex mutex;
std::optional<ProxySettings> refused;

} // namespace

void RefusedProxyCredentials::note(int result)
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    if (!proxy.isUsed())
        return;
    QMutexLocker locker(&mutex);
    if (result == proxyRefusedCredentials)
        refused = proxy;
    // Settings changed since the refusal are worth a try, and a proxy that let a call through takes them.
    else if (refused && (*refused != proxy || !isServiceUnreached(result)))
        refused.reset();
}

bool RefusedProxyCredentials::inUse()
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    QMutexLocker locker(&mutex);
    return refused && proxy.isUsed() && *refused == proxy;
}
