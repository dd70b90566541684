// Fault injection per operation and the plain file downloads, seen from a raw HTTP client.

#include "QelvoxTestCase.h"
#include "SoapMessages.h"
#include "StandinProcess.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QThread>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

using namespace soapmsg;

namespace {

const Credentials demo{"demo@qelvox.test", md5("demo-fax-2029")};

bool wellFormed(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

class StandinFaultTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override;

private slots:
    void initTestCase();
    void soapFaults_data();
    void soapFaults();
    void httpErrorStatus();
    void connectionClosedMidReply();
    void delayedReply();
    void heldReplyWaitsForRelease();
    void malformedReply();
    void injectionCountsItsUses();
    void faultReplacesTheOperation();
    void otherOperationsAreUntouched();
    void faultMatchedToOneObject();
    void unknownInjectionIsRejected();
    void fileDownloads();

private:
    StandinProcess standin{{"--demo"}};
};

void StandinFaultTest::initTestCase()
{
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
}

void StandinFaultTest::setUp()
{
    QVERIFY(standin.control("clear-injections").value("ok").toBool());
}

void StandinFaultTest::soapFaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("envelopeNs");
    QTest::addColumn<QString>("codeElement");
    QTest::addColumn<QString>("prefix");
    const QString soap11 = "http://schemas.xmlsoap.org/soap/envelope/";
    const QString soap12 = "http://www.w3.org/2003/05/soap-envelope";
    QTest::newRow("SOAP 1.1 Server") << "soap11-fault"
                                     << "SOAP-ENV:Server" << soap11 << "faultcode"
                                     << "";
    QTest::newRow("SOAP 1.1 numbered") << "soap11-fault"
                                       << "SOAP-ENV:Client:12" << soap11 << "faultcode"
                                       << "";
    QTest::newRow("SOAP 1.2 Receiver") << "soap12-fault"
                                       << "SOAP-ENV:Receiver" << soap12 << "Value"
                                       << "";
    QTest::newRow("SOAP 1.1 under s") << "soap11-fault"
                                      << "s:Client" << soap11 << "faultcode"
                                      << "s";
    QTest::newRow("SOAP 1.2 under env") << "soap12-fault"
                                        << "env:Sender" << soap12 << "Value"
                                        << "env";
}

void StandinFaultTest::soapFaults()
{
    QFETCH(QString, kind);
    QFETCH(QString, code);
    QFETCH(QString, envelopeNs);
    QFETCH(QString, codeElement);
    QFETCH(QString, prefix);
    QVERIFY(standin
                .inject("getShiftTime",
                        {{"kind", kind}, {"code", code}, {"reason", "try later"}, {"prefix", prefix}})
                .value("ok")
                .toBool());
    const HttpExchange::Response reply = standin.send(accountCall("getShiftTime", {}, demo));
    QCOMPARE(reply.status, 500);
    const QString bound = prefix.isEmpty() ? "SOAP-ENV" : prefix;
    QVERIFY(reply.body.contains(QString("<%1:Envelope xmlns:%1=\"%2\">").arg(bound, envelopeNs).toUtf8()));
    QVERIFY(wellFormed(reply.body));
    QCOMPARE(text(reply.body, codeElement), code);
    QVERIFY(reply.body.contains("try later"));
    QCOMPARE(standin.lastRequest().value("reply").toObject().value("injected").toString(), kind);
}

void StandinFaultTest::httpErrorStatus()
{
    standin.inject("getShiftTime", {{"kind", "http-status"}, {"status", 503}});
    const HttpExchange::Response reply = standin.send(accountCall("getShiftTime", {}, demo));
    QCOMPARE(reply.status, 503);
    QVERIFY(!reply.body.contains("Envelope"));
}

void StandinFaultTest::connectionClosedMidReply()
{
    standin.inject("reviewObjects", {{"kind", "close"}});
    const HttpExchange::Response reply = standin.send(accountCall("reviewObjects", {}, demo));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.truncated());
    QVERIFY(reply.body.size() > 0);
}

void StandinFaultTest::delayedReply()
{
    standin.inject("getShiftTime", {{"kind", "delay"}, {"delayMs", 700}});
    QElapsedTimer clock;
    clock.start();
    const HttpExchange::Response reply = standin.send(accountCall("getShiftTime", {}, demo));
    QVERIFY(clock.elapsed() >= 700);
    QCOMPARE(reply.status, 200);
    QCOMPARE(text(reply.body, "return"), QString("3600"));
}

