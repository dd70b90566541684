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

namespace {

const int idlePollMs = 1000;
const int nextTaskMs = 5;
const int backOffMs = 60000;

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
    if (m_tasks.isIdle()) {
        startPump(idlePollMs);
        return;
    }
    m_worker->currentTask = m_tasks.takeNext();
    if (!m_worker->start(m_worker->currentTask.type)) {
        // A task without the record its type needs can never run: drop it, keep the pump going.
        m_tasks.finish(m_worker->currentTask);
        startPump(nextTaskMs);
    }
}

void MainWindow::eventTaskExecuterEnd()
{
    const TaskItem task = m_worker->currentTask;
    // A result arriving after the session ended belongs to nobody: the queue has let go of the task.
    if (!SettingsStore::instance().isLoggedIn()) {
        m_tasks.finish(task);
        return;
    }
    const int result = m_worker->resultCode;
    if (!checkTaskResult(result)) {
        if (isConnectionError(result)) {
            m_tasks.requeue(task);
            startPump(backOffMs);
        } else {
            parkRefusedTask(task);
            startPump(nextTaskMs);
        }
        return;
    }
    applyTaskResult();
    m_tasks.finish(task);
    if (SettingsStore::instance().isLoggedIn())
        startPump(nextTaskMs);
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
    if (!m_worker || !m_worker->isRunning())
        return;
    m_worker->wait();
    // Delivers the end of the run now, so that its result applies to the session that is still open.
    QCoreApplication::sendPostedEvents(m_worker, QEvent::MetaCall);
}

