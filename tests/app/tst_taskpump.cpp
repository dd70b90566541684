#include "CacheDatabase.h"
#include "ConnectProxy.h"
#include "CustomQTreeWidgetItem.h"
#include "EntitiesView.h"
#include "ListRows.h"
#include "FolderView.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "MoveToFolderRequest.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxAPI.h"
#include "RecordVariant.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskType.h"
#include "qtObjectsInfo.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

QJsonObject accountWithFaxes(int count)
{
    QJsonArray faxes;
    for (int i = 0; i < count; ++i)
        faxes.append(
            QJsonObject{{"sender", QStringLiteral("+33%1").arg(100 + i)}, {"pages", 1}, {"read", true}});
    return {{"timeShift", 3600},
            {"folders", QJsonArray{QJsonObject{{"name", "Invoices"}}}},
            {"receivedFaxes", faxes}};
}

QJsonObject fault(const char *kind)
{
    QJsonObject injection{{"kind", kind}, {"times", 1}};
    if (QByteArray(kind) == "soap11-fault")
        injection.insert("code", "SOAP-ENV:Client");
    // The connection closes before a byte of the reply: the service was out of reach.
    if (QByteArray(kind) == "close")
        injection.insert("cutAfter", 0);
    return injection;
}

QString dump(const QJsonArray &requests)
{
    QStringList lines;
    for (const QJsonValue &request : requests)
        lines << request["operation"].toString() + ' ' +
                     QString::fromUtf8(
                         QJsonDocument(request["params"].toObject()).toJson(QJsonDocument::Compact));
    return lines.join('\n');
}

} // namespace

// The task pump against the stand-in: how a result is judged, what a failure does to the queue, and what a
// success changes in the cache, the views and the tasks still queued.
class TaskPumpTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    void settle() { QVERIFY(m_session.settle()); }

    // The current customer's cache refuses the statements the trigger names (a read-only or full disk).
    bool refuseInCache(const QString &trigger)
    {
        QSqlDatabase cache = QSqlDatabase::addDatabase("QSQLITE", "refusing");
        cache.setDatabaseName(SettingsStore::instance().cacheDatabasePath());
        return cache.open() && QSqlQuery(cache).exec("CREATE TRIGGER refuse " + trigger +
                                                     " BEGIN SELECT RAISE(ABORT, 'read-only'); END");
    }
    bool stopRefusing()
    {
        const bool dropped = QSqlQuery(QSqlDatabase::database("refusing")).exec("DROP TRIGGER refuse");
        QSqlDatabase::database("refusing").close();
        QSqlDatabase::removeDatabase("refusing");
        return dropped;
    }

    void setUpTestCase() override { m_proxy.redirectTo(m_session.standin().httpsPort()); }
    void setUp() override
    {
        MainWindowTestCase::setUp();
        m_proxy.refuseWith({});
        m_proxy.setAnswering(true);
    }

    // From the next call on, the facade goes through the test's proxy.
    void useProxy()
    {
        SettingsStore &settings = SettingsStore::instance();
        settings.setProxyEnabled(1);
        settings.setProxyHost("127.0.0.1");
        settings.setProxyPort(m_proxy.port());
        QelvoxAPI::resetConnection();
    }

    // The Outbox's pending SMS rows: {task id, marker}.
    QList<QPair<int, QString>> pendingSms()
    {
        QList<QPair<int, QString>> rows;
        for (QTreeWidgetItem *row : rowsOfType(*m_session.outbox(), ObjectType::PendingSms))
            rows += {recordOf<BaseForView>(row)->id, recordOf<BaseForView>(row)->date};
        return rows;
    }

    ConnectProxy m_proxy;

