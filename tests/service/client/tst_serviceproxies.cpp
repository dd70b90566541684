#include "ClientProxy.h"
#include "FixtureTransport.h"
#include "QelvoxProxy.h"
#include "QelvoxTestCase.h"
#include "ServiceEndpoints.h"

#include <QXmlStreamReader>
#include <QtTest>
#include <functional>
#include <tuple>
#include <type_traits>

namespace {

struct Outcome
{
    int status = SOAP_OK;
    QByteArray requestLine;
    QByteArray action;
    QByteArray contentLength;
    QByteArray body;
};

// One operation called with empty arguments on a fresh proxy, over the fixture transport.
using Call = std::function<Outcome(const QByteArray &reply)>;

template <class Proxy, class... Args> Call call(int (Proxy::*operation)(Args...))
{
    return [operation](const QByteArray &reply) {
        Proxy proxy;
        FixtureTransport transport(&proxy, reply);
        std::tuple<std::decay_t<Args>...> args{};
        Outcome outcome;
        outcome.status = std::apply([&](auto &...arg) { return (proxy.*operation)(arg...); }, args);
        outcome.requestLine = transport.requestLine();
        outcome.action = transport.headerValue("SOAPAction");
        outcome.contentLength = transport.headerValue("Content-Length");
        outcome.body = transport.body();
        return outcome;
    };
}

// The qualified name of the first element inside SOAP-ENV:Body.
QString bodyElement(const QByteArray &body)
{
    QXmlStreamReader xml(body);
    bool inBody = false;
    while (xml.readNextStartElement()) {
        if (inBody)
            return xml.qualifiedName().toString();
        inBody = xml.qualifiedName() == QLatin1String("SOAP-ENV:Body");
    }
    return xml.hasError() ? xml.errorString() : QString();
}

// An int-result operation on a fresh proxy whose result holds 77 before the call.
struct IntOutcome
{
    int status;
    int result;
    int openSockets;
};
using IntCall = std::function<IntOutcome(const QByteArray &reply)>;

template <class Proxy> IntCall intCall(int (*operation)(Proxy &, int &))
{
    return [operation](const QByteArray &reply) {
        Proxy proxy;
        FixtureTransport transport(&proxy, reply);
        int result = 77;
        const int status = operation(proxy, result);
        return IntOutcome{status, result, transport.openSockets};
    };
}

} // namespace

Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(IntCall)

