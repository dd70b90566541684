#include "BindingTypes.h"
#include "ClientProxy.h"
#include "FromService.h"
#include "QelvoxAPI.h"
#include "QelvoxAPIDetail.h"
#include "RefusedProxyCredentials.h"

#include <cstring>

namespace {

// Offered to a visitor whose country the service does not name.
const char *const defaultNationality = "FRA";

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
    const int number = colon ? QelvoxAPIDetail::leadingNumber(colon + 1) : 0;
    return number != 0 ? number : -1;
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

template <class Call> int QelvoxAPI::withSignup(Call call)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    if (const int status = api.ensureClientProxy())
        return status;
    const int status = call(*api.clientProxy);
    RefusedProxyCredentials::note(status);
    return status;
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
