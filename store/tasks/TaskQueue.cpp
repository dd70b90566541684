#include "TaskQueue.h"

#include "CacheDatabase.h"
#include "FileHelpers.h"
#include "LocalTaskReader.h"
#include "LocalTaskWriter.h"
#include "MoveToFolderRequest.h"
#include "QelFolderInfo.h"
#include "SettingsStore.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>

namespace {

// Guards the lists and sync flags of every queue.
QMutex taskListMutex;

// Rows first: a directory without rows is never restored, rows without their directory would be.
bool deleteCompletedTask(CacheDatabase &database, int taskId)
{
    return database.deleteTask(taskId) &&
           (!QFileInfo::exists(taskDirectoryPath(taskId)) || removeTaskDirectory(taskId));
}

} // namespace

// Replaces one local id, field by field.
class TaskQueue::IdRewrite
{
public:
    IdRewrite(int localId, int serviceId) : localId(localId), serviceId(serviceId) {}

    // True when the field held the local id and now holds the service's.
    bool replace(int &field)
    {
        if (field != localId)
            return false;
        field = serviceId;
        return true;
    }

    const int localId;
    const int serviceId;
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
    if (!persisted)
        unsaved.insert(items.last().sequence);
    return persisted;
}

bool TaskQueue::isHeld(const TaskItem &item) const
{
    const TaskKind *kind = TaskKind::of(item.type);
    return userTasksHeld && kind && kind->persistedName;
}

void TaskQueue::holdUserTasks(bool hold)
{
    QMutexLocker locker(&taskListMutex);
    userTasksHeld = hold;
}

bool TaskQueue::nextIsUserTask() const
{
    QMutexLocker locker(&taskListMutex);
    const auto next =
        std::find_if(items.cbegin(), items.cend(), [this](const TaskItem &item) { return !isHeld(item); });
    if (next == items.cend())
        return false;
    const TaskKind *kind = TaskKind::of(next->type);
    return kind && kind->persistedName;
}

int TaskQueue::unsavedCount() const
{
    QMutexLocker locker(&taskListMutex);
    return int(std::count_if(items.cbegin(), items.cend(),
                             [this](const TaskItem &item) { return unsaved.contains(item.sequence); }));
}

bool TaskQueue::saveUnsaved()
{
    QMutexLocker locker(&taskListMutex);
    QSet<int> left;
    for (const TaskItem &item : std::as_const(items)) {
        if (unsaved.contains(item.sequence) && !LocalTaskWriter(database, item.type, item.argument).save())
            left.insert(item.sequence);
    }
    // Tasks no longer queued (carried out, or released) need no saving any more.
    unsaved = left;
    return unsaved.isEmpty();
}

bool TaskQueue::isIdle() const
{
    QMutexLocker locker(&taskListMutex);
    return !syncPending && std::all_of(items.cbegin(), items.cend(), [this](const TaskItem &item) {
        return isHeld(item);
    });
}

TaskItem TaskQueue::takeNext()
{
    QMutexLocker locker(&taskListMutex);
    const auto next = std::find_if(items.begin(), items.end(), [this](const TaskItem &item) {
        return !isHeld(item);
    });
    if (next == items.end()) {
        syncPending = false;
        return TaskItem(TaskType::GET_MODIFIED_OBJECTS, QVariant(0));
    }
    const TaskItem item = *next;
    items.erase(next);
    return item;
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
        unsaved.clear();
    }
    for (const TaskItem &item : std::as_const(released))
        releaseTaskArgument(item.type, item.argument);
}

void TaskQueue::restore(QList<TaskItem> &out)
{
    QSet<int> skipped;
    QList<PendingRewrite> rewrites;
    {
        QMutexLocker locker(&taskListMutex);
        if (pendingIsCurrent()) {
            skipped = pendingCompletions;
            rewrites = pendingRewrites;
        }
    }
    const qsizetype first = out.size();
    LocalTaskReader(database, &out, skipped).loadAll();
    for (const PendingRewrite &pending : std::as_const(rewrites)) {
        IdRewrite rewrite(pending.localId, pending.serviceId);
        for (qsizetype i = first; i < out.size(); ++i)
            replaceInTask(out.at(i), rewrite);
    }
}

