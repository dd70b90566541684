#include "AccountDlg.h"
#include "CacheDatabase.h"
#include "ClientProcess.h"
#include "ConnectProxy.h"
#include "FolderView.h"
#include "LoginDlg.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "QelFolderInfo.h"
#include "QelRegister.h"
#include "QelvoxAPI.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskExecuter.h"
#include "WelcomeQelvox.h"
#include "qtObjectsInfo.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

namespace {

const int cycleTimeoutMs = 30000;

QJsonObject annSeed()
{
    return QJsonDocument::fromJson(R"({
      "folders": [{"name": "Invoices"}],
      "receivedFaxes": [{"sender": "+3314", "pages": 1}, {"sender": "+3315", "folder": "Invoices"}],
      "sentSms": [{"recipients": ["+3366"], "status": 1, "content": "Hi"}]
    })")
        .object();
}

QJsonObject bobSeed()
{
    return QJsonDocument::fromJson(R"({
      "timeShift": 7200,
      "receivedFaxes": [{"sender": "+4902", "pages": 1}],
      "sentFaxes": [{"recipients": ["+4901"], "status": 1, "pages": 1}]
    })")
        .object();
}

// Sorted, so that the order in which the cache keeps the records does not matter.
template <typename Records, typename Text> QStringList sortedTexts(const Records &records, Text text)
{
    QStringList texts;
    for (const auto &record : records)
        texts << text(record);
    texts.sort();
    return texts;
}

QStringList senders(const qtObjectsInfo &objects)
{
    return sortedTexts(objects.faxesreceived, [](const qtFAXReceivedInfo &fax) { return fax.sender; });
}

QStringList smsTexts(const qtObjectsInfo &objects)
{
    return sortedTexts(objects.smsessent, [](const qtSMSSentInfo &sms) { return sms.content; });
}

} // namespace

// The whole program against the stand-in, along the user's paths: the log-in dialog, the settings, account
// and sign-up dialogs and the main window they lead to, and the real program started on what they saved.
class EndToEndTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    ConnectProxy m_proxy;

    SettingsStore &settings() { return SettingsStore::instance(); }
    MainWindow *window() { return m_session.window(); }
    LoginDlg *login() { return window()->findChild<LoginDlg *>(); }
    QAction *action(const char *name) { return window()->findChild<QAction *>(QLatin1String(name)); }

    bool settled()
    {
        return QTest::qWaitFor([this] { return m_session.isSettled(); }, cycleTimeoutMs);
    }

    void typeLogIn(const QString &email, const QString &password)
    {
        QVERIFY(login()->isVisible());
        login()->ui_userName->setText(email);
        login()->ui_password->setText(password);
        QTest::mouseClick(login()->ui_btnAction, Qt::LeftButton);
    }

    // The operations the stand-in logged, each with the e-mail address whose credentials it carried.
    QStringList callers()
    {
        QStringList calls;
        for (const QJsonValue &entry : m_session.service().requests()) {
            const QString operation = entry["operation"].toString();
            if (operation != QLatin1String("getAppVersion"))
                calls << operation + u' ' + entry["email"].toString();
        }
        return calls;
    }

    // The texts of the boxes shown since the last call, which the test thereby expects.
    QStringList takeBoxes()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : std::as_const(m_session.prompts().boxes))
            texts << box.text;
        m_session.prompts().boxes.clear();
        return texts;
    }

    qtObjectsInfo cached()
    {
        qtObjectsInfo objects;
        m_session.openCache()->loadAll(objects);
        return objects;
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        settings().setAutoConnect(false);
        m_proxy.clear();
    }

    void setUpTestCase() override { m_proxy.redirectTo(m_session.standin().httpsPort()); }

