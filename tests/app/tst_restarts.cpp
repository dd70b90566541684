#include "CacheDatabase.h"
#include "ClientProcess.h"
#include "ConnectProxy.h"
#include "FacadeFixture.h"
#include "QelvoxTestCase.h"
#include "RecordVariant.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "TaskQueue.h"
#include "TaskType.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const int runTimeoutMs = 30000;

} // namespace

// The program killed at the worst moments of a send and started again: the send persisted before the kill
// is delivered, once where the reply came back, and at least once where the kill took the reply with it.
class RestartsTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    StandinProcess m_standin;
    ConnectProxy m_proxy;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<ClientProcess> m_client;
    QString m_email;
    int m_accounts = 0;

    // A fresh set of per-user folders, shared with this process, and a fresh account stored in them.
    void newUser()
    {
        m_root = std::make_unique<QTemporaryDir>();
        for (const char *folder : {"home", "data", "config", "runtime"})
            QVERIFY(QDir(m_root->path()).mkpath(folder));
        QVERIFY(QFile::setPermissions(m_root->filePath("runtime"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root->filePath("data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->filePath("config")));

        ++m_accounts;
        m_email = QStringLiteral("restart%1@example.test").arg(m_accounts);
        const int customerId = 8000 + m_accounts;
        const QJsonObject account{
            {"email", m_email},
            {"password", "secret-r"},
            {"customerId", customerId},
            {"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3314"}, {"pages", 1}}}}};
        QVERIFY(m_standin.seed({{"accounts", QJsonArray{account}}}).value("ok").toBool());

        SettingsStore &settings = SettingsStore::instance();
        settings.load();
        settings.setUserName(m_email);
        settings.setPassword(QString::fromLatin1(Accounts::digest("secret-r")));
        settings.setCustomerId(customerId);
        settings.setAutoConnect(true);
        settings.setOutlook(false);
        settings.setProxyEnabled(1);
        settings.setProxyHost("127.0.0.1");
        settings.setProxyPort(m_proxy.port());
    }

    // A send as the send dialog leaves it: persisted in the customer's cache, its record released.
    int persistSend()
    {
        CacheDatabase cache;
        if (!cache.open())
            return 0;
        auto *sms = new SendSmsRequest;
        sms->taskid = cache.nextTaskId();
        sms->numbers = {"+3366"};
        sms->content = "Survives a crash";
        const int taskId = sms->taskid;
        TaskQueue queue(&cache);
        return queue.add(TaskType::SEND_SMS, recordToVariant(sms)) ? taskId : 0;
    }

    QList<int> persistedTasks()
    {
        CacheDatabase cache;
        QMap<int, QString> types;
        if (cache.open())
            cache.loadTaskTypes(types);
        return types.keys();
    }

    int storedTimestamp()
    {
        CacheDatabase cache;
        return cache.open() ? cache.timestamp() : 0;
    }

    int count(const QString &operation)
    {
        int found = 0;
        for (const QJsonValue &request : m_standin.requestLog()) {
            if (request["operation"].toString() == operation && request["email"].toString() == m_email)
                ++found;
        }
        return found;
    }

    void startClient()
    {
        m_client = std::make_unique<ClientProcess>(ClientProcess::foldersUnder(m_root->path()), m_standin.caFile());
        QVERIFY(m_client->start());
    }

    // Until the run has gone through its start-up tasks and the change query it asked for at the end.
    bool ranACycle()
    {
        return QTest::qWaitFor([this] { return count("getModifiedObjects") >= 2; }, runTimeoutMs);
    }

protected:
    void setUp() override
    {
        m_standin.control("clear-injections");
        m_standin.control("clear-log");
        m_proxy.setReachable(true);
        newUser();
    }

    void tearDown() override
    {
        if (m_client && QTest::currentTestFailed())
            qInfo().noquote() << m_client->output();
        m_client.reset();
        m_standin.control("release");
        m_root.reset();
    }

private slots:
    void initTestCase()
    {
        // The build's service host is reached through the proxy; its name must be one the stand-in's
        // certificate bears.
        const QByteArray host = QByteArray(QELVOX_SERVICE_HOST).split(':').first();
        if (host != "127.0.0.1" && host != "localhost")
            QSKIP("the build's service host is not the loopback address");
        QVERIFY2(m_standin.start(), qPrintable(m_standin.errorText()));
        m_proxy.redirectTo(m_standin.httpsPort());
    }

    void sendIsDeliveredOnceAcrossKills()
    {
        const int taskId = persistSend();
        QVERIFY(taskId >= 1000);

        // Out of reach: the program tries, fails, waits; then it dies with the send still to do.
        m_proxy.setReachable(false);
        const int before = m_proxy.connections();
        startClient();
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy.connections() > before, runTimeoutMs);
        m_client->kill();
        QCOMPARE(persistedTasks(), QList<int>{taskId});

        m_proxy.setReachable(true);
        startClient();
        QTRY_VERIFY_WITH_TIMEOUT(persistedTasks().isEmpty(), runTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(storedTimestamp() > 0, runTimeoutMs);
        QCOMPARE(count("sendSmsAsynchronous"), 1);

        // Killed after the result was applied: the next run has nothing left to send.
        m_client->kill();
        m_standin.control("clear-log");
        startClient();
        QVERIFY(ranACycle());
        QVERIFY(m_client->isRunning());
        QCOMPARE(count("sendSmsAsynchronous"), 0);
    }

    void sendWhoseReplyIsLostIsSentAgain()
    {
        const int taskId = persistSend();
        QVERIFY(taskId >= 1000);
        QVERIFY(
            m_standin.inject("sendSmsAsynchronous", {{"kind", "hold"}, {"times", 1}}).value("ok").toBool());

        startClient();
        QTRY_COMPARE_WITH_TIMEOUT(count("sendSmsAsynchronous"), 1, runTimeoutMs);
        m_client->kill();
        m_standin.control("release");
        QCOMPARE(persistedTasks(), QList<int>{taskId});

        startClient();
        QTRY_VERIFY_WITH_TIMEOUT(persistedTasks().isEmpty(), runTimeoutMs);
        QCOMPARE(count("sendSmsAsynchronous"), 2);
    }
};

QTEST_MAIN(RestartsTest)
#include "tst_restarts.moc"
