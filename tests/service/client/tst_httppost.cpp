#include "HttpPost.h"
#include "QelvoxTestCase.h"
#include "SettingsStore.h"

#include <QtTest>

namespace {

// An engine whose transport writes into a string, so that the head can be read back.
class CapturingEngine
{
public:
    CapturingEngine()
    {
        soap_init(&m_soap);
        m_soap.version = 1; // both services speak SOAP 1.1
        m_soap.user = &m_sent;
        m_soap.fsend = [](struct soap *soap, const char *data, size_t size) {
            static_cast<QByteArray *>(soap->user)->append(data, static_cast<qsizetype>(size));
            return SOAP_OK;
        };
    }
    ~CapturingEngine() { soap_done(&m_soap); }

    soap *engine() { return &m_soap; }
    QStringList lines() const { return QString::fromLatin1(m_sent).split(QStringLiteral("\r\n")); }
    QByteArray sent() const { return m_sent; }

private:
    struct soap m_soap;
    QByteArray m_sent;
};

QString headerValue(const QStringList &lines, const QString &name)
{
    const QString prefix = name + QStringLiteral(": ");
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

const char *const Action = "urn:QelvoxService#authenticate";

} // namespace

class TestHttpPost : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void wholeHeadInOrder()
    {
        CapturingEngine capture;
        soap *engine = capture.engine();
        engine->proxy_host = "proxy.local";
        engine->proxy_userid = "user";
        engine->proxy_passwd = "secret";

        QCOMPARE(http_post(engine, "http://service.example/index.php?service=Qelvox", "service.example", 80,
                           "/index.php?service=Qelvox", Action, 123),
                 SOAP_OK);

        const QStringList expected = {
            "POST http://service.example/index.php?service=Qelvox HTTP/1.1",
            "Host: service.example",
            "User-Agent: WIN Qelvoxdesk " + QString::fromLatin1(appVersion()),
            "Content-Type: text/xml; charset=utf-8",
            "Content-Length: 123",
            "Connection: close",
            "Proxy-Authorization: Basic dXNlcjpzZWNyZXQ=",
            "SOAPAction: \"urn:QelvoxService#authenticate\"",
            "",
            "",
        };
        QCOMPARE(capture.lines(), expected);
    }

    // Through the tunnel the request reaches the server, which must not learn the proxy's credentials.
    void tunnelledRequestCarriesNoProxyCredentials()
    {
        CapturingEngine capture;
        soap *engine = capture.engine();
        engine->proxy_host = "proxy.local";
        engine->proxy_userid = "user";
        engine->proxy_passwd = "secret";
        QCOMPARE(http_post(engine, "https://h/p", "h", 443, "/p", Action, 0), SOAP_OK);
        QCOMPARE(headerValue(capture.lines(), "Proxy-Authorization"), QString());
    }

    void requestLineAndHost_data()
    {
        QTest::addColumn<QByteArray>("endpoint");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("proxy");
        QTest::addColumn<QString>("requestLine");
        QTest::addColumn<QString>("host");

        QTest::newRow("https default port") << QByteArray("https://h/index.php?service=Client") << 443
                                            << false << "POST /index.php?service=Client HTTP/1.1"
                                            << "h";
        QTest::newRow("https through proxy keeps the path form")
            << QByteArray("https://h/index.php?service=Qelvox") << 443 << true
            << "POST /index.php?service=Qelvox HTTP/1.1"
            << "h";
        QTest::newRow("https other port")
            << QByteArray("https://h:8443/p") << 8443 << false << "POST /p HTTP/1.1"
            << "h:8443";
        QTest::newRow("http explicit port")
            << QByteArray("http://h:8080/p") << 8080 << false << "POST /p HTTP/1.1"
            << "h:8080";
        QTest::newRow("http default port") << QByteArray("http://h/p") << 80 << false << "POST /p HTTP/1.1"
                                           << "h";
        QTest::newRow("http through proxy sends the whole URL")
            << QByteArray("http://h:8080/p") << 8080 << true << "POST http://h:8080/p HTTP/1.1"
            << "h:8080";
        QTest::newRow("scheme in capitals") << QByteArray("HTTPS://h/p") << 443 << false << "POST /p HTTP/1.1"
                                            << "h";
    }

