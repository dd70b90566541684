// The stand-in's web services as a client sees them: raw HTTP requests in,
// decoded replies and the stand-in's request log out.

#include "QelvoxTestCase.h"
#include "SoapMessages.h"
#include "StandinProcess.h"

#include <QJsonArray>
#include <QtTest>

using namespace soapmsg;

class StandinServiceTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void logInWithTheDemoAccount();
    void refusedCredentials_data();
    void refusedCredentials();
    void changeQueryListsWhatChanged();
    void objectFetchAnswersPerKindAndRemoved();
    void faxSendStoresAttachmentsAndProgresses();
    void documentDownloadComesAsBase64Part();
    void downloadWithoutDocumentIsRefused();
    void updatesCreateWithTheTwoItemReply();
    void uncalledOperationIsNotImplemented_data();
    void uncalledOperationIsNotImplemented();
    void signUpCreatesAnAccount();
    void signUpRefusals_data();
    void signUpRefusals();
    void controlAddsReceivedFaxesAndChanges();
    void multiReferenceParametersAreResolved();
    void failedSeedLeavesNothing();
    void sentItemsCanBeDeliveredAutomatically();

private:
    // Seeds an account of its own for a test; returns its credentials and the seed's ids.
    Credentials seedAccount(const QByteArray &name, QJsonObject *ids = nullptr,
                            const QJsonObject &extra = {});
    HttpExchange::Response call(const QByteArray &request);

    StandinProcess standin{{"--demo"}};
};

void StandinServiceTest::initTestCase()
{
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
}

void StandinServiceTest::cleanupTestCase()
{
    QVERIFY(standin.stop());
}

Credentials StandinServiceTest::seedAccount(const QByteArray &name, QJsonObject *ids,
                                            const QJsonObject &extra)
{
    QJsonObject account = extra;
    account.insert("email", QString::fromLatin1(name + "@example.test"));
    account.insert("password", "secret");
    const QJsonObject answer = standin.seed({{"accounts", QJsonArray{account}}});
    if (ids)
        *ids = answer.value("accounts").toArray().first().toObject();
    return {name + "@example.test", md5("secret")};
}

HttpExchange::Response StandinServiceTest::call(const QByteArray &request)
{
    return standin.send(request);
}

void StandinServiceTest::logInWithTheDemoAccount()
{
    const Credentials demo{"demo@qelvox.test", md5("demo-fax-2029")};
    const HttpExchange::Response reply = call(accountCall("authenticate", {}, demo));
    QCOMPARE(reply.status, 200);
    QCOMPARE(text(reply.body, "return"), QString("4711"));
    QVERIFY(!reply.body.contains("AuthenticationHeader"));

    const QJsonObject logged = standin.lastRequest();
    QCOMPARE(logged.value("operation").toString(), QString("authenticate"));
    QCOMPARE(logged.value("service").toString(), QString("Qelvox"));
    QCOMPARE(logged.value("email").toString(), QString("demo@qelvox.test"));
    QCOMPARE(logged.value("password").toString(), QString::fromLatin1(demo.digest));
    QCOMPARE(logged.value("soapAction").toString(), QString("\"urn:QelvoxService#authenticate\""));
}

void StandinServiceTest::refusedCredentials_data()
{
    QTest::addColumn<QByteArray>("email");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("wrong password") << QByteArray("demo@qelvox.test") << md5("guess");
    QTest::newRow("unknown account") << QByteArray("nobody@qelvox.test") << md5("demo-fax-2029");
    QTest::newRow("plain password instead of digest")
        << QByteArray("demo@qelvox.test") << QByteArray("demo-fax-2029");
    QTest::newRow("no header") << QByteArray() << QByteArray();
}

void StandinServiceTest::refusedCredentials()
{
    QFETCH(QByteArray, email);
    QFETCH(QByteArray, digest);
    const HttpExchange::Response reply = call(accountCall("getAccountInfo", {}, {email, digest}));
    QCOMPARE(reply.status, 500);
    QCOMPARE(text(reply.body, "faultcode"), QString("SOAP-ENV:Client"));
    QCOMPARE(text(reply.body, "faultstring"), QString("Authentication failed"));
}

