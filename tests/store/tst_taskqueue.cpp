#include "CacheFixture.h"
#include "MoveToFolderRequest.h"
#include "QelFolderInfo.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "TaskQueue.h"
#include "TaskText.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

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

} // namespace

class TaskQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scriptedSequence();
    void replaceLocalIdRewritesEveryReference();

private:
    void add(int type, const QVariant &argument)
    {
        queue->add(type, argument);
        owned << TaskItem(0, type, argument);
    }

    std::unique_ptr<CacheFixture> fixture;
    std::unique_ptr<TaskQueue> queue;
    QList<TaskItem> owned;
};

void TaskQueueTest::init()
{
    fixture = std::make_unique<CacheFixture>();
    QVERIFY(fixture->opened);
    queue = std::make_unique<TaskQueue>(fixture->cache.get());
}

void TaskQueueTest::cleanup()
{
    for (const TaskItem &item : std::as_const(owned))
        deleteTaskArgument(item.type, item.argument);
    owned.clear();
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
    owned << TaskItem(0, TaskType::SEND_FAX, recordToVariant(request));
    queue->add(TaskType::SEND_FAX, recordToVariant(request), true);
    QCOMPARE(queue->takeNext().argument, recordToVariant(request));
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask"), QStringList{"0"});
    QVERIFY(!QDir(SettingsStore::instance().customerDirectory() + "/Task-1000").exists());

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

    for (const auto &[type, argument] : QList<QPair<int, QVariant>>{
             {TaskType::CHANGE_GROUP, recordToVariant(group)},
             {TaskType::CHANGE_CONTACT, recordToVariant(member)},
             {TaskType::CHANGE_CONTACT, recordToVariant(offlineContact)},
             {TaskType::CHANGE_FOLDER, recordToVariant(folder)},
             {TaskType::CHANGE_FOLDER, recordToVariant(otherFolder)},
             {TaskType::DELETE_OBJECT, recordToVariant(deletion)},
             {TaskType::MARK_UNREAD, recordToVariant(marks)},
             {TaskType::MOVE_TO_FOLDER, recordToVariant(move)},
             {TaskType::SEND_FAX, QVariant(0)},
         })
        add(type, argument);

    queue->replaceLocalId(local, 77);

    QStringList inMemory;
    for (const TaskItem &item : std::as_const(owned))
        inMemory << taskText(item.type, item.argument);
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
    QCOMPARE(inMemory, expected);

    // The rows say the same: a restart restores the rewritten tasks.
    QList<TaskItem> restored;
    queue->restore(restored);
    QStringList fromRows;
    for (const TaskItem &item : restored) {
        fromRows << taskText(item.type, item.argument);
        deleteTaskArgument(item.type, item.argument);
    }
    QCOMPARE(fromRows, expected.mid(0, 8));
}

QTEST_GUILESS_MAIN(TaskQueueTest)
#include "tst_taskqueue.moc"
