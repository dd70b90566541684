#pragma once

#include "TaskItem.h"

#include <QList>
#include <QSet>

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
    // could not be persisted: it is queued all the same, so that nothing is lost in this run. Kinds that are
    // never persisted (the synchronisation's tasks, the Outlook import) are always added, so only callers of
    // the user's changes have a result to act on.
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
    // Rewrites every reference to a record created offline (negative localId) in the queued tasks, in the
    // tasks taken from the queue that the caller holds back (heldOutside, e.g. parked; never one a worker is
    // running), and in the rows of all of them, once the service has given the record its id. The records
    // in memory always change, so that this run sends the service's id. False when the rows could not
    // follow: the rewrite of the rows is then retried by retryPending(), and the record's own task
    // (ownerTaskId), whose rows a restart needs to make the record again while other rows still name it by
    // its local id, is not completed before.
    bool replaceLocalId(int localId, int serviceId, int ownerTaskId = 0,
                        const QList<TaskItem> &heldOutside = {});
    // Deletes the rows and the directory of a task that has been carried out. When they cannot be
    // deleted (or wait for a rewrite of the task's record, see replaceLocalId), retryPending() tries again
    // and the task is left out of every restore of this run for the same customer. False when not done yet.
    bool complete(int taskId);
    // Retries the row rewrites and completions that failed before; true when none is left. Only for the
    // customer whose cache they concern: for another, nothing is tried.
    bool retryPending();
    // While set, the tasks that change the account (those that are persisted) stay queued and are not
    // taken: the queue is idle when only they are left.
    void holdUserTasks(bool hold);
    // Whether the task that takeNext() would give now changes the account.
    bool nextIsUserTask() const;
    // The queued tasks that add() could not persist: they are lost if the program ends now.
    int unsavedCount() const;
    // Persists them now; true when none is left unsaved.
    bool saveUnsaved();
    // Appends the persisted tasks of the current customer, their records owned by the caller until it
    // adds them; nothing is queued by this call. Tasks this run has completed are left out, and the
    // service ids this run has learnt replace the local ids that their rows may still hold.
    void restore(QList<TaskItem> &out);

private:
    class IdRewrite;
    struct PendingRewrite
    {
        int localId;
        int serviceId;
        int ownerTaskId;
    };
    static void replaceInTask(const TaskItem &item, IdRewrite &rewrite);
    static void replaceInObjects(ObjectsRequest &request, IdRewrite &rewrite);
    bool isHeld(const TaskItem &item) const;
    // Whether the pending work concerns the cache that is open now; forgets it when another customer's is.
    bool pendingIsCurrent();
    bool waitsForRewrite(int taskId) const;

    CacheDatabase *database;
    QList<TaskItem> items;
    bool syncPending = false;
    bool userTasksHeld = false;
    // The sequence numbers of queued tasks that could not be persisted.
    QSet<int> unsaved;
    // Work of the GUI thread that failed on the cache of pendingCustomer; see retryPending().
    int pendingCustomer = 0;
    QList<PendingRewrite> pendingRewrites;
    // Carried out, their rows still there: never restored again while they are pending.
    QSet<int> pendingCompletions;
};