void StandinServiceTest::changeQueryListsWhatChanged()
{
    QJsonObject ids;
    const Credentials me =
        seedAccount("changes", &ids, {{"groups", QJsonArray{QJsonObject{{"name", "Old"}}}}});
    const int group = ids.value("groups").toArray().first().toInt();
    const HttpExchange::Response review = call(accountCall("reviewObjects", {}, me));
    const int timestamp = text(review.body, "timestamp").toInt();
    QVERIFY(timestamp > 0);

    const HttpExchange::Response quiet =
        call(accountCall("getModifiedObjects", intParam("timestamp", timestamp), me));
    QCOMPARE(text(quiet.body, "timestamp").toInt(), timestamp);
    QVERIFY(items(quiet.body, "actions").isEmpty());

    QCOMPARE(call(accountCall("deleteObjects",
                              "<info xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ObjectsID[1]\">"
                              "<item xsi:type=\"ObjectsID\">" +
                                  intParam("type", 5) + intArray("ids", {group}) + "</item></info>",
                              me))
                 .status,
             200);
    const HttpExchange::Response changed =
        call(accountCall("getModifiedObjects", intParam("timestamp", timestamp), me));
    QVERIFY(text(changed.body, "timestamp").toInt() > timestamp);
    const auto actions = items(changed.body, "actions");
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first(), (QList<QPair<QString, QString>>{
                                  {"object", QString::number(group)}, {"type", "5"}, {"action", "-1"}}));

    // A timestamp from another run of the service asks for a full review.
    const HttpExchange::Response foreign =
        call(accountCall("getModifiedObjects", intParam("timestamp", 1000000), me));
    QCOMPARE(items(foreign.body, "actions"),
             (QList<QList<QPair<QString, QString>>>{{{"object", "0"}, {"type", "8"}, {"action", "1"}}}));
}

void StandinServiceTest::objectFetchAnswersPerKindAndRemoved()
{
    QJsonObject ids;
    const QJsonObject content{
        {"folders", QJsonArray{QJsonObject{{"name", "Kept"}}}},
        {"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3311"}, {"pages", 3}, {"folder", "Kept"}}}},
        {"contacts", QJsonArray{QJsonObject{{"name", "Zoë"}, {"number", "+3312"}, {"gsmnumber", "+3361"}}}}};
    const Credentials me = seedAccount("fetch", &ids, content);
    const int folder = ids.value("folders").toArray().first().toInt();
    const int fax = ids.value("receivedFaxes").toArray().first().toInt();
    const int contact = ids.value("contacts").toArray().first().toInt();
    const QByteArray wanted = "<data xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ObjectData[4]\">" +
                              QByteArray("<item xsi:type=\"ObjectData\">") + intParam("object", fax) +
                              intParam("type", 2) + "</item><item xsi:type=\"ObjectData\">" +
                              intParam("object", contact) + intParam("type", 6) +
                              "</item><item xsi:type=\"ObjectData\">" + intParam("object", folder) +
                              intParam("type", 7) + "</item><item xsi:type=\"ObjectData\">" +
                              intParam("object", 1) + intParam("type", 3) + "</item></data>";
    const HttpExchange::Response reply = call(accountCall("getObjects", wanted, me));
    QCOMPARE(reply.status, 200);
    const auto faxes = items(reply.body, "faxesreceived");
    QCOMPARE(faxes.size(), 1);
    QVERIFY(faxes.first().contains({"folderid", QString::number(folder)}));
    QVERIFY(faxes.first().contains({"pagescount", "3"}));
    QVERIFY(faxes.first().contains({"sender", "+3311"}));
    QVERIFY(faxes.first().contains({"status", "0"}));
    const auto contacts = items(reply.body, "contacts");
    QCOMPARE(contacts.size(), 1);
    QVERIFY(contacts.first().contains({"name", QString::fromUtf8("Zoë")}));
    QVERIFY(contacts.first().contains({"gsmnumber", "+3361"}));
    QCOMPARE(items(reply.body, "folders").first(),
             (QList<QPair<QString, QString>>{
                 {"foldertype", "0"}, {"id", QString::number(folder)}, {"name", "Kept"}}));
    QCOMPARE(items(reply.body, "removed").first(),
             (QList<QPair<QString, QString>>{{"object", "1"}, {"type", "3"}}));
    QVERIFY(items(reply.body, "voicesreceived").isEmpty());
}

