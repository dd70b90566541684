#include "BindingTypes.h"
#include "ChangeList.h"
#include "FacadeFixture.h"
#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxTestCase.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "qtAccountInfo.h"
#include "qtAuthenticateInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtCountryInfo.h"
#include "qtLanguageInfo.h"
#include "qtObjectsInfo.h"
#include "qtSMSSentInfo.h"

#include <functional>

using namespace Accounts;

namespace {

// A reply of the account service as the stand-in would write it, with the given content.
QString reply(const QByteArray &operation, const QByteArray &content,
              const QByteArray &urn = "urn:QelvoxService")
{
    return QString::fromUtf8(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope"
        " xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\""
        " xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\""
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
        " xmlns:ns=\"" +
        urn +
        "\"><SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
        "<ns:" +
        operation + "Response>" + content + "</ns:" + operation +
        "Response></SOAP-ENV:Body></SOAP-ENV:Envelope>");
}

// The return member as an array of ints; no items at all stands for a nil reply.
QByteArray intArray(const QList<int> &items)
{
    if (items.isEmpty())
        return "<return xsi:nil=\"true\"/>";
    QByteArray array = "<return xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"xsd:int[" +
                       QByteArray::number(items.size()) + "]\">";
    for (int item : items)
        array += "<item xsi:type=\"xsd:int\">" + QByteArray::number(item) + "</item>";
    return array + "</return>";
}

// What the stand-in answers in place of the operation's own reply.
QJsonObject altered(const QByteArray &operation, const QList<int> &items)
{
    return {{"kind", "malformed"}, {"body", reply(operation, intArray(items))}};
}

const QJsonObject unavailable{{"kind", "http-status"}, {"status", 503}};

struct Outcome
{
    int status;
    int first;
    int second;
    bool operator==(const Outcome &other) const
    {
        return status == other.status && first == other.first && second == other.second;
    }
};

// Makes one call and reports its status with two fields of the caller's record.
using Call = std::function<Outcome()>;
// Makes one call and describes its status and what it read from the reply.
using Exchange = std::function<QString()>;

QString described(int status, const QString &read)
{
    return QString::number(status) + ' ' + read;
}

ObjectsRequest *objects(const QMap<int, QList<int>> &ids)
{
    auto *request = new ObjectsRequest;
    request->objects = ids;
    return request;
}

} // namespace

namespace QTest {
template <> char *toString(const Outcome &outcome)
{
    return qstrdup(QByteArray("status ") + QByteArray::number(outcome.status) + ", " +
                   QByteArray::number(outcome.first) + ", " + QByteArray::number(outcome.second));
}
} // namespace QTest

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(Exchange)

class FacadeRepliesTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override
    {
        fixture.reset();
        QelvoxAPI::setCredentials(annEmail, annDigest());
    }

private slots:
    void initTestCase() { QVERIFY(fixture.start()); }

    void connectionErrors();
    void operationsCarryTheirArguments_data();
    void operationsCarryTheirArguments();
    void sendConvention_data();
    void sendConvention();
    void updateConvention_data();
    void updateConvention();
    void folderIdConvention_data();
    void folderIdConvention();
    void logInMapping_data();
    void logInMapping();
    void signUpMapping_data();
    void signUpMapping();
    void extendedTitleReadsLeadingNumber_data();
    void extendedTitleReadsLeadingNumber();

private:
    FacadeFixture fixture;
};

void FacadeRepliesTest::connectionErrors()
{
    for (int result : {-1, 28})
        QVERIFY(isConnectionError(result));
    for (int result : {0, 1, 2, 12, 30, 107, 503, -3333})
        QVERIFY(!isConnectionError(result));
}