private slots:

    void resultDecidesWhatFollows_data()
    {
        QTest::addColumn<QJsonObject>("injection");
        QTest::addColumn<bool>("backsOff");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QList<bool>>("onlineStates");
        QTest::addColumn<int>("timeShift");
        const QStringList cycle{"getShiftTime",        "getInboxOutboxID", "registerApp",
                                "reviewObjects",       "sendSmsAsynchronous", "getObjects"};
        // Every call that reaches the service reports the state; the update check and the timestamp do not.
        const QList<bool> online(6, true);
        QTest::newRow("success") << QJsonObject() << false << cycle << online << 3600;
        // Back by its type, ahead of the tasks queued before it.
        QTest::newRow("no connection")
            << fault("close") << true
            << QStringList{"getShiftTime",  "registerApp",         "getShiftTime", "getInboxOutboxID",
                           "reviewObjects", "sendSmsAsynchronous", "getObjects"}
            << QList<bool>{false, true, true, true, true, true, true} << 3600;
        // The time shift bears on no timestamp: refused for good, it waits out the cycle like a user task
        // and holds nothing back; the lists keep the stored shift. It is asked again at the cycle's end.
        QJsonObject refusedForGood = fault("soap11-fault");
        refusedForGood.remove("times");
        QTest::newRow("refused") << refusedForGood << false << cycle + QStringList{"getShiftTime"}
                                 << QList<bool>{false, true, true, true, true, true, false} << 0;
    }

    void resultDecidesWhatFollows()
    {
        QFETCH(QJsonObject, injection);
        QFETCH(bool, backsOff);
        QFETCH(QStringList, operations);
        QFETCH(QList<bool>, onlineStates);
        QFETCH(int, timeShift);
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(2));
        const int sms = m_session.persistSms("Queued before the log-in");
        if (!injection.isEmpty())
            QVERIFY(m_session.standin().inject("getShiftTime", injection).value("ok").toBool());
        QSignalSpy online(m_session.window(), &MainWindow::signalRefreshOnline);

        m_session.logIn(account);
        if (backsOff) {
            QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000, standinTimeoutMs);
            QVERIFY(m_session.pumpTimer()->isActive());
            QCOMPARE(m_session.operations(), QStringList{"getShiftTime"});
            QVERIFY(!m_session.showsOnline());
            m_session.runPump();
        }
        settle();
        QCOMPARE(m_session.operations(), operations);
        QList<bool> states;
        for (const QList<QVariant> &emitted : std::as_const(online))
            states << emitted.first().toBool();
        QCOMPARE(states, onlineStates);
        QCOMPARE(m_session.showsOnline(), onlineStates.last());
        std::unique_ptr<CacheDatabase> cache = m_session.openCache();
        QCOMPARE(cache->timeShift(), timeShift);
        QVERIFY(cache->timestamp() > 0);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(2)"));
        QVERIFY(!m_session.persistedTasks().contains(sms));
    }

    // Refused for good, the query holds back only what needs the ids: the fetches and the timestamp wait
    // for it, the send queued before the log-in goes out.
    void refusedIdsQueryHoldsOnlyTheFetches()
    {
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(2));
        const int sms = m_session.persistSms("Queued before the log-in");
        QJsonObject refusedForGood = fault("soap11-fault");
        refusedForGood.remove("times");
        QVERIFY(m_session.standin().inject("getInboxOutboxID", refusedForGood).value("ok").toBool());

        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_session.pumpTimer()->interval() == 60000 && m_session.pumpTimer()->isActive(), standinTimeoutMs);
        m_session.runPump();
        QTRY_VERIFY_WITH_TIMEOUT(!m_session.persistedTasks().contains(sms), standinTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_session.pumpTimer()->interval() == 60000 && m_session.pumpTimer()->isActive(), standinTimeoutMs);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
        QCOMPARE(m_session.count("getObjects"), 0);
        QCOMPARE(m_session.openCache()->timestamp(), 0);

        // Answered at last: the fetches follow, and the cycle ends.
        m_session.standin().control("clear-injections");
        m_session.runPump();
        settle();
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(2)"));
        QVERIFY(m_session.openCache()->timestamp() > 0);
    }

    void proxyRefusalIsNoRefusalOfTheSend_data()
    {
        QTest::addColumn<QByteArray>("answer"); // the proxy's status line; "none" closes unanswered
        QTest::newRow("407 to CONNECT") << QByteArray("407 Proxy Authentication Required");
        QTest::newRow("403 to CONNECT") << QByteArray("403 Forbidden");
        QTest::newRow("502 to CONNECT") << QByteArray("502 Bad Gateway");
        QTest::newRow("closed without an answer") << QByteArray("none");
        // The control: the tunnel works and the service itself refuses the send.
        QTest::newRow("service refusal") << QByteArray();
    }

    // The service was not reached: the send waits in the queue, and goes out once when the proxy lets it.
    void proxyRefusalIsNoRefusalOfTheSend()
    {
        QFETCH(QByteArray, answer);
        QVERIFY(m_session.logInSeeded(accountWithFaxes(1)));
        settle();
        useProxy();
        if (answer.isEmpty())
            m_session.service().injectOnce("sendSmsAsynchronous", fault("soap11-fault"));
        else if (answer == "none")
            m_proxy.setAnswering(false);
        else
            m_proxy.refuseWith(answer);

        QVERIFY(m_session.sendSms("Through the proxy"));
        QCOMPARE(pendingSms().size(), 1);
        const int taskId = pendingSms().first().first;
        const QString queued = pendingSms().first().second;
        QVERIFY(queued != QStringLiteral("FA"));
        if (answer.isEmpty()) {
            // Refused by the service: parked until the cycle's end, shown as not sent.
            QTRY_COMPARE_WITH_TIMEOUT(pendingSms().first().second, QStringLiteral("FA"), standinTimeoutMs);
            QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
            QVERIFY(m_session.pumpTimer()->interval() != 60000);
            return;
        }
        // Refused credentials are told once and not offered again: the pump waits, polling, for new proxy
        // settings.
        const bool credentials = answer.startsWith("407");
        const int nextTry = credentials ? 1000 : 60000;
        if (credentials)
            QTRY_COMPARE_WITH_TIMEOUT(m_session.prompts().boxes.size(), 1, standinTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == nextTry && m_session.pumpTimer()->isActive(),
                                 standinTimeoutMs);
        QCOMPARE(pendingSms().first().second, queued);
        QVERIFY(!m_session.showsOnline());
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 0);
        QCOMPARE(m_session.persistedTasks(), QList<int>{taskId});
        if (credentials) {
            QCOMPARE(m_session.takeBoxTexts().size(), 1);
            SettingsStore::instance().setProxyUserId("proxy-user");
            SettingsStore::instance().setProxyPassword("proxy-password");
            QelvoxAPI::resetConnection();
        }

        m_proxy.refuseWith({});
        m_proxy.setAnswering(true);
        m_session.runPump();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        settle();
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
        QVERIFY(m_session.showsOnline());
    }

    void savedConnectionSettingsResumeAtOnce_data()
    {
        QTest::addColumn<bool>("throughProxy");
        // Refused by the service, parked until the cycle's end.
        QTest::newRow("parked send") << false;
        // Refused by the proxy, waiting out the back-off. (Refused credentials hold the pump instead until
        // the settings change, which the proxy refusal tests cover.)
        QTest::newRow("send in the back-off") << true;
    }

    // Saving changed proxy settings sends what waits at once, not after the back-off or the cycle's end.
    void savedConnectionSettingsResumeAtOnce()
    {
        QFETCH(bool, throughProxy);
        QVERIFY(m_session.logInSeeded(accountWithFaxes(1)));
        settle();
        if (throughProxy) {
            useProxy();
            m_proxy.refuseWith("403 Forbidden");
        } else {
            m_session.service().injectOnce("sendSmsAsynchronous", fault("soap11-fault"));
        }
        QVERIFY(m_session.sendSms("Waiting"));
        const int taskId = pendingSms().first().first;
        if (throughProxy) {
            QTRY_VERIFY_WITH_TIMEOUT(
                m_session.pumpTimer()->interval() == 60000 && m_session.pumpTimer()->isActive(), standinTimeoutMs);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(pendingSms().first().second, QStringLiteral("FA"), standinTimeoutMs);
            settle();
        }
        QCOMPARE(m_session.persistedTasks(), QList<int>{taskId});

        m_proxy.refuseWith({});
        m_proxy.clear();
        m_session.invoke("showSettings");
        auto *dialog = m_session.window()->findChild<SettingsDlg *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->proxySettings->setChecked(true);
        dialog->proxyHost->setText(QStringLiteral("127.0.0.1"));
        dialog->proxyPort->setValue(m_proxy.port());
        dialog->proxyUserid->setText(QStringLiteral("another-user"));
        dialog->proxyPasswd->setText(QStringLiteral("another-password"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        // Far sooner than the back-off's minute or the cycle's five.
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), throughProxy ? 1 : 2);
        QVERIFY(!m_proxy.tunnels().isEmpty());
        QCOMPARE(m_proxy.tunnels().first().authorization,
                 "Basic " + QByteArray("another-user:another-password").toBase64());
    }

    void failedFetchLosesNothing()
    {
        // Two batches; the first fails once on the way.
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(25));
        m_session.service().injectOnce("getObjects", fault("close"));
        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000, standinTimeoutMs);
        QCOMPARE(m_session.openCache()->timestamp(), 0);

        m_session.runPump();
        settle();
        QCOMPARE(m_session.count("getObjects"), 3);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(25)"));
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        QCOMPARE(cached.faxesreceived.size(), 25);
        QVERIFY(m_session.openCache()->timestamp() > 0);
    }

    void refusedCycleQueryBringsParkedTasksBack()
    {
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        const int taskId = m_session.persistSms("Parked");
        // The first query fails to connect, so the queue is sorted and the send comes before the change
        // query.
        m_session.service().injectOnce("getShiftTime", fault("close"));
        m_session.service().injectOnce("sendSmsAsynchronous", fault("soap11-fault"));
        m_session.service().injectOnce("getModifiedObjects", fault("soap11-fault"));

        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000, standinTimeoutMs);
        m_session.runPump();
        QTRY_COMPARE_WITH_TIMEOUT(m_session.count("getModifiedObjects"), 1, standinTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000 &&
                                     m_session.pumpTimer()->isActive(),
                                 standinTimeoutMs);
        QCOMPARE(m_session.operations(), (QStringList{"getShiftTime", "registerApp", "getShiftTime",
                                                      "sendSmsAsynchronous", "getModifiedObjects"}));
        QCOMPARE(m_session.persistedTasks(), QList<int>{taskId});

        // A minute later the parked send goes first again, then the cycle.
        m_session.runPump();
        settle();
        QCOMPARE(m_session.operations().mid(5, 2),
                 (QStringList{"sendSmsAsynchronous", "getModifiedObjects"}));
        QVERIFY(m_session.persistedTasks().isEmpty());
    }

    void offlineCreationsReachTheServiceByItsIds()
    {
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        const int faxId = cached.faxesreceived.first().id;
        const int inboxId = cached.faxesreceived.first().folderid;

        // What the user did offline, in this order: a group, a contact in it, the contact edited and then
        // deleted, a folder and a fax moved into it.
        const int groupLocal = m_session.nextTaskId();
        auto *group = new qtContactGroupInfo(-groupLocal, 0);
        group->localid = groupLocal;
        group->name = "Made offline";
        m_session.persistTask(TaskType::CHANGE_GROUP, recordToVariant(group));
        const int contactLocal = m_session.nextTaskId();
        for (const char *name : {"Nina", "Nina B."}) {
            auto *contact = new qtContactInfo(-contactLocal, 0);
            contact->localid = contactLocal;
            contact->groupid = -groupLocal;
            contact->name = name;
            contact->number = "+3391";
            m_session.persistTask(TaskType::CHANGE_CONTACT, recordToVariant(contact));
        }
        auto *deletion = new ObjectsRequest;
        deletion->objects[ObjectType::Contact] = {-contactLocal};
        m_session.persistTask(TaskType::DELETE_OBJECT, recordToVariant(deletion));
        const int folderLocal = m_session.nextTaskId();
        auto *folder = new QelFolderInfo(-folderLocal, 0);
        folder->localid = folderLocal;
        folder->name = "Made offline";
        m_session.persistTask(TaskType::CHANGE_FOLDER, recordToVariant(folder));
        auto *move = new MoveToFolderRequest;
        move->from_folderid = inboxId;
        move->to_folderid = -folderLocal;
        move->objects = new ObjectsRequest;
        move->objects->objects[ObjectType::FaxReceived] = {faxId};
        m_session.persistTask(TaskType::MOVE_TO_FOLDER, recordToVariant(move));

        m_session.setReachable(false);
        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000, standinTimeoutMs);
        m_session.setReachable(true);
        m_session.runPump();
        settle();

        const QJsonArray log = m_session.service().requests();
        const QJsonObject created = m_session.standin().lastRequest("updateContactGroupInfo");
        QVERIFY2(!created.isEmpty(), qPrintable(dump(log)));
        const QJsonArray contacts = m_session.requests("updateContactInfo");
        QCOMPARE(contacts.size(), 2);
        const int groupId = contacts[0]["params"]["info"]["groupid"].toInt();
        QVERIFY2(groupId > 0, qPrintable(dump(log)));
        QVERIFY2(contacts[0]["params"]["info"]["id"].toInt() <= 0, qPrintable(dump(log)));
        const int contactId = contacts[1]["params"]["info"]["id"].toInt();
        QVERIFY2(contactId > 0, qPrintable(dump(log)));
        QCOMPARE(contacts[1]["params"]["info"]["groupid"].toInt(), groupId);
        QVERIFY2(dump(m_session.requests("deleteObjects")).contains(QString::number(contactId)),
                 qPrintable(dump(log)));
        const int folderId =
            m_session.standin().lastRequest("moveToFolder").value("params")["folderid"].toInt();
        QVERIFY2(folderId > 0, qPrintable(dump(log)));
        QVERIFY(m_session.persistedTasks().isEmpty());

        // The next cycles bring nothing back: the group and folder with the service's ids, no contact.
        m_session.syncNow();
        settle();
        FolderView *list = m_session.contacts();
        QVERIFY(list->findGroupItem(groupId));
        QVERIFY(!list->findGroupItem(-groupLocal));
        QVERIFY(!list->findItem(contactId, ObjectType::Contact));
        QVERIFY(!list->findItem(-contactLocal, ObjectType::Contact));
        QCOMPARE(m_session.label("Made offline"), QStringLiteral("Made offline(1)"));
        QVERIFY(m_session.entities()->viewByFolderId(folderId)->findItem(faxId, ObjectType::FaxReceived));
        cached = qtObjectsInfo();
        m_session.openCache()->loadAll(cached);
        QVERIFY(cached.contacts.isEmpty());
        QCOMPARE(cached.contactgroups.size(), 1);
        QCOMPARE(cached.contactgroups.first().id, groupId);
    }

    void parkedTasksTakeTheServiceIdOfACreationMadeMeanwhile()
    {
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        // Offline: a group made, a contact made in it, then the group saved again.
        const int groupLocal = m_session.nextTaskId();
        const auto offlineGroup = [groupLocal] {
            auto *group = new qtContactGroupInfo(-groupLocal, 0);
            group->localid = groupLocal;
            group->name = "Made offline";
            return recordToVariant(group);
        };
        m_session.persistTask(TaskType::CHANGE_GROUP, offlineGroup());
        const int contactLocal = m_session.nextTaskId();
        auto *contact = new qtContactInfo(-contactLocal, 0);
        contact->localid = contactLocal;
        contact->groupid = -groupLocal;
        contact->name = "Nina";
        contact->number = "+3391";
        m_session.persistTask(TaskType::CHANGE_CONTACT, recordToVariant(contact));
        m_session.persistTask(TaskType::CHANGE_GROUP, offlineGroup());
        // The group's first save and the contact are refused once: they wait for the cycle's end, while
        // the group's second save makes the group.
        m_session.service().injectOnce("updateContactGroupInfo", fault("soap11-fault"));
        m_session.service().injectOnce("updateContactInfo", fault("soap11-fault"));

        m_session.logIn(account);
        settle();

        const QJsonArray log = m_session.service().requests();
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        QCOMPARE(cached.contactgroups.size(), 1);
        const int groupId = cached.contactgroups.first().id;
        QVERIFY2(groupId > 0, qPrintable(dump(log)));
        // Back after the cycle's end, the parked tasks name the group by the service's id: the first save
        // changes the group made meanwhile instead of making another, and the contact lands in it.
        const QJsonArray groups = m_session.requests("updateContactGroupInfo");
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups[2]["params"]["info"]["id"].toInt(), groupId);
        const QJsonArray contacts = m_session.requests("updateContactInfo");
        QCOMPARE(contacts.size(), 2);
        QCOMPARE(contacts[1]["params"]["info"]["groupid"].toInt(), groupId);
        QCOMPARE(cached.contacts.size(), 1);
        QCOMPARE(cached.contacts.first().groupid, groupId);
        QVERIFY(m_session.persistedTasks().isEmpty());
    }

    void unrecordableChangesRunOnce_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("refusedAtLogIn");
        // The cache takes no row (a read-only or full disk): the log-in says so and holds the user's changes.
        QTest::newRow("cache refuses every write")
            << "BEFORE INSERT ON settings WHEN NEW.parameter='write_check'" << true;
        // The send goes out, but its rows cannot go: it must not go out again, not even after a new log-in.
        QTest::newRow("completion cannot be recorded") << "BEFORE DELETE ON localtask" << false;
    }

    void unrecordableChangesRunOnce()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, refusedAtLogIn);
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        const int sms = m_session.persistSms("Once only");
        QVERIFY(refuseInCache(trigger));
        const auto sends = [&] { return m_session.count("sendSmsAsynchronous"); };

        m_session.logIn(account);
        settle();
        if (refusedAtLogIn) {
            QCOMPARE(m_session.prompts().boxes.size(), 1);
            QVERIFY2(m_session.prompts().boxes.takeFirst().text.contains(
                         " cannot be written.\nThe account is shown as last stored."),
                     "no word of the unwritable cache");
            QCOMPARE(sends(), 0);
        } else {
            QCOMPARE(sends(), 1);
            m_session.logOut();
            m_session.logIn(account);
            settle();
            QCOMPARE(sends(), 1);
        }
        QCOMPARE(m_session.persistedTasks(), QList<int>{sms});

        QVERIFY(stopRefusing());
        m_session.runPump();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        settle();
        QCOMPARE(sends(), 1);
    }

    void creationWhoseReferencesCannotBeRewritten()
    {
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        const int groupLocal = m_session.nextTaskId();
        auto *group = new qtContactGroupInfo(-groupLocal, 0);
        group->localid = groupLocal;
        group->name = "Made offline";
        const int groupTask = m_session.persistTask(TaskType::CHANGE_GROUP, recordToVariant(group));
        auto *contact = new qtContactInfo(20, 0);
        contact->groupid = -groupLocal;
        contact->name = "Nina";
        contact->number = "+3391";
        m_session.persistTask(TaskType::CHANGE_CONTACT, recordToVariant(contact));
        QVERIFY(refuseInCache("BEFORE UPDATE ON localtask"));

        m_session.logIn(account);
        settle();
        // This run names the group by the service's id all the same.
        const QJsonObject sent = m_session.standin().lastRequest("updateContactInfo");
        const int groupId = sent.value("params")["info"]["groupid"].toInt();
        QVERIFY(groupId > 0);
        // The rows still naming the local id keep the group's creation, which a restart would need.
        QCOMPARE(m_session.persistedTasks(), QList<int>{groupTask});

        QVERIFY(stopRefusing());
        m_session.runPump();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        settle();
        QCOMPARE(m_session.count("updateContactGroupInfo"), 1);
        QVERIFY(m_session.contacts()->findGroupItem(groupId));
    }

    void refusedCreationStoresNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("group") << int(TaskType::CHANGE_GROUP);
        QTest::newRow("contact") << int(TaskType::CHANGE_CONTACT);
        QTest::newRow("folder") << int(TaskType::CHANGE_FOLDER);
    }

    void refusedCreationStoresNothing()
    {
        QFETCH(int, type);
        const MainWindowSession::Account account = m_session.addAccount(accountWithFaxes(1));
        QVERIFY(m_session.fillCache(account));
        const int local = m_session.nextTaskId();
        // The service refuses an empty name, or a group it does not know, with one code instead of an id.
        QVariant argument;
        if (type == TaskType::CHANGE_GROUP) {
            auto *group = new qtContactGroupInfo(-local, 0);
            group->localid = local;
            argument = recordToVariant(group);
        } else if (type == TaskType::CHANGE_CONTACT) {
            auto *contact = new qtContactInfo(-local, 0);
            contact->localid = local;
            contact->name = "In no group";
            contact->groupid = 999999;
            argument = recordToVariant(contact);
        } else {
            auto *folder = new QelFolderInfo(-local, 0);
            folder->localid = local;
            argument = recordToVariant(folder);
        }
        m_session.persistTask(type, argument);

        m_session.logIn(account);
        settle();
        QVERIFY(m_session.persistedTasks().isEmpty());
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        QVERIFY(cached.contactgroups.isEmpty());
        QVERIFY(cached.contacts.isEmpty());
        for (const QelFolderInfo &folder : std::as_const(cached.folders))
            QVERIFY2(folder.id > 0, qPrintable(folder.name));
        QVERIFY(!m_session.contacts()->findGroupItem(0));
        QVERIFY(!m_session.contacts()->findItem(0, ObjectType::Contact));
        QVERIFY(!m_session.entities()->findUserFolder(0));
    }
};

QTEST_MAIN(TaskPumpTest)
#include "tst_taskpump.moc"
