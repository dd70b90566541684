#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

class NotificationSound;
class TrayIcon;

// The program's presence in the tray: the icon with its online, offline and new-item looks, its menu, and
// the count of received faxes and voice messages announced since the user last looked.
class TrayPresence : public QObject
{
    Q_OBJECT

public:
    // The menu's entries stay owned by the caller.
    TrayPresence(const QList<QAction *> &menuEntries, QObject *parent);
    ~TrayPresence() override;

    // False on a desktop without a tray: the main window must then never stay hidden.
    bool isAvailable() const;
    void setToolTip(const QString &text);

    // Offline look; or, online, the plain look while nothing new waits, else the badge and a balloon.
    void showOnline(bool online);
    // Plays the sound when asked to and adds to the count; the look changes at the next showOnline.
    void announce(int newItems, bool withSound);
    void clearNewItems() { m_newItems = 0; }
    int newItems() const { return m_newItems; }

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    enum class Look { Offline, Online, Badge };
    // Every successful service call refreshes the look; the tray is only told of a change.
    void showPlain(Look look, const QIcon &icon);
    void showBadge();
    void setLook(Look look, const QIcon &icon);

    std::unique_ptr<TrayIcon> m_icon;
    std::unique_ptr<NotificationSound> m_sound;
    QMenu m_menu;
    const QIcon m_onlineIcon;
    const QIcon m_offlineIcon;
    int m_newItems = 0;
    Look m_look = Look::Offline;
    // The text of the badge shown, while the look is the badge.
    QString m_badgeText;
};
