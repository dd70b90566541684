#include "DesktopFixture.h"
#include "LoginDlg.h"
#include "ModalDriver.h"
#include "QelRegister.h"
#include "QelvoxAPI.h"
#include "QelvoxTestCase.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskExecuter.h"
#include "WelcomeQelvox.h"

#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// The dialog's owner as the main window will be: it opens the settings and completes an accepted log-in.
class LoginOwner : public QWidget
{
    Q_OBJECT

public:
    LoginOwner() : login(new LoginDlg(this))
    {
        connect(login, &LoginDlg::signalShowSettings, this, &LoginOwner::showSettings);
        connect(login, &LoginDlg::signalClose, this, &LoginOwner::eventLogoutClose);
    }

    LoginDlg *login;
    int settingsShown = 0;
    QList<int> accepted;

public slots:
    void showSettings() { ++settingsShown; }
    void eventLogoutClose(int customerid, bool autoconnect)
    {
        QVERIFY(!autoconnect);
        QVERIFY(SettingsStore::instance().isLoggedIn());
        QVERIFY(!login->isVisible());
        accepted += customerid;
    }
};

// The log-in dialog against the stand-in service: the stored account, the service's answers, and the
// attempts that are cancelled, repeated or left running at exit.
class LoginDlgTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoginOwner> m_owner;
    // Attempts left running on purpose; each must have ended before the next test.
    QList<QPointer<TaskExecuter>> m_abandoned;

    FacadeFixture &service() { return m_fixture->service(); }
    SettingsStore &settings() { return SettingsStore::instance(); }

    static void storeAccount(const char *email, const char *password, int customerId, bool autoConnect)
    {
        SettingsStore &store = SettingsStore::instance();
        store.setUserName(QString::fromLatin1(email));
        store.setPassword(QString::fromLatin1(Accounts::digest(password)));
        store.setCustomerId(customerId);
        store.setAutoConnect(autoConnect);
        store.load();
    }

    // Built after the settings it starts from are stored.
    LoginDlg *dialog()
    {
        if (!m_owner)
            m_owner = std::make_unique<LoginOwner>();
        return m_owner->login;
    }

    LoginDlg *typeAndLogIn(const QString &user, const QString &password)
    {
        LoginDlg *login = dialog();
        login->showLogin();
        login->ui_userName->setText(user);
        login->ui_password->setText(password);
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        return login;
    }

    // Ann's log-in with the password: typed, or automatic with it stored and no customer id.
    LoginDlg *startLogIn(bool automatic, const QString &password)
    {
        if (!automatic)
            return typeAndLogIn(QString::fromLatin1(Accounts::annEmail), password);
        storeAccount(Accounts::annEmail, qPrintable(password), 0, true);
        dialog()->showLogin();
        return dialog();
    }

    // A held reply may reach the stand-in after an earlier release.
    bool releasedAndEnded(const QPointer<TaskExecuter> &attempt)
    {
        m_fixture->standin().control("release");
        return attempt.isNull();
    }

    void holdNextLogIn() { service().injectOnce("authenticate", {{"kind", "hold"}}); }
    int logInRequests() { return service().operations().count("authenticate"); }
    TaskExecuter *worker() { return dialog()->findChild<TaskExecuter *>(); }
    QTimer *timer(const char *name) { return dialog()->findChild<QTimer *>(QLatin1String(name)); }

    void verifyBusy(LoginDlg *login)
    {
        QCOMPARE(login->ui_btnAction->text(), QStringLiteral("Cancel"));
        QVERIFY(login->ui_btnAction->isEnabled());
        QVERIFY(!login->ui_userName->isEnabled());
        QVERIFY(!login->registerAccount->isEnabled());
        QVERIFY(timer("blinkTimer")->isActive());
    }

    void verifyIdle(LoginDlg *login)
    {
        QVERIFY(login->isVisible());
        QCOMPARE(login->ui_btnAction->text(), QStringLiteral("Login"));
        QVERIFY(login->ui_userName->isEnabled());
        QVERIFY(login->ui_password->isEnabled());
        QVERIFY(login->registerAccount->isEnabled());
        QVERIFY(login->ui_logoImage->isEnabled());
        QVERIFY(!timer("blinkTimer")->isActive());
        QVERIFY(!timer("reloginTimer")->isActive());
    }

    QStringList boxTexts()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : m_fixture->prompts.boxes)
            texts << box.text;
        return texts;
    }

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        settings().load();
        settings().setLoggedIn(false);
        service().reset();
        m_fixture->prompts.boxes.clear();
        m_fixture->urls.opened.clear();
    }

    void tearDown() override
    {
        m_owner.reset();
        m_fixture->standin().control("release");
        for (const QPointer<TaskExecuter> &attempt : std::as_const(m_abandoned))
            QTRY_VERIFY_WITH_TIMEOUT(releasedAndEnded(attempt), 20000);
        m_abandoned.clear();
        QVERIFY2(m_fixture->prompts.boxes.isEmpty(), qPrintable(boxTexts().join(" | ")));
        m_home.reset();
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        QVERIFY(m_fixture->startService());
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void buttonNeedsNameAndPassword_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("both") << " ann@example.test " << "x" << true;
        QTest::newRow("no password") << "ann@example.test" << "" << false;
        QTest::newRow("blank password") << "ann@example.test" << "   " << false;
        QTest::newRow("blank name") << "  " << "secret" << false;
        QTest::newRow("neither") << "" << "" << false;
    }

    void buttonNeedsNameAndPassword()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        storeAccount(Accounts::annEmail, "secret-a", 0, false);
        LoginDlg *login = dialog();
        login->showLogin();
        verifyIdle(login);
        QCOMPARE(login->ui_userName->text(), QString::fromLatin1(Accounts::annEmail));
        QVERIFY(login->ui_password->text().isEmpty());
        QVERIFY(!login->ui_checkSave->isChecked());

        login->ui_userName->setText(user);
        login->ui_password->setText(password);
        QTEST(login->ui_btnAction->isEnabled(), "enabled");
    }

    void storedAccountIsAcceptedWithoutTheService_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("cacheFile");
        QTest::newRow("typed in other letter case with blanks") << false << false;
        QTest::newRow("automatic with a local cache") << true << true;
        QTest::newRow("automatic without a cache file") << true << false;
    }

    void storedAccountIsAcceptedWithoutTheService()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, cacheFile);
        storeAccount(Accounts::annEmail, "secret-a", 5001, automatic);
        if (cacheFile) {
            QFile cache(settings().cacheDatabasePath());
            QVERIFY(cache.open(QIODevice::WriteOnly));
        }
        LoginDlg *login = dialog();
        if (automatic)
            login->showLogin();
        else
            typeAndLogIn(QStringLiteral("  ANN@Example.TEST "), QStringLiteral(" secret-a "));

        QCOMPARE(m_owner->accepted, QList<int>{5001});
        QVERIFY(!login->isVisible());
        QVERIFY(!timer("blinkTimer")->isActive());
        QCOMPARE(service().operations(), QStringList());
        QCOMPARE(settings().userName(), QString::fromLatin1(Accounts::annEmail));
    }

    void serviceLogInStoresTheAccount_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::newRow("remembered") << true;
        QTest::newRow("not remembered") << false;
    }

    void serviceLogInStoresTheAccount()
    {
        QFETCH(bool, remember);
        LoginDlg *login = dialog();
        login->showLogin();
        login->ui_checkSave->setChecked(remember);
        login->ui_userName->setText(QStringLiteral("  ann@example.test "));
        login->ui_password->setText(QStringLiteral("secret-a"));
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        verifyBusy(login);

        QTRY_COMPARE_WITH_TIMEOUT(m_owner->accepted, QList<int>{5001}, standinTimeoutMs);
        QCOMPARE(settings().userName(), QString::fromLatin1(Accounts::annEmail));
        QCOMPARE(settings().password(), QString::fromLatin1(Accounts::digest("secret-a")));
        QCOMPARE(settings().autoConnect(), remember);
        const QJsonObject request = m_fixture->standin().lastRequest("authenticate");
        QCOMPARE(request.value("email").toString(), QString::fromLatin1(Accounts::annEmail));
        QCOMPARE(request.value("password").toString(), QString::fromLatin1(Accounts::digest("secret-a")));
        QCOMPARE(logInRequests(), 1);
    }

    void failedLogInShowsTheForm_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("passwordLeft");
        QTest::newRow("typed, refused") << false << "wrong" << "" << "Authentication fails ..." << "";
        QTest::newRow("typed, no connection")
            << false << "secret-a" << "close" << "No connection to the Internet is currently available. "
                                                  "Please check your network settings." << "secret-a";
        QTest::newRow("automatic, refused") << true << "wrong" << "" << "" << "";
    }

    void failedLogInShowsTheForm()
    {
        QFETCH(bool, automatic);
        QFETCH(QString, password);
        QFETCH(QString, fault);
        QFETCH(QString, box);
        if (!fault.isEmpty())
            service().injectOnce("authenticate", {{"kind", fault}});
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/lang/lang_en.qm")));
        QCoreApplication::installTranslator(&english);

        LoginDlg *login = startLogIn(automatic, password);
        QCOMPARE(login->isVisible(), !automatic);

        QTRY_VERIFY_WITH_TIMEOUT(login->ui_userName->isEnabled(), standinTimeoutMs);
        QCoreApplication::removeTranslator(&english);
        verifyIdle(login);
        QTEST(login->ui_password->text(), "passwordLeft");
        QCOMPARE(boxTexts(), box.isEmpty() ? QStringList() : QStringList{box});
        if (!box.isEmpty())
            QCOMPARE(m_fixture->prompts.boxes[0].parent, login);
        m_fixture->prompts.boxes.clear();
        QVERIFY(m_owner->accepted.isEmpty());
        QVERIFY(!settings().isLoggedIn());
        QCOMPARE(logInRequests(), 1);
        // The automatic log-in is over: showing the dialog again shows the form.
        login->showLogin();
        QCOMPARE(logInRequests(), 1);
    }

    void automaticLogInRetriesUntilTheServiceAnswers()
    {
        QVERIFY(m_fixture->standin().inject("authenticate", {{"kind", "close"}}).value("ok").toBool());
        storeAccount(Accounts::annEmail, "secret-a", 0, true);
        LoginDlg *login = dialog();
        login->showLogin();
        QTRY_VERIFY_WITH_TIMEOUT(timer("reloginTimer")->isActive(), standinTimeoutMs);
        QCOMPARE(timer("reloginTimer")->interval(), 60000);
        QVERIFY(!login->isVisible());
        verifyBusy(login);
        QCOMPARE(logInRequests(), 1);

        // The service is back; a shorter wait restarts the running timer.
        m_fixture->standin().control("clear-injections");
        timer("reloginTimer")->setInterval(1);
        QTRY_COMPARE_WITH_TIMEOUT(m_owner->accepted, QList<int>{5001}, standinTimeoutMs);
        QCOMPARE(logInRequests(), 2);
        QVERIFY(!timer("reloginTimer")->isActive());
    }

    void cancelAbandonsTheAttempt_data()
    {
        QTest::addColumn<int>("storedCustomer");
        QTest::newRow("then the stored account, offline") << 5002;
        QTest::newRow("then a service log-in") << 0;
    }

    void cancelAbandonsTheAttempt()
    {
        QFETCH(int, storedCustomer);
        storeAccount(Accounts::bobEmail, "secret-b", storedCustomer, false);
        holdNextLogIn();
        LoginDlg *login = startLogIn(false, QStringLiteral("secret-a"));
        QTRY_COMPARE_WITH_TIMEOUT(logInRequests(), 1, standinTimeoutMs);
        QPointer<TaskExecuter> first = worker();
        m_abandoned << first;

        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        verifyIdle(login);
        QVERIFY(login->ui_password->text().isEmpty());
        QVERIFY(first && first->isRunning());

        login->ui_userName->setText(QString::fromLatin1(Accounts::bobEmail));
        login->ui_password->setText(QStringLiteral("secret-b"));
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_owner->accepted, QList<int>{5002}, standinTimeoutMs);

        // The abandoned attempt succeeds late: nothing of it is taken, not even its credentials.
        m_fixture->standin().control("release");
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 20000);
        QTest::qWait(0);
        QCOMPARE(m_owner->accepted, QList<int>{5002});
        QCOMPARE(settings().userName(), QString::fromLatin1(Accounts::bobEmail));
        int shift = 0;
        QCOMPARE(QelvoxAPI::getShiftTime(&shift), 0);
        QCOMPARE(m_fixture->standin().lastRequest("getShiftTime").value("email").toString(),
                 QString::fromLatin1(Accounts::bobEmail));
    }

    void showingDuringALogInOnlyBringsItUp_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("reset");
        QTest::newRow("typed, shown again") << false << false;
        QTest::newRow("typed, form reset") << false << true;
        QTest::newRow("automatic, shown") << true << false;
    }

    void showingDuringALogInOnlyBringsItUp()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, reset);
        holdNextLogIn();
        LoginDlg *login = startLogIn(automatic, QStringLiteral("secret-a"));
        QTRY_COMPARE_WITH_TIMEOUT(logInRequests(), 1, standinTimeoutMs);
        const QString typed = login->ui_password->text();

        if (reset)
            login->resetForm(true);
        else
            login->showLogin();
        QVERIFY(login->isVisible());
        verifyBusy(login);
        QCOMPARE(login->ui_password->text(), typed);
        login->showLogin();

        m_fixture->standin().control("release");
        QTRY_COMPARE_WITH_TIMEOUT(m_owner->accepted, QList<int>{5001}, standinTimeoutMs);
        QCOMPARE(logInRequests(), 1);
    }

    void quittingDuringALogInLeavesTheThreadRunning()
    {
        holdNextLogIn();
        startLogIn(false, QStringLiteral("secret-a"));
        QTRY_COMPARE_WITH_TIMEOUT(logInRequests(), 1, standinTimeoutMs);
        QPointer<TaskExecuter> running = worker();
        m_abandoned << running;

        m_owner.reset();
        QVERIFY(running && running->isRunning());
        m_fixture->standin().control("release");
        QTRY_VERIFY_WITH_TIMEOUT(running.isNull(), 20000);
        QVERIFY(!settings().isLoggedIn());
        QVERIFY(settings().userName().isEmpty());
    }

    void boxesWriteTheirSettingAtOnce()
    {
        storeAccount(Accounts::annEmail, "secret-a", 0, false);
        LoginDlg *login = dialog();
        login->showLogin();
        QVERIFY(!login->ui_autostart->isChecked());

        login->ui_checkSave->click();
        login->ui_autostart->click();
        QVERIFY(settings().autoConnect());
        QVERIFY(SettingsStore::isAutostart());
        // A cancelled log-in leaves them as set.
        login->ui_password->setText(QStringLiteral("secret-a"));
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        m_abandoned << worker();
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
        QVERIFY(login->ui_checkSave->isChecked());
        QVERIFY(login->ui_autostart->isChecked());

        login->ui_autostart->click();
        QVERIFY(!SettingsStore::isAutostart());
    }

    void linksReachTheOwnerAndTheProvider()
    {
        LoginDlg *login = dialog();
        login->showLogin();
        QTest::mouseClick(login->ui_appSettingsToolButton, Qt::LeftButton);
        QCOMPARE(m_owner->settingsShown, 1);

        QLabel *link = login->ui_forgotPassLabel_2;
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(m_fixture->urls.opened,
                 QList<QUrl>{QUrl(ServiceEndpoints::webPage("/index.php?qel=forgot_password"))});
    }

    // Before any sign-up of this process: the lists stay cached once loaded.
    void signUpNeedsItsLists()
    {
        LoginDlg *login = dialog();
        login->showLogin();
        QelvoxAPI::setServiceOrigin("https://127.0.0.1:1", m_fixture->standin().caFile().toUtf8());
        QTest::mouseClick(login->registerAccount, Qt::LeftButton);
        service().useHttps();

        QCOMPARE(boxTexts(), QStringList{"An error occured while processing a request to server.\n"
                                         "Please check your internet connection."});
        QCOMPARE(m_fixture->prompts.boxes[0].parent, nullptr);
        m_fixture->prompts.boxes.clear();
        verifyIdle(login);
    }

    void signUpEndsWithTheNewAccountInTheForm_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::newRow("account opened") << true;
        QTest::newRow("sign-up closed") << false;
    }

    void signUpEndsWithTheNewAccountInTheForm()
    {
        QFETCH(bool, registered);
        const QString email = QStringLiteral("carol@example.test");
        LoginDlg *login = dialog();
        login->showLogin();
        QString generated;
        ModalDriver signup;
        ModalDriver welcome;
        signup.whenShown([&](QWidget *modal) {
            auto *form = qobject_cast<QelRegister *>(modal);
            QVERIFY(form);
            QVERIFY(!login->isVisible());
            if (!registered)
                return;
            form->leFirstName->setText(QStringLiteral("Carol"));
            form->leLastName->setText(QStringLiteral("Diaz"));
            form->leEmail->setText(email);
            form->leConfirmEmail->setText(email);
            QTest::mouseClick(form->pushButtonOk, Qt::LeftButton);
            QVERIFY(!form->isVisible());
            welcome.whenShown([&](QWidget *next) {
                auto *credentials = qobject_cast<WelcomeQelvox *>(next);
                QVERIFY(credentials);
                generated = credentials->ui_password->text();
                QTest::mouseClick(credentials->okButton, Qt::LeftButton);
            }, 10000, "WelcomeQelvox");
        }, 10000, "QelRegister");
        QTest::mouseClick(login->registerAccount, Qt::LeftButton);
        QVERIFY(signup.shown());

        if (!registered) {
            verifyIdle(login);
            QCOMPARE(logInRequests(), 0);
            return;
        }
        QVERIFY(welcome.shown());
        QCOMPARE(generated.size(), 8);
        QCOMPARE(login->ui_userName->text(), email);
        QCOMPARE(login->ui_password->text(), generated);
        QTRY_COMPARE_WITH_TIMEOUT(m_owner->accepted.size(), 1, standinTimeoutMs);
        QVERIFY(m_owner->accepted[0] > 4000);
        QCOMPARE(settings().userName(), email);
        QCOMPARE(settings().password(), QString::fromLatin1(Accounts::digest(qPrintable(generated))));
        QCOMPARE(m_fixture->standin().lastRequest("authenticate").value("email").toString(), email);
    }

    void retranslateKeepsTheStateAndTheLink()
    {
        holdNextLogIn();
        LoginDlg *login = startLogIn(false, QStringLiteral("secret-a"));
        m_abandoned << worker();
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/lang/lang_de.qm")));
        QCoreApplication::installTranslator(&german);
        login->retranslate();
        QCoreApplication::removeTranslator(&german);

        QCOMPARE(login->ui_btnAction->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(login->ui_labelPassword->text(), QStringLiteral("Passwort:"));
        QVERIFY(login->ui_forgotPassLabel_2->text().contains(ServiceEndpoints::webPage("/index.php?qel=forgot_password")));
        QVERIFY(login->ui_forgotPassLabel_2->text().contains(QStringLiteral("Passwort vergessen")));
        QTest::mouseClick(login->ui_btnAction, Qt::LeftButton);
    }
};

QTEST_MAIN(LoginDlgTest)
#include "tst_logindlg.moc"
