#include "ConnectProxy.h"
#include "Downloader.h"
#include "FacadeFixture.h"
#include "QelvoxTestCase.h"
#include "qtAuthenticateInfo.h"
#include "qtDestinationInfo.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace Accounts;

namespace {

void store(const ProxySettings &proxy)
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setProxyEnabled(proxy.enabled);
    settings.setProxyHost(proxy.host);
    settings.setProxyPort(proxy.port);
    settings.setProxyUserId(proxy.userId);
    settings.setProxyPassword(proxy.password);
}

// One call of each service.
QList<int> callBothServices()
{
    int shift = 0;
    QList<qtDestinationInfo> regions;
    return {QelvoxAPI::getShiftTime(&shift), QelvoxAPI::getFaxRegions("us|0", &regions) ? 0 : -1};
}

// How a caller tells the results apart.
QString resultClass(int result)
{
    if (result == proxyRefusedCredentials)
        return "proxy refused the credentials";
    if (result == proxyRefusedConnection)
        return "proxy refused the connection";
    if (isConnectionError(result))
        return "no connection";
    return result == SOAP_OK ? "success" : "service error";
}

// A loopback port where nothing listens.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

} // namespace

Q_DECLARE_METATYPE(ProxySettings)

class FacadeTransportTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override;

private slots:
    void initTestCase();

    // Must run first: no engine has been built before it.
    void configuredProxyIsUsedFromTheStart();
    void proxyRuleForBothServices_data();
    void proxyRuleForBothServices();
    void serverMustProveItsIdentity_data();
    void serverMustProveItsIdentity();
    void logInWithoutTrustIsNoConnection();
    void proxyAnswersDecideTheResult_data();
    void proxyAnswersDecideTheResult();
    void soapCallsAndDownloadSendTheSameCredentials();

private:
    FacadeFixture fixture;
    ConnectProxy proxy;
};

void FacadeTransportTest::initTestCase()
{
    QVERIFY(fixture.start());
    store({1, proxy.port(), "127.0.0.1", "", ""});
}

void FacadeTransportTest::setUp()
{
    fixture.reset();
    fixture.useHttps();
    proxy.clear();
    proxy.refuseWith({});
    proxy.setAnswering(true);
}

void FacadeTransportTest::configuredProxyIsUsedFromTheStart()
{
    QCOMPARE(callBothServices(), QList<int>({0, 0}));
    QCOMPARE(proxy.tunnels().size(), 2);
}

void FacadeTransportTest::proxyRuleForBothServices_data()
{
    QTest::addColumn<ProxySettings>("settings");
    QTest::addColumn<QByteArray>("authorization");
    QTest::addColumn<int>("tunnels");
    const QString host = "127.0.0.1";
    const int port = proxy.port();
    QTest::newRow("on, with credentials") << ProxySettings{1, port, host, "proxy-user", "pa:ss"}
                                          << "Basic " + QByteArray("proxy-user:pa:ss").toBase64() << 2;
    QTest::newRow("on, user without password")
        << ProxySettings{1, port, host, "proxy-user", ""} << QByteArray() << 2;
    QTest::newRow("on, password without user")
        << ProxySettings{1, port, host, "", "secret"} << QByteArray() << 2;
    QTest::newRow("off, host and port stored")
        << ProxySettings{0, port, host, "proxy-user", "secret"} << QByteArray() << 0;
    QTest::newRow("on, no port") << ProxySettings{1, 0, host, "proxy-user", "secret"} << QByteArray() << 0;
}

void FacadeTransportTest::proxyRuleForBothServices()
{
    QFETCH(ProxySettings, settings);
    QFETCH(QByteArray, authorization);
    QFETCH(int, tunnels);
    store(settings);
    QelvoxAPI::resetConnection();

    QCOMPARE(callBothServices(), QList<int>({0, 0}));
    QCOMPARE(fixture.operations(), QStringList({"getShiftTime", "getFaxRegions"}));
    const QList<ConnectProxy::Tunnel> opened = proxy.tunnels();
    QCOMPARE(opened.size(), tunnels);
    for (const ConnectProxy::Tunnel &tunnel : opened) {
        QCOMPARE(tunnel.target, "127.0.0.1:" + QByteArray::number(fixture.standin.httpsPort()));
        QCOMPARE(tunnel.authorization, authorization);
    }
    // The proxy's credentials went to the proxy only, never through the tunnel to the service.
    for (const QJsonValue &request : fixture.requests())
        QVERIFY(!request.toObject().value("headers").toArray().contains("Proxy-Authorization"));
}

// A proxy that checks the credentials byte by byte must see the same ones from both roads, also for letters
// beyond ASCII: the UTF-8 of "user:password".
void FacadeTransportTest::soapCallsAndDownloadSendTheSameCredentials()
{
    store({1, proxy.port(), "127.0.0.1", "jürgen", "pässwörd€"});
    QelvoxAPI::resetConnection();
    int shift = 0;
    QCOMPARE(QelvoxAPI::getShiftTime(&shift), 0);

    QTemporaryDir folder;
    Downloader downloader;
    QSignalSpy done(&downloader, &Downloader::signalDone);
    const QString url = QStringLiteral("https://127.0.0.1:%1/files/setup.exe").arg(fixture.standin.httpsPort());
    QVERIFY(downloader.download(folder.path() + QStringLiteral("/setup.exe"), QUrl(url)));
    QVERIFY(done.wait(20000));

    const QList<ConnectProxy::Tunnel> opened = proxy.tunnels();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].authorization, QByteArray("Basic asO8cmdlbjpww6Rzc3fDtnJk4oKs"));
    QCOMPARE(opened[1].authorization, opened[0].authorization);
}

