#include "SystemTrayIcon.h"

#include <QIcon>

SystemTrayIcon::SystemTrayIcon()
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

bool SystemTrayIcon::isSystemTrayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setIcon(const QIcon &icon)
{
    m_icon.setIcon(icon);
}

void SystemTrayIcon::setToolTip(const QString &text)
{
    m_icon.setToolTip(text);
}

void SystemTrayIcon::setContextMenu(QMenu *menu)
{
    m_icon.setContextMenu(menu);
}

void SystemTrayIcon::setVisible(bool visible)
{
    m_icon.setVisible(visible);
}

void SystemTrayIcon::showMessage(const QString &title, const QString &text, QSystemTrayIcon::MessageIcon icon,
                                 int timeoutMs)
{
    m_icon.showMessage(title, text, icon, timeoutMs);
}
