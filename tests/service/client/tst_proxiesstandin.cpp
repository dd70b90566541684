#include "ClientProxy.h"
#include "QelvoxProxy.h"
#include "QelvoxTestCase.h"
#include "StandinProcess.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QtTest>
#include <functional>
#include <vector>

// Every operation that the client uses, called through the proxies over HTTPS against the
// independent stand-in service: the stand-in must decode the parameters as they were sent, and the
// proxy must read the stand-in's reply into the response record.

namespace {

// Seeded objects with fixed ids, so that requests and replies can be written down in full.
enum SeededId {
    CustomerId = 5001,
    FolderId = 20001,
    GroupId = 20010,
    GroupMemberId = 20011,
    ContactId = 20020,
    SpareContactId = 20021,
    ReceivedFaxId = 20030,
    SentFaxId = 20040,
    SentSmsId = 20050,
};

const char *const Email = "proxies@example.test";
const char *const OtherEmail = "changes@example.test";

const QByteArray Seed = R"({"accounts": [
  {"email": "proxies@example.test", "password": "secret", "customerId": 5001, "timeShift": 3600,
   "extendedTitle": true, "details": {"firstname": "Anna", "lastname": "Ωmega", "prepaidbalance": 250},
   "folders": [{"id": 20001, "name": "Invoices"}],
   "groups": [{"id": 20010, "name": "Suppliers",
               "contacts": [{"id": 20011, "name": "Ink", "number": "+3314", "gsmnumber": ""}]}],
   "contacts": [{"id": 20020, "name": "Desk", "number": "+3315", "gsmnumber": "+3366"},
                {"id": 20021, "name": "Spare", "number": "+3316", "gsmnumber": ""}],
   "receivedFaxes": [{"id": 20030, "sender": "+3314", "pages": 1, "date": "2026-12-01 09:15:00",
                      "read": false, "text": ["hello"],
                      "document": {"name": "fax.pdf", "contentType": "application/pdf", "base64": "JVBERi0xLjQK"}}],
   "sentFaxes": [{"id": 20040, "recipients": ["+3314", "+3315"], "status": 1, "pages": 1}],
   "sentSms": [{"id": 20050, "recipients": ["+3366"], "status": 1, "content": "Hello"}]},
  {"email": "changes@example.test", "password": "old", "customerId": 5002}
]})";

QByteArray digest(const char *password)
{
    return QCryptographicHash::hash(password, QCryptographicHash::Md5).toHex();
}

// What a call returned: its status and the reply, read into JSON for comparison.
struct Outcome
{
    int status;
    QJsonValue reply;
};

// Both proxies, set up as the client sets up its engines, on the stand-in's HTTPS endpoints.
struct Peer
{
    QelvoxProxy account;
    ClientProxy signup;
    SOAP_ENV__Header credentials;
    std::string accountEndpoint;
    std::string signupEndpoint;

    // Drops the previous reply's objects and points the engine at its endpoint and credentials.
    QelvoxProxy &accountCall()
    {
        prepare(account, accountEndpoint);
        return account;
    }
    ClientProxy &signupCall()
    {
        prepare(signup, signupEndpoint);
        return signup;
    }

private:
    void prepare(ServiceProxy &proxy, const std::string &endpoint)
    {
        proxy.destroy();
        proxy.header = &credentials;
        proxy.soap_endpoint = endpoint.c_str();
    }
};

using Call = std::function<Outcome(Peer &)>;

template <class Array> QJsonArray ints(const Array *a)
{
    QJsonArray out;
    for (int i = 0; a && i < a->__size; ++i)
        out.append(a->__ptr[i]);
    return out;
}

