// The main window's tray: its look, its menu, the new-item announcements and the title it shares.
#include "MainWindow.h"

#include "ConnectionProblem.h"
#include "RefusedProxyCredentials.h"
#include "ServiceResult.h"
#include "SettingsStore.h"
#include "TrayPresence.h"

void MainWindow::setupTray()
{
    setWindowIcon(QIcon(QStringLiteral(":/images/logo-extra.png")));
    m_tray = new TrayPresence({actionTrayFax, actionTraySMS, nullptr, actionTrayQuit}, this);
    connect(m_tray, &TrayPresence::activated, this, &MainWindow::eventTray);
}

void MainWindow::setTraySendEnabled(bool enable)
{
    const bool enabled = enable && SettingsStore::instance().isLoggedIn();
    actionTrayFax->setEnabled(enabled);
    actionTraySMS->setEnabled(enabled);
}

void MainWindow::eventRefreshOnline(bool online)
{
    m_tray->showOnline(online);
    if (online && !m_offlineReason.isEmpty()) {
        m_offlineReason.clear();
        eventUpdateToolTip();
    }
}

void MainWindow::noteUnreached(int result)
{
    m_offlineReason = ConnectionProblem::proxyText(result);
    eventUpdateToolTip();
}

void MainWindow::notifyNewItem(int count)
{
    m_tray->announce(count, SettingsStore::instance().sound());
    emit signalRefreshOnline(true);
}

void MainWindow::eventUpdateToolTip()
{
    const QString title = SettingsStore::instance().windowTitle();
    setWindowTitle(title);
    // Nothing goes to the service while the proxy's refused credentials stand, whoever was refused them.
    const QString reason = m_offlineReason.isEmpty() && RefusedProxyCredentials::inUse()
                               ? ConnectionProblem::proxyText(proxyRefusedCredentials)
                               : m_offlineReason;
    m_tray->setToolTip(reason.isEmpty() ? title : title + u'\n' + reason);
}

void MainWindow::eventTray(QSystemTrayIcon::ActivationReason reason)
{
    // Some desktops report every click on the icon as Trigger and never a double click.
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showFromTray();
}
