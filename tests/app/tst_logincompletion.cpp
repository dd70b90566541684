#include "AttachmentInfo.h"
#include "BaseForView.h"
#include "CacheDatabase.h"
#include "CacheFileFaults.h"
#include "CustomQTreeWidgetItem.h"
#include "EntitiesView.h"
#include "FolderFault.h"
#include "FolderView.h"
#include "ForwardEntry.h"
#include "LoginDlg.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "MoveToFolderRequest.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskExecuter.h"
#include "TaskType.h"
#include "qtObjectsInfo.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <thread>

namespace {

// An account with a user folder, a group with a member, and received and sent items: in the Inbox an
// unread and a read fax and a voice message, in the folder a read fax.
QJsonObject richAccount()
{
    return QJsonDocument::fromJson(R"({
      "timeShift": 3600,
      "folders": [{"name": "Invoices"}],
      "groups": [{"name": "Suppliers", "contacts": [{"name": "Ink", "number": "+3314", "gsmnumber": ""}]}],
      "receivedFaxes": [{"sender": "+3314", "pages": 1, "read": false},
                        {"sender": "+3316", "pages": 1, "read": true},
                        {"sender": "+3315", "pages": 2, "read": true, "folder": "Invoices"}],
      "voiceMessages": [{"sender": "+3366", "duration": 42}],
      "sentFaxes": [{"recipients": ["+3311"], "status": 1, "pages": 1}],
      "sentSms": [{"recipients": ["+3366"], "status": 1, "content": "Hi"}]
    })")
        .object();
}

// What the first session cached, by the roles the tests give the objects.
struct Cached
{
    int unreadFax = 0;
    int readFax = 0;
    int sms = 0;
    int contact = 0;
    int group = 0;
    int folder = 0;
    int inbox = 0;
};

Cached cachedIds(CacheDatabase &cache)
{
    qtObjectsInfo objects;
    cache.loadAll(objects);
    Cached ids;
    for (const qtFAXReceivedInfo &fax : objects.faxesreceived) {
        if (fax.status == 0)
            ids.unreadFax = fax.id;
        else if (fax.folderid == SettingsStore::instance().inboxId())
            ids.readFax = fax.id;
    }
    for (const QelFolderInfo &folder : objects.folders) {
        if (folder.name == QLatin1String("Invoices"))
            ids.folder = folder.id;
    }
    ids.sms = objects.smsessent.value(0, qtSMSSentInfo(0, 0)).id;
    ids.contact = objects.contacts.value(0, qtContactInfo(0, 0)).id;
    ids.group = objects.contactgroups.value(0, qtContactGroupInfo(0, 0)).id;
    ids.inbox = SettingsStore::instance().inboxId();
    return ids;
}

ObjectsRequest *objectsRequest(int type, int id)
{
    auto *request = new ObjectsRequest;
    request->objects[type] = {id};
    return request;
}

ForwardEntry *forwardEntry(int taskId, int objectType, int objectId, int destination, const QString &to)
{
    auto *entry = new ForwardEntry(objectType, objectId, QStringLiteral("forwarded"));
    entry->taskid = taskId;
    entry->forward = destination;
    entry->to = to;
    return entry;
}

int setAsideCount(const QString &path)
{
    // The date and the time, apart: "??-" would read as a trigraph.
    const QString kept = QStringLiteral("cache.db.damaged-????????") + QStringLiteral("-??????");
    return int(QFileInfo(path).dir().entryList({kept}, QDir::AllEntries).size());
}

} // namespace

// Log-in completion: the customer's cache opened, the start-up tasks queued, the cache or a full review
// shown, and the tasks that an earlier run left restored.
class LoginCompletionTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    BaseForView *inboxRecord(int id, int type)
    {
        QTreeWidgetItem *row = m_session.inbox()->findItem(id, type);
        return row ? static_cast<BaseForView *>(CustomQTreeWidgetItem::record(row)) : nullptr;
    }

