#include "ConnectProxy.h"
#include "FolderView.h"
#include "LoginDlg.h"
#include "MainWindowTestCase.h"
#include "QelvoxAPI.h"
#include "RecordingTrayIcon.h"
#include "SettingsStore.h"
#include "StandinWaits.h"

#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

const int hourMs = 3600000;

// The received fax whose document the preview asks for.
QJsonObject faxSeed()
{
    return {{"receivedFaxes",
             QJsonArray{QJsonObject{{"sender", "+3314"}, {"pages", 1}, {"read", false},
                                    {"document", QJsonObject{{"name", "fax.pdf"}, {"contentType", "application/pdf"},
                                                             {"base64", "JVBERi0xLjQK"}}}}}}};
}

} // namespace

// The proxy's refusals as the user meets them, through the test's CONNECT proxy: every place that calls the
// service names the proxy when it said no, and credentials the proxy refused are not offered again on the
// program's own initiative until the proxy settings change, which tries again at once.
class ProxyRefusalsTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    ConnectProxy m_proxy;
    quint16 m_deadPort = 0;
    // Each test's own proxy password: a refusal remembered from an earlier test must not hold this one.
    int m_round = 0;

    // The proxy of the settings, as the settings dialog saves it.
    void useProxy(quint16 port, const QString &password)
    {
        SettingsStore &settings = SettingsStore::instance();
        settings.setProxyEnabled(1);
        settings.setProxyHost(QStringLiteral("127.0.0.1"));
        settings.setProxyPort(port);
        settings.setProxyUserId(QStringLiteral("proxy-user"));
        settings.setProxyPassword(password);
        QelvoxAPI::resetConnection();
    }

    // "407" and "403" are the proxy's answers to every request from now on; "down" moves the settings to a
    // port where nothing listens.
    void refuse(const QString &answer)
    {
        if (answer == QLatin1String("down"))
            useProxy(m_deadPort, SettingsStore::instance().proxyPassword());
        else
            m_proxy.refuseWith(answer == QLatin1String("407") ? "407 Proxy Authentication Required"
                                                               : "403 Forbidden");
    }

    QString proxyText(const QString &answer) const
    {
        const QString name = QStringLiteral("127.0.0.1:%1").arg(answer == QLatin1String("down") ? m_deadPort
                                                                                                  : m_proxy.port());
        if (answer == QLatin1String("407"))
            return QStringLiteral("The proxy %1 refused the user name or password. Check them in Preferences, "
                                  "Connection.")
                .arg(name);
        if (answer == QLatin1String("403"))
            return QStringLiteral("The proxy %1 refused the connection.").arg(name);
        return QStringLiteral("The proxy %1 could not be reached.").arg(name);
    }

    LoginDlg *login() { return session().window()->findChild<LoginDlg *>(); }
    QTimer *reloginTimer() { return login()->findChild<QTimer *>(QStringLiteral("reloginTimer")); }
    QTimer *updateTimer() { return session().window()->findChild<QTimer *>(QStringLiteral("updateTimer")); }
    QString toolTip() { return session().tray()->toolTip; }
    int tunnels() { return int(m_proxy.tunnels().size()); }
    // Waits, bounded, for the message boxes and takes them; none shows as an empty list in the caller's
    // comparison.
    QStringList awaitBoxes()
    {
        if (!QTest::qWaitFor([this] { return !session().prompts().boxes.isEmpty(); }, standinTimeoutMs))
            return {};
        return session().takeBoxTexts();
    }

    // An account that the service is asked about at an automatic log-in: a stored password, no customer id.
    void storeForAutomaticLogIn()
    {
        session().addAccount();
        SettingsStore &settings = SettingsStore::instance();
        settings.setCustomerId(0);
        settings.setAutoConnect(true);
    }

    bool logInSettled(const QJsonObject &seed)
    {
        return session().logInSeeded(seed) && session().settle();
    }

    // The settings dialog's saving with a new proxy password that the proxy takes.
    void putProxyRight()
    {
        useProxy(m_proxy.port(), QStringLiteral("right"));
        m_proxy.refuseWith(QByteArray());
        session().invoke("eventSettingsClose", Q_ARG(bool, true));
    }

protected:
    void setUpTestCase() override
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_deadPort = probe.serverPort();
    }

    void setUp() override
    {
        MainWindowTestCase::setUp();
        // The log-in's own check finds the program up to date, whatever an earlier test announced.
        QVERIFY(session().standin().control("app-version", {{"version", QString::fromLatin1(appVersion())}})
                    .value("ok").toBool());
        m_proxy.refuseWith(QByteArray());
        m_proxy.clear();
        useProxy(m_proxy.port(), QStringLiteral("wrong-%1").arg(++m_round));
    }

    void tearDown() override
    {
        MainWindowTestCase::tearDown();
        SettingsStore::instance().setProxyEnabled(0);
        QelvoxAPI::resetConnection();
    }

