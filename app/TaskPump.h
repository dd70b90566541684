#pragma once

#include "FetchRefusals.h"
#include "TaskItem.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class TaskExecuter;
class TaskQueue;
struct TaskOutcome;

// Runs the queued tasks one at a time on its worker: takes the next one, judges its result, hands a success
// to the applier and retries, parks or drops what failed. Owns the worker, the pump's timer, the timer of
// the synchronisation cycle, the tasks parked until the cycle's end and the count of refused fetches. GUI
// thread only.
class TaskPump : public QObject
{
    Q_OBJECT

public:
    // Applies a successful task's outcome; false when the cache could not record it, which makes the task
    // come back after the back-off.
    using Applier = std::function<bool(TaskOutcome &)>;

    // The queue outlives the pump. remember keeps the objects whose fetch the service refuses for good.
    TaskPump(TaskQueue &tasks, Applier apply, FetchRefusals::Remember remember, QObject *parent = nullptr);

    // At log-in: the first task and the first change query after their start-up delays.
    void startSession();
    // Stops both timers, waits (bounded by the service's time-outs) for a task still running and applies
    // its result to the session still open, then lets go of the parked tasks.
    void endSession();

    // Takes the next task and starts it, or polls again later when there is none.
    void startNext();
    // The worker's run has ended: its result is judged and applied, or the task retried.
    void endTask();
    // Queues a change query at once while somebody is logged in; the cycle's timer waits for its end.
    void syncNow();
    // The cycle has ended: the parked tasks come back and the next cycle is timed.
    void endCycle();
    // The way to the service may have changed (new connection settings): the parked tasks come back and the
    // next task runs at once, without waiting out a back-off.
    void retryNow();
    // Queues a fetch of objects whose fetch the service refused for good before; see FetchRefusals.
    void askAgain(const QList<ObjectRef> &objects) { m_fetchRefusals.askAgain(objects); }
    // A record created offline has its service id: the queued and the parked tasks name it by that id
    // from now on. See TaskQueue::replaceLocalId.
    bool replaceLocalId(int localId, int serviceId, int ownerTaskId);

    // The start of the next change query, and the time shift that fetched objects are shown with.
    void setSyncTimestamp(int timestamp);
    void setTimeShift(int shift);

signals:
    // Before each task is taken.
    void aboutToTakeTask();
    // Whether the service answered the last task that called it.
    void serviceReached(bool online);
    // A send the service refused waits for the cycle's end; its pending row shows as not sent meanwhile.
    void sendParked(int taskId);
    // A task did not reach the service, for the reason the result gives.
    void serviceUnreached(int result);
    // The proxy refused its credentials: the tasks wait until its settings change.
    void proxyCredentialsRefused();

private:
    void schedule(int intervalMs);
    bool checkResult(int result);
    // A task that did not reach the service, and a refused task that the cycle's timestamp waits for, come
    // back after the back-off; a fetch refused for good is given up; any other refused task is parked.
    void retryFailed(const TaskItem &task, int result);
    // A task whose proxy credentials were refused waits, queued, for a change of the proxy settings.
    void holdForProxy(const TaskItem &task);
    // A success whose result the cache could not take comes back after the back-off.
    void retryUnapplied(const TaskItem &task, int result);
    // A task the service refused waits out the rest of the sync cycle, so that it holds back nothing.
    void park(const TaskItem &task);
    void requeueParked();
    void finishParked();
    void awaitWorker();
    void stopTimers();
    TaskOutcome takeOutcome(const TaskItem &task, int result);

    TaskQueue &m_tasks;
    Applier m_apply;
    TaskExecuter *m_worker;
    QTimer m_pumpTimer;
    QTimer m_syncTimer;
    QList<TaskItem> m_parkedTasks;
    FetchRefusals m_fetchRefusals;
    // From the worker's start until its end has been handled.
    bool m_taskRunning = false;
};
