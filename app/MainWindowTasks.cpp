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

// The queries that drive a synchronisation cycle, whose end brings the parked tasks back.
bool isCycleQuery(int type)
{
    return type == TaskType::GET_MODIFIED_OBJECTS || type == TaskType::REVIEW_OBJECTS;
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
    applyTaskResult();
    m_tasks.finish(task);
    if (SettingsStore::instance().isLoggedIn())
        startPump(nextTaskMs);
}

void MainWindow::retryFailedTask(const TaskItem &task, int result)
{
    if (!isConnectionError(result) && !isCycleQuery(task.type)) {
        parkRefusedTask(task);
        startPump(nextTaskMs);
        return;
    }
    m_tasks.requeue(task);
    // A refused query of the cycle itself ends the cycle: no later end would bring the parked tasks back.
    if (!isConnectionError(result))
        requeueParkedTasks();
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