private slots:
    void placesNameTheProxy_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("answer");
        for (const char *place : {"automatic log-in", "typed log-in", "account dialog", "download",
                                  "manual update check", "document"}) {
            for (const char *answer : {"407", "403", "down"})
                QTest::addRow("%s, %s", place, answer) << QString::fromLatin1(place) << QString::fromLatin1(answer);
        }
    }

    void placesNameTheProxy()
    {
        QFETCH(QString, place);
        QFETCH(QString, answer);
        const QString expected = proxyText(answer);
        QString box = expected;

        if (place == QLatin1String("automatic log-in")) {
            storeForAutomaticLogIn();
            refuse(answer);
            login()->showLogin();
            if (answer == QLatin1String("407")) {
                // Told at once, with the form and its preferences the user's.
                QCOMPARE(awaitBoxes(), QStringList{expected});
                QVERIFY(login()->isVisible());
                QVERIFY(login()->ui_appSettingsToolButton->isEnabled());
                QVERIFY(!reloginTimer()->isActive());
            } else {
                // The attempt is repeated in a minute, as without a proxy; the tray says why meanwhile.
                QTRY_VERIFY_WITH_TIMEOUT(reloginTimer()->isActive(), standinTimeoutMs);
            }
            QVERIFY2(toolTip().endsWith(u'\n' + expected), qPrintable(toolTip()));
            return;
        }
        if (place == QLatin1String("typed log-in")) {
            const MainWindowSession::Account account = session().addAccount();
            SettingsStore::instance().setCustomerId(0);
            refuse(answer);
            login()->showLogin();
            login()->ui_userName->setText(account.email);
            login()->ui_password->setText(account.password);
            QTest::mouseClick(login()->ui_btnAction, Qt::LeftButton);
            QCOMPARE(awaitBoxes(), QStringList{expected});
            QCOMPARE(login()->ui_password->text(), account.password);
            return;
        }

        QVERIFY(logInSettled(faxSeed()));
        if (place == QLatin1String("account dialog")) {
            refuse(answer);
            session().invoke("eventAccount");
        } else if (place == QLatin1String("download")) {
            // The check gets through; the download, asked for at the question, is refused.
            QVERIFY(session().standin().control("app-version", {{"version", "99.0"},
                                                                  {"link", "https://files.example.test/setup.exe"}})
                        .value("ok").toBool());
            session().prompts().boxAnswers = {0};
            session().prompts().whileAsked = [&] { refuse(answer); };
            session().invoke("eventUpdateManual");
            QTRY_VERIFY_WITH_TIMEOUT(updateTimer()->isActive(), standinTimeoutMs);
            QCOMPARE(updateTimer()->interval(), hourMs);
            QCOMPARE(session().takeBoxTexts(), QStringList({QStringLiteral("A newer version is available"),
                                                            "The new version could not be downloaded.\n" + expected}));
            return;
        } else if (place == QLatin1String("manual update check")) {
            refuse(answer);
            session().invoke("eventUpdateManual");
            box = QStringLiteral("Qelvoxdesk could not check for a newer version.\n") + expected;
        } else {
            refuse(answer);
            QVERIFY(session().select(MainWindowSession::Inbox, {"receivedFax0"}));
            session().invoke("eventItemPreview");
            box = QStringLiteral("The document could not be downloaded because the service could not be "
                                 "reached.\n") +
                  expected;
        }
        QCOMPARE(awaitBoxes(), QStringList{box});
    }

    // One attempt with the refused credentials, however often the log-in form is brought up or the settings
    // are saved unchanged; the changed password goes out at once.
    void automaticLogInWaitsForNewProxyCredentials()
    {
        storeForAutomaticLogIn();
        refuse(QStringLiteral("407"));
        login()->showLogin();
        QCOMPARE(awaitBoxes(), QStringList{proxyText("407")});
        QCOMPARE(tunnels(), 1);

        session().window()->showFromTray();
        session().invoke("eventSettingsClose", Q_ARG(bool, true));
        QTest::qWait(1500);
        QCOMPARE(tunnels(), 1);
        QVERIFY(login()->ui_userName->isEnabled());
        QVERIFY(!SettingsStore::instance().isLoggedIn());

        putProxyRight();
        QTRY_VERIFY_WITH_TIMEOUT(SettingsStore::instance().isLoggedIn(), standinTimeoutMs);
        QCOMPARE(m_proxy.tunnels().value(1).authorization,
                 "Basic " + QByteArray("proxy-user:right").toBase64());
    }

    // Logged in: the pump's refused task waits, told once, with the tray saying why; saving a new password
    // sends it within the pump's poll, not after the back-off.
    void pumpWaitsForNewProxyCredentials()
    {
        QVERIFY(logInSettled(faxSeed()));
        m_proxy.clear();
        refuse(QStringLiteral("407"));
        session().syncNow();
        QCOMPARE(awaitBoxes(), QStringList{proxyText("407")});
        const int refused = tunnels();
        QVERIFY(refused >= 1);

        session().syncNow();
        QTest::qWait(2500);
        QCOMPARE(tunnels(), refused);
        QVERIFY(session().takeBoxTexts().isEmpty());
        QVERIFY2(toolTip().endsWith(u'\n' + proxyText("407")), qPrintable(toolTip()));
        QVERIFY(!session().showsOnline());

        putProxyRight();
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("getModifiedObjects"), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(session().showsOnline(), standinTimeoutMs);
        QVERIFY(!toolTip().contains(u'\n'));
    }
};

QTEST_MAIN(ProxyRefusalsTest)
#include "tst_proxyrefusals.moc"
