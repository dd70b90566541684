#pragma once

#include "TrayIcon.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QPointer>

// A tray icon that shows nothing and remembers what it was asked to show.
class RecordingTrayIcon : public TrayIcon
{
    Q_OBJECT

public:
    struct Message
    {
        QString title;
        QString text;
        QSystemTrayIcon::MessageIcon icon;
        int timeoutMs;
    };

    explicit RecordingTrayIcon(bool available) : available(available) {}

    bool isSystemTrayAvailable() const override { return available; }
    void setIcon(const QIcon &newIcon) override { icon = newIcon; }
    void setToolTip(const QString &text) override { toolTip = text; }
    void setContextMenu(QMenu *newMenu) override { menu = newMenu; }
    void setVisible(bool isVisible) override { visible = isVisible; }
    void showMessage(const QString &title, const QString &text, QSystemTrayIcon::MessageIcon messageIcon,
                     int timeoutMs) override
    {
        messages += {title, text, messageIcon, timeoutMs};
    }

    // What the user's click on the icon would report.
    void activate(QSystemTrayIcon::ActivationReason reason) { emit activated(reason); }

    bool available;
    QIcon icon;
    QString toolTip;
    QPointer<QMenu> menu;
    bool visible = false;
    QList<Message> messages;
};
