#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QIcon;
class QMenu;

// The program's icon in the desktop's notification area. QSystemTrayIcon is missing under the offscreen
// platform and on some desktops, so the main window talks to this interface and tests install a double.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the desktop shows tray icons at all; a window must never stay hidden while it does not.
    virtual bool isSystemTrayAvailable() const = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setToolTip(const QString &text) = 0;
    // The menu stays owned by the caller.
    virtual void setContextMenu(QMenu *menu) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void showMessage(const QString &title, const QString &text, QSystemTrayIcon::MessageIcon icon,
                             int timeoutMs) = 0;

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);
};
