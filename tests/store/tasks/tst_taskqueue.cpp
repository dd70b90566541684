#include "CacheFixture.h"
#include "FileHelpers.h"
#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "QelFolderInfo.h"
#include "QelvoxTestCase.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "TaskKind.h"
#include "TaskQueue.h"
#include "TaskText.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QDir>
#include <QTest>
#include <memory>

namespace {

// The next n items, as (type, sequence) pairs.
QList<QPair<int, int>> take(TaskQueue &queue, int n)
{
    QList<QPair<int, int>> taken;
    while (n-- > 0) {
        const TaskItem item = queue.takeNext();
        taken << qMakePair(item.type, item.sequence);
    }
    return taken;
}

QList<int> types(const QList<QPair<int, int>> &items)
{
    QList<int> result;
    for (const auto &item : items)
        result << item.first;
    return result;
}

// How many watched records were made and how many of them were released.
struct Watch
{
    int made = 0;
    int released = 0;
};

// A local record that says when it is released.
template <typename Record> class Watched : public Record
{
public:
    explicit Watched(Watch *watch) : Record(0, 0), watch(watch) { ++watch->made; }
    ~Watched() override { ++watch->released; }

private:
    Watch *watch;
};

// A record of the kind's class; a watched one where the class has a virtual destructor.
QVariant recordOf(TaskArgument argument, Watch *watch)
{
    switch (argument) {
    case TaskArgument::SendSms:
        return recordToVariant(new SendSmsRequest);
    case TaskArgument::SendFax: {
        auto *fax = new SendFaxRequest;
        fax->attachments << new AttachmentInfo{"a.pdf", "QUJD"};
        return recordToVariant(fax);
    }
    case TaskArgument::Forward:
        return recordToVariant(new ForwardEntry(1, 2, QString()));
    case TaskArgument::Objects:
        return recordToVariant(new ObjectsRequest);
    case TaskArgument::Move: {
        auto *move = new MoveToFolderRequest;
        move->objects = new ObjectsRequest;
        return recordToVariant(move);
    }
    case TaskArgument::ObjectRefs:
        return recordToVariant(new QList<ObjectRef>{ObjectRef(1, 2)});
    case TaskArgument::ContactGroup:
        return recordToVariant(new Watched<qtContactGroupInfo>(watch));
    case TaskArgument::Contact:
        return recordToVariant(new Watched<qtContactInfo>(watch));
    case TaskArgument::Folder:
        return recordToVariant(new Watched<QelFolderInfo>(watch));
    case TaskArgument::FaxReceived:
        return recordToVariant(new Watched<qtFAXReceivedInfo>(watch));
    case TaskArgument::VoiceReceived:
        return recordToVariant(new Watched<qtVOICEReceivedInfo>(watch));
    case TaskArgument::SmsSent:
        return recordToVariant(new Watched<qtSMSSentInfo>(watch));
    case TaskArgument::FaxSent:
        return recordToVariant(new Watched<qtFAXSentInfo>(watch));
    default:
        return QVariant(0);
    }
}

// Every reference to the offline-created record -1003 that a queued task can hold, and one to -1004.
QList<QPair<int, QVariant>> referencesToLocal()
{
    const int local = -1003;
    auto *group = new qtContactGroupInfo(local, 0);
    group->localid = 1003;
    auto *member = new qtContactInfo(20, 0);
    member->groupid = local;
    auto *offlineContact = new qtContactInfo(local, 0);
    offlineContact->localid = 1003;
    auto *folder = new QelFolderInfo(local, 0);
    folder->localid = 1003;
    auto *otherFolder = new QelFolderInfo(-1004, 0);
    otherFolder->localid = 1004;
    auto *deletion = new ObjectsRequest;
    deletion->objects = {{5, {local, 8}}, {6, {9}}};
    auto *marks = new ObjectsRequest;
    marks->objects = {{6, {local}}};
    auto *move = new MoveToFolderRequest;
    move->from_folderid = local;
    move->to_folderid = local;
    move->objects = new ObjectsRequest;
    move->objects->objects = {{1, {3}}, {7, {local}}};
    return {
        {TaskType::CHANGE_GROUP, recordToVariant(group)},
        {TaskType::CHANGE_CONTACT, recordToVariant(member)},
        {TaskType::CHANGE_CONTACT, recordToVariant(offlineContact)},
        {TaskType::CHANGE_FOLDER, recordToVariant(folder)},
        {TaskType::CHANGE_FOLDER, recordToVariant(otherFolder)},
        {TaskType::DELETE_OBJECT, recordToVariant(deletion)},
        {TaskType::MARK_UNREAD, recordToVariant(marks)},
        {TaskType::MOVE_TO_FOLDER, recordToVariant(move)},
        {TaskType::SEND_FAX, QVariant(0)},
    };
}

} // namespace

class TaskQueueTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override;
    void tearDown() override;

private slots:

    void scriptedSequence();
    void replaceLocalIdRewritesEveryReference();
    void failedRewriteIsRetriedBeforeItsCreationCompletes();
    void failedWritesNeverRepeatATask();
    void heldUserTasksWait();
    void queueReleasesWhatItHolds();

private:
    void add(int type, const QVariant &argument)
    {
        queue->add(type, argument);
        added << TaskItem(0, type, argument);
    }
    // The queued tasks in memory and, as a restart would restore them, from their rows.
    QStringList inMemory() const
    {
        QStringList texts;
        for (const TaskItem &item : added)
            texts << taskText(item.type, item.argument);
        return texts;
    }
    QStringList fromRows()
    {
        QList<TaskItem> restored;
        queue->restore(restored);
        QStringList texts;
        for (const TaskItem &item : restored) {
            texts << taskText(item.type, item.argument);
            releaseTaskArgument(item.type, item.argument);
        }
        return texts;
    }

    std::unique_ptr<CacheFixture> fixture;
    std::unique_ptr<TaskQueue> queue;
    // What was added to the queue, which owns the records.
    QList<TaskItem> added;
};

void TaskQueueTest::setUp()
{
    fixture = std::make_unique<CacheFixture>();
    QVERIFY(fixture->opened);
    queue = std::make_unique<TaskQueue>(fixture->cache.get());
}

void TaskQueueTest::tearDown()
{
    added.clear();
    queue.reset();
    fixture.reset();
}