bool TaskQueue::pendingIsCurrent()
{
    if (pendingCustomer == SettingsStore::instance().customerId())
        return true;
    // That customer's cache is closed; what failed on it will be restored from its rows at its next log-in.
    pendingRewrites.clear();
    pendingCompletions.clear();
    pendingCustomer = 0;
    return false;
}

bool TaskQueue::replaceLocalId(int localId, int serviceId, int ownerTaskId,
                               const QList<TaskItem> &heldOutside)
{
    QMutexLocker locker(&taskListMutex);
    IdRewrite rewrite(localId, serviceId);
    for (const QList<TaskItem> *tasks : {&std::as_const(items), &heldOutside}) {
        for (const TaskItem &item : *tasks)
            replaceInTask(item, rewrite);
    }
    if (database->rewriteTaskReferences(localId, serviceId))
        return true;
    pendingIsCurrent();
    pendingCustomer = SettingsStore::instance().customerId();
    pendingRewrites.append({localId, serviceId, ownerTaskId});
    return false;
}

bool TaskQueue::waitsForRewrite(int taskId) const
{
    return std::any_of(pendingRewrites.cbegin(), pendingRewrites.cend(),
                       [taskId](const PendingRewrite &pending) { return pending.ownerTaskId == taskId; });
}

bool TaskQueue::complete(int taskId)
{
    QMutexLocker locker(&taskListMutex);
    // What failed on another customer's cache is forgotten first.
    pendingIsCurrent();
    if (!waitsForRewrite(taskId) && deleteCompletedTask(*database, taskId))
        return true;
    pendingCustomer = SettingsStore::instance().customerId();
    pendingCompletions.insert(taskId);
    return false;
}

bool TaskQueue::retryPending()
{
    QMutexLocker locker(&taskListMutex);
    if (!pendingIsCurrent())
        return true;
    for (auto pending = pendingRewrites.begin(); pending != pendingRewrites.end();) {
        if (database->rewriteTaskReferences(pending->localId, pending->serviceId))
            pending = pendingRewrites.erase(pending);
        else
            ++pending;
    }
    for (auto taskId = pendingCompletions.begin(); taskId != pendingCompletions.end();) {
        if (!waitsForRewrite(*taskId) && deleteCompletedTask(*database, *taskId))
            taskId = pendingCompletions.erase(taskId);
        else
            ++taskId;
    }
    return pendingRewrites.isEmpty() && pendingCompletions.isEmpty();
}

void TaskQueue::replaceInObjects(ObjectsRequest &request, IdRewrite &rewrite)
{
    for (QList<int> &ids : request.objects) {
        for (int &id : ids)
            rewrite.replace(id);
    }
}

void TaskQueue::replaceInTask(const TaskItem &item, IdRewrite &rewrite)
{
    const TaskKind *kind = TaskKind::of(item.type);
    // Only persisted tasks are queued with a record that refers to other records.
    if (!kind || !kind->persistedName || !holdsRecord(item.argument))
        return;
    // A record created offline that gets its service id is no longer local.
    const auto replaceOwnId = [&](BaseObject &record, qtLocalID &local) {
        if (rewrite.replace(record.id))
            local.localid = 0;
    };
    switch (kind->argument) {
    case TaskArgument::ContactGroup: {
        auto *group = recordFromVariant<qtContactGroupInfo>(item.argument);
        replaceOwnId(*group, *group);
        break;
    }
    case TaskArgument::Folder: {
        auto *folder = recordFromVariant<QelFolderInfo>(item.argument);
        replaceOwnId(*folder, *folder);
        break;
    }
    case TaskArgument::Contact: {
        auto *contact = recordFromVariant<qtContactInfo>(item.argument);
        replaceOwnId(*contact, *contact);
        rewrite.replace(contact->groupid);
        break;
    }
    case TaskArgument::Objects:
        replaceInObjects(*recordFromVariant<ObjectsRequest>(item.argument), rewrite);
        break;
    case TaskArgument::Move: {
        auto *move = recordFromVariant<MoveToFolderRequest>(item.argument);
        rewrite.replace(move->from_folderid);
        rewrite.replace(move->to_folderid);
        if (move->objects)
            replaceInObjects(*move->objects, rewrite);
        break;
    }
    default:
        break;
    }
}
