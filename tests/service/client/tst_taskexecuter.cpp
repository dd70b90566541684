#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "PlatformPaths.h"
#include "QelFolderInfo.h"
#include "QelvoxAPI.h"
#include "QelvoxTestCase.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "TaskExecuter.h"
#include "TaskType.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "TextHelpers.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtObjectsInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <functional>
#include <memory>

namespace {

constexpr int runTimeoutMs = 20000;

struct Account
{
    QString email;
    QString digest;
    QJsonObject ids; // as the stand-in's seed answer gives them

    int id(const char *kind, int index = 0) const { return ids.value(kind).toArray().at(index).toInt(); }
};

// The first key path at which actual differs from expected, looking only at the keys that expected names;
// empty when they agree.
QString mismatch(const QJsonValue &actual, const QJsonValue &expected, const QString &path = QString())
{
    if (expected.isObject()) {
        const QJsonObject wanted = expected.toObject();
        for (auto it = wanted.begin(); it != wanted.end(); ++it) {
            const QString found =
                mismatch(actual.toObject().value(it.key()), it.value(), path + "." + it.key());
            if (!found.isEmpty())
                return found;
        }
        return {};
    }
    if (expected.isArray()) {
        const QJsonArray wanted = expected.toArray();
        const QJsonArray got = actual.toArray();
        if (got.size() != wanted.size())
            return path + QString(": %1 items, expected %2").arg(got.size()).arg(wanted.size());
        for (int i = 0; i < wanted.size(); ++i) {
            const QString found = mismatch(got.at(i), wanted.at(i), path + QString("[%1]").arg(i));
            if (!found.isEmpty())
                return found;
        }
        return {};
    }
    if (actual != expected)
        return path + QString(": %1, expected %2")
                          .arg(actual.toVariant().toString(), expected.toVariant().toString());
    return {};
}

// Keeps a task's record alive for the test and hands its pointer to the executer.
using Holder = std::shared_ptr<void>;
template <typename T> Holder hold(TaskExecuter &executer, int type, T *record)
{
    executer.currentTask = TaskItem(type, recordToVariant(record));
    return std::shared_ptr<T>(record);
}

template <typename T> T *argument(const TaskExecuter &executer)
{
    return recordFromVariant<T>(executer.currentTask.argument);
}

// One row of the dispatch table: how to prepare the executer, the one operation that must reach the
// stand-in with (at least) these parameters, and what the executer must leave behind.
struct CallingTask
{
    const char *name;
    int type;
    const char *operation;
    std::function<Holder(TaskExecuter &, const Account &)> prepare;
    std::function<QJsonObject(const Account &)> params;
    std::function<void(const TaskExecuter &, const Account &)> check;
};

void checkSend(const TaskExecuter &executer, int sentStatus, int remoteId)
{
    QCOMPARE(executer.resultCode, 0);
    QCOMPARE(sentStatus, 2);
    QVERIFY(remoteId > 10000);
}

// An operation that answers a plain int accepted the request.
void checkAccepted(const TaskExecuter &executer, const Account &)
{
    QCOMPARE(executer.resultCode, 0);
    QCOMPARE(executer.outValue, 0);
}

// The account's received fax as the objects of a delete, mark or move task, and as the request carries them.
ObjectsRequest *receivedFax(const Account &account)
{
    auto *request = new ObjectsRequest;
    request->objects[2] = {account.id("receivedFaxes")};
    return request;
}
QJsonObject receivedFaxIds(const Account &account)
{
    return {{"type", 2}, {"ids", QJsonArray{account.id("receivedFaxes")}}};
}

const QList<CallingTask> &callingTasks()
{
    static const QList<CallingTask> tasks = {
        {"log-in", TaskType::LOGIN, "authenticate",
         [](TaskExecuter &e, const Account &a) {
             e.login = {-10001, 0, a.email, a.digest};
             return Holder();
         },
         [](const Account &) { return QJsonObject(); },
         [](const TaskExecuter &e, const Account &a) {
             QCOMPARE(e.resultCode, TaskExecuter::noStatus);
             QCOMPARE(e.login.result, 0);
             QCOMPARE(e.login.customerid, a.ids.value("customerId").toInt());
         }},
        {"register the version", TaskType::REGISTER_APP, "registerApp",
         [](TaskExecuter &, const Account &) { return Holder(); },
         [](const Account &) {
             return QJsonObject{{"app", 1001}, {"version", QString::fromLatin1("WIN-" + appVersion())}};
         },
         checkAccepted},
        {"time shift", TaskType::GET_SHIFT_TIME, "getShiftTime",
         [](TaskExecuter &e, const Account &) {
             e.timeShift = -1;
             return Holder();
         },
         [](const Account &) { return QJsonObject(); },
         [](const TaskExecuter &e, const Account &) {
             QCOMPARE(e.resultCode, 0);
             QCOMPARE(e.timeShift, 3600);
         }},
        {"inbox and outbox", TaskType::GET_INBOX_OUTBOX_ID, "getInboxOutboxID",
         [](TaskExecuter &e, const Account &) {
             e.inboxId = e.outboxId = 99;
             return Holder();
         },
         [](const Account &) { return QJsonObject(); },
         [](const TaskExecuter &e, const Account &a) {
             QCOMPARE(e.resultCode, 0);
             QCOMPARE(e.outValue, 0);
             QCOMPARE(e.inboxId, a.ids.value("inbox").toInt());
             QCOMPARE(e.outboxId, a.ids.value("outbox").toInt());
         }},
        {"full review", TaskType::REVIEW_OBJECTS, "reviewObjects",
         [](TaskExecuter &e, const Account &) {
             e.changes.entries.append(ChangeEntry(1, 1, 1));
             return Holder();
         },
         [](const Account &) { return QJsonObject(); },
         [](const TaskExecuter &e, const Account &a) {
             QCOMPARE(e.resultCode, 0);
             QVERIFY(e.changes.timestamp > 0);
             QList<int> ids;
             for (const ChangeEntry &entry : e.changes.entries)
                 ids.append(entry.object);
             QVERIFY(!ids.contains(1));
             QVERIFY(ids.contains(a.id("groups")));
             QVERIFY(ids.contains(a.id("receivedFaxes")));
         }},
        {"send SMS", TaskType::SEND_SMS, "sendSmsAsynchronous",
         [](TaskExecuter &e, const Account &) {
             auto *sms = new SendSmsRequest;
             sms->remoteid = 5;
             sms->sentstatus = 7;
             sms->numbers = {"+33600000001", "+33600000002"};
             sms->content = QString::fromUtf8("Grüße");
             return hold(e, TaskType::SEND_SMS, sms);
         },
         [](const Account &) {
             return QJsonObject{{"info", QJsonObject{{"numbers", QJsonArray{"+33600000001", "+33600000002"}},
                                                     {"content", QString::fromUtf8("Grüße")}}}};
         },
         [](const TaskExecuter &e, const Account &) {
             const SendSmsRequest *sms = argument<SendSmsRequest>(e);
             checkSend(e, sms->sentstatus, sms->remoteid);
         }},
        {"send fax", TaskType::SEND_FAX, "sendFaxRegister",
         [](TaskExecuter &e, const Account &) {
             auto *fax = new SendFaxRequest;
             fax->numbers = {"+33140000001"};
             fax->attachments.append(
                 new AttachmentInfo{"letter.pdf", QByteArray("%PDF-1.4 letter").toBase64()});
             fax->report = "YES";
             return hold(e, TaskType::SEND_FAX, fax);
         },
         [](const Account &) {
             return QJsonObject{{"info", QJsonObject{{"numbers", QJsonArray{"+33140000001"}}}},
                                {"report", "YES"}};
         },
         [](const TaskExecuter &e, const Account &) {
             const SendFaxRequest *fax = argument<SendFaxRequest>(e);
             checkSend(e, fax->sentstatus, fax->remoteid);
         }},
        {"forward", TaskType::SEND_FORWARD, "forwardAsynchronous",
         [](TaskExecuter &e, const Account &a) {
             auto *entry = new ForwardEntry(2, a.id("receivedFaxes"), QString());
             entry->forward = 5;
             entry->to = "boss@example.test";
             return hold(e, TaskType::SEND_FORWARD, entry);
         },
         [](const Account &a) {
             return QJsonObject{{"info", QJsonObject{{"id", a.id("receivedFaxes")},
                                                     {"type", 2},
                                                     {"forward", 5},
                                                     {"to", "boss@example.test"}}}};
         },
         [](const TaskExecuter &e, const Account &) {
             const ForwardEntry *entry = argument<ForwardEntry>(e);
             checkSend(e, entry->sentstatus, entry->remoteid);
         }},
        {"update check", TaskType::CHECK_APP_VERSION, "getAppVersion",
         [](TaskExecuter &e, const Account &) {
             e.latestVersion = "old";
             return Holder();
         },
         [](const Account &) {
             return QJsonObject{{"os", "WIN"}, {"app", "ZQD"}};
         },
         [](const TaskExecuter &e, const Account &) {
             QCOMPARE(e.resultCode, TaskExecuter::noStatus);
             QCOMPARE(QByteArray::fromStdString(e.latestVersion), QByteArray("2.29"));
             QVERIFY(e.updateUrl.endsWith("/files/QelvoxdeskSetup.exe"));
         }},
        {"new contact group", TaskType::CHANGE_GROUP, "updateContactGroupInfo",
         [](TaskExecuter &e, const Account &) {
             auto *group = new qtContactGroupInfo(-1002, -1);
             group->localid = 1002;
             group->name = "Friends";
             return hold(e, TaskType::CHANGE_GROUP, group);
         },
         [](const Account &) {
             return QJsonObject{{"info", QJsonObject{{"id", 0}, {"name", "Friends"}}}};
         },
         [](const TaskExecuter &e, const Account &) {
             const qtContactGroupInfo *group = argument<qtContactGroupInfo>(e);
             QCOMPARE(e.resultCode, 0);
             QCOMPARE(group->status, 0);
             QVERIFY(group->id > 10000);
         }},
        {"contact change", TaskType::CHANGE_CONTACT, "updateContactInfo",
         [](TaskExecuter &e, const Account &a) {
             auto *contact = new qtContactInfo(a.id("contacts"), -1);
             contact->groupid = a.id("groups");
             contact->name = "Renamed";
             contact->number = "+33140000009";
             return hold(e, TaskType::CHANGE_CONTACT, contact);
         },
         [](const Account &a) {
             return QJsonObject{{"info", QJsonObject{{"id", a.id("contacts")},
                                                     {"groupid", a.id("groups")},
                                                     {"name", "Renamed"},
                                                     {"number", "+33140000009"}}}};
         },
         [](const TaskExecuter &e, const Account &a) {
             const qtContactInfo *contact = argument<qtContactInfo>(e);
             QCOMPARE(e.resultCode, 0);
             QCOMPARE(contact->status, 0);
             QCOMPARE(contact->id, a.id("contacts"));
         }},
        {"delete", TaskType::DELETE_OBJECT, "deleteObjects",
         [](TaskExecuter &e, const Account &a) { return hold(e, TaskType::DELETE_OBJECT, receivedFax(a)); },
         [](const Account &a) {
             return QJsonObject{{"info", QJsonArray{receivedFaxIds(a)}}};
         },
         checkAccepted},
        {"mark read", TaskType::MARK_READ, "changeStatus",
         [](TaskExecuter &e, const Account &a) {
             ObjectsRequest *request = receivedFax(a);
             request->objects[3] = {a.id("voiceMessages")};
             return hold(e, TaskType::MARK_READ, request);
         },
         [](const Account &a) {
             const QJsonObject voice{{"type", 3}, {"ids", QJsonArray{a.id("voiceMessages")}}};
             return QJsonObject{{"info", QJsonArray{receivedFaxIds(a), voice}}, {"status", 1}};
         },
         checkAccepted},
        {"mark unread", TaskType::MARK_UNREAD, "changeStatus",
         [](TaskExecuter &e, const Account &a) { return hold(e, TaskType::MARK_UNREAD, receivedFax(a)); },
         [](const Account &a) {
             return QJsonObject{{"info", QJsonArray{receivedFaxIds(a)}}, {"status", 0}};
         },
         checkAccepted},
        {"folder rename", TaskType::CHANGE_FOLDER, "renameFolder",
         [](TaskExecuter &e, const Account &a) {
             auto *folder = new QelFolderInfo(a.id("folders"), 0);
             folder->name = "Archive";
             return hold(e, TaskType::CHANGE_FOLDER, folder);
         },
         [](const Account &a) {
             return QJsonObject{{"folderid", a.id("folders")}, {"newname", "Archive"}};
         },
         [](const TaskExecuter &e, const Account &a) {
             const QelFolderInfo *folder = argument<QelFolderInfo>(e);
             QCOMPARE(e.resultCode, 0);
             QCOMPARE(folder->status, 0);
             QCOMPARE(folder->id, a.id("folders"));
         }},
        {"move to folder", TaskType::MOVE_TO_FOLDER, "moveToFolder",
         [](TaskExecuter &e, const Account &a) {
             auto *move = new MoveToFolderRequest;
             move->from_folderid = a.ids.value("inbox").toInt();
             move->to_folderid = a.id("folders");
             move->objects = receivedFax(a);
             return hold(e, TaskType::MOVE_TO_FOLDER, move);
         },
         [](const Account &a) {
             return QJsonObject{{"allobjects", QJsonArray{receivedFaxIds(a)}}, {"folderid", a.id("folders")}};
         },
         checkAccepted},
        {"fetch a batch", TaskType::GET_OBJECTS, "getObjects",
         [](TaskExecuter &e, const Account &a) {
             auto *batch = new QList<ObjectRef>{{a.id("groups"), 5}, {a.id("receivedFaxes"), 2}};
             return hold(e, TaskType::GET_OBJECTS, batch);
         },
         [](const Account &a) {
             return QJsonObject{
                 {"data", QJsonArray{QJsonObject{{"object", a.id("groups")}, {"type", 5}},
                                     QJsonObject{{"object", a.id("receivedFaxes")}, {"type", 2}}}}};
         },
         [](const TaskExecuter &e, const Account &a) {
             QCOMPARE(e.resultCode, 0);
             QVERIFY(e.objects);
             QCOMPARE(e.objects->contactgroups.size(), 1);
             QCOMPARE(e.objects->contactgroups.first().id, a.id("groups"));
             QCOMPARE(e.objects->faxesreceived.size(), 1);
             QCOMPARE(e.objects->faxesreceived.first().id, a.id("receivedFaxes"));
         }},
        {"change query", TaskType::GET_MODIFIED_OBJECTS, "getModifiedObjects",
         [](TaskExecuter &e, const Account &) {
             e.syncTimestamp = 1;
             e.changes.timestamp = 12;
             return Holder();
         },
         [](const Account &) {
             return QJsonObject{{"timestamp", 1}};
         },
         [](const TaskExecuter &e, const Account &a) {
             QCOMPARE(e.resultCode, 0);
             QVERIFY(e.changes.timestamp > 1);
             QList<int> ids;
             for (const ChangeEntry &entry : e.changes.entries)
                 ids.append(entry.object);
             QVERIFY(ids.contains(a.id("contacts")));
         }},
    };
    return tasks;
}

const CallingTask &taskOfType(int type)
{
    for (const CallingTask &task : callingTasks()) {
        if (task.type == type)
            return task;
    }
    qFatal("no calling task of type %d", type);
}

// The port of a loopback listener that has just closed: a connection to it is refused.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

} // namespace

class TaskExecuterTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    TestHome m_home;
    StandinProcess m_standin;
    Account m_account;
    int m_seeded = 0;

    Account seedAccount()
    {
        const QString email = QString("user%1@example.test").arg(++m_seeded);
        const QJsonObject seed{
            {"email", email},
            {"password", "secret"},
            {"timeShift", 3600},
            {"folders", QJsonArray{QJsonObject{{"name", "Invoices"}}}},
            {"groups", QJsonArray{QJsonObject{{"name", "Suppliers"}}}},
            {"contacts",
             QJsonArray{QJsonObject{{"name", "Desk"}, {"number", "+3315"}, {"gsmnumber", "+3366"}}}},
            {"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3314"}, {"pages", 1}}}},
            {"voiceMessages", QJsonArray{QJsonObject{{"sender", "+3366"}, {"duration", 42}}}},
        };
        const QJsonObject answer = m_standin.seed({{"accounts", QJsonArray{seed}}});
        return {email, md5Hex("secret"), answer.value("accounts").toArray().first().toObject()};
    }

    // Starts the task and waits for its end.
    static bool runTask(TaskExecuter &executer, int type)
    {
        QSignalSpy end(&executer, &TaskExecuter::signalEnd);
        return executer.start(type) && end.wait(runTimeoutMs) && end.size() == 1;
    }

    static void logIn(TaskExecuter &executer, const Account &account)
    {
        executer.login.username = account.email;
        executer.login.password = account.digest;
    }

    void pointFacadeAt(const QString &origin)
    {
        QelvoxAPI::setServiceOrigin(origin.toUtf8(), m_standin.caFile().toUtf8());
    }

    QJsonArray loggedOperations()
    {
        QJsonArray operations;
        for (const QJsonValue &request : m_standin.requestLog())
            operations.append(request.toObject().value("operation"));
        return operations;
    }

