// Account-service operations on the caller's account record.

#include "ServiceCodes.h"
#include "ServiceContext.h"
#include "SoapValues.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace standin {
namespace {

struct TextField
{
    const char *name;
    std::string AccountInfo::*member;
};

struct NumberField
{
    const char *name;
    int AccountInfo::*member;
};

const TextField textFields[] = {
    {"faxnumber", &AccountInfo::faxnumber},
    {"faxheader", &AccountInfo::faxheader},
    {"notificationsms", &AccountInfo::notificationsms},
    {"firstname", &AccountInfo::firstname},
    {"lastname", &AccountInfo::lastname},
    {"city", &AccountInfo::city},
    {"address1", &AccountInfo::address1},
    {"postalcode", &AccountInfo::postalcode},
    {"country", &AccountInfo::country},
    {"langcode", &AccountInfo::langcode},
    {"phone", &AccountInfo::phone},
    {"companyname", &AccountInfo::companyname},
    {"vat", &AccountInfo::vat},
    {"enddate", &AccountInfo::enddate},
};

const NumberField numberFields[] = {
    {"notifybysms", &AccountInfo::notifybysms},         {"notifybyemail", &AccountInfo::notifybyemail},
    {"redirecttoemail", &AccountInfo::redirecttoemail}, {"attachmentid", &AccountInfo::attachmentid},
    {"prepaidbalance", &AccountInfo::prepaidbalance},
};

} // namespace

int ns1__QelvoxService_x002eauthenticate(soap *engine, int &customerId)
{
    customerId = serviceContext(engine).account.id;
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetExtendedTitle(soap *engine,
                                             ns1__QelvoxService_x002egetExtendedTitleResponse &r)
{
    r.param_3 = serviceContext(engine).account.extendedTitle ? "1" : "0";
    return SOAP_OK;
}

int ns1__QelvoxService_x002esetExtendedTitle(soap *engine, std::string extendedTitle, int &result)
{
    ServiceContext &context = serviceContext(engine);
    context.account.extendedTitle = text(extendedTitle).trimmed().toInt() != 0;
    context.mailbox.store().updateAccount(context.account);
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetAccountInfo(soap *engine, ns1__QelvoxService_x002egetAccountInfoResponse &r)
{
    const QJsonObject &details = serviceContext(engine).account.details;
    r.return_ = soap_new_AccountInfo(engine);
    for (const TextField &field : textFields)
        r.return_->*field.member = utf8(details.value(field.name).toString());
    for (const NumberField &field : numberFields)
        r.return_->*field.member = details.value(field.name).toInt();
    return SOAP_OK;
}

int ns1__QelvoxService_x002esetAccountInfo(soap *engine, AccountInfo *info, int &result)
{
    ServiceContext &context = serviceContext(engine);
    if (!info) {
        result = ServiceCode::GeneralFailure;
        return SOAP_OK;
    }
    for (const TextField &field : textFields)
        context.account.details.insert(field.name, text(info->*field.member));
    for (const NumberField &field : numberFields)
        context.account.details.insert(field.name, info->*field.member);
    context.mailbox.store().updateAccount(context.account);
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002esetNewEmail(soap *engine, std::string email, int &result)
{
    ServiceContext &context = serviceContext(engine);
    const QString address = text(email).trimmed();
    const std::optional<Account> holder = context.mailbox.store().accountByEmail(address);
    if (!Mailbox::isEmailShaped(address))
        result = ServiceCode::WrongEmailFormat;
    else if (holder && holder->id != context.account.id)
        result = ServiceCode::EmailTaken;
    else {
        context.account.email = address;
        context.mailbox.store().updateAccount(context.account);
        result = 0;
    }
    return SOAP_OK;
}

int ns1__QelvoxService_x002esetNewPassword(soap *engine, std::string password, int &result)
{
    static const QRegularExpression digest("^[0-9a-f]{32}$");
    ServiceContext &context = serviceContext(engine);
    const QString newDigest = text(password);
    if (!digest.match(newDigest).hasMatch()) {
        result = ServiceCode::GeneralFailure;
        return SOAP_OK;
    }
    context.account.passwordDigest = newDigest;
    context.mailbox.store().updateAccount(context.account);
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetShiftTime(soap *engine, int &shift)
{
    shift = serviceContext(engine).account.timeShift;
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetInboxOutboxID(soap *engine,
                                             ns1__QelvoxService_x002egetInboxOutboxIDResponse &r)
{
    const Account &account = serviceContext(engine).account;
    r.return_ = integers(engine, {0, account.inbox, account.outbox});
    return SOAP_OK;
}

int ns1__QelvoxService_x002eregisterApp(soap *engine, int app, std::string version, int &result)
{
    ServiceContext &context = serviceContext(engine);
    context.account.appVersion = QString::number(app) + ":" + text(version);
    context.mailbox.store().updateAccount(context.account);
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetAppVersion(soap *engine, std::string, std::string,
                                          ns1__QelvoxService_x002egetAppVersionResponse &r)
{
    const ServiceSettings &settings = serviceContext(engine).settings;
    r.return_ = soap_new_AppVersion(engine);
    r.return_->version = utf8(settings.appVersion);
    r.return_->link = utf8(settings.appLink);
    return SOAP_OK;
}

} // namespace standin