class TestServiceProxies : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void everyOperationWritesItsElementAndAction_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QByteArray>("action");

        const auto account = [](const char *name, Call c, const char *action = nullptr) {
            QTest::newRow(name) << c << QString("ns1:QelvoxService.") + name
                                << QByteArray("urn:QelvoxService#") + (action ? action : name);
        };
        account("authenticate", call(&QelvoxProxy::authenticate));
        account("get1PagePriceForDestination", call(&QelvoxProxy::get1PagePriceForDestination),
                "getPriceForDestination");
        account("getAllLanguages", call(&QelvoxProxy::getAllLanguages));
        account("getAllCountries", call(&QelvoxProxy::getAllCountries));
        account("getExtendedTitle", call(&QelvoxProxy::getExtendedTitle));
        account("setExtendedTitle", call(&QelvoxProxy::setExtendedTitle));
        account("getAccountInfo", call(&QelvoxProxy::getAccountInfo));
        account("setAccountInfo", call(&QelvoxProxy::setAccountInfo));
        account("setNewEmail", call(&QelvoxProxy::setNewEmail));
        account("setNewPassword", call(&QelvoxProxy::setNewPassword));
        account("getOneContactGroupInfo", call(&QelvoxProxy::getOneContactGroupInfo));
        account("getContactGroupInfo", call(&QelvoxProxy::getContactGroupInfo));
        account("getOneContactInfo", call(&QelvoxProxy::getOneContactInfo));
        account("getContactInfo", call(&QelvoxProxy::getContactInfo));
        account("getOneFolderInfo", call(&QelvoxProxy::getOneFolderInfo));
        account("getFolderInfo", call(&QelvoxProxy::getFolderInfo));
        account("getOneSMSSentInfo", call(&QelvoxProxy::getOneSMSSentInfo));
        account("getSMSSentInfo", call(&QelvoxProxy::getSMSSentInfo));
        account("getOneFAXReceivedInfo", call(&QelvoxProxy::getOneFAXReceivedInfo));
        account("getFAXReceivedInfo", call(&QelvoxProxy::getFAXReceivedInfo));
        account("getOneFAXSentInfo", call(&QelvoxProxy::getOneFAXSentInfo));
        account("getFAXSentInfo", call(&QelvoxProxy::getFAXSentInfo));
        account("getOneVOICEReceivedInfo", call(&QelvoxProxy::getOneVOICEReceivedInfo));
        account("getVOICEReceivedInfo", call(&QelvoxProxy::getVOICEReceivedInfo));
        account("reviewObjects", call(&QelvoxProxy::reviewObjects));
        account("getObjects", call(&QelvoxProxy::getObjects));
        account("getObjectTypes", call(&QelvoxProxy::getObjectTypes));
        account("getObjectActions", call(&QelvoxProxy::getObjectActions));
        account("getModifiedContacts", call(&QelvoxProxy::getModifiedContacts));
        account("getModifiedObjects", call(&QelvoxProxy::getModifiedObjects));
        account("getRecipients", call(&QelvoxProxy::getRecipients));
        account("getCoverpageInfo", call(&QelvoxProxy::getCoverpageInfo));
        account("downloadFile", call(&QelvoxProxy::downloadFile));
        account("deleteObjects", call(&QelvoxProxy::deleteObjects));
        account("changeStatus", call(&QelvoxProxy::changeStatus));
        account("setContactInfo", call(&QelvoxProxy::setContactInfo));
        account("updateContactInfo", call(&QelvoxProxy::updateContactInfo));
        account("setContactGroupInfo", call(&QelvoxProxy::setContactGroupInfo));
        account("updateContactGroupInfo", call(&QelvoxProxy::updateContactGroupInfo));
        account("getAppVersion", call(&QelvoxProxy::getAppVersion));
        account("getShiftTime", call(&QelvoxProxy::getShiftTime));
        account("sendFaxDirect", call(&QelvoxProxy::sendFaxDirect));
        account("sendFaxRegister", call(&QelvoxProxy::sendFaxRegister));
        account("sendFaxAsynchronous", call(&QelvoxProxy::sendFaxAsynchronous));
        account("sendSmsAsynchronous", call(&QelvoxProxy::sendSmsAsynchronous));
        account("forwardAsynchronous", call(&QelvoxProxy::forwardAsynchronous));
        account("asynchronInfoRange", call(&QelvoxProxy::asynchronInfoRange));
        account("asynchronInfo", call(&QelvoxProxy::asynchronInfo));
        account("registerApp", call(&QelvoxProxy::registerApp));
        account("renameFolder", call(&QelvoxProxy::renameFolder));
        account("moveToFolder", call(&QelvoxProxy::moveToFolder));
        account("getInboxOutboxID", call(&QelvoxProxy::getInboxOutboxID));

        const auto signup = [](const char *name, Call c, const char *element = nullptr) {
            QTest::newRow(name) << c << QString("ns3:ClientService.") + (element ? element : name)
                                << QByteArray("urn:ClientService#") + name;
        };
        signup("getMarketProducts", call(&ClientProxy::getMarketProducts));
        signup("getAllLanguages", call(&ClientProxy::getAllLanguages));
        signup("getAllCountries", call(&ClientProxy::getAllCountries));
        signup("getAllFaxCountries", call(&ClientProxy::getAllFaxCountries));
        signup("getAllCurrencies", call(&ClientProxy::getAllCurrencies));
        signup("getIpNationality", call(&ClientProxy::getIpNationality));
        signup("getFaxRegions", call(&ClientProxy::getFaxRegions));
        signup("isActiveQelcode", call(&ClientProxy::isActiveQelcode));
        signup("registerCustomer", call(&ClientProxy::registerCustomer));
        signup("extendCustomer_using_qelcode", call(&ClientProxy::extendCustomer_using_qelcode),
               "extendCustomer-using-qelcode");
        signup("extendCustomer_using_iTunes_transaction",
               call(&ClientProxy::extendCustomer_using_iTunes_transaction),
               "extendCustomer-using-iTunes-transaction");
    }

    // Each operation posts to its service's built-in endpoint (none was set), names itself in the
    // body and the head, announces the length it then sends, and takes a reply under any name.
    void everyOperationWritesItsElementAndAction()
    {
        QFETCH(Call, call);
        QFETCH(QString, element);
        QFETCH(QByteArray, action);

        const Outcome outcome = call(soapReply("<anyName/>"));

        QCOMPARE(outcome.status, SOAP_OK);
        QCOMPARE(bodyElement(outcome.body), element);
        QCOMPARE(outcome.action, '"' + action + '"');
        const bool signup = element.startsWith("ns3:");
        const QUrl endpoint(signup ? ServiceEndpoints::signup : ServiceEndpoints::account);
        QCOMPARE(outcome.requestLine,
                 "POST " + endpoint.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) + " HTTP/1.1");
        QCOMPARE(outcome.contentLength.toLongLong(), qint64(outcome.body.size()));
    }

    void builtInEndpointIsStoredAndAGivenOneIsUsed()
    {
        QelvoxProxy account;
        FixtureTransport transport(&account, soapReply("<r/>"));
        int result = 0;
        QCOMPARE(account.getShiftTime(result), SOAP_OK);
        QCOMPARE(account.soap_endpoint, ServiceEndpoints::account);
        QCOMPARE(transport.openedEndpoint, QString(ServiceEndpoints::account));

        ClientProxy signup;
        FixtureTransport signupTransport(&signup, soapReply("<r/>"));
        signup.soap_endpoint = "https://elsewhere.test:9443/index.php?service=Client";
        std::string nationality;
        QCOMPARE(signup.getIpNationality(nationality), SOAP_OK);
        QCOMPARE(signupTransport.openedHost, QString("elsewhere.test"));
        QCOMPARE(signupTransport.openedPort, 9443);
        QCOMPARE(signupTransport.headerValue("Host"), QByteArray("elsewhere.test:9443"));
    }

    void headerIsSentOnlyWhenSet()
    {
        SOAP_ENV__Header credentials{"me@example.com", "0123abcd"};
        QelvoxProxy proxy;
        FixtureTransport withHeader(&proxy, soapReply("<r/>"));
        proxy.header = &credentials;
        int result = 0;
        QCOMPARE(proxy.authenticate(result), SOAP_OK);
        QVERIFY(withHeader.body().contains("<SOAP-ENV:Header><AuthenticationHeader>"));
        QVERIFY(withHeader.body().contains(">me@example.com</email>"));
        QVERIFY(withHeader.body().contains(">0123abcd</password>"));

        FixtureTransport without(&proxy, soapReply("<r/>"));
        proxy.soap_noheader();
        QCOMPARE(proxy.authenticate(result), SOAP_OK);
        QVERIFY(!without.body().contains("SOAP-ENV:Header"));
    }

    void intResults_data()
    {
        QTest::addColumn<IntCall>("call");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("result");

        const IntCall authenticate =
            intCall<QelvoxProxy>([](QelvoxProxy &p, int &r) { return p.authenticate(r); });
        QTest::newRow("return member") << authenticate
                                       << soapReply("<ns1:QelvoxService.authenticateResponse><return "
                                                    "xsi:type=\"xsd:int\">7</return>"
                                                    "</ns1:QelvoxService.authenticateResponse>")
                                       << SOAP_OK << 7;
        QTest::newRow("wrapper under another name")
            << authenticate << soapReply("<ns1:somethingElse><return>8</return></ns1:somethingElse>")
            << SOAP_OK << 8;
        QTest::newRow("no member element gives 0")
            << authenticate << soapReply("<ns1:QelvoxService.authenticateResponse/>") << SOAP_OK << 0;
        QTest::newRow("price of the renamed action")
            << intCall<QelvoxProxy>(
                   [](QelvoxProxy &p, int &r) { return p.get1PagePriceForDestination("FR", r); })
            << soapReply("<ns1:QelvoxService.get1PagePriceForDestinationResponse><price>12</price>"
                         "</ns1:QelvoxService.get1PagePriceForDestinationResponse>")
            << SOAP_OK << 12;
        QTest::newRow("active of the sign-up service")
            << intCall<ClientProxy>([](ClientProxy &p, int &r) { return p.isActiveQelcode("QELV", r); })
            << soapReply("<ns3:ClientService.isActiveQelcodeResponse><active>1</active>"
                         "</ns3:ClientService.isActiveQelcodeResponse>")
            << SOAP_OK << 1;
        QTest::newRow("client fault resets the result")
            << authenticate
            << soapReply("<SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode><faultstring>Wrong password"
                         "</faultstring></SOAP-ENV:Fault>",
                         "500 Internal Server Error")
            << SOAP_CLI_FAULT << 0;
        QTest::newRow("server fault") << authenticate
                                      << soapReply("<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode>"
                                                   "<faultstring>Down</faultstring></SOAP-ENV:Fault>",
                                                   "500 Internal Server Error")
                                      << SOAP_SVR_FAULT << 0;
        QTest::newRow("HTTP error without a SOAP body")
            << authenticate
            << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n") << 404
            << 0;
        QTest::newRow("connection closed before the reply") << authenticate << QByteArray() << SOAP_EOF << 0;
        QTest::newRow("reply cut inside the body")
            << authenticate
            << soapReply("<ns1:QelvoxService.authenticateResponse><return>7</return>").chopped(40) << SOAP_EOF
            << 0;
    }

    void intResults()
    {
        QFETCH(IntCall, call);
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(int, result);

        const IntOutcome outcome = call(reply);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.openSockets, 0);
    }

    void faultIsReadable()
    {
        ClientProxy proxy;
        FixtureTransport transport(&proxy, soapReply("<SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode>"
                                                     "<faultstring>Address taken</faultstring>"
                                                     "<detail>email</detail></SOAP-ENV:Fault>",
                                                     "500 Internal Server Error"));
        RegisterCustomerInfo info;
        std::string id = "stale";
        QCOMPARE(proxy.registerCustomer(&info, id), SOAP_CLI_FAULT);
        QCOMPARE(id, std::string());
        QVERIFY(proxy.soap_fault());
        QCOMPARE(QByteArray(proxy.soap_fault_string()), QByteArray("Address taken"));
        char text[256];
        QVERIFY(QByteArray(proxy.soap_sprint_fault(text, sizeof text)).contains("Address taken"));
    }

    void textResultUnderAnyName()
    {
        QelvoxProxy proxy;
        FixtureTransport transport(&proxy, soapReply("<ns1:QelvoxService.getExtendedTitleResponse><title "
                                                     "xsi:type=\"xsd:string\">Dr. Ω</title>"
                                                     "</ns1:QelvoxService.getExtendedTitleResponse>"));
        soap_set_mode(&proxy, SOAP_C_UTFSTRING);
        std::string title;
        QCOMPARE(proxy.getExtendedTitle(title), SOAP_OK);
        QCOMPARE(QString::fromStdString(title), QString("Dr. Ω"));
    }

    void recordResultIsReadIntoTheCallersRecord()
    {
        QelvoxProxy proxy;
        FixtureTransport transport(&proxy,
                                   soapReply("<ns1:QelvoxService.getAccountInfoResponse><return "
                                             "xsi:type=\"ns1:AccountInfo\"><firstname>Anna</firstname>"
                                             "<prepaidbalance>250</prepaidbalance></return>"
                                             "</ns1:QelvoxService.getAccountInfoResponse>"));
        ns1__QelvoxService_x002egetAccountInfoResponse reply{};
        QCOMPARE(proxy.getAccountInfo(reply), SOAP_OK);
        QVERIFY(reply.return_);
        QCOMPARE(reply.return_->firstname, std::string("Anna"));
        QCOMPARE(reply.return_->prepaidbalance, 250);
        QCOMPARE(reply.return_->soap, static_cast<struct soap *>(&proxy));
    }

    // Nothing has been received when the request cannot go out, so the caller's result is untouched.
    void failedRequestLeavesTheResult_data()
    {
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("status");

        QTest::newRow("connection refused") << true << SOAP_TCP_ERROR;
        QTest::newRow("sending breaks off") << false << SOAP_EOF;
    }

    void failedRequestLeavesTheResult()
    {
        QFETCH(bool, refuse);
        QFETCH(int, status);

        QelvoxProxy proxy;
        FixtureTransport transport(&proxy, soapReply("<r><return>5</return></r>"));
        if (refuse)
            transport.refuseConnection();
        else
            transport.breakSendingAfter(100);
        int shift = 77;
        QCOMPARE(proxy.getShiftTime(shift), status);
        QCOMPARE(shift, 77);
        ArrayOfInteger stale;
        ns1__QelvoxService_x002egetInboxOutboxIDResponse ids{&stale};
        QCOMPARE(proxy.getInboxOutboxID(ids), status);
        QCOMPARE(ids.return_, &stale);
        QCOMPARE(transport.openSockets, 0);
    }

    // Documents travel as MIME parts after the envelope, counted in the announced length.
    void attachmentsFollowTheEnvelope()
    {
        QelvoxProxy proxy;
        FixtureTransport transport(&proxy, soapReply("<r/>"));
        soap_set_mime(&proxy, nullptr, nullptr);
        char document[] = "JVBERi0xLjQK";
        QCOMPARE(soap_set_mime_attachment(&proxy, document, sizeof document - 1, SOAP_MIME_BASE64,
                                          "application/octet-stream", nullptr, "fax.pdf", nullptr),
                 SOAP_OK);
        SendFaxInfo info;
        ns1__QelvoxService_x002esendFaxRegisterResponse ids{};
        QCOMPARE(proxy.sendFaxRegister(&info, "daily", ids), SOAP_OK);

        QVERIFY(transport.headerValue("Content-Type").startsWith("multipart/related"));
        const QByteArray body = transport.body();
        QCOMPARE(transport.headerValue("Content-Length").toLongLong(), qint64(body.size()));
        const qsizetype envelopeEnd = body.indexOf("</SOAP-ENV:Envelope>");
        QVERIFY(envelopeEnd > 0);
        QVERIFY(body.indexOf(document) > envelopeEnd);
        QVERIFY(body.contains("Content-Location: fax.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestServiceProxies)
#include "tst_serviceproxies.moc"