// Each record item of a reply array as f makes it, null for a null item.
template <class Array, class F> QJsonArray records(const Array *a, F f)
{
    QJsonArray out;
    for (int i = 0; a && i < a->__size; ++i)
        out.append(a->__ptr[i] ? f(*a->__ptr[i]) : QJsonValue());
    return out;
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QJsonArray languages(const ArrayOfLanguageInfo *a)
{
    return records(a, [](const LanguageInfo &l) { return QJsonArray{text(l.code), text(l.language)}; });
}

QJsonArray countries(const ArrayOfCountryInfo *a)
{
    return records(a, [](const CountryInfo &c) { return QJsonArray{text(c.code), text(c.country)}; });
}

QJsonValue actions(const ObjectsIDInfo *info)
{
    if (!info)
        return QJsonValue();
    return records(info->actions, [](const ObjectIDInfo &a) {
        return QJsonArray{a.object, a.type, a.action};
    });
}

// Request arrays over storage that the caller keeps alive for the call.
struct IdList
{
    explicit IdList(std::vector<int> values) : values(std::move(values))
    {
        array.__ptr = this->values.data();
        array.__size = int(this->values.size());
    }
    std::vector<int> values;
    ArrayOfInteger array;
};

struct ObjectsIdList
{
    ObjectsIdList(int type, std::vector<int> values) : ids(std::move(values))
    {
        objects.type = type;
        objects.ids = &ids.array;
        array.__ptr = &item;
        array.__size = 1;
    }
    IdList ids;
    ObjectsID objects;
    ObjectsID *item = &objects;
    ArrayOfObjectsID array;
};

struct StringList
{
    explicit StringList(std::vector<std::string> values) : values(std::move(values))
    {
        array.__ptr = this->values.data();
        array.__size = int(this->values.size());
    }
    std::vector<std::string> values;
    ArrayOfString array;
};

// A reply that creates an object: its code and whether it names a new id.
template <class Response> Outcome created(int status, const Response &r)
{
    const QJsonArray ids = ints(r.return_);
    return {status, QJsonArray{ids.at(0), ids.at(1).toInt() > SentSmsId}};
}

const QByteArray Created = "[0, true]";
const QByteArray Languages = R"([["de", "Deutsch"], ["en", "English"], ["es", "Español"], ["fr", "Français"],
                                  ["it", "Italiano"], ["ro", "Română"], ["ru", "Русский"]])";
const QByteArray Countries = R"([["BEL", "Belgium"], ["CHE", "Switzerland"], ["DEU", "Germany"],
    ["ESP", "Spain"], ["FRA", "France"], ["GBR", "United Kingdom"], ["ITA", "Italy"], ["ROU", "Romania"],
    ["RUS", "Russia"], ["USA", "United States"]])";
const QByteArray AllObjects = R"([[10001, 7, 1], [10002, 7, 1], [20001, 7, 1], [20010, 5, 1], [20011, 6, 1],
                                   [20020, 6, 1], [20021, 6, 1], [20030, 2, 1], [20040, 1, 1], [20050, 4, 1]])";

} // namespace

Q_DECLARE_METATYPE(Call)

class TestProxiesStandin : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(standin.start(), qPrintable(standin.errorText()));
        const QJsonObject seeded = standin.seed(QJsonDocument::fromJson(Seed).object());
        QVERIFY2(seeded.value("ok").toBool(), qPrintable(seeded.value("error").toString()));
        const QByteArray ca = standin.caFile().toLocal8Bit();
        for (ServiceProxy *proxy :
             {static_cast<ServiceProxy *>(&peer.account), static_cast<ServiceProxy *>(&peer.signup)}) {
            soap_set_mode(proxy, SOAP_C_UTFSTRING);
            soap_set_namespaces(proxy, namespaces);
            QCOMPARE(soap_ssl_client_context(proxy, SOAP_SSL_DEFAULT, nullptr, nullptr, ca.constData(),
                                             nullptr, nullptr),
                     SOAP_OK);
        }
        peer.accountEndpoint = (standin.httpsUrl().toUtf8() + StandinProcess::accountPath()).toStdString();
        peer.signupEndpoint = (standin.httpsUrl().toUtf8() + StandinProcess::signupPath()).toStdString();
        peer.credentials = {Email, digest("secret").toStdString()};
    }

    void everyUsedOperation_data();
    void everyUsedOperation();

