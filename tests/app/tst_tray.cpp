#include "AccountDlg.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "StarBadge.h"
#include "TrayPresence.h"

#include <QTest>

namespace {

QImage image(const QIcon &icon)
{
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage badge(int count)
{
    QPixmap pixmap;
    drawStarBadge(pixmap, count);
    return image(QIcon(pixmap));
}

QString titleFor(const QString &user)
{
    const QString product = QStringLiteral("Qelvoxdesk ") + QString::fromLatin1(appVersion());
    return user.isEmpty() ? product : product + QStringLiteral(" (") + user + QLatin1Char(')');
}

} // namespace

// The tray: its looks, the announcements of new faxes, its tool tip, its send actions and its clicks.
class TrayTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    MainWindow &window() { return *m_session.window(); }
    RecordingTrayIcon &icon()
    {
        m_session.window();
        return *m_session.tray();
    }
    int newItems() { return window().findChild<TrayPresence *>()->newItems(); }
    bool traySendEnabled()
    {
        const bool fax = window().findChild<QAction *>("actionTrayFax")->isEnabled();
        const bool sms = window().findChild<QAction *>("actionTraySMS")->isEnabled();
        return fax && sms;
    }
    void invoke(const char *slot, int index)
    {
        QVERIFY(QMetaObject::invokeMethod(&window(), slot, Q_ARG(int, index)));
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        SettingsStore::instance().setAutoConnect(false);
    }

private slots:

    void newFaxesAreAnnounced_data()
    {
        QTest::addColumn<QList<int>>("batches");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("text");
        QTest::newRow("one fax") << QList<int>{1} << true << "You have a new fax";
        QTest::newRow("three in one batch") << QList<int>{3} << true << "You have 3 new faxes";
        QTest::newRow("twelve in two batches") << QList<int>{5, 7} << true << "You have 12 new faxes";
        QTest::newRow("three, sound off") << QList<int>{3} << false << "You have 3 new faxes";
    }

    void newFaxesAreAnnounced()
    {
        QFETCH(QList<int>, batches);
        QFETCH(bool, sound);
        QFETCH(QString, text);
        SettingsStore::instance().setSound(sound);
        const int plays = m_session.desktop().seams.soundPlays;
        int total = 0;
        for (int count : std::as_const(batches)) {
            window().notifyNewItem(count);
            total += count;
        }
        QCOMPARE(newItems(), total);
        QCOMPARE(m_session.desktop().seams.soundPlays - plays, sound ? int(batches.size()) : 0);
        QCOMPARE(icon().messages.size(), batches.size());
        const RecordingTrayIcon::Message &balloon = icon().messages.last();
        QCOMPARE(balloon.title, QStringLiteral("Information"));
        QCOMPARE(balloon.text, text);
        QCOMPARE(balloon.icon, QSystemTrayIcon::Information);
        QCOMPARE(balloon.timeoutMs, 10000);
        QCOMPARE(image(icon().icon), badge(total));
        // Above nine the badge shows "#", whatever the count.
        if (total > 9)
            QCOMPARE(image(icon().icon), badge(10));
    }

    void lookFollowsTheServiceCalls()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        QVERIFY(!m_session.showsOnline());
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        QCOMPARE(image(icon().icon), image(QIcon(QStringLiteral(":/images/logo-extra.png"))));

        window().notifyNewItem(2);
        const qsizetype balloons = icon().messages.size();
        m_session.setReachable(false);
        m_session.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m_session.showsOnline(), standinTimeoutMs);
        QCOMPARE(icon().messages.size(), balloons);

        // The next call that works shows the count again, and says so once more (each call of the cycle
        // that follows says it again, as every success refreshes the look).
        m_session.setReachable(true);
        m_session.runPump();
        QTRY_COMPARE_WITH_TIMEOUT(image(icon().icon), badge(2), standinTimeoutMs);
        QVERIFY(icon().messages.size() > balloons);

        // Looking at the Inbox resets the count; the plain look waits for the next refresh.
        invoke("eventViewActivated", 1);
        QCOMPARE(newItems(), 2);
        invoke("eventViewActivated", 0);
        QCOMPARE(newItems(), 0);
        QCOMPARE(image(icon().icon), badge(2));
        m_session.syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(image(icon().icon), image(QIcon(QStringLiteral(":/images/logo-extra.png"))),
                                  standinTimeoutMs);

        m_session.logOut();
        QVERIFY(!m_session.showsOnline());
    }

    void toolTipNamesTheUser()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        window().showMainState(1);
        QCOMPARE(icon().toolTip, titleFor(QString()));
        QCOMPARE(window().windowTitle(), titleFor(QString()));

        m_session.logIn(account);
        QCOMPARE(icon().toolTip, titleFor(account.email));
        QCOMPARE(window().windowTitle(), titleFor(account.email));

        SettingsStore::instance().setUserName(QStringLiteral("renamed@example.test"));
        emit window().findChild<AccountDlg *>()->signalEmailChanged();
        QCOMPARE(icon().toolTip, titleFor(QStringLiteral("renamed@example.test")));

        m_session.logOut();
        QCOMPARE(icon().toolTip, titleFor(QString()));
        QCOMPARE(window().windowTitle(), titleFor(QString()));
    }

    void sendActionsWaitForLogInAndDialogs_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("about box, logged in") << true << "about";
        QTest::newRow("about box, nobody logged in") << false << "about";
        QTest::newRow("settings, logged in") << true << "settings";
        QTest::newRow("settings, nobody logged in") << false << "settings";
    }

    void sendActionsWaitForLogInAndDialogs()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QString, dialog);
        const MainWindowSession::Account account = m_session.addAccount();
        window().showMainState(1);
        QVERIFY(!traySendEnabled());
        if (loggedIn) {
            m_session.setReachable(false);
            m_session.logIn(account);
        }
        QCOMPARE(traySendEnabled(), loggedIn);

        if (dialog == QLatin1String("about")) {
            ModalDriver driver;
            bool enabledMeanwhile = true;
            // The log-in dialog may be up, modal too.
            driver.whenShown([&](QWidget *) { enabledMeanwhile = traySendEnabled(); }, 10000, "AboutDlg");
            QVERIFY(QMetaObject::invokeMethod(&window(), "eventAbout"));
            QVERIFY(driver.shown());
            QVERIFY(!enabledMeanwhile);
        } else {
            window().showSettings();
            auto *settings = window().findChild<SettingsDlg *>();
            QVERIFY(settings->isVisible());
            QVERIFY(!traySendEnabled());
            settings->reject();
        }
        QCOMPARE(traySendEnabled(), loggedIn);
    }

    void clickOnTheTrayOpensTheWindow_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<bool>("opens");
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << true;
        // Some desktops report every click as Trigger and never a double click.
        QTest::newRow("trigger") << QSystemTrayIcon::Trigger << true;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false;
        QTest::newRow("context menu") << QSystemTrayIcon::Context << false;
    }

    void clickOnTheTrayOpensTheWindow()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(bool, opens);
        SettingsStore::instance().setLoggedIn(true);
        window().setKeepHidden(true);
        window().notifyNewItem(1);

        icon().activate(reason);
        QCOMPARE(window().isVisible(), opens);
        QCOMPARE(newItems(), opens ? 0 : 1);
    }
};

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
