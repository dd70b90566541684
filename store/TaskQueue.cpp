#include "TaskQueue.h"

#include "CacheDatabase.h"
#include "LocalTaskReader.h"
#include "LocalTaskWriter.h"
#include "MoveToFolderRequest.h"
#include "QelFolderInfo.h"
#include "RecordVariant.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QMutex>
#include <QMutexLocker>
#include <algorithm>

namespace {

// Guards the lists and sync flags of every queue.
QMutex taskListMutex;

// Replaces a local id in one field; true when it did.
bool replace(int &field, int localId, int serviceId)
{
    if (field != localId)
        return false;
    field = serviceId;
    return true;
}

} // namespace

TaskQueue::TaskQueue(CacheDatabase *database) : database(database) {}

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

void TaskQueue::clear()
{
    QMutexLocker locker(&taskListMutex);
    items.clear();
    syncPending = false;
}

void TaskQueue::restore(QList<TaskItem> &out)
{
    LocalTaskReader(database, &out).loadAll();
}

void TaskQueue::replaceLocalId(int localId, int serviceId)
{
    QMutexLocker locker(&taskListMutex);
    // One unit, so that no task is left half rewritten.
    const bool transaction = database->beginTransaction();
    bool rewritten = true;
    for (const TaskItem &item : std::as_const(items))
        rewritten = replaceInTask(item, localId, serviceId) && rewritten;
    if (!transaction)
        return;
    if (!rewritten || !database->commitTransaction())
        database->rollbackTransaction();
}

bool TaskQueue::replaceInObjects(const TaskItem &item, int taskId, ObjectsRequest &request, int localId,
                                 int serviceId)
{
    bool found = false;
    for (QList<int> &ids : request.objects) {
        for (int &id : ids)
            found = replace(id, localId, serviceId) || found;
    }
    // The map keeps its shape, so writing it again replaces exactly the rows that it wrote before.
    return !found || LocalTaskWriter(database, item.type, item.argument).saveObjects(taskId, request);
}

bool TaskQueue::replaceInTask(const TaskItem &item, int localId, int serviceId)
{
    const auto write = [&](int taskId, const char *name, int value) {
        return database->setTaskParam(taskId, QString::fromLatin1(name), value);
    };
    // A record created offline that gets its service id is no longer local.
    const auto replaceOwnId = [&](BaseObject &record, qtLocalTaskBase &task, qtLocalID &local) {
        if (!replace(record.id, localId, serviceId))
            return true;
        local.localid = 0;
        return write(task.taskid, "id", serviceId) && write(task.taskid, "localid", 0);
    };

    switch (item.type) {
    case TaskType::CHANGE_GROUP: {
        auto *group = recordFromVariant<qtContactGroupInfo>(item.argument);
        return !group || replaceOwnId(*group, *group, *group);
    }
    case TaskType::CHANGE_FOLDER: {
        auto *folder = recordFromVariant<QelFolderInfo>(item.argument);
        return !folder || replaceOwnId(*folder, *folder, *folder);
    }
    case TaskType::CHANGE_CONTACT: {
        auto *contact = recordFromVariant<qtContactInfo>(item.argument);
        if (!contact)
            return true;
        const bool own = replaceOwnId(*contact, *contact, *contact);
        const bool group =
            !replace(contact->groupid, localId, serviceId) || write(contact->taskid, "groupid", serviceId);
        return own && group;
    }
    case TaskType::DELETE_OBJECT:
    case TaskType::MARK_READ:
    case TaskType::MARK_UNREAD: {
        auto *request = recordFromVariant<ObjectsRequest>(item.argument);
        return !request || replaceInObjects(item, request->taskid, *request, localId, serviceId);
    }
    case TaskType::MOVE_TO_FOLDER: {
        auto *move = recordFromVariant<MoveToFolderRequest>(item.argument);
        if (!move)
            return true;
        const bool from = !replace(move->from_folderid, localId, serviceId) ||
                          write(move->taskid, "from_folderid", serviceId);
        const bool to =
            !replace(move->to_folderid, localId, serviceId) || write(move->taskid, "to_folderid", serviceId);
        return from && to &&
               (!move->objects || replaceInObjects(item, move->taskid, *move->objects, localId, serviceId));
    }
    default:
        return true;
    }
}
