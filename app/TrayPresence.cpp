#include "TrayPresence.h"

#include "InfoSound.h"
#include "MenuEntries.h"
#include "StarBadge.h"
#include "SystemTrayIcon.h"

#include <QCoreApplication>

namespace {

const int balloonMs = 10000;

} // namespace

TrayPresence::TrayPresence(const QList<QAction *> &menuEntries, QObject *parent)
    : QObject(parent),
      m_icon(TrayIconFactory::create()),
      m_sound(NotificationSoundFactory::create()),
      m_onlineIcon(QStringLiteral(":/images/logo-extra.png")),
      m_offlineIcon(QStringLiteral(":/images/logo-extra-gray.png"))
{
    addMenuEntries(m_menu, menuEntries);
    setLook(Look::Offline, m_offlineIcon);
    m_icon->setContextMenu(&m_menu);
    m_icon->setVisible(true);
    connect(m_icon.get(), &TrayIcon::activated, this, &TrayPresence::activated);
}

TrayPresence::~TrayPresence() = default;

bool TrayPresence::isAvailable() const
{
    return m_icon->isSystemTrayAvailable();
}

void TrayPresence::setToolTip(const QString &text)
{
    m_icon->setToolTip(text);
}

void TrayPresence::showOnline(bool online)
{
    if (!online)
        showPlain(Look::Offline, m_offlineIcon);
    else if (m_newItems == 0)
        showPlain(Look::Online, m_onlineIcon);
    else
        showBadge();
}

void TrayPresence::showPlain(Look look, const QIcon &icon)
{
    if (look != m_look)
        setLook(look, icon);
}

void TrayPresence::setLook(Look look, const QIcon &icon)
{
    m_look = look;
    m_icon->setIcon(icon);
}

void TrayPresence::announce(int newItems, bool withSound)
{
    if (withSound)
        m_sound->play();
    m_newItems += newItems;
}

void TrayPresence::showBadge()
{
    // A first synchronisation announces new faxes batch after batch; above nine they all look the same.
    const QString badgeText = starBadgeText(m_newItems);
    if (m_look != Look::Badge || badgeText != m_badgeText) {
        QPixmap badge;
        drawStarBadge(badge, m_newItems);
        m_badgeText = badgeText;
        setLook(Look::Badge, QIcon(badge));
    }
    // The balloon's texts belong to the main window's translations.
    const QString text = m_newItems == 1
                             ? QCoreApplication::translate("MainWindow", "You have a new fax")
                             : QCoreApplication::translate("MainWindow", "You have %n new faxes", nullptr, m_newItems);
    m_icon->showMessage(QCoreApplication::translate("MainWindow", "Information"), text,
                        QSystemTrayIcon::Information, balloonMs);
}
