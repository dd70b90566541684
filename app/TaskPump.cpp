#include "TaskPump.h"

#include "ForwardEntry.h"
#include "QelvoxAPI.h"
#include "RefusedProxyCredentials.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "TaskExecuter.h"
#include "TaskKind.h"
#include "TaskOutcome.h"
#include "TaskQueue.h"
#include "TaskType.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace {

const int firstPumpMs = 1000;
const int firstSyncMs = 60000;
const int idlePollMs = 1000;
const int nextTaskMs = 5;
const int backOffMs = 60000;

// The tasks that bear on the stored timestamp. A refused one is never parked: the cycle's timestamp task
// would then store a timestamp that passes objects never fetched, and fetches are not persisted. The time
// shift does not bear on it: refused, it is parked, and the lists keep the stored shift meanwhile.
bool bearsOnTimestamp(int type)
{
    switch (type) {
    case TaskType::REVIEW_OBJECTS:
    case TaskType::GET_OBJECTS:
    case TaskType::SET_TIMESTAMP:
    case TaskType::GET_MODIFIED_OBJECTS:
        return true;
    default:
        return false;
    }
}

bool isPendingSend(int type)
{
    return type == TaskType::SEND_SMS || type == TaskType::SEND_FAX || type == TaskType::SEND_FORWARD;
}

int taskIdOfSend(const TaskItem &task)
{
    if (auto *sms = taskRecord<SendSmsRequest>(task.type, task.argument))
        return sms->taskid;
    if (auto *fax = taskRecord<SendFaxRequest>(task.type, task.argument))
        return fax->taskid;
    if (auto *entry = taskRecord<ForwardEntry>(task.type, task.argument))
        return entry->taskid;
    return 0;
}

} // namespace

TaskPump::TaskPump(TaskQueue &tasks, Applier apply, FetchRefusals::Remember remember, QObject *parent)
    : QObject(parent),
      m_tasks(tasks),
      m_apply(std::move(apply)),
      m_worker(new TaskExecuter(this)),
      m_pumpTimer(this),
      m_syncTimer(this),
      m_fetchRefusals(tasks, std::move(remember))
{
    setObjectName(QStringLiteral("taskPump"));
    m_pumpTimer.setObjectName(QStringLiteral("pumpTimer"));
    m_syncTimer.setObjectName(QStringLiteral("syncTimer"));
    connect(&m_pumpTimer, &QTimer::timeout, this, &TaskPump::startNext);
    connect(&m_syncTimer, &QTimer::timeout, this, &TaskPump::syncNow);
    connect(m_worker, &TaskExecuter::signalEnd, this, &TaskPump::endTask);
}

void TaskPump::startSession()
{
    m_pumpTimer.setInterval(firstPumpMs);
    m_syncTimer.setInterval(firstSyncMs);
    m_pumpTimer.start();
    m_syncTimer.start();
}

void TaskPump::endSession()
{
    stopTimers();
    awaitWorker();
    // Whatever that result started, nothing runs after the session.
    stopTimers();
    finishParked();
    m_fetchRefusals.clear();
}

void TaskPump::setSyncTimestamp(int timestamp)
{
    m_worker->syncTimestamp = timestamp;
}

void TaskPump::setTimeShift(int shift)
{
    m_worker->timeShift = shift;
}

void TaskPump::schedule(int intervalMs)
{
    m_pumpTimer.setInterval(intervalMs);
    m_pumpTimer.start();
}

void TaskPump::startNext()
{
    m_pumpTimer.stop();
    emit aboutToTakeTask();
    // Credentials the proxy refused are not offered again until its settings change, which the poll
    // notices within a second.
    if (m_tasks.isIdle() || RefusedProxyCredentials::inUse()) {
        schedule(idlePollMs);
        return;
    }
    m_worker->currentTask = m_tasks.takeNext();
    m_taskRunning = m_worker->start(m_worker->currentTask.type);
    if (!m_taskRunning) {
        // A task without the record its type needs can never run: drop it, keep the pump going.
        m_tasks.finish(m_worker->currentTask);
        schedule(nextTaskMs);
    }
}

void TaskPump::endTask()
{
    m_taskRunning = false;
    const TaskItem task = m_worker->currentTask;
    // A result arriving after the session ended belongs to nobody: the queue has let go of the task.
    if (!SettingsStore::instance().isLoggedIn()) {
        m_tasks.finish(task);
        return;
    }
    const int result = m_worker->resultCode;
    if (isServiceUnreached(result))
        emit serviceUnreached(result);
    if (result == proxyRefusedCredentials) {
        holdForProxy(task);
        return;
    }
    if (!checkResult(result)) {
        retryFailed(task, result);
        return;
    }
    TaskOutcome outcome = takeOutcome(task, result);
    if (!m_apply(outcome)) {
        retryUnapplied(task, result);
        return;
    }
    m_tasks.finish(task);
    if (SettingsStore::instance().isLoggedIn())
        schedule(nextTaskMs);
}

