#pragma once

#include "TaskItem.h"

#include <QList>

class CacheDatabase;
class ObjectsRequest;

// The queue of pending tasks that the main window's pump runs one at a time. User tasks that change the
// account are persisted before they become visible in the queue. All queues share one process-wide list
// mutex, taken before the task sequence counter's, the cache database's and the settings store's.
// The queue never frees the records that task arguments point to.
class TaskQueue
{
public:
    explicit TaskQueue(CacheDatabase *database);

    // Persists the task unless noPersist is set (restored tasks are stored already), then appends it; the
    // queue owns the record from then on. A change query also marks a sync as pending. False when the task
    // could not be persisted: it is queued all the same, so that nothing is lost in this run.
    bool add(int type, const QVariant &argument, bool noPersist = false);
    bool isIdle() const;
    // The first task; on an empty list a new change query, which clears the pending sync.
    TaskItem takeNext();
    // Puts a failed task back and orders the whole queue (see TaskItem's order).
    void requeue(const TaskItem &item);
    // Empties the list; persisted rows and task directories stay.
    void clear();
    // Rewrites every reference to a record created offline (negative localId) in the queued tasks and
    // their rows, once the service has given the record its id.
    void replaceLocalId(int localId, int serviceId);
    // Appends the persisted tasks of the current customer; nothing is queued by this call.
    void restore(QList<TaskItem> &out);

private:
    bool replaceInTask(const TaskItem &item, int localId, int serviceId);
    bool replaceInObjects(const TaskItem &item, int taskId, ObjectsRequest &request, int localId,
                          int serviceId);

    CacheDatabase *database;
    QList<TaskItem> items;
    bool syncPending = false;
};