void FacadeRepliesTest::operationsCarryTheirArguments_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("read");

    QTest::newRow("change query") << Exchange([] {
        ChangeList list;
        const int status = QelvoxAPI::getModifiedObjects(0, &list);
        return described(status, QString::number(list.timestamp > 0 && !list.entries.isEmpty()));
    }) << "getModifiedObjects"
                                  << R"({"timestamp":0})"
                                  << "0 1";
    QTest::newRow("full review") << Exchange([] {
        ChangeList list;
        const int status = QelvoxAPI::reviewObjects(&list);
        const bool named = std::any_of(list.entries.cbegin(), list.entries.cend(), [](const ChangeEntry &e) {
            return e.object == annSentFax && e.type == 1 && e.action == 1;
        });
        return described(status, QString::number(named));
    }) << "reviewObjects"
                                 << "{}"
                                 << "0 1";
    QTest::newRow("fetch") << Exchange([] {
        const QList<ObjectRef> batch{ObjectRef(annSentFax, 1), ObjectRef(99999, 2)};
        qtObjectsInfo *fetched = nullptr;
        const int status = QelvoxAPI::getObjects(&batch, &fetched);
        std::unique_ptr<qtObjectsInfo> owned(fetched);
        if (!owned)
            return described(status, "nothing");
        return described(status, QStringLiteral("fax %1/%2 removed %3/%4")
                                     .arg(owned->faxessent.value(0, qtFAXSentInfo(0, 0)).id)
                                     .arg(owned->faxessent.value(0, qtFAXSentInfo(0, 0)).recipients)
                                     .arg(owned->removed.value(0, ChangeEntry(0, 0, 0)).object)
                                     .arg(owned->removed.value(0, ChangeEntry(0, 0, 0)).action));
    }) << "getObjects"
                           << R"({"data":[{"object":30001,"type":1},{"object":99999,"type":2}]})"
                           << "0 fax 30001/2 removed 99999/-1";
    QTest::newRow("account details") << Exchange([] {
        qtAccountInfo account;
        const int status = QelvoxAPI::getAccountInfo(&account);
        return described(status, account.firstname + ' ' + QString::number(account.prepaidbalance));
    }) << "getAccountInfo"
                                     << "{}"
                                     << "0 Ann 250";
    QTest::newRow("account countries") << Exchange([] {
        QList<qtCountryInfo> list;
        const int status = QelvoxAPI::getAllCountries(&list);
        return described(status, QString::number(!list.isEmpty()));
    }) << "getAllCountries"
                                       << "{}"
                                       << "0 1";
    QTest::newRow("account languages") << Exchange([] {
        QList<qtLanguageInfo> list;
        const int status = QelvoxAPI::getAllLanguages(&list);
        return described(status, QString::number(!list.isEmpty()));
    }) << "getAllLanguages"
                                       << "{}"
                                       << "0 1";
    QTest::newRow("SMS recipients") << Exchange([] {
        const qtSMSSentInfo sms(annSentSms, 1);
        QList<RecipientStatus> list;
        const int status = QelvoxAPI::getRecipients(&sms, &list);
        return described(status, list.value(0, RecipientStatus("", 0)).recipient);
    }) << "getRecipients"
                                    << R"({"id":30002,"type":"SMS"})"
                                    << "0 +3366";
    QTest::newRow("version registration") << Exchange([] {
        int reply = -5;
        const int status = QelvoxAPI::registerApp("2.29", &reply);
        return described(status, QString::number(reply));
    }) << "registerApp"
                                          << R"({"app":1001,"version":"WIN-2.29"})"
                                          << "0 0";
    QTest::newRow("version query") << Exchange([] {
        std::string version = "old";
        QString url;
        QelvoxAPI::getAppVersion(&version, &url);
        return described(0, QString::fromStdString(version) + ' ' + QString::number(url.endsWith(".exe")));
    }) << "getAppVersion"
                                   << R"({"app":"ZQD","os":"WIN"})"
                                   << "0 2.29 1";
    QTest::newRow("extended title") << Exchange([] {
        int reply = -5;
        const int status = QelvoxAPI::setExtendedTitle(true, &reply);
        return described(status, QString::number(reply));
    }) << "setExtendedTitle"
                                    << R"({"extendedTitle":"1"})"
                                    << "0 0";
    QTest::newRow("mark read") << Exchange([] {
        std::unique_ptr<ObjectsRequest> request(objects({{2, {annReceivedFax}}}));
        int reply = -5;
        const int status = QelvoxAPI::changeStatus(request.get(), true, &reply);
        return described(status, QString::number(reply));
    }) << "changeStatus"
                               << R"({"info":[{"ids":[30003],"type":2}],"status":1})"
                               << "0 0";
    QTest::newRow("move") << Exchange([] {
        MoveToFolderRequest request;
        request.to_folderid = 30010;
        request.objects = objects({{2, {annReceivedFax}}});
        int reply = -5;
        const int status = QelvoxAPI::moveToFolder(&request, &reply);
        return described(status, QString::number(reply));
    }) << "moveToFolder"
                          << R"({"allobjects":[{"ids":[30003],"type":2}],"folderid":30010})"
                          << "0 0";
    QTest::newRow("delete") << Exchange([] {
        std::unique_ptr<ObjectsRequest> request(objects({{4, {annSentSms}}, {1, {annSecondFax}}}));
        int reply = -5;
        const int status = QelvoxAPI::deleteObjects(request.get(), &reply);
        return described(status, QString::number(reply));
    }) << "deleteObjects"
                            << R"({"info":[{"ids":[30004],"type":1},{"ids":[30002],"type":4}]})"
                            << "0 0";
}