private slots:

    void firstLogInRunsAFullReview()
    {
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        m_session.logIn(account);
        QVERIFY(m_session.pumpTimer()->isActive());
        QCOMPARE(m_session.pumpTimer()->interval(), 1000);
        QCOMPARE(m_session.syncTimer()->interval(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);

        QCOMPARE(m_session.operations(), (QStringList{"getShiftTime", "getInboxOutboxID", "registerApp",
                                                      "reviewObjects", "getObjects"}));
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(3)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(2)"));
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        QCOMPARE(m_session.contacts()->rowCountText(), QStringLiteral("2"));
        QVERIFY(m_session.showsOnline());

        std::unique_ptr<CacheDatabase> cache = m_session.openCache();
        qtObjectsInfo cached;
        cache->loadAll(cached);
        QCOMPARE(cached.faxesreceived.size(), 3);
        QCOMPARE(cached.voicesreceived.size(), 1);
        QCOMPARE(cached.faxessent.size(), 1);
        QCOMPARE(cached.smsessent.size(), 1);
        QCOMPARE(cached.contactgroups.size(), 1);
        QCOMPARE(cached.contacts.size(), 1);
        QCOMPARE(cache->timeShift(), 3600);
        const int stored = cache->timestamp();
        QVERIFY(stored > 0);
        // The change query after the review asks from the stored timestamp.
        m_session.service().reset();
        m_session.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.requests("getModifiedObjects").first()["params"]["timestamp"].toInt(), stored);
    }

    void returningLogInShowsTheCacheFirst()
    {
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        const int stored = m_session.openCache()->timestamp();
        m_session.standin().control("received-fax", {{"email", account.email}, {"sender", "+3317"}});

        m_session.logIn(account);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(3)"));
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        QVERIFY(m_session.operations().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);

        // No Inbox and Outbox query: the cache holds them. The second change query is the one requested.
        QCOMPARE(m_session.operations(), (QStringList{"getShiftTime", "registerApp", "getModifiedObjects",
                                                      "getObjects", "getModifiedObjects"}));
        QCOMPARE(m_session.requests("getModifiedObjects").first()["params"]["timestamp"].toInt(), stored);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(4)"));
        QVERIFY(m_session.openCache()->timestamp() > stored);
    }

    void automaticStartUsesTheStoredAccount()
    {
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        m_session.closeWindow();
        SettingsStore::instance().setAutoConnect(true);
        SettingsStore::instance().load();

        // As at start-up: the window asks for a log-in, which the stored account and cache answer.
        m_session.window()->showMainState(0);
        QVERIFY(SettingsStore::instance().isLoggedIn());
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(3)"));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QVERIFY(!m_session.operations().contains("authenticate"));
        QCOMPARE(m_session.operations().first(), QStringLiteral("getShiftTime"));
        QCOMPARE(m_session.standin().lastRequest("getShiftTime")["email"].toString(), account.email);
    }

    void restoredTaskIsShownAndRunOnce_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("operation");
        QTest::newRow("send SMS") << int(TaskType::SEND_SMS) << 0 << "sendSmsAsynchronous";
        QTest::newRow("send fax") << int(TaskType::SEND_FAX) << 0 << "sendFaxRegister";
        QTest::newRow("forward to fax") << int(TaskType::SEND_FORWARD) << 3 << "forwardAsynchronous";
        QTest::newRow("forward to SMS") << int(TaskType::SEND_FORWARD) << 4 << "forwardAsynchronous";
        QTest::newRow("forward to e-mail") << int(TaskType::SEND_FORWARD) << 5 << "forwardAsynchronous";
        QTest::newRow("new group") << int(TaskType::CHANGE_GROUP) << 0 << "updateContactGroupInfo";
        QTest::newRow("edited contact") << int(TaskType::CHANGE_CONTACT) << 0 << "updateContactInfo";
        QTest::newRow("deletion") << int(TaskType::DELETE_OBJECT) << 0 << "deleteObjects";
        QTest::newRow("marked read") << int(TaskType::MARK_READ) << 0 << "changeStatus";
        QTest::newRow("marked unread") << int(TaskType::MARK_UNREAD) << 0 << "changeStatus";
        QTest::newRow("renamed folder") << int(TaskType::CHANGE_FOLDER) << 0 << "renameFolder";
        QTest::newRow("move") << int(TaskType::MOVE_TO_FOLDER) << 0 << "moveToFolder";
    }

    void restoredTaskIsShownAndRunOnce()
    {
        QFETCH(int, type);
        QFETCH(int, variant);
        QFETCH(QString, operation);
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        const Cached ids = cachedIds(*m_session.openCache());
        const int localId = m_session.nextTaskId();
        const int taskId = m_session.persistTask(type, makeTask(type, variant, ids, localId));
        QVERIFY(taskId >= 1000);

        m_session.logIn(account);
        verifyShown(type, variant, ids, taskId, localId);
        QCOMPARE(m_session.persistedTasks(), QList<int>{taskId});
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.count(operation), 1);
        QVERIFY(m_session.persistedTasks().isEmpty());
        QVERIFY(
            !QDir(SettingsStore::instance().customerDirectory() + "/" + QString::number(taskId)).exists());
    }

    void otherCustomerGetsTheirOwnCache()
    {
        const MainWindowSession::Account ann = m_session.addAccount(richAccount());
        const MainWindowSession::Account bob = m_session.addAccount(
            QJsonDocument::fromJson(
                R"({"timeShift": 7200, "sentFaxes": [{"recipients": ["+4901"], "pages": 1}]})")
                .object());
        QVERIFY(m_session.fillCache(ann));
        const int annInbox = SettingsStore::instance().inboxId();
        const QString annCache = SettingsStore::instance().cacheDatabasePath();

        m_session.logIn(bob);
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(0)"));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QVERIFY(m_session.operations().contains("reviewObjects"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(1)"));
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(0)"));
        QVERIFY(m_session.label("Invoices").isEmpty());
        QVERIFY(SettingsStore::instance().cacheDatabasePath() != annCache);
        QVERIFY(SettingsStore::instance().inboxId() != annInbox);
        QCOMPARE(m_session.openCache()->timeShift(), 7200);

        m_session.logOut();
        m_session.service().reset();
        m_session.logIn(ann);
        QCOMPARE(SettingsStore::instance().inboxId(), annInbox);
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QVERIFY(!m_session.operations().contains("reviewObjects"));
        QCOMPARE(m_session.openCache()->timeShift(), 3600);
    }

    void offlineLogInCatchesUpOnceOnline()
    {
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        const int taskId = m_session.persistSms("Written offline");
        m_session.setReachable(false);
        QSignalSpy online(m_session.window(), &MainWindow::signalRefreshOnline);

        m_session.logIn(account);
        QVERIFY(m_session.outbox()->findPendingItem(taskId));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.pumpTimer()->interval() == 60000, standinTimeoutMs);
        QVERIFY(m_session.pumpTimer()->isActive());
        QVERIFY(!m_session.showsOnline());
        QCOMPARE(online.count(), 1);
        QCOMPARE(online.first().first().toBool(), false);
        QVERIFY(m_session.operations().isEmpty());

        // The minute is up: the failed query went back by its type, ahead of the review and the send.
        m_session.setReachable(true);
        m_session.runPump();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.operations(), (QStringList{"registerApp", "getShiftTime", "getInboxOutboxID",
                                                      "reviewObjects", "sendSmsAsynchronous", "getObjects"}));
        QVERIFY(m_session.showsOnline());
        QVERIFY(m_session.persistedTasks().isEmpty());
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(3)"));
        QVERIFY(m_session.openCache()->timestamp() > 0);
    }

    void refusedSendHoldsBackNothing()
    {
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        const int taskId = m_session.persistSms("Refused");
        QVERIFY(m_session.standin()
                    .inject("sendSmsAsynchronous", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Client"}})
                    .value("ok")
                    .toBool());
        m_session.standin().control("received-fax", {{"email", account.email}, {"sender", "+3317"}});
        const int stored = m_session.openCache()->timestamp();

        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        // The send was tried, refused, and tried again once the cycle had ended; the cycle went on.
        const QStringList operations = m_session.operations();
        QVERIFY2(operations.indexOf("sendSmsAsynchronous") < operations.indexOf("getObjects"),
                 qPrintable(operations.join(' ')));
        const int tries = m_session.count("sendSmsAsynchronous");
        QVERIFY(tries >= 2);
        QVERIFY(m_session.openCache()->timestamp() > stored);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(4)"));
        QTreeWidgetItem *pending = m_session.outbox()->findPendingItem(taskId);
        QVERIFY(pending);
        QCOMPARE(static_cast<BaseForView *>(CustomQTreeWidgetItem::record(pending))->date,
                 QStringLiteral("FA"));
        QCOMPARE(m_session.persistedTasks(), QList<int>{taskId});

        // Accepted at last: after the next cycle the pending row is the service's.
        m_session.standin().control("clear-injections");
        m_session.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), tries + 1);
    }

    void logOutDuringASendSendsItOnce_data()
    {
        QTest::addColumn<bool>("replyFirst");
        QTest::newRow("reply while the log-out waits") << false;
        QTest::newRow("reply in, its end not yet handled") << true;
    }

    void logOutDuringASendSendsItOnce()
    {
        QFETCH(bool, replyFirst);
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        m_session.persistSms("Held");
        m_session.service().injectOnce("sendSmsAsynchronous", {{"kind", "hold"}});

        m_session.logIn(account);
        QTRY_COMPARE_WITH_TIMEOUT(m_session.count("sendSmsAsynchronous"), 1, standinTimeoutMs);
        QVERIFY(m_session.worker()->isRunning());
        if (replyFirst) {
            // No event runs between the end of the thread and the log-out.
            m_session.standin().control("release");
            QVERIFY(m_session.worker()->wait(standinTimeoutMs));
            m_session.logOut();
        } else {
            std::thread release([this] { m_session.standin().control("release"); });
            m_session.logOut();
            release.join();
        }
        QVERIFY(m_session.persistedTasks().isEmpty());
        QVERIFY(!m_session.pumpTimer()->isActive());
        QVERIFY(!m_session.syncTimer()->isActive());

        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
    }

    // A damaged cache is kept aside and rebuilt from the service with the tasks that can still be read, and
    // the user is told once.
    void damagedCacheIsRebuilt_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("tasksReadable");
        QTest::newRow("truncated to half") << "half" << true;
        QTest::newRow("garbage header") << "header" << true;
        QTest::newRow("directory in its place") << "directory" << false;
        QTest::newRow("random bytes over page 3") << "page3" << true;
    }

    void damagedCacheIsRebuilt()
    {
        QFETCH(QString, damage);
        QFETCH(bool, tasksReadable);
        const MainWindowSession::Account account = m_session.addAccount();
        QVERIFY(m_session.fillCache(account));
        QVERIFY(m_session.persistSms("Kept") > 0);
        const QString path = SettingsStore::instance().cacheDatabasePath();
        QVERIFY(damageCache(path, damage));
        bool pumpRunsMeanwhile = false;
        m_session.prompts().whileAsked = [&] { pumpRunsMeanwhile = m_session.pumpTimer()->isActive(); };

        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QCOMPARE(m_session.prompts().boxes.size(), 1);
        const QString told = m_session.prompts().boxes.takeFirst().text;
        QVERIFY2(told.contains(QDir::toNativeSeparators(path) + ".damaged-"), qPrintable(told));
        QCOMPARE(told.contains("could not be read"), !tasksReadable);
        QVERIFY(pumpRunsMeanwhile);
        QCOMPARE(setAsideCount(path), 1);
        // No empty journal of the check beside the kept file.
        const QDir folder = QFileInfo(path).dir();
        QCOMPARE(folder.entryList({"cache.db.damaged-*-shm", "cache.db.damaged-*-wal"}).size(), 0);
        QCOMPARE(m_session.count("reviewObjects"), 1);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), tasksReadable ? 1 : 0);
        QVERIFY(m_session.persistedTasks().isEmpty());
        QVERIFY(m_session.openCache()->timestamp() > 0);

        // Told once: the rebuilt cache is sound.
        m_session.logOut();
        m_session.logIn(account);
        QTRY_VERIFY_WITH_TIMEOUT(m_session.isSettled(), standinTimeoutMs);
        QVERIFY(m_session.prompts().boxes.isEmpty());
        QCOMPARE(m_session.count("sendSmsAsynchronous"), tasksReadable ? 1 : 0);
    }

    // A storage fault at log-in sets nothing aside but a damaged file, holds back nothing the fault does
    // not hold, and loses no queued change that can still be read: each goes out once the fault is gone.
    void storageFaultAtLogInLosesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("told");
        QTest::addColumn<int>("contactChanges");
        QTest::newRow("disk full") << "full" << false << true << 1;
        QTest::newRow("folder read-only") << "read-only" << false << true << 1;
        QTest::newRow("hot journal beside a sound file") << "hot journal" << false << false << 1;
        QTest::newRow("damaged, last change only in the log") << "queued in log" << true << true << 1;
        QTest::newRow("damaged, a finished creation only in the log") << "done in log" << true << true << 0;
    }

    void storageFaultAtLogInLosesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(bool, damaged);
        QFETCH(bool, told);
        QFETCH(int, contactChanges);
        const MainWindowSession::Account account = m_session.addAccount(richAccount());
        QVERIFY(m_session.fillCache(account));
        m_session.closeWindow();
        QVERIFY(m_session.persistSms("Queued") > 0);
        const QString path = SettingsStore::instance().cacheDatabasePath();
        auto *contact = new qtContactInfo(-m_session.nextTaskId(), 0);
        contact->localid = -contact->id;
        contact->name = "Made offline";
        contact->number = "+3391";
        const QVariant creation = recordToVariant(contact);
        const auto create = [&] { return m_session.persistTask(TaskType::CHANGE_CONTACT, creation) > 0; };
        FolderFault folderFault(QFileInfo(path).path());
        if (fault == "done in log") {
            QVERIFY(create());
            const int created = m_session.persistedTasks().last();
            QVERIFY(leaveInLog(path, [&] { return m_session.openCache()->deleteTask(created); }));
        } else if (fault == "queued in log") {
            QVERIFY(leaveInLog(path, create));
        } else {
            QVERIFY(create());
        }
        if (damaged)
            QVERIFY(damageCache(path, "page10", false));
        else if (fault == "hot journal")
            QVERIFY(leaveHotJournal(path));
        else if (fault == "full" && !(folderFault.mountSmallDisk(4 << 20) && folderFault.fill(4096)))
            QSKIP(qPrintable(folderFault.error()));
        else if (fault == "read-only" && !folderFault.makeReadOnly())
            QSKIP(qPrintable(folderFault.error()));
        bool pumpRunsMeanwhile = false;
        m_session.prompts().whileAsked = [&] { pumpRunsMeanwhile = m_session.pumpTimer()->isActive(); };

        m_session.logIn(account);
        QVERIFY(SettingsStore::instance().isLoggedIn());
        // The start-up tasks go out while the user reads (a result the cache cannot store waits for a retry).
        QTRY_VERIFY_WITH_TIMEOUT(m_session.operations().contains("getShiftTime"), standinTimeoutMs);
        QCOMPARE(m_session.prompts().boxes.size(), told ? 1 : 0);
        QCOMPARE(pumpRunsMeanwhile, told);
        const QStringList texts = m_session.takeBoxTexts();
        if (fault == "full")
            QVERIFY2(texts.first().startsWith("The disk that holds "), qPrintable(texts.first()));
        else if (fault == "read-only")
            QVERIFY2(texts.first().contains(" cannot be written."), qPrintable(texts.first()));
        if (fault == "full" || fault == "read-only") {
            QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(3)"));
            QCOMPARE(m_session.count("sendSmsAsynchronous"), 0);
            QVERIFY(fault == "full" ? folderFault.makeRoom() : folderFault.makeWritable());
            m_session.runPump();
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_session.persistedTasks().isEmpty(), standinTimeoutMs);
        QVERIFY(m_session.settle());
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
        QCOMPARE(m_session.count("updateContactInfo"), contactChanges);
        QCOMPARE(setAsideCount(path), damaged ? 1 : 0);
        QVERIFY(m_session.takeBoxTexts().isEmpty());
    }

    void cacheThatCannotBeOpenedEndsTheSession()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        // A file where the customer's folder should be: neither the cache nor a copy of it can be made.
        const QString folder = QFileInfo(SettingsStore::instance().cacheDatabasePath()).path();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        m_session.logIn(account);
        QCOMPARE(m_session.prompts().boxes.size(), 1);
        QVERIFY2(m_session.prompts().boxes.first().text.contains(
                     QDir::toNativeSeparators(SettingsStore::instance().cacheDatabasePath())),
                 qPrintable(m_session.prompts().boxes.first().text));
        m_session.prompts().boxes.clear();
        // Nobody is logged in: the log-in form is back, and nothing looks or acts logged in.
        QVERIFY(!SettingsStore::instance().isLoggedIn());
        QVERIFY(!m_session.window()->isVisible());
        QVERIFY(m_session.window()->findChild<LoginDlg *>()->isVisible());
        QVERIFY(!m_session.pumpTimer()->isActive());
        QVERIFY(!m_session.syncTimer()->isActive());
        QTest::qWait(100);
        QVERIFY(m_session.operations().isEmpty());
    }