private:
    StandinProcess standin;
    Peer peer;
};

void TestProxiesStandin::everyUsedOperation_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QByteArray>("params");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("attachments");

    const auto account = [](const char *name, const QByteArray &params, const QByteArray &reply, Call call,
                            const QByteArray &attachments = "[]") {
        QTest::newRow(name) << call << "Qelvox" << name << params << reply << attachments;
    };
    const auto signup = [](const char *name, const QByteArray &params, const QByteArray &reply, Call call) {
        QTest::newRow(QByteArray("signup ").append(name).constData())
            << call << "Client" << name << params << reply << QByteArray("[]");
    };

    account("authenticate", "{}", "5001", [](Peer &p) {
        int r = -1;
        return Outcome{p.accountCall().authenticate(r), r};
    });
    account("getShiftTime", "{}", "3600", [](Peer &p) {
        int r = -1;
        return Outcome{p.accountCall().getShiftTime(r), r};
    });
    account("getInboxOutboxID", "{}", "[0, 10001, 10002]", [](Peer &p) {
        ns1__QelvoxService_x002egetInboxOutboxIDResponse r{};
        return Outcome{p.accountCall().getInboxOutboxID(r), ints(r.return_)};
    });
    account("getAllLanguages", "{}", Languages, [](Peer &p) {
        ns1__QelvoxService_x002egetAllLanguagesResponse r{};
        const int status = p.accountCall().getAllLanguages(r);
        return Outcome{status, languages(r.return_)};
    });
    account("getAllCountries", "{}", Countries, [](Peer &p) {
        ns1__QelvoxService_x002egetAllCountriesResponse r{};
        const int status = p.accountCall().getAllCountries(r);
        return Outcome{status, countries(r.return_)};
    });
    account("getExtendedTitle", "{}", R"("1")", [](Peer &p) {
        std::string r = "stale";
        return Outcome{p.accountCall().getExtendedTitle(r), text(r)};
    });
    account("setExtendedTitle", R"({"extendedTitle": "Dr. Ω & <Co>"})", "0", [](Peer &p) {
        int r = -1;
        return Outcome{p.accountCall().setExtendedTitle("Dr. Ω & <Co>", r), r};
    });
    account("getAccountInfo", "{}", R"({"firstname": "Anna", "lastname": "Ωmega", "prepaidbalance": 250})",
            [](Peer &p) {
                ns1__QelvoxService_x002egetAccountInfoResponse r{};
                const int status = p.accountCall().getAccountInfo(r);
                if (!r.return_)
                    return Outcome{status, QJsonValue()};
                return Outcome{status, QJsonObject{{"firstname", text(r.return_->firstname)},
                                                   {"lastname", text(r.return_->lastname)},
                                                   {"prepaidbalance", r.return_->prepaidbalance}}};
            });
    account("setAccountInfo",
            R"({"info": {"faxnumber": "", "faxheader": "Office 日本", "notifybysms": 1, "notificationsms": "",
                "notifybyemail": 0, "redirecttoemail": 0, "attachmentid": 0, "firstname": "Anna",
                "lastname": "Müller", "city": "", "address1": "", "postalcode": "", "country": "", "langcode": "",
                "phone": "", "companyname": "", "vat": "", "prepaidbalance": 250, "enddate": ""}})",
            "0", [](Peer &p) {
                AccountInfo info;
                info.faxheader = "Office 日本";
                info.notifybysms = 1;
                info.firstname = "Anna";
                info.lastname = "Müller";
                info.prepaidbalance = 250;
                int r = -1;
                return Outcome{p.accountCall().setAccountInfo(&info, r), r};
            });
    account("reviewObjects", "{}", AllObjects, [](Peer &p) {
        ns1__QelvoxService_x002ereviewObjectsResponse r{};
        return Outcome{p.accountCall().reviewObjects(r), actions(r.return_)};
    });
    account("getModifiedObjects", R"({"timestamp": 0})", AllObjects, [](Peer &p) {
        ns1__QelvoxService_x002egetModifiedObjectsResponse r{};
        return Outcome{p.accountCall().getModifiedObjects(0, r), actions(r.return_)};
    });
    account("getObjects", R"({"data": [{"object": 20020, "type": 6}, {"object": 99999, "type": 6}]})",
            R"({"contacts": [[20020, "Desk", "+3315", "+3366"]], "removed": [[99999, 6]]})", [](Peer &p) {
                ObjectData wanted[2];
                wanted[0].object = ContactId;
                wanted[0].type = 6;
                wanted[1].object = 99999;
                wanted[1].type = 6;
                ObjectData *items[2] = {&wanted[0], &wanted[1]};
                ArrayOfObjectData data;
                data.__ptr = items;
                data.__size = 2;
                ns1__QelvoxService_x002egetObjectsResponse r{};
                const int status = p.accountCall().getObjects(&data, r);
                if (!r.return_)
                    return Outcome{status, QJsonValue()};
                return Outcome{
                    status,
                    QJsonObject{
                        {"contacts",
                         records(r.return_->contacts,
                                 [](const ContactInfo &c) {
                                     return QJsonArray{c.id, text(c.name), text(c.number), text(c.gsmnumber)};
                                 })},
                        {"removed", records(r.return_->removed,
                                            [](const ObjectData &d) {
                                                return QJsonArray{d.object, d.type};
                                            })},
                    }};
            });
    account("getRecipients", R"({"id": 20040, "type": "FAX"})", R"([["+3314", 1], ["+3315", 1]])",
            [](Peer &p) {
                ns1__QelvoxService_x002egetRecipientsResponse r{};
                const int status = p.accountCall().getRecipients(SentFaxId, "FAX", r);
                return Outcome{status, records(r.return_, [](const RecipientInfo &i) {
                                   return QJsonArray{text(i.recipient), i.status};
                               })};
            });
    account("downloadFile", R"({"id": 20030, "type": 2, "format": "pdf"})",
            R"(["fax.pdf", ["JVBERi0xLjQK"]])", [](Peer &p) {
                std::string name;
                QelvoxProxy &proxy = p.accountCall();
                const int status = proxy.downloadFile(ReceivedFaxId, 2, "pdf", name);
                QJsonArray parts;
                for (const soap_multipart *part = proxy.mime.list; part; part = part->next) {
                    if (!QByteArray(part->type).startsWith("text/xml"))
                        parts.append(QString::fromLatin1(QByteArray(part->ptr, qsizetype(part->size))));
                }
                return Outcome{status, QJsonArray{text(name), parts}};
            });
    account("changeStatus", R"({"info": [{"type": 2, "ids": [20030]}], "status": 1})", "0", [](Peer &p) {
        ObjectsIdList objects(2, {ReceivedFaxId});
        int r = -1;
        return Outcome{p.accountCall().changeStatus(&objects.array, 1, r), r};
    });
    account(
        "updateContactInfo",
        R"({"info": {"groupid": 20010, "id": 0, "name": "Zoë", "number": "+3317", "gsmnumber": "+3367"}})",
        Created, [](Peer &p) {
            ContactInfo contact;
            contact.groupid = GroupId;
            contact.id = 0;
            contact.name = "Zoë";
            contact.number = "+3317";
            contact.gsmnumber = "+3367";
            ns1__QelvoxService_x002eupdateContactInfoResponse r{};
            return created(p.accountCall().updateContactInfo(&contact, r), r);
        });
    account("updateContactGroupInfo", R"({"info": {"id": 0, "name": "Clients"}})", Created, [](Peer &p) {
        ContactGroupInfo group;
        group.id = 0;
        group.name = "Clients";
        ns1__QelvoxService_x002eupdateContactGroupInfoResponse r{};
        return created(p.accountCall().updateContactGroupInfo(&group, r), r);
    });
    account("renameFolder", R"({"folderid": 0, "newname": "Archive"})", Created, [](Peer &p) {
        ns1__QelvoxService_x002erenameFolderResponse r{};
        return created(p.accountCall().renameFolder(0, "Archive", r), r);
    });
    account("moveToFolder", R"({"allobjects": [{"type": 2, "ids": [20030]}], "folderid": 20001})", "0",
            [](Peer &p) {
                ObjectsIdList objects(2, {ReceivedFaxId});
                int r = -1;
                return Outcome{p.accountCall().moveToFolder(&objects.array, FolderId, r), r};
            });
    account("deleteObjects", R"({"info": [{"type": 6, "ids": [20021]}]})", "0", [](Peer &p) {
        ObjectsIdList objects(6, {SpareContactId});
        int r = -1;
        return Outcome{p.accountCall().deleteObjects(&objects.array, r), r};
    });
    account("getAppVersion", R"({"os": "WIN", "app": "Qelvoxdesk"})", R"("2.29")", [](Peer &p) {
        ns1__QelvoxService_x002egetAppVersionResponse r{};
        const int status = p.accountCall().getAppVersion("WIN", "Qelvoxdesk", r);
        return Outcome{status, r.return_ ? QJsonValue(text(r.return_->version)) : QJsonValue()};
    });
    account("registerApp", R"({"app": 1, "version": "2.29"})", "0", [](Peer &p) {
        int r = -1;
        return Outcome{p.accountCall().registerApp(1, "2.29", r), r};
    });
    account(
        "sendFaxRegister",
        R"({"info": {"numbers": ["+3314", "+3315"], "dithering": 0, "coverpage": 1,
                "content": "Please find attached", "desc": "CV", "pages": 1, "app": 1}, "report": "none"})",
        Created,
        [](Peer &p) {
            QelvoxProxy &proxy = p.accountCall();
            soap_set_mime(&proxy, nullptr, nullptr);
            char document[] = "JVBERi0xLjQKJcfs";
            soap_set_mime_attachment(
                &proxy, document, sizeof document - 1, SOAP_MIME_BASE64,
                "application/octet-stream\r\nContent-Disposition: attachment; filename=\"cv.pdf\"", nullptr,
                "cv.pdf", nullptr);
            StringList numbers({"+3314", "+3315"});
            SendFaxInfo info;
            info.numbers = &numbers.array;
            info.coverpage = 1;
            info.content = "Please find attached";
            info.desc = "CV";
            info.pages = 1;
            info.app = 1;
            ns1__QelvoxService_x002esendFaxRegisterResponse r{};
            const int status = proxy.sendFaxRegister(&info, "none", r);
            soap_clr_mime(&proxy);
            return created(status, r);
        },
        R"([{"name": "cv.pdf", "contentType": "application/octet-stream", "size": 12, "base64": "JVBERi0xLjQKJcfs"}])");
    account("sendSmsAsynchronous",
            R"({"info": {"numbers": ["+3366"], "unicode": 1, "content": "Grüße ✓", "app": 1}})", Created,
            [](Peer &p) {
                StringList numbers({"+3366"});
                SendSmsInfo info;
                info.numbers = &numbers.array;
                info.unicode = 1;
                info.content = "Grüße ✓";
                info.app = 1;
                ns1__QelvoxService_x002esendSmsAsynchronousResponse r{};
                return created(p.accountCall().sendSmsAsynchronous(&info, r), r);
            });
    account("forwardAsynchronous",
            R"({"info": {"id": 20030, "type": 2, "forward": 5, "to": "a@example.test", "app": 1}})", Created,
            [](Peer &p) {
                ForwardInfo info;
                info.id = ReceivedFaxId;
                info.type = 2;
                info.forward = 5;
                info.to = "a@example.test";
                info.app = 1;
                ns1__QelvoxService_x002eforwardAsynchronousResponse r{};
                return created(p.accountCall().forwardAsynchronous(&info, r), r);
            });
    account("setNewEmail", R"({"email": "renamed@example.test"})", "0", [](Peer &p) {
        p.credentials = {OtherEmail, digest("old").toStdString()};
        int r = -1;
        return Outcome{p.accountCall().setNewEmail("renamed@example.test", r), r};
    });
    account("setNewPassword", R"({"password": "22af645d1859cb5ca6da0c484f1f37ea"})", "0", [](Peer &p) {
        p.credentials = {"renamed@example.test", digest("old").toStdString()};
        int r = -1;
        return Outcome{p.accountCall().setNewPassword(digest("new").toStdString(), r), r};
    });

    signup("getAllLanguages", "{}", Languages, [](Peer &p) {
        ns3__ClientService_x002egetAllLanguagesResponse r{};
        const int status = p.signupCall().getAllLanguages(r);
        return Outcome{status, languages(r.return_)};
    });
    signup("getAllCountries", "{}", Countries, [](Peer &p) {
        ns3__ClientService_x002egetAllCountriesResponse r{};
        const int status = p.signupCall().getAllCountries(r);
        return Outcome{status, countries(r.return_)};
    });
    signup("getAllFaxCountries", "{}",
           R"([["BEL", "Belgium"], ["DEU", "Germany"], ["ESP", "Spain"], ["FRA", "France"],
               ["GBR", "United Kingdom"], ["ITA", "Italy"], ["USA", "United States"]])",
           [](Peer &p) {
               ns3__ClientService_x002egetAllFaxCountriesResponse r{};
               const int status = p.signupCall().getAllFaxCountries(r);
               return Outcome{status, records(r.return_, [](const CountryInfo &c) {
                                  return QJsonArray{text(c.code), text(c.country)};
                              })};
           });
    signup("getIpNationality", "{}", "\"FRA\"", [](Peer &p) {
        std::string r;
        return Outcome{p.signupCall().getIpNationality(r), text(r)};
    });
    signup("getFaxRegions", R"({"code": "us|1"})",
           R"([[10, 1, "California"], [11, 1, "New York"], [12, 1, "Texas"]])", [](Peer &p) {
               ns3__ClientService_x002egetFaxRegionsResponse r{};
               const int status = p.signupCall().getFaxRegions("us|1", r);
               return Outcome{status, records(r.return_, [](const DestinationInfo &d) {
                                  return QJsonArray{d.id, d.parentid, text(d.destination)};
                              })};
           });
    signup("registerCustomer",
           R"({"info": {"id": "", "firstName": "Zoë", "lastName": "Ng", "email": "new@example.test",
               "country": "FRA", "language": "fr", "faxregion": 10}})",
           "8", [](Peer &p) {
               RegisterCustomerInfo info;
               info.firstName = "Zoë";
               info.lastName = "Ng";
               info.email = "new@example.test";
               info.country = "FRA";
               info.language = "fr";
               info.faxregion = 10;
               std::string password;
               const int status = p.signupCall().registerCustomer(&info, password);
               return Outcome{status, int(password.size())};
           });
}

void TestProxiesStandin::everyUsedOperation()
{
    QFETCH(Call, call);
    QFETCH(QString, service);
    QFETCH(QString, operation);
    QFETCH(QByteArray, params);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, attachments);

    const Outcome outcome = call(peer);
    const QJsonObject logged = standin.lastRequest();

    QCOMPARE(outcome.status, SOAP_OK);
    QCOMPARE(logged.value("service").toString(), service);
    QCOMPARE(logged.value("operation").toString(), operation);
    QVERIFY2(logged.value("error").toString().isEmpty(), qPrintable(logged.value("error").toString()));
    QCOMPARE(logged.value("email").toString(), QString::fromStdString(peer.credentials.email));
    QCOMPARE(logged.value("password").toString(), QString::fromStdString(peer.credentials.password));
    QCOMPARE(logged.value("params").toObject(), QJsonDocument::fromJson(params).object());
    QCOMPARE(logged.value("attachments").toArray(), QJsonDocument::fromJson(attachments).array());
    QCOMPARE(outcome.reply, QJsonDocument::fromJson("[" + reply + "]").array().first());
}

QTEST_GUILESS_MAIN(TestProxiesStandin)
#include "tst_proxiesstandin.moc"
