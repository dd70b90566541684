// The task pump: one queued task at a time on the worker, its result checked and applied.
#include "MainWindow.h"

#include "EntitiesView.h"
#include "ForwardEntry.h"
#include "QelvoxAPI.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "TaskExecuter.h"
#include "TaskKind.h"
#include "TaskType.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

const int idlePollMs = 1000;
const int nextTaskMs = 5;
const int backOffMs = 60000;

// The tasks of a synchronisation cycle. A refused one is never parked: the cycle's timestamp task would
// then store a timestamp that passes objects never fetched, and fetches are not persisted.
bool isCycleTask(int type)
{
    switch (type) {
    case TaskType::GET_SHIFT_TIME:
    case TaskType::GET_INBOX_OUTBOX_ID:
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

void MainWindow::startPump(int intervalMs)
{
    m_pumpTimer.setInterval(intervalMs);
    m_pumpTimer.start();
}

void MainWindow::eventTaskExecuterStart()
{
    m_pumpTimer.stop();
    retryPendingWrites();
    if (m_tasks.isIdle()) {
        startPump(idlePollMs);
        return;
    }
    m_worker->currentTask = m_tasks.takeNext();
    m_taskRunning = m_worker->start(m_worker->currentTask.type);
    if (!m_taskRunning) {
        // A task without the record its type needs can never run: drop it, keep the pump going.
        m_tasks.finish(m_worker->currentTask);
        startPump(nextTaskMs);
    }
}

void MainWindow::eventTaskExecuterEnd()
{
    m_taskRunning = false;
    const TaskItem task = m_worker->currentTask;
    // A result arriving after the session ended belongs to nobody: the queue has let go of the task.
    if (!SettingsStore::instance().isLoggedIn()) {
        m_tasks.finish(task);
        return;
    }
    const int result = m_worker->resultCode;
    if (!checkTaskResult(result)) {
        retryFailedTask(task, result);
        return;
    }
    if (!applyTaskResult()) {
        retryUnappliedTask(task, result);
        return;
    }
    m_tasks.finish(task);
    if (SettingsStore::instance().isLoggedIn())
        startPump(nextTaskMs);
}

void MainWindow::retryFailedTask(const TaskItem &task, int result)
{
    if (!isConnectionError(result) && !isCycleTask(task.type)) {
        parkRefusedTask(task);
        startPump(nextTaskMs);
        return;
    }
    // Back ahead of the cycle's timestamp task, which the queue's order keeps behind every fetch.
    m_tasks.requeue(task);
    // A refused task of the cycle holds the cycle's end back: the parked tasks may not wait for it.
    if (!isConnectionError(result))
        requeueParkedTasks();
    startPump(backOffMs);
}

void MainWindow::retryUnappliedTask(const TaskItem &task, int result)
{
    // The service answered, but the cache could not take the answer: as a failure of the task, it runs
    // again after the back-off. The tasks that make no service call keep the online look as it is.
    if (result != TaskExecuter::noStatus)
        emit signalRefreshOnline(false);
    m_tasks.requeue(task);
    startPump(backOffMs);
}

bool MainWindow::checkTaskResult(int result)
{
    if (result == TaskExecuter::noStatus)
        return true;
    emit signalRefreshOnline(result == 0);
    return result == 0;
}

void MainWindow::parkRefusedTask(const TaskItem &task)
{
    if (isPendingSend(task.type))
        m_entities->updatePendingStatus(taskIdOfSend(task), 0);
    m_parkedTasks += task;
}

void MainWindow::requeueParkedTasks()
{
    for (const TaskItem &task : std::as_const(m_parkedTasks))
        m_tasks.requeue(task);
    m_parkedTasks.clear();
}

void MainWindow::finishParkedTasks()
{
    for (const TaskItem &task : std::as_const(m_parkedTasks))
        m_tasks.finish(task);
    m_parkedTasks.clear();
}

void MainWindow::awaitWorker()
{
    // The run may have ended with its end not delivered yet: the flag, not the thread, tells.
    if (m_taskRunning) {
        // The wait lasts up to the service's time-outs. The cursor changes without an event loop pass: no
        // event may run here, the end of the run is delivered below.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        m_worker->wait();
        QGuiApplication::restoreOverrideCursor();
        // The end of the run is posted to this thread; delivered now, its result applies to the session
        // that is still open.
        QCoreApplication::sendPostedEvents(m_worker, QEvent::MetaCall);
    }
    // Whatever that result started, nothing runs after the session.
    m_pumpTimer.stop();
    m_syncTimer.stop();
}
