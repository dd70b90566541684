#pragma once

#include "TaskItem.h"

#include <QList>

class CacheDatabase;
class ObjectsRequest;

// The queue of pending tasks that the main window's pump runs one at a time. User tasks that change the
// account are persisted before they become visible in the queue. All queues share one process-wide list
// mutex, taken before the task sequence counter's, the cache database's and the settings store's.
//
// The queue owns the records that its tasks' arguments point to, and it alone releases them: clear() and
// the destructor those of the tasks still queued, finish() that of a task taken with takeNext() once the
// pump is done with it.
class TaskQueue
{
public:
    explicit TaskQueue(CacheDatabase *database);
    ~TaskQueue();
    TaskQueue(const TaskQueue &) = delete;
    TaskQueue &operator=(const TaskQueue &) = delete;

    // Persists the task unless noPersist is set (restored tasks are stored already), then appends it; the
    // queue owns the record from then on. A change query also marks a sync as pending. False when the task
    // could not be persisted: it is queued all the same, so that nothing is lost in this run.
    bool add(int type, const QVariant &argument, bool noPersist = false);
    bool isIdle() const;
    // The first task; on an empty list a new change query, which clears the pending sync. The task's
    // record stays the queue's: hand the item back through requeue() or finish().
    TaskItem takeNext();
    // Puts a failed task back and orders the whole queue (see TaskItem's order).
    void requeue(const TaskItem &item);
    // Releases the record of a task taken with takeNext() that will not run again (done, or given up).
    void finish(const TaskItem &item);
    // Empties the list and releases the records of its tasks; persisted rows and task directories stay. A
    // task taken and not handed back yet is left alone: the worker may still be running it.
    void clear();
    // Rewrites every reference to a record created offline (negative localId) in the queued tasks and
    // their rows, once the service has given the record its id. False when a row could not be rewritten:
    // then neither the rows nor the records changed.
    bool replaceLocalId(int localId, int serviceId);
    // Appends the persisted tasks of the current customer, their records owned by the caller until it
    // adds them; nothing is queued by this call.
    void restore(QList<TaskItem> &out);

private:
    class IdRewrite;
    bool replaceInTask(const TaskItem &item, IdRewrite &rewrite);
    bool replaceInObjects(const TaskItem &item, int taskId, ObjectsRequest &request, IdRewrite &rewrite);

    CacheDatabase *database;
    QList<TaskItem> items;
    bool syncPending = false;
};