void FacadeRepliesTest::operationsCarryTheirArguments()
{
    QFETCH(Exchange, exchange);
    QFETCH(QString, operation);
    QFETCH(QString, arguments);
    QFETCH(QString, read);
    QCOMPARE(exchange(), read);
    const QJsonArray requests = fixture.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).toObject().value("operation").toString(), operation);
    const QJsonObject params = requests.at(0).toObject().value("params").toObject();
    QCOMPARE(QString::fromUtf8(QJsonDocument(params).toJson(QJsonDocument::Compact)), arguments);
}

void FacadeRepliesTest::sendConvention_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<Outcome>("expected");

    // The task runner presets the status 2; the remote id is preset to 11 here to show when it stays.
    const Call sms = [] {
        SendSmsRequest request;
        request.numbers = QStringList{"+3366"};
        request.content = "hello";
        request.sentstatus = 2;
        request.remoteid = 11;
        const int status = QelvoxAPI::sendSmsAsynchronous(&request);
        return Outcome{status, request.sentstatus, request.remoteid};
    };
    const Call fax = [] {
        SendFaxRequest request;
        request.numbers = QStringList{"+3311"};
        request.coverpage = 1;
        request.content = "cover";
        request.report = "NOT_AT_ALL";
        request.sentstatus = 2;
        request.remoteid = 11;
        const int status = QelvoxAPI::sendFaxRegister(&request);
        return Outcome{status, request.sentstatus, request.remoteid};
    };
    const Call forward = [] {
        ForwardEntry entry(1, annSentFax, QString());
        entry.forward = 3;
        entry.to = "+3399";
        entry.sentstatus = 2;
        entry.remoteid = 11;
        const int status = QelvoxAPI::forwardAsynchronous(&entry);
        return Outcome{status, entry.sentstatus, entry.remoteid};
    };
    const QList<std::pair<QByteArray, Call>> operations{
        {"sendSmsAsynchronous", sms}, {"sendFaxRegister", fax}, {"forwardAsynchronous", forward}};
    for (const auto &[name, call] : operations) {
        const char *op = name.constData();
        QTest::addRow("%s: one item", op) << call << name << altered(name, {5}) << Outcome{0, 5, 11};
        QTest::addRow("%s: two items", op) << call << name << altered(name, {0, 77}) << Outcome{0, 2, 77};
        QTest::addRow("%s: three items", op)
            << call << name << altered(name, {0, 77, 78}) << Outcome{0, -1, 11};
        QTest::addRow("%s: no reply", op) << call << name << altered(name, {}) << Outcome{0, -1, 11};
        QTest::addRow("%s: unavailable", op) << call << name << unavailable << Outcome{503, 2, 11};
    }
}

void FacadeRepliesTest::sendConvention()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, operation);
    QFETCH(QJsonObject, fault);
    QFETCH(Outcome, expected);
    fixture.injectOnce(operation, fault);
    QCOMPARE(call(), expected);
    QCOMPARE(fixture.operations(), QStringList{QString::fromLatin1(operation)});
}

