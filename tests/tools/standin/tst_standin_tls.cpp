// HTTPS with the certificate authority that the stand-in keeps in its TLS folder.

#include "QelvoxTestCase.h"
#include "SoapMessages.h"
#include "StandinProcess.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace soapmsg;

class StandinTlsTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void trustedCaConnects();
    void anotherCaIsRefused();
    void restartKeepsTheAuthority();
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

// A client that trusts the CA of the service's first start connects after a restart on the same folder;
// a folder whose files are incomplete gets a fresh CA that works.
void StandinTlsTest::restartKeepsTheAuthority()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QStringList arguments{"--demo", "--tls-dir", folder.filePath("tls")};
    const QString trusted = folder.filePath("trusted.pem");
    const QByteArray call = accountCall("authenticate", {}, {"demo@qelvox.test", md5("demo-fax-2029")});
    const auto caBytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        StandinProcess first(arguments);
        QVERIFY2(first.start(), qPrintable(first.errorText()));
        QVERIFY(QFile::copy(first.caFile(), trusted));
    }
    StandinProcess second(arguments);
    QVERIFY2(second.start(), qPrintable(second.errorText()));
    QCOMPARE(caBytes(second.caFile()), caBytes(trusted));
    HttpExchange::Response reply = HttpExchange::send(second.httpsPort(), call, trusted);
    QVERIFY2(reply.connected, qPrintable(reply.error));
    QCOMPARE(reply.status, 200);
    QVERIFY(second.stop());

    QVERIFY(QFile::remove(folder.filePath("tls/server.key")));
    StandinProcess third(arguments);
    QVERIFY2(third.start(), qPrintable(third.errorText()));
    QVERIFY(caBytes(third.caFile()) != caBytes(trusted));
    reply = HttpExchange::send(third.httpsPort(), call, third.caFile());
    QVERIFY2(reply.connected, qPrintable(reply.error));
    QCOMPARE(reply.status, 200);
}

QTEST_GUILESS_MAIN(StandinTlsTest)
#include "tst_standin_tls.moc"