void StandinFaultTest::heldReplyWaitsForRelease()
{
    standin.inject("getShiftTime", {{"kind", "hold"}, {"times", 1}});
    HttpExchange::Response reply;
    const quint16 port = standin.httpPort();
    std::unique_ptr<QThread> caller(QThread::create([&reply, port] {
        reply = HttpExchange::send(port, accountCall("getShiftTime", {}, demo), {}, 60000);
    }));
    caller->start();
    QTRY_COMPARE(standin.lastRequest("getShiftTime").value("reply").toObject().value("injected").toString(),
                 QString("hold"));
    // Held, not merely slow: other requests are answered meanwhile.
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 200);
    QVERIFY(!caller->isFinished());

    QVERIFY(standin.control("release").value("ok").toBool());
    QVERIFY(caller->wait(10000));
    QCOMPARE(reply.status, 200);
    QCOMPARE(text(reply.body, "return"), QString("3600"));
    QVERIFY(standin.lastRequest("getShiftTime").value("headers").toArray().contains("SOAPAction"));
}

void StandinFaultTest::malformedReply()
{
    standin.inject("getShiftTime", {{"kind", "malformed"}});
    const HttpExchange::Response reply = standin.send(accountCall("getShiftTime", {}, demo));
    QCOMPARE(reply.status, 200);
    QVERIFY(!reply.truncated());
    QVERIFY(!wellFormed(reply.body));
}

void StandinFaultTest::injectionCountsItsUses()
{
    standin.inject("getShiftTime", {{"kind", "http-status"}, {"status", 502}, {"times", 1}});
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 502);
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 200);
}

void StandinFaultTest::faultReplacesTheOperation()
{
    standin.inject("updateContactGroupInfo", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}});
    const QByteArray group =
        "<info xsi:type=\"ContactGroupInfo\">" + intParam("id", 0) + stringParam("name", "Never") + "</info>";
    const int before = text(standin.send(accountCall("reviewObjects", {}, demo)).body, "timestamp").toInt();
    QCOMPARE(standin.send(accountCall("updateContactGroupInfo", group, demo)).status, 500);
    const HttpExchange::Response changes =
        standin.send(accountCall("getModifiedObjects", intParam("timestamp", before), demo));
    QVERIFY(items(changes.body, "actions").isEmpty());
    // The refused request is still in the log, with what it carried.
    const QJsonObject logged = standin.lastRequest("updateContactGroupInfo");
    QCOMPARE(logged.value("params").toObject().value("info").toObject().value("name").toString(),
             QString("Never"));
}

void StandinFaultTest::otherOperationsAreUntouched()
{
    standin.inject("reviewObjects", {{"kind", "http-status"}, {"status", 503}});
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 200);
    standin.inject("*", {{"kind", "http-status"}, {"status", 503}});
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 503);
}

void StandinFaultTest::faultMatchedToOneObject()
{
    const auto fetch = [this](int object) {
        const QByteArray wanted = "<data xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ObjectData[1]\">"
                                  "<item xsi:type=\"ObjectData\">" +
                                  intParam("object", object) + intParam("type", 2) + "</item></data>";
        return standin.send(accountCall("getObjects", wanted, demo)).status;
    };
    standin.inject("getObjects", {{"kind", "soap11-fault"}, {"objectId", 777}, {"times", 1}});
    // A fetch of other objects runs and uses nothing up.
    QCOMPARE(fetch(778), 200);
    QCOMPARE(fetch(777), 500);
    QCOMPARE(fetch(777), 200);
}

void StandinFaultTest::unknownInjectionIsRejected()
{
    const QJsonObject answer = standin.inject("getShiftTime", {{"kind", "explode"}});
    QVERIFY(!answer.value("ok").toBool());
    QCOMPARE(standin.send(accountCall("getShiftTime", {}, demo)).status, 200);
}

void StandinFaultTest::fileDownloads()
{
    const QByteArray installer(4096, 'x');
    QVERIFY(
        standin
            .control("file", {{"name", "setup.exe"}, {"base64", QString::fromLatin1(installer.toBase64())}})
            .value("ok")
            .toBool());
    HttpExchange::Response reply = standin.send(HttpExchange::get("/files/setup.exe"));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.body, installer);

    standin.control("file", {{"name", "setup.exe"}, {"mode", "cut"}});
    reply = standin.send(HttpExchange::get("/files/setup.exe"));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.truncated());

    standin.control("file", {{"name", "setup.exe"}, {"mode", "404"}});
    QCOMPARE(standin.send(HttpExchange::get("/files/setup.exe")).status, 404);
    QCOMPARE(standin.send(HttpExchange::get("/files/..%2Fetc%2Fpasswd")).status, 404);
    QVERIFY(!standin.control("file", {{"name", "../escape"}, {"base64", "eA=="}}).value("ok").toBool());

    // The version check announces a link to the default installer on the plain port.
    const HttpExchange::Response version = standin.send(
        accountCall("getAppVersion", stringParam("os", "WIN") + stringParam("app", "ZQD"), demo));
    const QString link = text(version.body, "link");
    QCOMPARE(text(version.body, "version"), QStringLiteral(QELVOX_VERSION));
    QVERIFY(link.startsWith(standin.httpUrl() + "/files/"));
    QCOMPARE(standin.send(HttpExchange::get(link.mid(standin.httpUrl().size()).toLatin1())).status, 200);
}

QTEST_GUILESS_MAIN(StandinFaultTest)
#include "tst_standin_faults.moc"