void FacadeRepliesTest::updateConvention_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<Outcome>("expected");
    QTest::addColumn<QString>("sentIdPath");
    QTest::addColumn<int>("sentId");

    // A record created offline: local number 7, id -7.
    const auto group = [](int localNumber, int id) {
        return Call([=] {
            qtContactGroupInfo record(id, 5);
            record.localid = localNumber;
            record.name = "Team";
            const int status = QelvoxAPI::updateContactGroupInfo(&record);
            return Outcome{status, record.status, record.id};
        });
    };
    const auto contact = [](int localNumber, int id) {
        return Call([=] {
            qtContactInfo record(id, 5);
            record.localid = localNumber;
            record.name = "Desk";
            record.number = "+3315";
            const int status = QelvoxAPI::updateContactInfo(&record);
            return Outcome{status, record.status, record.id};
        });
    };
    const auto folder = [](int localNumber, int id) {
        return Call([=] {
            QelFolderInfo record(id, 5);
            record.localid = localNumber;
            record.name = "Invoices";
            const int status = QelvoxAPI::renameFolder(&record);
            return Outcome{status, record.status, record.id};
        });
    };
    const QByteArray groups = "updateContactGroupInfo";
    const QByteArray contacts = "updateContactInfo";
    const QByteArray folders = "renameFolder";
    QTest::newRow("new group accepted")
        << group(7, -7) << groups << altered(groups, {0, 321}) << Outcome{0, 0, 321} << "info/id" << 0;
    QTest::newRow("new group refused")
        << group(7, -7) << groups << altered(groups, {110}) << Outcome{0, 110, -7} << "info/id" << 0;
    QTest::newRow("new group, unavailable")
        << group(7, -7) << groups << unavailable << Outcome{503, -1, -7} << "info/id" << 0;
    QTest::newRow("known group, three items")
        << group(0, 40) << groups << altered(groups, {0, 40, 41}) << Outcome{0, -1, 40} << "info/id" << 40;
    QTest::newRow("new contact accepted") << contact(12, -12) << contacts << altered(contacts, {0, 555})
                                          << Outcome{0, 0, 555} << "info/id" << -12;
    QTest::newRow("contact, unavailable")
        << contact(12, -12) << contacts << unavailable << Outcome{503, -1, -12} << "info/id" << -12;
    QTest::newRow("contact, no reply")
        << contact(0, 60) << contacts << altered(contacts, {}) << Outcome{0, -1, 60} << "info/id" << 60;
    QTest::newRow("new folder accepted")
        << folder(3, -3) << folders << altered(folders, {0, 900}) << Outcome{0, 0, 900} << "folderid" << 0;
    QTest::newRow("new folder, two many items")
        << folder(3, -3) << folders << altered(folders, {1, 2, 3}) << Outcome{0, -1, -3} << "folderid" << 0;
    QTest::newRow("known folder refused")
        << folder(0, 70) << folders << altered(folders, {110}) << Outcome{0, 110, 70} << "folderid" << 70;
}

void FacadeRepliesTest::updateConvention()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, operation);
    QFETCH(QJsonObject, fault);
    QFETCH(Outcome, expected);
    QFETCH(QString, sentIdPath);
    QFETCH(int, sentId);
    fixture.injectOnce(operation, fault);
    QCOMPARE(call(), expected);

    const QJsonArray requests = fixture.requests();
    QCOMPARE(requests.size(), 1);
    QJsonValue sent = requests.at(0).toObject().value("params");
    for (const QString &key : sentIdPath.split('/'))
        sent = sent.toObject().value(key);
    QCOMPARE(sent.toInt(-99999), sentId);
}

void FacadeRepliesTest::folderIdConvention_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QList<int>>("expected"); // status, code, inbox, outbox
    const QByteArray op = "getInboxOutboxID";
    QTest::newRow("three items") << altered(op, {0, 10, 20}) << QList<int>{0, 0, 10, 20};
    QTest::newRow("one item") << altered(op, {4}) << QList<int>{0, 4, 0, 0};
    QTest::newRow("two items") << altered(op, {0, 10}) << QList<int>{0, -1, 0, 0};
    QTest::newRow("no reply") << altered(op, {}) << QList<int>{0, -1, 0, 0};
    QTest::newRow("unavailable") << unavailable << QList<int>{503, 99, 0, 0};
}

void FacadeRepliesTest::folderIdConvention()
{
    QFETCH(QJsonObject, fault);
    QFETCH(QList<int>, expected);
    fixture.injectOnce("getInboxOutboxID", fault);
    int code = 99;
    int inbox = 0;
    int outbox = 0;
    const int status = QelvoxAPI::getInboxOutboxID(&inbox, &outbox, &code);
    QCOMPARE(QList<int>({status, code, inbox, outbox}), expected);
}

