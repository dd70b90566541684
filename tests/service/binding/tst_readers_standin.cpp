// The reply of every operation the client calls, produced by the independent stand-in server from
// its demo account and read by the binding's readers.

#include "MessageWriter.h"
#include "QelvoxTestCase.h"
#include "ReplyReceiver.h"
#include "StandinProcess.h"

#include <QCryptographicHash>
#include <QTest>
#include <functional>

namespace {

const char kDemoEmail[] = "demo@qelvox.test";

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

// Sends one request written by the binding and reads the raw reply with the operation's getter.
class Call
{
public:
    Call(StandinProcess &standin, SOAP_ENV__Header *credentials) : standin(standin), credentials(credentials)
    {
    }
    ~Call()
    {
        soap_destroy(soap);
        soap_end(soap);
        soap_free(soap);
    }
    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;

    // Returns the call's result code; on success read holds what the getter returned.
    template <class Request, class Response>
    int run(bool account, const char *operation, const Request &request,
            void (*mark)(struct soap *, const Request *),
            int (*put)(struct soap *, const Request *, const char *, const char *),
            Response *(*get)(struct soap *, Response *, const char *, const char *), Response *read)
    {
        const std::string element =
            std::string(account ? "ns1:QelvoxService." : "ns3:ClientService.") + operation;
        soap->header = credentials;
        const WrittenMessage written = MessageWriter(soap).write(request, mark, put, element.c_str());
        if (written.result)
            return written.result;
        const QByteArray action = QByteArray(account ? "\"urn:QelvoxService#" : "\"urn:ClientService#") +
                                  QByteArray(operation).replace('-', '_') + '"';
        const HttpExchange::Response reply = standin.send(HttpExchange::post(
            account ? StandinProcess::accountPath() : StandinProcess::signupPath(), "text/xml; charset=utf-8",
            QByteArray::fromStdString(written.bytes), {{"SOAPAction", action}}));
        if (!reply.connected)
            return SOAP_TCP_ERROR;
        raw = reply.raw.toStdString();
        return ReplyReceiver(soap).receive(raw, get, read);
    }

    struct soap *soap = soap_new1(SOAP_C_UTFSTRING);
    std::string raw;

private:
    StandinProcess &standin;
    SOAP_ENV__Header *credentials;
};

using Run = std::function<QString(Call &, int &code)>;

// The demo account's objects (id, type), as its full change list names them.
QList<QPair<int, int>> demoObjects;

int firstOfType(int type)
{
    for (const auto &object : demoObjects)
        if (object.second == type)
            return object.first;
    return 0;
}

// One operation: fill sets the request's members, describe summarises the response read.
template <class Request, class Response, class Fill, class Describe>
Run operation(const char *name, void (*mark)(struct soap *, const Request *),
              int (*put)(struct soap *, const Request *, const char *, const char *),
              Response *(*get)(struct soap *, Response *, const char *, const char *), Fill fill,
              Describe describe, bool account = true)
{
    return [=](Call &call, int &code) {
        Request request{};
        fill(request);
        Response response{};
        code = call.run(account, name, request, mark, put, get, &response);
        return code == SOAP_OK ? QString(describe(response)) : QString();
    };
}

template <class A> int count(const A *array)
{
    return array ? array->__size : -1;
}

} // namespace

Q_DECLARE_METATYPE(Run)

class tst_ReadersStandin : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyUsedOperation_data();
    void everyUsedOperation();

private:
    StandinProcess standin{{"--demo"}};
    SOAP_ENV__Header credentials;
};

void tst_ReadersStandin::initTestCase()
{
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    credentials.email = kDemoEmail;
    credentials.password =
        QCryptographicHash::hash("demo-fax-2029", QCryptographicHash::Md5).toHex().toStdString();
    Call call(standin, &credentials);
    ns1__QelvoxService_x002ereviewObjects request;
    ns1__QelvoxService_x002ereviewObjectsResponse response{};
    QCOMPARE(call.run(true, "reviewObjects", request, soap_serialize_ns1__QelvoxService_x002ereviewObjects,
                      soap_put_ns1__QelvoxService_x002ereviewObjects,
                      soap_get_ns1__QelvoxService_x002ereviewObjectsResponse, &response),
             SOAP_OK);
    const ArrayOfObjectIDInfo *actions = response.return_->actions;
    for (int i = 0; i < actions->__size; ++i)
        demoObjects.append({actions->__ptr[i]->object, actions->__ptr[i]->type});
}