void StandinServiceTest::faxSendStoresAttachmentsAndProgresses()
{
    const Credentials me = seedAccount("sender");
    const int start = text(call(accountCall("reviewObjects", {}, me)).body, "timestamp").toInt();
    const QByteArray first("%PDF-1.4 first document");
    const QByteArray second("\x00\x01\x02 binary\r\n--second", 20);
    const QByteArray info = "<info xsi:type=\"SendFaxInfo\">" +
                            stringArray("numbers", {"+33140000001", "+33140000002"}) +
                            intParam("dithering", 1) + intParam("coverpage", 0) + stringParam("content", "") +
                            stringParam("desc", "Demo header") + intParam("pages", 2) +
                            intParam("app", 1001) + "</info>" + stringParam("report", "YES");
    const HttpExchange::Response sent = call(
        accountCallWithParts("sendFaxRegister", info, me, {{"first.pdf", first}, {"second.bin", second}}));
    QCOMPARE(sent.status, 200);
    const QList<int> result = ints(sent.body, "return");
    QCOMPARE(result.size(), 2);
    QCOMPARE(result.first(), 0);
    const int fax = result.last();

    const QJsonObject logged = standin.lastRequest();
    QCOMPARE(logged.value("operation").toString(), QString("sendFaxRegister"));
    QCOMPARE(logged.value("params").toObject().value("report").toString(), QString("YES"));
    QCOMPARE(logged.value("params").toObject().value("info").toObject().value("numbers").toArray(),
             (QJsonArray{"+33140000001", "+33140000002"}));
    const QJsonArray attachments = logged.value("attachments").toArray();
    QCOMPARE(attachments.size(), 2);
    QCOMPARE(attachments[0].toObject().value("name").toString(), QString("first.pdf"));
    QCOMPARE(QByteArray::fromBase64(attachments[0].toObject().value("base64").toString().toLatin1()), first);
    QCOMPARE(attachments[1].toObject().value("name").toString(), QString("second.bin"));
    QCOMPARE(QByteArray::fromBase64(attachments[1].toObject().value("base64").toString().toLatin1()), second);

    const auto pending =
        items(call(accountCall("getModifiedObjects", intParam("timestamp", start), me)).body, "actions");
    QVERIFY(pending.contains({{"object", QString::number(fax)}, {"type", "11"}, {"action", "-2"}}));
    QVERIFY(pending.contains({{"object", QString::number(fax)}, {"type", "1"}, {"action", "1"}}));

    const int beforeAdvance = text(call(accountCall("reviewObjects", {}, me)).body, "timestamp").toInt();
    QVERIFY(standin.control("advance", {{"id", fax}, {"status", 1}}).value("ok").toBool());
    QVERIFY(!standin.control("advance", {{"id", fax}}).value("ok").toBool());
    const auto done = items(
        call(accountCall("getModifiedObjects", intParam("timestamp", beforeAdvance), me)).body, "actions");
    QCOMPARE(done,
             (QList<QList<QPair<QString, QString>>>{
                 {{"object", QString::number(fax)}, {"type", "1"}, {"action", "1"}},
                 {{"object", QString::number(fax)}, {"type", "11"}, {"action", QString::number(fax)}}}));

    const auto recipients =
        items(call(accountCall("getRecipients", intParam("id", fax) + stringParam("type", "FAX"), me)).body,
              "return");
    QCOMPARE(recipients,
             (QList<QList<QPair<QString, QString>>>{{{"recipient", "+33140000001"}, {"status", "1"}},
                                                    {{"recipient", "+33140000002"}, {"status", "1"}}}));
}

