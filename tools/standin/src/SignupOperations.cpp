// The sign-up service, and the two catalogue lists that the account service offers as well.

#include "ServiceCodes.h"
#include "ServiceContext.h"
#include "SignupCatalog.h"
#include "SoapValues.h"

#include <QCryptographicHash>
#include <QJsonObject>
#include <QRandomGenerator>

namespace standin {
namespace {

ArrayOfLanguageInfo *languageArray(soap *engine)
{
    QList<LanguageInfo *> items;
    for (const SignupCatalog::Entry &entry : SignupCatalog::languages()) {
        LanguageInfo *item = soap_new_LanguageInfo(engine);
        item->code = utf8(entry.code);
        item->language = utf8(entry.name);
        items.append(item);
    }
    return withItems(engine, soap_new_ArrayOfLanguageInfo(engine), items);
}

ArrayOfCountryInfo *countryArray(soap *engine, const QList<SignupCatalog::Entry> &entries)
{
    QList<CountryInfo *> items;
    for (const SignupCatalog::Entry &entry : entries) {
        CountryInfo *item = soap_new_CountryInfo(engine);
        item->code = utf8(entry.code);
        item->country = utf8(entry.name);
        items.append(item);
    }
    return withItems(engine, soap_new_ArrayOfCountryInfo(engine), items);
}

QString newPassword()
{
    static const char alphabet[] = "abcdefghijkmnpqrstuvwxyz23456789";
    QString password;
    for (int i = 0; i < 8; ++i)
        password.append(QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)]));
    return password;
}

// The refusal code for a sign-up, or 0 when it may go ahead.
int refusal(Mailbox &mailbox, const RegisterCustomerInfo &info)
{
    const QString email = text(info.email).trimmed();
    const QString id = text(info.id);
    if (!Mailbox::isEmailShaped(email))
        return ServiceCode::WrongEmailFormat;
    if (mailbox.store().accountByEmail(email))
        return ServiceCode::EmailTaken;
    if (!SignupCatalog::isFaxRegion(info.faxregion))
        return ServiceCode::NoFreeNumber;
    if (id.startsWith("qelcode!") && !SignupCatalog::isValidVoucher(id.mid(8)))
        return ServiceCode::InvalidVoucher;
    return 0;
}

} // namespace

int ns1__QelvoxService_x002egetAllLanguages(soap *engine, ns1__QelvoxService_x002egetAllLanguagesResponse &r)
{
    r.return_ = languageArray(engine);
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetAllCountries(soap *engine, ns1__QelvoxService_x002egetAllCountriesResponse &r)
{
    r.return_ = countryArray(engine, SignupCatalog::countries());
    return SOAP_OK;
}

int ns3__ClientService_x002egetAllLanguages(soap *engine, ns3__ClientService_x002egetAllLanguagesResponse &r)
{
    r.return_ = languageArray(engine);
    return SOAP_OK;
}

int ns3__ClientService_x002egetAllCountries(soap *engine, ns3__ClientService_x002egetAllCountriesResponse &r)
{
    r.return_ = countryArray(engine, SignupCatalog::countries());
    return SOAP_OK;
}

int ns3__ClientService_x002egetAllFaxCountries(soap *engine,
                                               ns3__ClientService_x002egetAllFaxCountriesResponse &r)
{
    r.return_ = countryArray(engine, SignupCatalog::faxCountries());
    return SOAP_OK;
}

int ns3__ClientService_x002egetIpNationality(soap *engine, std::string &code)
{
    code = utf8(serviceContext(engine).settings.ipNationality);
    return SOAP_OK;
}

int ns3__ClientService_x002egetFaxRegions(soap *engine, std::string code,
                                          ns3__ClientService_x002egetFaxRegionsResponse &r)
{
    QList<DestinationInfo *> items;
    for (const SignupCatalog::Region &region : SignupCatalog::regions(text(code))) {
        DestinationInfo *item = soap_new_DestinationInfo(engine);
        item->id = region.id;
        item->parentid = region.parentId;
        item->destination = utf8(region.name);
        items.append(item);
    }
    r.return_ = withItems(engine, soap_new_ArrayOfDestinationInfo(engine), items);
    return SOAP_OK;
}

int ns3__ClientService_x002eregisterCustomer(soap *engine, RegisterCustomerInfo *info, std::string &password)
{
    if (!info)
        return soap_sender_fault(engine, "Missing customer", nullptr);
    Mailbox &mailbox = serviceContext(engine).mailbox;
    if (const int code = refusal(mailbox, *info))
        return numberedFault(engine, code, "Registration refused");
    const QString plain = newPassword();
    Account account =
        mailbox.createAccount(text(info->email).trimmed(),
                              QCryptographicHash::hash(plain.toUtf8(), QCryptographicHash::Md5).toHex());
    account.details = QJsonObject{{"firstname", text(info->firstName)},
                                  {"lastname", text(info->lastName)},
                                  {"country", text(info->country)},
                                  {"langcode", text(info->language)},
                                  {"faxregion", info->faxregion}};
    mailbox.store().updateAccount(account);
    password = utf8(plain);
    return SOAP_OK;
}

} // namespace standin
