// The window's side of the task pump: what the pump tells it, and the slots that drive the pump.
#include "MainWindow.h"

#include "EntitiesView.h"

void MainWindow::connectPump()
{
    connect(&m_pump, &TaskPump::aboutToTakeTask, this, &MainWindow::retryPendingWrites);
    connect(&m_pump, &TaskPump::serviceReached, this, &MainWindow::signalRefreshOnline);
    connect(&m_pump, &TaskPump::sendParked, this,
            [this](int taskId) { m_entities->updatePendingStatus(taskId, 0); });
}

void MainWindow::eventTaskExecuterStart()
{
    m_pump.startNext();
}

void MainWindow::eventTaskExecuterEnd()
{
    m_pump.endTask();
}
