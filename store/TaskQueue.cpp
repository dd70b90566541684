#include "TaskQueue.h"

#include "CacheDatabase.h"
#include "LocalTaskReader.h"
#include "LocalTaskWriter.h"
#include "MoveToFolderRequest.h"
#include "QelFolderInfo.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Guards the lists and sync flags of every queue.
QMutex taskListMutex;

} // namespace

// Replaces one local id field by field and keeps the values it replaced, so that the records can be put
// back as they were when the rows could not follow.
class TaskQueue::IdRewrite
{
public:
    IdRewrite(int localId, int serviceId) : localId(localId), serviceId(serviceId) {}

    // True when the field held the local id and now holds the service's.
    bool replace(int &field)
    {
        if (field != localId)
            return false;
        set(field, serviceId);
        return true;
    }
    void set(int &field, int value)
    {
        replaced.emplace_back(&field, field);
        field = value;
    }
    void undo()
    {
        for (auto it = replaced.rbegin(); it != replaced.rend(); ++it)
            *it->first = it->second;
        replaced.clear();
    }

    const int localId;
    const int serviceId;

private:
    std::vector<std::pair<int *, int>> replaced;
};

TaskQueue::TaskQueue(CacheDatabase *database) : database(database) {}

TaskQueue::~TaskQueue()
{
    clear();
}

bool TaskQueue::add(int type, const QVariant &argument, bool noPersist)
{
    QMutexLocker locker(&taskListMutex);
    bool persisted = true;
    if (type == TaskType::GET_MODIFIED_OBJECTS)
        syncPending = true;
    else if (!noPersist)
        persisted = LocalTaskWriter(database, type, argument).save();
    items.append(TaskItem(type, argument));
    return persisted;
}

bool TaskQueue::isIdle() const
{
    QMutexLocker locker(&taskListMutex);
    return !syncPending && items.isEmpty();
}

TaskItem TaskQueue::takeNext()
{
    QMutexLocker locker(&taskListMutex);
    if (items.isEmpty()) {
        syncPending = false;
        return TaskItem(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    }
    return items.takeFirst();
}

void TaskQueue::requeue(const TaskItem &item)
{
    QMutexLocker locker(&taskListMutex);
    items.prepend(item);
    std::sort(items.begin(), items.end());
}

void TaskQueue::finish(const TaskItem &item)
{
    releaseTaskArgument(item.type, item.argument);
}

void TaskQueue::clear()
{
    QList<TaskItem> released;
    {
        QMutexLocker locker(&taskListMutex);
        released.swap(items);
        syncPending = false;
    }
    for (const TaskItem &item : std::as_const(released))
        releaseTaskArgument(item.type, item.argument);
}

void TaskQueue::restore(QList<TaskItem> &out)
{
    LocalTaskReader(database, &out).loadAll();
}

bool TaskQueue::replaceLocalId(int localId, int serviceId)
{
    QMutexLocker locker(&taskListMutex);
    // Records and rows change together or not at all: tasks restored after a restart must send what the
    // queued ones of this run send.
    if (!database->beginTransaction())
        return false;
    IdRewrite rewrite(localId, serviceId);
    bool rewritten = true;
    for (const TaskItem &item : std::as_const(items))
        rewritten = replaceInTask(item, rewrite) && rewritten;
    if (rewritten && database->commitTransaction())
        return true;
    database->rollbackTransaction();
    rewrite.undo();
    return false;
}

bool TaskQueue::replaceInObjects(const TaskItem &item, int taskId, ObjectsRequest &request,
                                 IdRewrite &rewrite)
{
    bool found = false;
    for (QList<int> &ids : request.objects) {
        for (int &id : ids)
            found = rewrite.replace(id) || found;
    }
    // The map keeps its shape, so writing it again replaces exactly the rows that it wrote before.
    return !found || LocalTaskWriter(database, item.type, item.argument).saveObjects(taskId, request);
}

bool TaskQueue::replaceInTask(const TaskItem &item, IdRewrite &rewrite)
{
    const TaskKind *kind = TaskKind::of(item.type);
    // Only persisted tasks are queued with a record that refers to other records.
    if (!kind || !kind->persistedName || !holdsRecord(item.argument))
        return true;
    const auto write = [&](int taskId, const char *name, int value) {
        return database->setTaskParam(taskId, QString::fromLatin1(name), value);
    };
    const auto replaceField = [&](int taskId, const char *name, int &field) {
        return !rewrite.replace(field) || write(taskId, name, rewrite.serviceId);
    };
    // A record created offline that gets its service id is no longer local.
    const auto replaceOwnId = [&](BaseObject &record, qtLocalTaskBase &task, qtLocalID &local) {
        if (!rewrite.replace(record.id))
            return true;
        rewrite.set(local.localid, 0);
        return write(task.taskid, "id", rewrite.serviceId) && write(task.taskid, "localid", 0);
    };

    switch (kind->argument) {
    case TaskArgument::ContactGroup: {
        auto *group = recordFromVariant<qtContactGroupInfo>(item.argument);
        return replaceOwnId(*group, *group, *group);
    }
    case TaskArgument::Folder: {
        auto *folder = recordFromVariant<QelFolderInfo>(item.argument);
        return replaceOwnId(*folder, *folder, *folder);
    }
    case TaskArgument::Contact: {
        auto *contact = recordFromVariant<qtContactInfo>(item.argument);
        const bool own = replaceOwnId(*contact, *contact, *contact);
        return replaceField(contact->taskid, "groupid", contact->groupid) && own;
    }
    case TaskArgument::Objects: {
        auto *request = recordFromVariant<ObjectsRequest>(item.argument);
        return replaceInObjects(item, request->taskid, *request, rewrite);
    }
    case TaskArgument::Move: {
        auto *move = recordFromVariant<MoveToFolderRequest>(item.argument);
        const bool from = replaceField(move->taskid, "from_folderid", move->from_folderid);
        const bool to = replaceField(move->taskid, "to_folderid", move->to_folderid);
        return from && to &&
               (!move->objects || replaceInObjects(item, move->taskid, *move->objects, rewrite));
    }
    default:
        return true;
    }
}
