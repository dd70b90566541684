// The window's side of the task pump: what the pump tells it, and the slots that drive the pump.
#include "MainWindow.h"

#include "ConnectionProblem.h"
#include "EntitiesView.h"
#include "MessageBoxes.h"
#include "ServiceResult.h"
#include "SettingsStore.h"

void MainWindow::connectPump()
{
    connect(&m_pump, &TaskPump::aboutToTakeTask, this, &MainWindow::retryPendingWrites);
    connect(&m_pump, &TaskPump::serviceReached, this, &MainWindow::signalRefreshOnline);
    connect(&m_pump, &TaskPump::sendParked, this,
            [this](int taskId) { m_entities->updatePendingStatus(taskId, 0); });
    connect(&m_pump, &TaskPump::serviceUnreached, this, &MainWindow::noteUnreached);
    // Queued: the pump goes on while the message is shown.
    connect(&m_pump, &TaskPump::proxyCredentialsRefused, this, &MainWindow::tellProxyRefused, Qt::QueuedConnection);
}

void MainWindow::tellProxyRefused()
{
    // A session that ended meanwhile has the log-in dialog tell it.
    if (SettingsStore::instance().isLoggedIn())
        showError(ConnectionProblem::proxyText(proxyRefusedCredentials), this);
}

void MainWindow::eventTaskExecuterStart()
{
    m_pump.startNext();
}

void MainWindow::eventTaskExecuterEnd()
{
    m_pump.endTask();
}