void TaskQueueTest::scriptedSequence()
{
    // Nothing asked for: idle, and a dry queue still hands out a change query.
    QVERIFY(queue->isIdle());
    const TaskItem unasked = queue->takeNext();
    QCOMPARE(unasked.type, int(TaskType::GET_MODIFIED_OBJECTS));
    QVERIFY(queue->isIdle());

    // An asked change query keeps the queue busy until one more has run on the empty list.
    queue->add(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    QVERIFY(!queue->isIdle());
    const TaskItem asked = queue->takeNext();
    QCOMPARE(asked.type, int(TaskType::GET_MODIFIED_OBJECTS));
    QVERIFY(asked.sequence > unasked.sequence);
    QVERIFY(!queue->isIdle());
    const TaskItem dry = queue->takeNext();
    QCOMPARE(dry.type, int(TaskType::GET_MODIFIED_OBJECTS));
    QCOMPARE(dry.argument, QVariant(0));
    QVERIFY(dry.sequence > asked.sequence);
    QVERIFY(queue->isIdle());

    queue->add(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    queue->add(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    QCOMPARE(types(take(*queue, 3)), (QList<int>{25, 25, 25}));
    QVERIFY(queue->isIdle());
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask"), QStringList{"0"});

    // A send restored at log-in is stored already: adding it again writes nothing.
    auto *request = new SendFaxRequest;
    request->taskid = 1000;
    queue->add(TaskType::SEND_FAX, recordToVariant(request), true);
    const TaskItem restoredFax = queue->takeNext();
    QCOMPARE(restoredFax.argument, recordToVariant(request));
    queue->finish(restoredFax);
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask"), QStringList{"0"});
    QVERIFY(!QDir(taskDirectoryPath(1000)).exists());

    // After a failure the queue is ordered by type, then by age...
    const int s = queue->takeNext().sequence;
    for (const auto &[type, sequence] : QList<QPair<int, int>>{{25, 41}, {7, 45}, {3, 42}})
        queue->requeue(TaskItem(s + sequence, type, QVariant(0)));
    queue->requeue(TaskItem(s + 40, 7, QVariant(0)));
    QCOMPARE(take(*queue, 4), (QList<QPair<int, int>>{{3, s + 42}, {7, s + 40}, {7, s + 45}, {25, s + 41}}));

    // ...but the account changes keep the order in which the user made them: "mark unread, then mark
    // read" stays unread, and the move into a folder runs before the folder's deletion.
    const TaskItem failedFax(TaskType::SEND_FAX, QVariant(0));
    for (int type :
         {TaskType::MARK_UNREAD, TaskType::MARK_READ, TaskType::MOVE_TO_FOLDER, TaskType::DELETE_OBJECT})
        queue->add(type, QVariant(0), true);
    queue->add(TaskType::GET_SHIFT_TIME, QVariant(0));
    QCOMPARE(queue->takeNext().type, int(TaskType::MARK_UNREAD));
    queue->requeue(failedFax);
    QCOMPARE(types(take(*queue, 5)), (QList<int>{3, 7, 13, 16, 12}));
    // Items added after a re-sort go to the end.
    queue->requeue(TaskItem(TaskType::CHANGE_FOLDER, QVariant(0)));
    queue->add(TaskType::GET_SHIFT_TIME, QVariant(0));
    QCOMPARE(types(take(*queue, 2)), (QList<int>{15, 3}));

    // Clearing (at log-out) forgets the queue, not the persisted tasks.
    auto *folder = new QelFolderInfo(-1000, 0);
    folder->localid = 1000;
    add(TaskType::CHANGE_FOLDER, recordToVariant(folder));
    queue->add(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    QVERIFY(!queue->isIdle());
    queue->clear();
    QVERIFY(queue->isIdle());
    QCOMPARE(fixture->rows("SELECT value FROM localtask WHERE parameter='OBJECT_TYPE'"),
             QStringList{"CHANGE_FOLDER"});
}

void TaskQueueTest::replaceLocalIdRewritesEveryReference()
{
    for (const auto &[type, argument] : referencesToLocal())
        add(type, argument);
    // Taken and held back by the caller (refused tasks wait outside the queue): rewritten all the same.
    QList<TaskItem> heldOutside;
    for (int i = 0; i < 4; ++i)
        heldOutside << queue->takeNext();

    QVERIFY(queue->replaceLocalId(-1003, 77, 0, heldOutside));

    const QStringList expected{
        "type 10: type=5 id=77 taskid=1000 localid=0 status=0 name=''",
        "type 11: type=6 id=20 groupid=77 name='' number='' gsmnumber='' taskid=1001 localid=0 status=0",
        "type 11: type=6 id=77 groupid=0 name='' number='' gsmnumber='' taskid=1002 localid=0 status=0",
        "type 15: type=7 id=77 taskid=1003 localid=0 status=0 foldertype=0 name=''",
        "type 15: type=7 id=-1004 taskid=1004 localid=1004 status=0 foldertype=0 name=''",
        "type 12: taskid=1005 objects={5:[77,8] 6:[9]}",
        "type 14: taskid=1006 objects={6:[77]}",
        "type 16: taskid=1007 from=77 to=77 objects=(taskid=0 objects={1:[3] 7:[77]})",
        "type 7: 0",
    };
    QCOMPARE(inMemory(), expected);
    // The rows say the same: a restart restores the rewritten tasks.
    QCOMPARE(fromRows(), expected.mid(0, 8));
    for (const TaskItem &item : std::as_const(heldOutside))
        queue->finish(item);
}

void TaskQueueTest::failedRewriteIsRetriedBeforeItsCreationCompletes()
{
    for (const auto &[type, argument] : referencesToLocal())
        add(type, argument);
    const QStringList before = inMemory();
    const QString references("SELECT count(*) FROM localtask WHERE value='-1003'");
    QCOMPARE(fixture->rows(references), QStringList{"9"});
    QVERIFY(fixture->execute("CREATE TRIGGER full BEFORE UPDATE ON localtask "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));

    // The group 1000 was created as -1003; the other tasks name it.
    QVERIFY(!queue->replaceLocalId(-1003, 77, 1000));
    QVERIFY(!queue->complete(1000));

    // This run sends the service's id; the rows keep the creation, so that a restart makes the group
    // again for the tasks that still name it by its local id.
    const QStringList rewritten = inMemory();
    QVERIFY(rewritten != before);
    QCOMPARE(fixture->rows(references), QStringList{"9"});
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask WHERE id=1000"), QStringList{"6"});
    // A log-in again in this run restores what this run knows: no second creation, the service's id.
    QCOMPARE(fromRows(), rewritten.mid(1, 7));

    QVERIFY(!queue->retryPending());
    QVERIFY(fixture->execute("DROP TRIGGER full"));
    QVERIFY(queue->retryPending());
    QCOMPARE(fixture->rows(references), QStringList{"0"});
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask WHERE id=1000"), QStringList{"0"});
    QCOMPARE(fromRows(), rewritten.mid(1, 7));
}

void TaskQueueTest::failedWritesNeverRepeatATask()
{
    const auto group = [](const char *name) {
        auto *record = new qtContactGroupInfo(20, 0);
        record->name = name;
        return recordToVariant(record);
    };
    // A task whose rows could not be stored keeps its id to itself.
    QVERIFY(fixture->execute("CREATE TRIGGER full BEFORE INSERT ON localtask "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const QVariant unsaved = group("unsaved");
    QVERIFY(!queue->add(TaskType::CHANGE_GROUP, unsaved));
    QVERIFY(fixture->execute("DROP TRIGGER full"));
    add(TaskType::CHANGE_GROUP, group("saved"));
    add(TaskType::CHANGE_GROUP, group("done"));
    const int unsavedId = recordFromVariant<qtContactGroupInfo>(unsaved)->taskid;
    QCOMPARE(fixture->rows("SELECT DISTINCT id FROM localtask ORDER BY id"),
             (QStringList{QString::number(unsavedId + 1), QString::number(unsavedId + 2)}));
    // Its completion deletes nothing of the others.
    QVERIFY(queue->complete(unsavedId));
    QCOMPARE(fixture->rows("SELECT count(DISTINCT id) FROM localtask"), QStringList{"2"});

    // A completion that cannot be recorded is tried again, and its task is never restored meanwhile.
    QVERIFY(fixture->execute("CREATE TRIGGER locked BEFORE DELETE ON localtask "
                             "BEGIN SELECT RAISE(ABORT, 'read-only'); END"));
    QVERIFY(!queue->complete(unsavedId + 2));
    QCOMPARE(fromRows(), QStringList{inMemory().at(0)});
    QVERIFY(!queue->retryPending());
    QVERIFY(fixture->execute("DROP TRIGGER locked"));
    QVERIFY(queue->retryPending());
    QCOMPARE(fixture->rows("SELECT DISTINCT id FROM localtask"), QStringList{QString::number(unsavedId + 1)});
}

void TaskQueueTest::heldUserTasksWait()
{
    queue->add(TaskType::DELETE_OBJECT, QVariant(0), true);
    queue->add(TaskType::GET_SHIFT_TIME, QVariant(0));
    queue->holdUserTasks(true);
    QCOMPARE(queue->takeNext().type, int(TaskType::GET_SHIFT_TIME));
    QVERIFY(queue->isIdle());
    queue->holdUserTasks(false);
    QVERIFY(!queue->isIdle());
    QCOMPARE(queue->takeNext().type, int(TaskType::DELETE_OBJECT));
}

void TaskQueueTest::queueReleasesWhatItHolds()
{
    // Local records (those with a virtual destructor) are watched; the sanitizer build's leak check covers
    // every kind.
    const auto fill = [](TaskQueue &target, Watch *watch) {
        for (int type = 0; type < TaskKind::count(); ++type)
            target.add(type, recordOf(TaskKind::of(type)->argument, watch), true);
    };

    Watch cleared;
    fill(*queue, &cleared);
    queue->clear();
    QVERIFY(cleared.made > 0);
    QCOMPARE(cleared.released, cleared.made);
    QVERIFY(queue->isIdle());

    // What the pump takes comes back through finish() or requeue(); what is still queued goes with the
    // queue.
    Watch destroyed;
    {
        TaskQueue other(fixture->cache.get());
        fill(other, &destroyed);
        TaskItem item = other.takeNext();
        for (; item.type != TaskType::CHANGE_GROUP; item = other.takeNext())
            other.finish(item);
        other.requeue(item);
    }
    QCOMPARE(destroyed.released, destroyed.made);
}

QTEST_GUILESS_MAIN(TaskQueueTest)
#include "tst_taskqueue.moc"