TaskOutcome TaskPump::takeOutcome(const TaskItem &task, int result)
{
    TaskExecuter &worker = *m_worker;
    TaskOutcome outcome(task, result);
    outcome.timeShift = worker.timeShift;
    outcome.inboxId = worker.inboxId;
    outcome.outboxId = worker.outboxId;
    // The worker clears the list before each query that fills it.
    outcome.changes = std::move(worker.changes);
    outcome.objects.reset(worker.objects);
    worker.objects = nullptr;
    outcome.latestVersion = QByteArray::fromStdString(worker.latestVersion);
    outcome.updateUrl = worker.updateUrl;
    outcome.versionStatus = worker.versionStatus;
    outcome.csvPath = worker.csvPath;
    return outcome;
}

bool TaskPump::checkResult(int result)
{
    if (result == TaskExecuter::noStatus)
        return true;
    emit serviceReached(result == 0);
    return result == 0;
}

void TaskPump::retryFailed(const TaskItem &task, int result)
{
    if (isServiceUnreached(result)) {
        // Back ahead of the cycle's timestamp task, which the queue's order keeps behind every fetch.
        m_tasks.requeue(task);
        schedule(backOffMs);
        return;
    }
    if (task.type == TaskType::GET_OBJECTS && m_fetchRefusals.refused(task)) {
        m_tasks.finish(task);
        schedule(nextTaskMs);
        return;
    }
    const bool idsQuery = task.type == TaskType::GET_INBOX_OUTBOX_ID;
    if (!bearsOnTimestamp(task.type) && !idsQuery) {
        park(task);
        schedule(nextTaskMs);
        return;
    }
    // The fetches need the Inbox and Outbox ids to show what they bring; the user's tasks do not.
    TaskItem again = task;
    again.behindUserTasks = idsQuery;
    m_tasks.requeue(again);
    // A refused task of the cycle holds the cycle's end back: the parked tasks may not wait for it.
    requeueParked();
    schedule(backOffMs);
}

void TaskPump::holdForProxy(const TaskItem &task)
{
    emit serviceReached(false);
    m_tasks.requeue(task);
    emit proxyCredentialsRefused();
    schedule(idlePollMs);
}

void TaskPump::retryUnapplied(const TaskItem &task, int result)
{
    // The service answered, but the cache could not take the answer: as a failure of the task, it runs
    // again after the back-off. The tasks that make no service call keep the online look as it is.
    if (result != TaskExecuter::noStatus)
        emit serviceReached(false);
    m_tasks.requeue(task);
    schedule(backOffMs);
}

void TaskPump::park(const TaskItem &task)
{
    if (isPendingSend(task.type))
        emit sendParked(taskIdOfSend(task));
    m_parkedTasks += task;
}

void TaskPump::requeueParked()
{
    for (const TaskItem &task : std::as_const(m_parkedTasks))
        m_tasks.requeue(task);
    m_parkedTasks.clear();
}

void TaskPump::finishParked()
{
    for (const TaskItem &task : std::as_const(m_parkedTasks))
        m_tasks.finish(task);
    m_parkedTasks.clear();
}

void TaskPump::syncNow()
{
    m_syncTimer.stop();
    // Settings saved from the log-in dialog ask for a cycle too: without a session there is none to run, and
    // a query queued now would run first in the next one, before its start-up tasks.
    if (SettingsStore::instance().isLoggedIn())
        m_tasks.add(TaskType::GET_MODIFIED_OBJECTS, 0);
}

void TaskPump::endCycle()
{
    m_fetchRefusals.clear();
    requeueParked();
    m_syncTimer.setInterval(SettingsStore::instance().syncInterval() * 60000);
    m_syncTimer.start();
}

void TaskPump::retryNow()
{
    if (!SettingsStore::instance().isLoggedIn())
        return;
    requeueParked();
    // A task still running goes on; its end times the next one.
    if (!m_taskRunning)
        schedule(0);
}

bool TaskPump::replaceLocalId(int localId, int serviceId, int ownerTaskId)
{
    // A parked task waits outside the queue; sent later with the local id, it would name nothing.
    return m_tasks.replaceLocalId(localId, serviceId, ownerTaskId, m_parkedTasks);
}

void TaskPump::awaitWorker()
{
    // The run may have ended with its end not delivered yet: the flag, not the thread, tells.
    if (!m_taskRunning)
        return;
    // The wait lasts up to the service's time-outs. The cursor changes without an event loop pass: no
    // event may run here, the end of the run is delivered below.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_worker->wait();
    QGuiApplication::restoreOverrideCursor();
    // The end of the run is posted to this thread; delivered now, its result applies to the session that
    // is still open.
    QCoreApplication::sendPostedEvents(m_worker, QEvent::MetaCall);
}

void TaskPump::stopTimers()
{
    m_pumpTimer.stop();
    m_syncTimer.stop();
}