void StandinServiceTest::documentDownloadComesAsBase64Part()
{
    const QByteArray document("%PDF-1.4\nseeded document\n%%EOF\n");
    QJsonObject ids;
    const QJsonObject fax{{"sender", "+3320"},
                          {"document", QJsonObject{{"name", "invoice.pdf"},
                                                   {"base64", QString::fromLatin1(document.toBase64())}}}};
    const Credentials me = seedAccount("download", &ids, {{"receivedFaxes", QJsonArray{fax}}});
    const int id = ids.value("receivedFaxes").toArray().first().toInt();

    const HttpExchange::Response reply = call(accountCall(
        "downloadFile", intParam("id", id) + intParam("type", 2) + stringParam("format", "PDF"), me));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.header("Content-Type").startsWith("multipart/related"));
    const QList<QByteArray> parts = multipartParts(reply.header("Content-Type"), reply.body);
    QCOMPARE(parts.size(), 2);
    QCOMPARE(text(partBody(parts[0]), "return"), QString("invoice.pdf"));
    QCOMPARE(partHeader(parts[1], "Content-Transfer-Encoding"), QByteArray("base64"));
    QCOMPARE(partHeader(parts[1], "Content-Location"), QByteArray("invoice.pdf"));
    QCOMPARE(QByteArray::fromBase64(partBody(parts[1])), document);
}

void StandinServiceTest::downloadWithoutDocumentIsRefused()
{
    QJsonObject ids;
    const Credentials me =
        seedAccount("nodocument", &ids, {{"voiceMessages", QJsonArray{QJsonObject{{"duration", 5}}}}});
    const int voice = ids.value("voiceMessages").toArray().first().toInt();
    const HttpExchange::Response reply = call(accountCall(
        "downloadFile", intParam("id", voice) + intParam("type", 3) + stringParam("format", "PDF"), me));
    QCOMPARE(reply.status, 500);
    QCOMPARE(text(reply.body, "faultcode"), QString("SOAP-ENV:Client"));
}

void StandinServiceTest::updatesCreateWithTheTwoItemReply()
{
    const Credentials me = seedAccount("updates");
    const QByteArray newGroup = "<info xsi:type=\"ContactGroupInfo\">" + intParam("id", 0) +
                                stringParam("name", "Friends") + "</info>";
    const QList<int> group = ints(call(accountCall("updateContactGroupInfo", newGroup, me)).body, "return");
    QCOMPARE(group.size(), 2);
    QCOMPARE(group.first(), 0);

    const QByteArray newContact = "<info xsi:type=\"ContactInfo\">" + intParam("groupid", group.last()) +
                                  intParam("id", -1003) + stringParam("name", "Sam") +
                                  stringParam("number", "+3310") + stringParam("gsmnumber", "") + "</info>";
    const QList<int> contact = ints(call(accountCall("updateContactInfo", newContact, me)).body, "return");
    QCOMPARE(contact.size(), 2);
    QVERIFY(contact.last() > 0);

    const QList<int> folder = ints(
        call(accountCall("renameFolder", intParam("folderid", 0) + stringParam("newname", "Mine"), me)).body,
        "return");
    QCOMPARE(folder.size(), 2);

    const QByteArray unknownGroup = "<info xsi:type=\"ContactGroupInfo\">" + intParam("id", 999999) +
                                    stringParam("name", "Ghost") + "</info>";
    QCOMPARE(ints(call(accountCall("updateContactGroupInfo", unknownGroup, me)).body, "return"),
             QList<int>{110});

    const HttpExchange::Response ids = call(accountCall("getInboxOutboxID", {}, me));
    const QList<int> boxes = ints(ids.body, "return");
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes.first(), 0);
}

