// HTTPS with the certificate authority that the stand-in generates at start.

#include "QelvoxTestCase.h"
#include "SoapMessages.h"
#include "StandinProcess.h"

#include <QtTest>

using namespace soapmsg;

class StandinTlsTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void trustedCaConnects();
    void anotherCaIsRefused();
};

void StandinTlsTest::trustedCaConnects()
{
    StandinProcess standin({"--demo"});
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    QVERIFY(QFile::exists(standin.caFile()));
    const HttpExchange::Response reply =
        standin.send(accountCall("authenticate", {}, {"demo@qelvox.test", md5("demo-fax-2029")}), true);
    QVERIFY2(reply.connected, qPrintable(reply.error));
    QCOMPARE(reply.status, 200);
    QCOMPARE(text(reply.body, "return"), QString("4711"));
    QVERIFY(standin.lastRequest().value("https").toBool());
}

void StandinTlsTest::anotherCaIsRefused()
{
    StandinProcess first;
    StandinProcess second;
    QVERIFY2(first.start(), qPrintable(first.errorText()));
    QVERIFY2(second.start(), qPrintable(second.errorText()));
    const HttpExchange::Response reply =
        HttpExchange::send(first.httpsPort(), signupCall("getIpNationality", {}), second.caFile());
    QVERIFY(!reply.connected);
    QVERIFY(!reply.error.isEmpty());
    QVERIFY(first.requestLog().isEmpty());
}

QTEST_GUILESS_MAIN(StandinTlsTest)
#include "tst_standin_tls.moc"
