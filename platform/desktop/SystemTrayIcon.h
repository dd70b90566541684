#pragma once

#include "SeamFactory.h"
#include "TrayIcon.h"

// The tray icon of the desktop.
class SystemTrayIcon : public TrayIcon
{
    Q_OBJECT

public:
    SystemTrayIcon();

    bool isSystemTrayAvailable() const override;
    void setIcon(const QIcon &icon) override;
    void setToolTip(const QString &text) override;
    void setContextMenu(QMenu *menu) override;
    void setVisible(bool visible) override;
    void showMessage(const QString &title, const QString &text, QSystemTrayIcon::MessageIcon icon,
                     int timeoutMs) override;

private:
    QSystemTrayIcon m_icon;
};

using TrayIconFactory = SeamFactory<TrayIcon, SystemTrayIcon>;