void FacadeTransportTest::serverMustProveItsIdentity_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("caFile"); // "test": the stand-in's CA
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("tunnels");
    QTest::newRow("trusted test CA") << "127.0.0.1"
                                     << "test" << int(SOAP_OK) << 1;
    QTest::newRow("unknown CA") << "127.0.0.1"
                                << "" << int(SOAP_SSL_ERROR) << 1;
    QTest::newRow("wrong host name") << "wrong-name.test"
                                     << "test" << int(SOAP_SSL_ERROR) << 1;
    // Without the configured trust no connection is even tried.
    QTest::newRow("CA file missing") << "127.0.0.1"
                                     << "/nonexistent/ca.pem" << int(SOAP_SSL_ERROR) << 0;
}

void FacadeTransportTest::serverMustProveItsIdentity()
{
    QFETCH(QString, host);
    QFETCH(QString, caFile);
    QFETCH(int, status);
    QFETCH(int, tunnels);
    // Through the proxy, which leads every name to the stand-in.
    store({1, proxy.port(), "127.0.0.1", "", ""});
    QelvoxAPI::resetConnection();
    const QByteArray origin =
        QStringLiteral("https://%1:%2").arg(host).arg(fixture.standin.httpsPort()).toUtf8();
    QelvoxAPI::setServiceOrigin(origin,
                                caFile == "test" ? fixture.standin.caFile().toUtf8() : caFile.toUtf8());

    int shift = 0;
    QCOMPARE(QelvoxAPI::getShiftTime(&shift), status);
    QCOMPARE(proxy.tunnels().size(), tunnels);
    QCOMPARE(fixture.requests().size(), status == SOAP_OK ? 1 : 0);
}

void FacadeTransportTest::logInWithoutTrustIsNoConnection()
{
    QelvoxAPI::setServiceOrigin(fixture.standin.httpsUrl().toUtf8(), "/nonexistent/ca.pem");
    qtAuthenticateInfo login;
    login.username = annEmail;
    login.password = QString::fromStdString(annDigest());
    login.result = -10001;
    QelvoxAPI::authenticate(&login);
    QCOMPARE(login.result, 28);
    QCOMPARE(fixture.requests().size(), 0);
}

void FacadeTransportTest::proxyAnswersDecideTheResult_data()
{
    QTest::addColumn<QByteArray>("answer"); // the proxy's status line; "" tunnels, "none" closes unanswered
    QTest::addColumn<bool>("proxyUp");
    QTest::addColumn<bool>("plainHttp");
    QTest::addColumn<QString>("result");
    QTest::newRow("407 to CONNECT") << QByteArray("407 Proxy Authentication Required") << true << false
                                    << "proxy refused the credentials";
    QTest::newRow("403 to CONNECT") << QByteArray("403 Forbidden") << true << false
                                    << "proxy refused the connection";
    QTest::newRow("502 to CONNECT") << QByteArray("502 Bad Gateway") << true << false
                                    << "proxy refused the connection";
    // The runtime reads a 500 as a reply that may carry a fault; to CONNECT it is still the proxy's.
    QTest::newRow("500 to CONNECT") << QByteArray("500 Internal Server Error") << true << false
                                    << "proxy refused the connection";
    QTest::newRow("407 to a plain request") << QByteArray("407 Proxy Authentication Required") << true << true
                                            << "proxy refused the credentials";
    QTest::newRow("connection refused") << QByteArray() << false << false << "no connection";
    QTest::newRow("closed without an answer") << QByteArray("none") << true << false << "no connection";
    // The control: the service itself refuses, through a working tunnel.
    QTest::newRow("service refusal") << QByteArray() << true << false << "service error";
}

void FacadeTransportTest::proxyAnswersDecideTheResult()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, proxyUp);
    QFETCH(bool, plainHttp);
    QFETCH(QString, result);
    store({1, proxyUp ? proxy.port() : closedPort(), "127.0.0.1", "proxy-user", "wrong"});
    QelvoxAPI::resetConnection();
    if (plainHttp)
        QelvoxAPI::setServiceOrigin(fixture.standin.httpUrl().toUtf8(), {});
    if (answer == "none")
        proxy.setAnswering(false);
    else
        proxy.refuseWith(answer);
    if (result == "service error")
        fixture.injectOnce("getShiftTime", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Client"}});

    int shift = 0;
    const int status = QelvoxAPI::getShiftTime(&shift);
    QCOMPARE(resultClass(status), result);
    QCOMPARE(isServiceUnreached(status), result != "service error");
    QCOMPARE(fixture.requests().size(), result == "service error" ? 1 : 0);
}

QTEST_GUILESS_MAIN(FacadeTransportTest)
#include "tst_facadetransport.moc"