private slots:
    // Ann's send is held at the service when she logs out; Bob logs in through the form. Ann's result is
    // hers alone: Bob's views and cache never hold it, and Ann finds it in her own cache the next time.
    void logOutAndLogInAsAnotherAccount()
    {
        const MainWindowSession::Account ann = m_session.addAccount(annSeed());
        const MainWindowSession::Account bob = m_session.addAccount(bobSeed(), false);
        m_session.logIn(ann);
        QVERIFY(settled());
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        const QString annCache = settings().cacheDatabasePath();

        m_session.service().injectOnce("sendSmsAsynchronous", {{"kind", "hold"}});
        QVERIFY(m_session.sendSms(QStringLiteral("Ann's late news")));
        const QList<int> sends = m_session.persistedTasks();
        QCOMPARE(sends.size(), 1);
        QVERIFY(m_session.outbox()->findPendingItem(sends[0]));
        QTRY_COMPARE_WITH_TIMEOUT(m_session.count("sendSmsAsynchronous"), 1, cycleTimeoutMs);
        QVERIFY(m_session.worker()->isRunning());

        // The service answers while the log-out waits for it.
        std::thread release([this] { m_session.standin().control("release"); });
        action("actionLogout")->trigger();
        release.join();
        QVERIFY(!settings().isLoggedIn());
        QCOMPARE(m_session.label("Invoices"), QString());
        QCOMPARE(m_session.outbox()->topLevelItemCount(), 0);
        m_session.standin().control("clear-log");

        typeLogIn(bob.email, bob.password);
        QTRY_VERIFY_WITH_TIMEOUT(settings().isLoggedIn(), cycleTimeoutMs);
        QCOMPARE(settings().userName(), bob.email);
        QCOMPARE(settings().customerId(), bob.customerId);
        QVERIFY(settings().cacheDatabasePath() != annCache);
        QVERIFY(settled());

        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(1)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(1)"));
        QCOMPARE(m_session.label("Invoices"), QString());
        QVERIFY(!m_session.outbox()->findPendingItem(sends[0]));
        QCOMPARE(m_session.outbox()->topLevelItemCount(), 1);
        const qtObjectsInfo bobs = cached();
        QCOMPARE(senders(bobs), QStringList{"+4902"});
        QCOMPARE(bobs.faxessent.size(), 1);
        QVERIFY(bobs.smsessent.isEmpty());
        for (const QelFolderInfo &folder : bobs.folders)
            QVERIFY2(folder.name != QLatin1String("Invoices"), qPrintable(folder.name));
        QVERIFY(m_session.persistedTasks().isEmpty());
        QCOMPARE(m_session.openCache()->timeShift(), 7200);
        for (const QString &call : callers())
            QVERIFY2(call.endsWith(u' ' + bob.email), qPrintable(call));
        QCOMPARE(m_session.standin().lastRequest("authenticate")["password"].toString(),
                 QString::fromLatin1(Accounts::digest(qPrintable(bob.password))));

        // Back to Ann, through the form again: her send went once, and her cache holds it.
        action("actionLogout")->trigger();
        m_session.standin().control("clear-log");
        typeLogIn(ann.email, ann.password);
        QTRY_VERIFY_WITH_TIMEOUT(settings().isLoggedIn(), cycleTimeoutMs);
        QCOMPARE(settings().cacheDatabasePath(), annCache);
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        QVERIFY(settled());
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 0);
        QVERIFY(m_session.persistedTasks().isEmpty());
        const qtObjectsInfo anns = cached();
        QCOMPARE(smsTexts(anns), (QStringList{"Ann's late news", "Hi"}));
        QCOMPARE(senders(anns), (QStringList{"+3314", "+3315"}));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(2)"));
    }

    // Saved in the preferences: the language shows at once, the calls go through the proxy and the cycle
    // follows the interval; the next start of the real program uses the same proxy and runs a cycle.
    void settingsTakeEffectNowAndAtTheNextStart()
    {
        const QByteArray host = QByteArray(QELVOX_SERVICE_HOST).split(':').first();
        if (host != "127.0.0.1" && host != "localhost")
            QSKIP("the build's service host is not the loopback address");
        const MainWindowSession::Account account = m_session.addAccount(annSeed());
        m_session.installTranslator();
        m_session.logIn(account);
        QVERIFY(settled());
        QCOMPARE(action("actionFax")->text(), QStringLiteral("Send &Fax"));
        QCOMPARE(m_proxy.tunnels().size(), 0);
        const int connections = m_proxy.connections();
        m_session.standin().control("clear-log");

        action("actionPreferences")->trigger();
        auto *dialog = window()->findChild<SettingsDlg *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->languageBox->setCurrentIndex(dialog->languageBox->findData(QStringLiteral("de")));
        dialog->proxySettings->setChecked(true);
        dialog->proxyHost->setText(QStringLiteral("127.0.0.1"));
        dialog->proxyPort->setValue(m_proxy.port());
        dialog->check->setValue(10);
        dialog->ui_checkSave->setChecked(true);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(action("actionFax")->text(), QStringLiteral("&Fax senden"));
        // The rest of the frame follows with the language change event.
        QTRY_COMPARE_WITH_TIMEOUT(m_session.label("Posteingang"), QStringLiteral("Posteingang(1)"),
                                  standinTimeoutMs);
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));

        QTRY_VERIFY_WITH_TIMEOUT(m_proxy.connections() > connections, cycleTimeoutMs);
        QVERIFY(settled());
        QCOMPARE(m_session.syncTimer()->interval(), 10 * 60000);
        QVERIFY(m_session.operations().contains("getModifiedObjects"));
        // Every call since the save went through the proxy: one connection each.
        QCOMPARE(m_proxy.tunnels().size(), m_session.service().requests().size());

        // The program ends; the next start runs on the same folders and settings.
        m_session.closeWindow();
        const int received = m_session.standin()
                                 .control("received-fax", {{"email", account.email}, {"sender", "+3318"}})
                                 .value("id")
                                 .toInt();
        QVERIFY(received > 0);
        m_session.standin().control("clear-log");
        m_proxy.clear();
        QTemporaryDir runtime;
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ClientProcess client({QDir::homePath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                              runtime.path()},
                             m_session.standin().caFile());
        QVERIFY(client.start());
        const auto fetched = [&] {
            return m_session.count("getObjects") >= 1 && m_session.count("getModifiedObjects") >= 2;
        };
        const bool ran = QTest::qWaitFor(fetched, cycleTimeoutMs);
        QVERIFY2(ran && client.isRunning(), qPrintable(client.output()));
        client.kill();
        // In the sanitizer build the program reports there what it did wrong on its way.
        const QString output = client.output();
        QVERIFY2(!output.contains("Sanitizer") && !output.contains("runtime error"), qPrintable(output));

        const QStringList operations = m_session.operations();
        QVERIFY2(!operations.contains("authenticate"), qPrintable(operations.join(' ')));
        QCOMPARE(operations.first(), QStringLiteral("getShiftTime"));
        for (const QString &call : callers())
            QVERIFY2(call.endsWith(u' ' + account.email), qPrintable(call));
        QCOMPARE(m_proxy.tunnels().size(), m_session.service().requests().size());
        for (const ConnectProxy::Tunnel &tunnel : m_proxy.tunnels())
            QCOMPARE(tunnel.target, QByteArray(QELVOX_SERVICE_HOST));
        QCOMPARE(senders(cached()), (QStringList{"+3314", "+3315", "+3318"}));
    }

    // The account dialog changes the password: the session goes on without a new log-in, and the service
    // takes only the new password from then on.
    void passwordChangedInTheAccountDialog()
    {
        const MainWindowSession::Account account = m_session.addAccount(annSeed());
        const QString changed = QStringLiteral("changed-%1").arg(account.customerId);
        const QString oldDigest = QString::fromLatin1(Accounts::digest(qPrintable(account.password)));
        const QString newDigest = QString::fromLatin1(Accounts::digest(qPrintable(changed)));
        m_session.logIn(account);
        QVERIFY(settled());

        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *shown) {
                auto *dialog = qobject_cast<AccountDlg *>(shown);
                QVERIFY(dialog);
                dialog->optionTabs->setCurrentRow(2);
                dialog->passwordCheck->setText(account.password);
                dialog->password1->setText(changed);
                dialog->password2->setText(changed);
                QVERIFY(dialog->updatePassword->isEnabled());
                QTest::mouseClick(dialog->updatePassword, Qt::LeftButton);
                QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
            },
            10000, "AccountDlg");
        action("actionAccount")->trigger();
        QVERIFY(driver.shown());
        QCOMPARE(takeBoxes(), QStringList{"The password have been changed successfuly."});
        QCOMPARE(settings().password(), newDigest);
        const QJsonObject change = m_session.standin().lastRequest("setNewPassword");
        QCOMPARE(change["password"].toString(), oldDigest);

        // Ordinary calls go on with the new password, which the facade carries since the change.
        m_session.standin().control("clear-log");
        QVERIFY(m_session.sendSms(QStringLiteral("After the change")));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), cycleTimeoutMs);
        m_session.syncNow();
        QVERIFY(settled());
        QCOMPARE(m_session.standin().lastRequest("sendSmsAsynchronous")["password"].toString(), newDigest);
        QCOMPARE(m_session.standin().lastRequest("getModifiedObjects")["password"].toString(), newDigest);
        QVERIFY(!m_session.operations().contains("authenticate"));
        QVERIFY(m_session.showsOnline());
        QVERIFY(smsTexts(cached()).contains("After the change"));

        // The next log-in: the old password is refused by the service, the new one lets the user in.
        action("actionLogout")->trigger();
        m_session.standin().control("clear-log");
        typeLogIn(account.email, account.password);
        QTRY_COMPARE_WITH_TIMEOUT(m_session.prompts().boxes.size(), 1, cycleTimeoutMs);
        QCOMPARE(m_session.prompts().boxes[0].parent, login());
        QCOMPARE(takeBoxes(), QStringList{"Authentication fails ..."});
        QCOMPARE(m_session.standin().lastRequest("authenticate")["password"].toString(), oldDigest);
        QVERIFY(!settings().isLoggedIn());
        QCOMPARE(settings().password(), newDigest);

        m_session.standin().control("clear-log");
        typeLogIn(account.email, changed);
        QTRY_VERIFY_WITH_TIMEOUT(settings().isLoggedIn(), cycleTimeoutMs);
        QVERIFY(settled());
        QVERIFY(m_session.showsOnline());
        const QJsonArray calls = m_session.service().requests();
        QVERIFY(!calls.isEmpty());
        for (const QJsonValue &call : calls)
            QCOMPARE(call["password"].toString(), newDigest);
    }

    // Sign-up from the log-in dialog ends in the main window, on the new and empty account.
    void signUpFromTheLogInDialog()
    {
        const QString email = QStringLiteral("newcomer@example.test");
        window()->showMainState(0);
        QVERIFY(login()->isVisible());

        QString generated;
        ModalDriver signup;
        ModalDriver welcome;
        signup.whenShown(
            [&](QWidget *shown) {
                auto *form = qobject_cast<QelRegister *>(shown);
                QVERIFY(form);
                form->leFirstName->setText(QStringLiteral("Nina"));
                form->leLastName->setText(QStringLiteral("Rossi"));
                form->leEmail->setText(email);
                form->leConfirmEmail->setText(email);
                welcome.whenShown(
                    [&](QWidget *next) {
                        auto *credentials = qobject_cast<WelcomeQelvox *>(next);
                        QVERIFY(credentials);
                        generated = credentials->ui_password->text();
                        QTest::mouseClick(credentials->okButton, Qt::LeftButton);
                    },
                    10000, "WelcomeQelvox");
                QTest::mouseClick(form->pushButtonOk, Qt::LeftButton);
            },
            10000, "QelRegister");
        QTest::mouseClick(login()->registerAccount, Qt::LeftButton);
        QVERIFY(signup.shown());
        QVERIFY(welcome.shown());
        QVERIFY(!generated.isEmpty());
        const QJsonObject registered = m_session.standin().lastRequest("registerCustomer");
        QVERIFY(QJsonDocument(registered["params"].toObject()).toJson().contains(email.toUtf8()));

        // The form carries the new credentials into the log-in, which the service accepts.
        QTRY_VERIFY_WITH_TIMEOUT(settings().isLoggedIn(), cycleTimeoutMs);
        QCOMPARE(login()->ui_userName->text(), email);
        QCOMPARE(settings().userName(), email);
        QCOMPARE(settings().password(), QString::fromLatin1(Accounts::digest(qPrintable(generated))));
        QVERIFY(!login()->isVisible());
        QVERIFY(window()->windowTitle().contains(email));
        QVERIFY(settled());
        QVERIFY(m_session.operations().contains("authenticate"));
        QVERIFY(m_session.operations().contains("reviewObjects"));
        QVERIFY(m_session.showsOnline());
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(0)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(0)"));
        QCOMPARE(m_session.contacts()->topLevelItemCount(), 0);
        QVERIFY(m_session.openCache()->timestamp() > 0);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