private:
    QVariant makeTask(int type, int variant, const Cached &ids, int localId);
    void verifyShown(int type, int variant, const Cached &ids, int taskId, int localId);
};

QVariant LoginCompletionTest::makeTask(int type, int variant, const Cached &ids, int localId)
{
    switch (type) {
    case TaskType::SEND_SMS: {
        auto *sms = new SendSmsRequest;
        sms->taskid = localId;
        sms->numbers = {"+3366"};
        sms->content = "Restored";
        return recordToVariant(sms);
    }
    case TaskType::SEND_FAX: {
        auto *fax = new SendFaxRequest;
        fax->taskid = localId;
        fax->numbers = {"+3311"};
        auto *document = new AttachmentInfo;
        document->filename = "page.pdf";
        document->data = QByteArray("%PDF-1.4\n%%EOF\n").toBase64();
        fax->attachments = {document};
        return recordToVariant(fax);
    }
    case TaskType::SEND_FORWARD:
        if (variant == 4)
            return recordToVariant(forwardEntry(localId, 4, ids.sms, 4, "+3377"));
        return recordToVariant(
            forwardEntry(localId, 2, ids.unreadFax, variant, variant == 3 ? "+3399" : "x@example.test"));
    case TaskType::CHANGE_GROUP: {
        auto *group = new qtContactGroupInfo(-localId, 0);
        group->localid = localId;
        group->name = "Made offline";
        return recordToVariant(group);
    }
    case TaskType::CHANGE_CONTACT: {
        auto *contact = new qtContactInfo(ids.contact, 0);
        contact->groupid = ids.group;
        contact->name = "Ink renamed";
        contact->number = "+3314";
        return recordToVariant(contact);
    }
    case TaskType::DELETE_OBJECT:
        return recordToVariant(objectsRequest(2, ids.unreadFax));
    case TaskType::MARK_READ:
        return recordToVariant(objectsRequest(2, ids.unreadFax));
    case TaskType::MARK_UNREAD:
        return recordToVariant(objectsRequest(2, ids.readFax));
    case TaskType::CHANGE_FOLDER: {
        auto *folder = new QelFolderInfo(ids.folder, 0);
        folder->name = "Bills";
        return recordToVariant(folder);
    }
    case TaskType::MOVE_TO_FOLDER: {
        auto *move = new MoveToFolderRequest;
        move->from_folderid = ids.inbox;
        move->to_folderid = ids.folder;
        move->objects = objectsRequest(2, ids.unreadFax);
        return recordToVariant(move);
    }
    default:
        return {};
    }
}