void StandinServiceTest::uncalledOperationIsNotImplemented_data()
{
    QTest::addColumn<QByteArray>("request");
    const Credentials demo{"demo@qelvox.test", md5("demo-fax-2029")};
    QTest::newRow("account service") << accountCall("getCoverpageInfo", {}, demo);
    QTest::newRow("sign-up service") << signupCall(
        "extendCustomer-using-qelcode", stringParam("email", "a@b.c") + stringParam("qelcode", "x"));
}

void StandinServiceTest::uncalledOperationIsNotImplemented()
{
    QFETCH(QByteArray, request);
    const HttpExchange::Response reply = call(request);
    QCOMPARE(reply.status, 500);
    QCOMPARE(text(reply.body, "faultcode"), QString("SOAP-ENV:Server"));
    QCOMPARE(text(reply.body, "faultstring"), QString("not implemented"));
}

void StandinServiceTest::signUpCreatesAnAccount()
{
    const auto states = items(call(signupCall("getFaxRegions", stringParam("code", "us|1"))).body, "return");
    QVERIFY(states.size() >= 2);
    QVERIFY(states.first().contains({"parentid", "1"}));

    const QByteArray info = "<info xsi:type=\"RegisterCustomerInfo\">" + stringParam("id", "trial") +
                            stringParam("firstName", "New") + stringParam("lastName", "Customer") +
                            stringParam("email", "fresh@example.test") + stringParam("country", "FRA") +
                            stringParam("language", "fr") + intParam("faxregion", 200) + "</info>";
    const HttpExchange::Response reply = call(signupCall("registerCustomer", info));
    QCOMPARE(reply.status, 200);
    const QByteArray password = text(reply.body, "return").toLatin1();
    QCOMPARE(password.size(), 8);

    const HttpExchange::Response login =
        call(accountCall("authenticate", {}, {"fresh@example.test", md5(password)}));
    QCOMPARE(login.status, 200);
    QVERIFY(text(login.body, "return").toInt() > 0);
}

void StandinServiceTest::signUpRefusals_data()
{
    QTest::addColumn<QByteArray>("email");
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<int>("region");
    QTest::addColumn<QString>("faultcode");
    QTest::newRow("e-mail without domain")
        << QByteArray("nodomain") << QByteArray("trial") << 200 << "SOAP-ENV:401";
    QTest::newRow("e-mail taken") << QByteArray("demo@qelvox.test") << QByteArray("trial") << 200
                                  << "SOAP-ENV:851";
    QTest::newRow("unknown region") << QByteArray("r@example.test") << QByteArray("trial") << 9999
                                    << "SOAP-ENV:803";
    QTest::newRow("used voucher") << QByteArray("v@example.test") << QByteArray("qelcode!ABCDABCDABCDABCD")
                                  << 200 << "SOAP-ENV:821";
}

void StandinServiceTest::signUpRefusals()
{
    QFETCH(QByteArray, email);
    QFETCH(QByteArray, id);
    QFETCH(int, region);
    QFETCH(QString, faultcode);
    const QByteArray info = "<info xsi:type=\"RegisterCustomerInfo\">" + stringParam("id", id) +
                            stringParam("firstName", "A") + stringParam("lastName", "B") +
                            stringParam("email", email) + stringParam("country", "FRA") +
                            stringParam("language", "en") + intParam("faxregion", region) + "</info>";
    const HttpExchange::Response reply = call(signupCall("registerCustomer", info));
    QCOMPARE(reply.status, 500);
    QCOMPARE(text(reply.body, "faultcode"), faultcode);
}