    void requestLineAndHost()
    {
        QFETCH(QByteArray, endpoint);
        QFETCH(int, port);
        QFETCH(bool, proxy);
        QFETCH(QString, requestLine);
        QFETCH(QString, host);

        CapturingEngine capture;
        if (proxy)
            capture.engine()->proxy_host = "proxy.local";
        const QByteArray path = endpoint.mid(endpoint.indexOf('/', endpoint.indexOf("//") + 2));
        QCOMPARE(http_post(capture.engine(), endpoint.constData(), "h", port, path.constData(), Action, 0),
                 SOAP_OK);
        QCOMPARE(capture.lines().value(0), requestLine);
        QCOMPARE(headerValue(capture.lines(), "Host"), host);
    }

    void proxyAuthorizationLimit_data()
    {
        QTest::addColumn<int>("userLength");
        QTest::addColumn<int>("passwordLength");
        QTest::addColumn<bool>("written");

        QTest::newRow("380 + 380") << 380 << 380 << true;
        QTest::newRow("380 + 380 + 1 is the limit") << 380 << 381 << false;
        QTest::newRow("400 + 400") << 400 << 400 << false;
        QTest::newRow("no password") << 4 << -1 << false;
    }

    void proxyAuthorizationLimit()
    {
        QFETCH(int, userLength);
        QFETCH(int, passwordLength);
        QFETCH(bool, written);

        const QByteArray user(userLength, 'u');
        const QByteArray password(qMax(passwordLength, 0), 'p');
        CapturingEngine capture;
        capture.engine()->proxy_host = "proxy.local";
        capture.engine()->proxy_userid = user.constData();
        capture.engine()->proxy_passwd = passwordLength < 0 ? nullptr : password.constData();

        QCOMPARE(http_post(capture.engine(), "http://h/p", "h", 80, "/p", Action, 0), SOAP_OK);
        const QString value = headerValue(capture.lines(), "Proxy-Authorization");
        QCOMPARE(!value.isEmpty(), written);
        if (written) {
            QCOMPARE(QByteArray::fromBase64(value.mid(6).toLatin1()), user + ':' + password);
        }
    }

    void soapActionLimit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");

        QTest::newRow("1020 characters") << 1020 << true;
        QTest::newRow("1021 characters") << 1021 << false;
        QTest::newRow("null action") << -1 << false;
    }

    void soapActionLimit()
    {
        QFETCH(int, length);
        QFETCH(bool, kept);

        const QByteArray action(qMax(length, 0), 'a');
        CapturingEngine capture;
        QCOMPARE(http_post(capture.engine(), "https://h/p", "h", 443, "/p",
                           length < 0 ? nullptr : action.constData(), 0),
                 SOAP_OK);
        const QString expected = kept ? '"' + QString::fromLatin1(action) + '"' : QStringLiteral("\"\"");
        QCOMPARE(headerValue(capture.lines(), "SOAPAction"), expected);
    }

    void refusedEndpoints_data()
    {
        QTest::addColumn<QByteArray>("endpoint");
        QTest::addColumn<int>("result");

        QTest::newRow("ftp scheme") << QByteArray("ftp://h/p") << int(SOAP_OK);
        QTest::newRow("too long") << "https://h/" + QByteArray(940, 'x') << int(SOAP_EOM);
    }

    void refusedEndpoints()
    {
        QFETCH(QByteArray, endpoint);
        QFETCH(int, result);

        CapturingEngine capture;
        QCOMPARE(http_post(capture.engine(), endpoint.constData(), "h", 443, "/p", Action, 0), result);
        QVERIFY(capture.sent().isEmpty());
    }

    void nullEndpointWritesNothing()
    {
        CapturingEngine capture;
        QCOMPARE(http_post(capture.engine(), nullptr, "h", 443, "/p", Action, 0), SOAP_OK);
        QVERIFY(capture.sent().isEmpty());
    }

    void writeErrorEndsTheHead()
    {
        CapturingEngine capture;
        capture.engine()->fposthdr = [](struct soap *, const char *key, const char *) {
            return key && std::strcmp(key, "User-Agent") == 0 ? SOAP_TCP_ERROR : SOAP_OK;
        };
        QCOMPARE(http_post(capture.engine(), "https://h/p", "h", 443, "/p", Action, 0), int(SOAP_TCP_ERROR));
    }
};

QTEST_GUILESS_MAIN(TestHttpPost)
#include "tst_httppost.moc"