protected:
    void setUp() override
    {
        QVERIFY(m_standin.control("clear-injections").value("ok").toBool());
        m_account = seedAccount();
        TaskExecuter executer;
        logIn(executer, m_account);
        QVERIFY(runTask(executer, TaskType::LOGIN));
        QCOMPARE(executer.login.result, 0);
        SettingsStore::instance().setCustomerId(executer.login.customerid);
        QVERIFY(m_standin.control("clear-log").value("ok").toBool());
    }
    void tearDown() override { pointFacadeAt(m_standin.httpsUrl()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY2(m_standin.start(), qPrintable(m_standin.errorText()));
        pointFacadeAt(m_standin.httpsUrl());
    }

    // Every test starts logged in with an account of its own and an empty request log.

    void taskReachesTheService_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < callingTasks().size(); ++row)
            QTest::newRow(callingTasks().at(row).name) << row;
    }
    void taskReachesTheService()
    {
        QFETCH(int, row);
        const CallingTask &task = callingTasks().at(row);
        TaskExecuter executer;
        const Holder record = task.prepare(executer, m_account);

        QVERIFY(runTask(executer, task.type));

        const QJsonArray log = m_standin.requestLog();
        QCOMPARE(loggedOperations(), QJsonArray{task.operation});
        const QJsonObject request = log.first().toObject();
        QCOMPARE(request.value("email").toString(), m_account.email);
        const QString wrong = mismatch(request.value("params"), task.params(m_account));
        QVERIFY2(wrong.isEmpty(), qPrintable("params" + wrong));
        task.check(executer, m_account);
    }

    void sendFaxCarriesItsDocument()
    {
        TaskExecuter executer;
        const Holder record = taskOfType(TaskType::SEND_FAX).prepare(executer, m_account);
        QVERIFY(runTask(executer, TaskType::SEND_FAX));
        const QJsonArray attachments =
            m_standin.lastRequest("sendFaxRegister").value("attachments").toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments.first().toObject().value("name").toString(), QString("letter.pdf"));
        QCOMPARE(QByteArray::fromBase64(attachments.first().toObject().value("base64").toString().toLatin1()),
                 QByteArray("%PDF-1.4 letter"));
    }

    void taskWithoutCall_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("timestamp marker") << int(TaskType::SET_TIMESTAMP);
        QTest::newRow("unused 17") << int(TaskType::GET_FAX_RECEIVED);
        QTest::newRow("unused 22") << int(TaskType::GET_CONTACT);
        QTest::newRow("above the table") << 26;
        QTest::newRow("negative") << -1;
    }
    void taskWithoutCall()
    {
        QFETCH(int, type);
        TaskExecuter executer;
        executer.currentTask = TaskItem(type, QVariant(4711));
        executer.resultCode = 0;
        executer.outValue = 0;
        QVERIFY(runTask(executer, type));
        QCOMPARE(executer.resultCode, TaskExecuter::noStatus);
        QCOMPARE(executer.outValue, -1);
        QCOMPARE(loggedOperations(), QJsonArray());
    }

    void startRefusals()
    {
        TaskExecuter executer;
        executer.currentTask = TaskItem(TaskType::SEND_SMS, QVariant(0));
        QVERIFY(!executer.start(TaskType::SEND_SMS));

        m_standin.inject("getShiftTime", {{"kind", "delay"}, {"delayMs", 1000}});
        QSignalSpy end(&executer, &TaskExecuter::signalEnd);
        QVERIFY(executer.start(TaskType::GET_SHIFT_TIME));
        QVERIFY(!executer.start(TaskType::GET_SHIFT_TIME));
        QVERIFY(end.wait(runTimeoutMs));
        QCOMPARE(loggedOperations(), QJsonArray{"getShiftTime"});
        QVERIFY(executer.start(TaskType::GET_SHIFT_TIME));
        QVERIFY(end.wait(runTimeoutMs));
    }

    void refusedConnection_data()
    {
        QTest::addColumn<int>("type");
        for (int type :
             {TaskType::LOGIN, TaskType::GET_INBOX_OUTBOX_ID, TaskType::REVIEW_OBJECTS, TaskType::SEND_SMS,
              TaskType::SEND_FAX, TaskType::SEND_FORWARD, TaskType::CHECK_APP_VERSION, TaskType::CHANGE_GROUP,
              TaskType::GET_OBJECTS, TaskType::GET_MODIFIED_OBJECTS})
            QTest::newRow(taskOfType(type).name) << type;
    }
    void refusedConnection()
    {
        QFETCH(int, type);
        const CallingTask &task = taskOfType(type);
        TaskExecuter executer;
        const Holder record = task.prepare(executer, m_account);
        auto *heldBatch = new qtObjectsInfo;
        executer.objects = heldBatch;
        executer.updateUrl = "http://old.example.test/setup.exe";
        pointFacadeAt(QString("https://127.0.0.1:%1").arg(closedPort()));

        QVERIFY(runTask(executer, task.type));

        const int result = task.type == TaskType::LOGIN ? executer.login.result : executer.resultCode;
        if (task.type == TaskType::CHECK_APP_VERSION) {
            QCOMPARE(result, TaskExecuter::noStatus);
            QCOMPARE(executer.latestVersion, std::string());
            QCOMPARE(executer.updateUrl, QString());
        } else {
            QVERIFY2(isConnectionError(result), qPrintable(QString::number(result)));
        }
        QCOMPARE(executer.objects, heldBatch);
        switch (task.type) {
        case TaskType::GET_INBOX_OUTBOX_ID:
            QCOMPARE(executer.inboxId, 0);
            QCOMPARE(executer.outboxId, 0);
            break;
        case TaskType::REVIEW_OBJECTS:
        case TaskType::GET_MODIFIED_OBJECTS:
            QCOMPARE(executer.changes.timestamp, 0);
            QCOMPARE(executer.changes.entries.size(), 0);
            break;
        case TaskType::SEND_SMS:
            QCOMPARE(argument<SendSmsRequest>(executer)->remoteid, 0);
            QCOMPARE(argument<SendSmsRequest>(executer)->sentstatus, 2);
            break;
        case TaskType::SEND_FAX:
            QCOMPARE(argument<SendFaxRequest>(executer)->remoteid, 0);
            QCOMPARE(argument<SendFaxRequest>(executer)->sentstatus, 2);
            break;
        case TaskType::SEND_FORWARD:
            QCOMPARE(argument<ForwardEntry>(executer)->remoteid, 0);
            QCOMPARE(argument<ForwardEntry>(executer)->sentstatus, 2);
            break;
        case TaskType::CHANGE_GROUP:
            QCOMPARE(argument<qtContactGroupInfo>(executer)->status, -1);
            break;
        }
    }

    void abandonedLogIn()
    {
        const Account slow = seedAccount();
        const Account quick = seedAccount();
        QVERIFY(m_standin.inject("authenticate", {{"kind", "hold"}, {"times", 1}}).value("ok").toBool());
        const auto release = qScopeGuard([this] { m_standin.control("release"); });
        QObject owner;
        auto *first = new TaskExecuter(&owner);
        QSignalSpy firstEnd(first, &TaskExecuter::signalEnd);
        const QPointer<TaskExecuter> abandoned(first);
        logIn(*first, slow);
        QVERIFY(first->start(TaskType::LOGIN));
        QTRY_COMPARE(loggedOperations(), QJsonArray{"authenticate"});

        first->stop();
        QVERIFY(first->isRunning());
        auto *second = new TaskExecuter(&owner);
        logIn(*second, quick);
        QVERIFY(runTask(*second, TaskType::LOGIN));
        QCOMPARE(second->login.result, 0);
        QCOMPARE(second->login.customerid, quick.ids.value("customerId").toInt());
        QVERIFY(!abandoned.isNull());

        QVERIFY(m_standin.control("release").value("ok").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(abandoned.isNull(), runTimeoutMs);
        QCOMPARE(firstEnd.size(), 0);
        TaskExecuter next;
        QVERIFY(runTask(next, TaskType::GET_SHIFT_TIME));
        QCOMPARE(next.resultCode, 0);
        QCOMPARE(m_standin.lastRequest("getShiftTime").value("email").toString(), quick.email);
    }

    void idleExecuterStopsAtOnce()
    {
        auto *executer = new TaskExecuter;
        const QPointer<TaskExecuter> guard(executer);
        QVERIFY(runTask(*executer, TaskType::SET_TIMESTAMP));
        executer->stop();
        QTRY_VERIFY(guard.isNull());
    }

    void ownerDestroyedDuringRun_data()
    {
        QTest::addColumn<bool>("abandon");
        QTest::newRow("running") << false;
        QTest::newRow("abandoned") << true;
    }
    void ownerDestroyedDuringRun()
    {
        QFETCH(bool, abandon);
        QVERIFY(
            m_standin.inject("getShiftTime", {{"kind", "delay"}, {"delayMs", 1500}}).value("ok").toBool());
        auto *owner = new QObject;
        auto *executer = new TaskExecuter(owner);
        QVERIFY(executer->start(TaskType::GET_SHIFT_TIME));
        QTRY_COMPARE(loggedOperations(), QJsonArray{"getShiftTime"});
        if (abandon)
            executer->stop();
        delete owner;
        QCOMPARE(m_standin.lastRequest("getShiftTime").value("reply").toObject().value("status").toInt(),
                 200);
    }

    void outlookContacts_data()
    {
        QTest::addColumn<bool>("exporterPresent");
        QTest::newRow("exporter present") << true;
        QTest::newRow("no exporter") << false;
    }
    void outlookContacts()
    {
        QFETCH(bool, exporterPresent);
        const QString exporter = m_home.path() + QStringLiteral("/outlookcontacts");
        PlatformPaths::setContactsExporter(exporter);
        const auto usual = qScopeGuard([] { PlatformPaths::setContactsExporter({}); });
        QCOMPARE(SettingsStore::outlookExporterPath(), exporter);
        QFile::remove(exporter);
        if (exporterPresent)
            QVERIFY(QFile::copy(QStringLiteral(QELVOX_FAKE_EXPORTER), exporter) &&
                    QFile::setPermissions(exporter, QFile::ReadOwner | QFile::ExeOwner));
        SettingsStore &settings = SettingsStore::instance();
        settings.customerDirectory();
        QVERIFY(writeFile(settings.outlookCsvPath(), "Stale;+1;+2\r\n"));

        TaskExecuter executer;
        executer.currentTask = TaskItem(TaskType::IMPORT_OUTLOOK_CONTACTS, QVariant(0));
        QVERIFY(runTask(executer, TaskType::IMPORT_OUTLOOK_CONTACTS));

        QCOMPARE(executer.resultCode, TaskExecuter::noStatus);
        QCOMPARE(executer.csvPath, settings.outlookCsvPath());
        QCOMPARE(fileBytes(executer.csvPath), exporterPresent
                                                  ? QByteArray("Ann Example;+33140000001;+33600000001\r\n"
                                                               "Bob Example;+33140000002;\r\n")
                                                  : QByteArray());
        QCOMPARE(QFile::exists(executer.csvPath), exporterPresent);
        QCOMPARE(loggedOperations(), QJsonArray());
    }
};

QTEST_GUILESS_MAIN(TaskExecuterTest)
#include "tst_taskexecuter.moc"