void StandinServiceTest::controlAddsReceivedFaxesAndChanges()
{
    const Credentials me = seedAccount("incoming");
    const int start = text(call(accountCall("reviewObjects", {}, me)).body, "timestamp").toInt();
    const QJsonObject added =
        standin.control("received-fax", {{"email", "incoming@example.test"},
                                         {"sender", "+3390"},
                                         {"pages", 2},
                                         {"base64", QString::fromLatin1(QByteArray("%PDF").toBase64())}});
    const int fax = added.value("id").toInt();
    QVERIFY(fax > 0);
    QVERIFY(standin.control("change", {{"email", "incoming@example.test"}, {"object", 0}, {"type", 10}})
                .value("ok")
                .toBool());
    QVERIFY(!standin.control("received-fax", {{"email", "nobody@example.test"}}).value("ok").toBool());

    const auto changes =
        items(call(accountCall("getModifiedObjects", intParam("timestamp", start), me)).body, "actions");
    QCOMPARE(changes, (QList<QList<QPair<QString, QString>>>{
                          {{"object", QString::number(fax)}, {"type", "2"}, {"action", "1"}},
                          {{"object", "0"}, {"type", "10"}, {"action", "1"}}}));
    const QByteArray wanted = "<data xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ObjectData[1]\">"
                              "<item xsi:type=\"ObjectData\">" +
                              intParam("object", fax) + intParam("type", 2) + "</item></data>";
    const auto faxes = items(call(accountCall("getObjects", wanted, me)).body, "faxesreceived");
    QCOMPARE(faxes.size(), 1);
    QVERIFY(faxes.first().contains({"sender", "+3390"}));
    QVERIFY(faxes.first().contains({"status", "0"}));
}

void StandinServiceTest::multiReferenceParametersAreResolved()
{
    const Credentials me = seedAccount("multiref");
    const QByteArray value = "<SendSmsInfo id=\"sms\" xsi:type=\"SendSmsInfo\">" +
                             stringArray("numbers", {"+33600000001"}) + intParam("unicode", 0) +
                             stringParam("content", "by reference") + intParam("app", 1001) +
                             "</SendSmsInfo>";
    const HttpExchange::Response reply =
        call(accountCall("sendSmsAsynchronous", "<info href=\"#sms\"/>", me, value));
    QCOMPARE(reply.status, 200);
    QCOMPARE(ints(reply.body, "return").size(), 2);
    const QJsonObject info =
        standin.lastRequest("sendSmsAsynchronous").value("params").toObject().value("info").toObject();
    QCOMPARE(info.value("content").toString(), QString("by reference"));
    QCOMPARE(info.value("numbers").toArray(), QJsonArray{"+33600000001"});
}

void StandinServiceTest::failedSeedLeavesNothing()
{
    const QJsonObject broken{{"email", "half@example.test"},
                             {"password", "secret"},
                             {"receivedFaxes", QJsonArray{QJsonObject{{"folder", "No such folder"}}}}};
    const QJsonObject refused = standin.seed({{"accounts", QJsonArray{broken}}});
    QVERIFY(!refused.value("ok").toBool());
    QVERIFY(refused.value("error").toString().contains("No such folder"));
    QCOMPARE(call(accountCall("authenticate", {}, {"half@example.test", md5("secret")})).status, 500);
    QVERIFY(seedAccount("half").email == "half@example.test");
    QCOMPARE(call(accountCall("authenticate", {}, {"half@example.test", md5("secret")})).status, 200);
}

void StandinServiceTest::sentItemsCanBeDeliveredAutomatically()
{
    StandinProcess delivering({"--demo", "--deliver-after-ms", "1"});
    QVERIFY2(delivering.start(), qPrintable(delivering.errorText()));
    const Credentials demo{"demo@qelvox.test", md5("demo-fax-2029")};
    const QByteArray info = "<info xsi:type=\"SendSmsInfo\">" + stringArray("numbers", {"+33600000001"}) +
                            intParam("unicode", 0) + stringParam("content", "hello") + intParam("app", 1001) +
                            "</info>";
    const int sms =
        ints(delivering.send(accountCall("sendSmsAsynchronous", info, demo)).body, "return").value(1);
    QVERIFY(sms > 0);
    const auto delivered = [&] {
        const HttpExchange::Response recipients = delivering.send(
            accountCall("getRecipients", intParam("id", sms) + stringParam("type", "SMS"), demo));
        return items(recipients.body, "return").value(0).contains({"status", "1"});
    };
    QTRY_VERIFY_WITH_TIMEOUT(delivered(), 5000);
}

QTEST_GUILESS_MAIN(StandinServiceTest)
#include "tst_standin_service.moc"