// Rows run in order against one server; the ones that change the account come after the reads they
// would disturb and leave the credentials as they were.
void tst_ReadersStandin::everyUsedOperation_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<QString>("expected");

    auto none = [](auto &) {};
    auto number = [](const auto &r) { return QString::number(r.return_); };
    auto words = [](const auto &r) { return text(r.return_); };
    auto size = [](const auto &r) { return QStringLiteral("%1 items").arg(count(r.return_)); };
    auto codes = [](const auto &r) {
        QStringList out;
        for (int i = 0; r.return_ && i < r.return_->__size && i < 2; ++i)
            out << text(r.return_->__ptr[i]->code);
        return out.join(',');
    };
    auto changes = [](const auto &r) {
        return QStringLiteral("%1 changes").arg(r.return_ ? count(r.return_->actions) : -1);
    };

    QTest::newRow("authenticate") << operation(
                                         "authenticate", soap_serialize_ns1__QelvoxService_x002eauthenticate,
                                         soap_put_ns1__QelvoxService_x002eauthenticate,
                                         soap_get_ns1__QelvoxService_x002eauthenticateResponse, none, number)
                                  << "4711";
    QTest::newRow("getShiftTime") << operation(
                                         "getShiftTime", soap_serialize_ns1__QelvoxService_x002egetShiftTime,
                                         soap_put_ns1__QelvoxService_x002egetShiftTime,
                                         soap_get_ns1__QelvoxService_x002egetShiftTimeResponse, none, number)
                                  << "3600";
    QTest::newRow("getAllLanguages") << operation("getAllLanguages",
                                                  soap_serialize_ns1__QelvoxService_x002egetAllLanguages,
                                                  soap_put_ns1__QelvoxService_x002egetAllLanguages,
                                                  soap_get_ns1__QelvoxService_x002egetAllLanguagesResponse,
                                                  none, codes)
                                     << "de,en";
    QTest::newRow("getAllCountries") << operation("getAllCountries",
                                                  soap_serialize_ns1__QelvoxService_x002egetAllCountries,
                                                  soap_put_ns1__QelvoxService_x002egetAllCountries,
                                                  soap_get_ns1__QelvoxService_x002egetAllCountriesResponse,
                                                  none, codes)
                                     << "BEL,CHE";
    QTest::newRow("getExtendedTitle")
        << operation("getExtendedTitle", soap_serialize_ns1__QelvoxService_x002egetExtendedTitle,
                     soap_put_ns1__QelvoxService_x002egetExtendedTitle,
                     soap_get_ns1__QelvoxService_x002egetExtendedTitleResponse, none,
                     [](const auto &r) { return text(r.param_3); })
        << "1";
    QTest::newRow("getAccountInfo") << operation(
                                           "getAccountInfo",
                                           soap_serialize_ns1__QelvoxService_x002egetAccountInfo,
                                           soap_put_ns1__QelvoxService_x002egetAccountInfo,
                                           soap_get_ns1__QelvoxService_x002egetAccountInfoResponse, none,
                                           [](const auto &r) {
                                               return text(r.return_->faxnumber + " " +
                                                           r.return_->companyname + " " + r.return_->city) +
                                                      " " + QString::number(r.return_->prepaidbalance);
                                           })
                                    << "+33198765432 Demo Ltd Paris 250";
    QTest::newRow("reviewObjects") << operation("reviewObjects",
                                                soap_serialize_ns1__QelvoxService_x002ereviewObjects,
                                                soap_put_ns1__QelvoxService_x002ereviewObjects,
                                                soap_get_ns1__QelvoxService_x002ereviewObjectsResponse, none,
                                                changes)
                                   << "16 changes";
    QTest::newRow("getModifiedObjects")
        << operation(
               "getModifiedObjects", soap_serialize_ns1__QelvoxService_x002egetModifiedObjects,
               soap_put_ns1__QelvoxService_x002egetModifiedObjects,
               soap_get_ns1__QelvoxService_x002egetModifiedObjectsResponse, [](auto &r) { r.timestamp = 0; },
               changes)
        << "16 changes";
    QTest::newRow("getObjects")
        << operation(
               "getObjects", soap_serialize_ns1__QelvoxService_x002egetObjects,
               soap_put_ns1__QelvoxService_x002egetObjects,
               soap_get_ns1__QelvoxService_x002egetObjectsResponse,
               [](auto &r) {
                   static std::vector<ObjectData> objects;
                   static std::vector<ObjectData *> items;
                   objects.resize(demoObjects.size());
                   items.clear();
                   for (int i = 0; i < demoObjects.size(); ++i) {
                       objects[i].object = demoObjects[i].first;
                       objects[i].type = demoObjects[i].second;
                       items.push_back(&objects[i]);
                   }
                   static ArrayOfObjectData data;
                   data.__ptr = items.data();
                   data.__size = int(items.size());
                   r.data = &data;
               },
               [](const auto &r) {
                   const ObjectsInfo *o = r.return_;
                   return QStringLiteral("%1 groups, %2 contacts, %3 folders, %4 received, %5 sent, %6 SMS, "
                                         "%7 voice; %8")
                       .arg(count(o->contactgroups))
                       .arg(count(o->contacts))
                       .arg(count(o->folders))
                       .arg(count(o->faxesreceived))
                       .arg(count(o->faxessent))
                       .arg(count(o->smsessent))
                       .arg(count(o->voicesreceived))
                       .arg(text(o->contacts->__ptr[0]->name));
               })
        << "2 groups, 4 contacts, 4 folders, 3 received, 1 sent, 1 SMS, 1 voice; Paper & Co";
    QTest::newRow("getRecipients") << operation(
                                          "getRecipients",
                                          soap_serialize_ns1__QelvoxService_x002egetRecipients,
                                          soap_put_ns1__QelvoxService_x002egetRecipients,
                                          soap_get_ns1__QelvoxService_x002egetRecipientsResponse,
                                          [](auto &r) {
                                              r.id = firstOfType(4);
                                              r.type = "SMS";
                                          },
                                          [](const auto &r) {
                                              QStringList out;
                                              for (int i = 0; i < count(r.return_); ++i)
                                                  out << text(r.return_->__ptr[i]->recipient);
                                              return out.join(',');
                                          })
                                   << "+33600000003,+33600000009";
    QTest::newRow("downloadFile") << operation(
                                         "downloadFile", soap_serialize_ns1__QelvoxService_x002edownloadFile,
                                         soap_put_ns1__QelvoxService_x002edownloadFile,
                                         soap_get_ns1__QelvoxService_x002edownloadFileResponse,
                                         [](auto &r) {
                                             r.id = firstOfType(2);
                                             r.type = 2;
                                             r.format = "pdf";
                                         },
                                         words)
                                  << "fax.pdf";
    QTest::newRow("getAppVersion") << operation(
                                          "getAppVersion",
                                          soap_serialize_ns1__QelvoxService_x002egetAppVersion,
                                          soap_put_ns1__QelvoxService_x002egetAppVersion,
                                          soap_get_ns1__QelvoxService_x002egetAppVersionResponse,
                                          [](auto &r) {
                                              r.os = "WIN";
                                              r.app = "2.29";
                                          },
                                          [](const auto &r) { return text(r.return_->version); })
                                   << "2.29";
    QTest::newRow("getInboxOutboxID")
        << operation("getInboxOutboxID", soap_serialize_ns1__QelvoxService_x002egetInboxOutboxID,
                     soap_put_ns1__QelvoxService_x002egetInboxOutboxID,
                     soap_get_ns1__QelvoxService_x002egetInboxOutboxIDResponse, none, size)
        << "3 items";
    QTest::newRow("registerApp") << operation(
                                        "registerApp", soap_serialize_ns1__QelvoxService_x002eregisterApp,
                                        soap_put_ns1__QelvoxService_x002eregisterApp,
                                        soap_get_ns1__QelvoxService_x002eregisterAppResponse,
                                        [](auto &r) {
                                            r.app = 1;
                                            r.version = "2.29";
                                        },
                                        number)
                                 << "0";
    QTest::newRow("setExtendedTitle")
        << operation(
               "setExtendedTitle", soap_serialize_ns1__QelvoxService_x002esetExtendedTitle,
               soap_put_ns1__QelvoxService_x002esetExtendedTitle,
               soap_get_ns1__QelvoxService_x002esetExtendedTitleResponse,
               [](auto &r) { r.extendedTitle = "Büro"; }, number)
        << "0";
    QTest::newRow("setAccountInfo") << operation(
                                           "setAccountInfo",
                                           soap_serialize_ns1__QelvoxService_x002esetAccountInfo,
                                           soap_put_ns1__QelvoxService_x002esetAccountInfo,
                                           soap_get_ns1__QelvoxService_x002esetAccountInfoResponse,
                                           [](auto &r) {
                                               static AccountInfo info;
                                               info.faxnumber = "+33198765432";
                                               info.city = "Paris";
                                               r.info = &info;
                                           },
                                           number)
                                    << "0";
    QTest::newRow("updateContactGroupInfo")
        << operation(
               "updateContactGroupInfo", soap_serialize_ns1__QelvoxService_x002eupdateContactGroupInfo,
               soap_put_ns1__QelvoxService_x002eupdateContactGroupInfo,
               soap_get_ns1__QelvoxService_x002eupdateContactGroupInfoResponse,
               [](auto &r) {
                   static ContactGroupInfo group;
                   group.id = -1001;
                   group.name = "Neighbours";
                   r.info = &group;
               },
               size)
        << "1 items";
    QTest::newRow("updateContactInfo")
        << operation(
               "updateContactInfo", soap_serialize_ns1__QelvoxService_x002eupdateContactInfo,
               soap_put_ns1__QelvoxService_x002eupdateContactInfo,
               soap_get_ns1__QelvoxService_x002eupdateContactInfoResponse,
               [](auto &r) {
                   static ContactInfo contact;
                   contact.id = -1002;
                   contact.name = "Zoë";
                   contact.number = "+33140000042";
                   r.info = &contact;
               },
               size)
        << "2 items";
    QTest::newRow("renameFolder") << operation(
                                         "renameFolder", soap_serialize_ns1__QelvoxService_x002erenameFolder,
                                         soap_put_ns1__QelvoxService_x002erenameFolder,
                                         soap_get_ns1__QelvoxService_x002erenameFolderResponse,
                                         [](auto &r) {
                                             r.folderid = -1003;
                                             r.newname = "Receipts";
                                         },
                                         size)
                                  << "1 items";
    QTest::newRow("sendFaxRegister") << operation(
                                            "sendFaxRegister",
                                            soap_serialize_ns1__QelvoxService_x002esendFaxRegister,
                                            soap_put_ns1__QelvoxService_x002esendFaxRegister,
                                            soap_get_ns1__QelvoxService_x002esendFaxRegisterResponse,
                                            [](auto &r) {
                                                static std::string numbers[] = {"+33140000001"};
                                                static ArrayOfString list;
                                                list.__ptr = numbers;
                                                list.__size = 1;
                                                static SendFaxInfo info;
                                                info.numbers = &list;
                                                info.content = "cover";
                                                info.pages = 1;
                                                r.info = &info;
                                                r.report = "NO";
                                            },
                                            size)
                                     << "1 items";
    QTest::newRow("sendSmsAsynchronous")
        << operation(
               "sendSmsAsynchronous", soap_serialize_ns1__QelvoxService_x002esendSmsAsynchronous,
               soap_put_ns1__QelvoxService_x002esendSmsAsynchronous,
               soap_get_ns1__QelvoxService_x002esendSmsAsynchronousResponse,
               [](auto &r) {
                   static std::string numbers[] = {"+33600000003"};
                   static ArrayOfString list;
                   list.__ptr = numbers;
                   list.__size = 1;
                   static SendSmsInfo info;
                   info.numbers = &list;
                   info.content = "Hi";
                   r.info = &info;
               },
               size)
        << "2 items";
    QTest::newRow("forwardAsynchronous")
        << operation(
               "forwardAsynchronous", soap_serialize_ns1__QelvoxService_x002eforwardAsynchronous,
               soap_put_ns1__QelvoxService_x002eforwardAsynchronous,
               soap_get_ns1__QelvoxService_x002eforwardAsynchronousResponse,
               [](auto &r) {
                   static ForwardInfo info;
                   info.id = 1;
                   info.type = 2;
                   info.forward = 5;
                   info.to = "someone@example.com";
                   r.info = &info;
               },
               size)
        << "1 items";
    auto objects = [] {
        static int faxes[] = {1};
        static ArrayOfInteger ids;
        ids.__ptr = faxes;
        ids.__size = 1;
        static ObjectsID group;
        group.type = 2;
        group.ids = &ids;
        static ObjectsID *items[] = {&group};
        static ArrayOfObjectsID info;
        info.__ptr = items;
        info.__size = 1;
        return &info;
    };
    QTest::newRow("changeStatus") << operation(
                                         "changeStatus", soap_serialize_ns1__QelvoxService_x002echangeStatus,
                                         soap_put_ns1__QelvoxService_x002echangeStatus,
                                         soap_get_ns1__QelvoxService_x002echangeStatusResponse,
                                         [objects](auto &r) {
                                             r.info = objects();
                                             r.status = 1;
                                         },
                                         number)
                                  << "0";
    QTest::newRow("moveToFolder") << operation(
                                         "moveToFolder", soap_serialize_ns1__QelvoxService_x002emoveToFolder,
                                         soap_put_ns1__QelvoxService_x002emoveToFolder,
                                         soap_get_ns1__QelvoxService_x002emoveToFolderResponse,
                                         [objects](auto &r) {
                                             r.allobjects = objects();
                                             r.folderid = 0;
                                         },
                                         number)
                                  << "110";
    QTest::newRow("deleteObjects") << operation(
                                          "deleteObjects",
                                          soap_serialize_ns1__QelvoxService_x002edeleteObjects,
                                          soap_put_ns1__QelvoxService_x002edeleteObjects,
                                          soap_get_ns1__QelvoxService_x002edeleteObjectsResponse,
                                          [objects](auto &r) { r.info = objects(); }, number)
                                   << "0";
    QTest::newRow("setNewEmail") << operation(
                                        "setNewEmail", soap_serialize_ns1__QelvoxService_x002esetNewEmail,
                                        soap_put_ns1__QelvoxService_x002esetNewEmail,
                                        soap_get_ns1__QelvoxService_x002esetNewEmailResponse,
                                        [](auto &r) { r.email = kDemoEmail; }, number)
                                 << "0";
    QTest::newRow("setNewPassword") << operation(
                                           "setNewPassword",
                                           soap_serialize_ns1__QelvoxService_x002esetNewPassword,
                                           soap_put_ns1__QelvoxService_x002esetNewPassword,
                                           soap_get_ns1__QelvoxService_x002esetNewPasswordResponse,
                                           [](auto &r) {
                                               r.password = QCryptographicHash::hash("demo-fax-2029",
                                                                                     QCryptographicHash::Md5)
                                                                .toHex()
                                                                .toStdString();
                                           },
                                           number)
                                    << "0";

    QTest::newRow("sign-up getAllLanguages")
        << operation("getAllLanguages", soap_serialize_ns3__ClientService_x002egetAllLanguages,
                     soap_put_ns3__ClientService_x002egetAllLanguages,
                     soap_get_ns3__ClientService_x002egetAllLanguagesResponse, none, codes, false)
        << "de,en";
    QTest::newRow("sign-up getAllCountries")
        << operation("getAllCountries", soap_serialize_ns3__ClientService_x002egetAllCountries,
                     soap_put_ns3__ClientService_x002egetAllCountries,
                     soap_get_ns3__ClientService_x002egetAllCountriesResponse, none, codes, false)
        << "BEL,CHE";
    QTest::newRow("sign-up getAllFaxCountries")
        << operation("getAllFaxCountries", soap_serialize_ns3__ClientService_x002egetAllFaxCountries,
                     soap_put_ns3__ClientService_x002egetAllFaxCountries,
                     soap_get_ns3__ClientService_x002egetAllFaxCountriesResponse, none, codes, false)
        << "BEL,DEU";
    QTest::newRow("sign-up getIpNationality")
        << operation("getIpNationality", soap_serialize_ns3__ClientService_x002egetIpNationality,
                     soap_put_ns3__ClientService_x002egetIpNationality,
                     soap_get_ns3__ClientService_x002egetIpNationalityResponse, none, words, false)
        << "FRA";
    QTest::newRow("sign-up getFaxRegions")
        << operation(
               "getFaxRegions", soap_serialize_ns3__ClientService_x002egetFaxRegions,
               soap_put_ns3__ClientService_x002egetFaxRegions,
               soap_get_ns3__ClientService_x002egetFaxRegionsResponse, [](auto &r) { r.code = "FRA"; }, size,
               false)
        << "3 items";
    QTest::newRow("sign-up registerCustomer")
        << operation(
               "registerCustomer", soap_serialize_ns3__ClientService_x002eregisterCustomer,
               soap_put_ns3__ClientService_x002eregisterCustomer,
               soap_get_ns3__ClientService_x002eregisterCustomerResponse,
               [](auto &r) {
                   static RegisterCustomerInfo info;
                   info.email = "new@example.com";
                   info.faxregion = 200;
                   info.firstName = "Noé";
                   info.country = "FRA";
                   info.language = "fr";
                   r.info = &info;
               },
               // The new account's password, made up by the service.
               [](const auto &r) { return QStringLiteral("%1 characters").arg(r.return_.size()); }, false)
        << "8 characters";
}

void tst_ReadersStandin::everyUsedOperation()
{
    QFETCH(Run, run);
    QFETCH(QString, expected);
    Call call(standin, &credentials);
    int code = -1;
    const QString got = run(call, code);
    QVERIFY2(
        code == SOAP_OK,
        qPrintable(QStringLiteral("code %1, reply:\n%2").arg(code).arg(QString::fromStdString(call.raw))));
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(tst_ReadersStandin)

#include "tst_readers_standin.moc"