void LoginCompletionTest::verifyShown(int type, int variant, const Cached &ids, int taskId, int localId)
{
    FolderView *contacts = m_session.contacts();
    switch (type) {
    case TaskType::SEND_SMS:
    case TaskType::SEND_FAX:
    case TaskType::SEND_FORWARD: {
        QTreeWidgetItem *pending = m_session.outbox()->findPendingItem(taskId);
        QVERIFY(pending);
        const int shownAs = type == TaskType::SEND_SMS || variant == 4 ? int(ObjectType::PendingSms)
                            : variant == 5                             ? int(ObjectType::PendingEmail)
                                                                       : int(ObjectType::PendingFax);
        QCOMPARE(CustomQTreeWidgetItem::record(pending)->type, shownAs);
        break;
    }
    case TaskType::CHANGE_GROUP:
        QVERIFY(contacts->findGroupItem(-localId));
        break;
    case TaskType::CHANGE_CONTACT: {
        QTreeWidgetItem *row = contacts->findItem(ids.contact, ObjectType::Contact);
        QVERIFY(row);
        QCOMPARE(static_cast<qtContactInfo *>(CustomQTreeWidgetItem::record(row))->name,
                 QStringLiteral("Ink renamed"));
        break;
    }
    case TaskType::DELETE_OBJECT:
        QVERIFY(!m_session.entities()->hasItem(ObjectType::FaxReceived, ids.unreadFax));
        break;
    case TaskType::MARK_READ:
        QCOMPARE(inboxRecord(ids.unreadFax, ObjectType::FaxReceived)->status, 1);
        break;
    case TaskType::MARK_UNREAD:
        QCOMPARE(inboxRecord(ids.readFax, ObjectType::FaxReceived)->status, 0);
        break;
    case TaskType::CHANGE_FOLDER:
        QCOMPARE(m_session.label("Bills"), QStringLiteral("Bills(1)"));
        break;
    case TaskType::MOVE_TO_FOLDER:
        QVERIFY(!inboxRecord(ids.unreadFax, ObjectType::FaxReceived));
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(2)"));
        break;
    default:
        QFAIL("no check for this type");
    }
}

QTEST_MAIN(LoginCompletionTest)
#include "tst_logincompletion.moc"