void FacadeRepliesTest::logInMapping_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("customerId");
    QTest::newRow("accepted") << QJsonObject() << true << 0 << 5001;
    QTest::newRow("client fault") << QJsonObject{{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Client"}}
                                  << true << 107 << 0;
    QTest::newRow("sender fault, SOAP 1.2")
        << QJsonObject{{"kind", "soap12-fault"}, {"code", "SOAP-ENV:Sender"}} << true << 107 << 0;
    QTest::newRow("other fault code")
        << QJsonObject{{"kind", "soap11-fault"}, {"code", "Refused"}} << true << 107 << 0;
    QTest::newRow("server fault") << QJsonObject{{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}}
                                  << true << 28 << 0;
    // The envelope namespace decides, whatever prefix the reply binds to it.
    const auto underPrefix = [](const char *kind, const char *code, const char *prefix) {
        return QJsonObject{{"kind", kind}, {"code", code}, {"prefix", prefix}};
    };
    QTest::newRow("client fault under s") << underPrefix("soap11-fault", "s:Client", "s") << true << 107 << 0;
    QTest::newRow("server fault under s") << underPrefix("soap11-fault", "s:Server", "s") << true << 28 << 0;
    QTest::newRow("sender fault under env, SOAP 1.2")
        << underPrefix("soap12-fault", "env:Sender", "env") << true << 107 << 0;
    QTest::newRow("receiver fault under env, SOAP 1.2")
        << underPrefix("soap12-fault", "env:Receiver", "env") << true << 28 << 0;
    QTest::newRow("HTTP error") << unavailable << true << 28 << 0;
    QTest::newRow("broken reply") << QJsonObject{{"kind", "malformed"}} << true << 28 << 0;
    QTest::newRow("connection refused") << QJsonObject() << false << 28 << 0;
}

void FacadeRepliesTest::logInMapping()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, reachable);
    QFETCH(int, result);
    QFETCH(int, customerId);
    if (!fault.isEmpty())
        fixture.injectOnce("authenticate", fault);
    if (!reachable)
        QelvoxAPI::setServiceOrigin("https://127.0.0.1:1", fixture.standin.caFile().toUtf8());
    qtAuthenticateInfo login;
    login.username = annEmail;
    login.password = QString::fromStdString(annDigest());
    login.customerid = 77;
    QelvoxAPI::authenticate(&login);
    fixture.useHttps();
    QCOMPARE(login.result, result);
    QCOMPARE(login.customerid, customerId);
}

void FacadeRepliesTest::signUpMapping_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("result");
    const auto faultCode = [](const char *code) {
        return QJsonObject{{"kind", "soap11-fault"}, {"code", code}};
    };
    const QString fresh = "new@example.test";
    QTest::newRow("accepted") << QJsonObject() << fresh << true << 0;
    QTest::newRow("refused by the service: e-mail taken")
        << QJsonObject() << QString(annEmail) << true << 851;
    QTest::newRow("number after the colon") << faultCode("SOAP-ENV:12") << fresh << true << 12;
    QTest::newRow("sign and digits before a word") << faultCode("SOAP-ENV:-7x") << fresh << true << -7;
    QTest::newRow("word after the colon") << faultCode("SOAP-ENV:Server") << fresh << true << -1;
    QTest::newRow("zero after the colon") << faultCode("SOAP-ENV:0") << fresh << true << -1;
    QTest::newRow("no colon") << faultCode("Refused") << fresh << true << -1;
    QTest::newRow("empty password, no fault")
        << QJsonObject{{"kind", "malformed"},
                       {"body",
                        reply("ClientService.registerCustomer", "<return></return>", "urn:ClientService")}}
        << fresh << true << 28;
    QTest::newRow("connection refused") << QJsonObject() << fresh << false << -1;
}

void FacadeRepliesTest::signUpMapping()
{
    QFETCH(QJsonObject, fault);
    QFETCH(QString, email);
    QFETCH(bool, reachable);
    QFETCH(int, result);
    if (!fault.isEmpty())
        fixture.injectOnce("registerCustomer", fault);
    if (!reachable)
        QelvoxAPI::setServiceOrigin("https://127.0.0.1:1", fixture.standin.caFile().toUtf8());
    RegisterCustomerInfo info;
    info.email = email.toStdString();
    info.firstName = "New";
    info.lastName = "Customer";
    info.country = "FRA";
    info.language = "fr";
    info.faxregion = 200;
    std::string password = "left over";
    const int code = QelvoxAPI::registerCustomer(&info, &password);
    fixture.useHttps();
    QCOMPARE(code, result);
    QCOMPARE(password.size(), size_t(result == 0 ? 8 : 0));
}

void FacadeRepliesTest::extendedTitleReadsLeadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("on");
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("no digits") << QByteArray("yes") << false;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("2") << QByteArray("2") << true;
    QTest::newRow("blanks, sign and digits") << QByteArray(" -3x") << true;
}

void FacadeRepliesTest::extendedTitleReadsLeadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, on);
    fixture.injectOnce("getExtendedTitle", {{"kind", "malformed"},
                                            {"body", reply("QelvoxService.getExtendedTitle",
                                                           "<param-3>" + text + "</param-3>")}});
    bool flag = !on;
    QCOMPARE(QelvoxAPI::getExtendedTitle(&flag), 0);
    QCOMPARE(flag, on);
}

QTEST_GUILESS_MAIN(FacadeRepliesTest)
#include "tst_facadereplies.moc"
