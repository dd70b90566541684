#pragma once

// Records as the lists receive them, built in one line each, and a menu holding actions with the main
// window's object names, for the view tests.

#include "EMAILSentInfoRegister.h"
#include "FAXSentInfoRegister.h"
#include "ObjectType.h"
#include "OutlookContactInfo.h"
#include "SMSSentInfoRegister.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QTreeWidgetItem>
#include <memory>

namespace ViewRecords {

inline qtFAXSentInfo *sentFax(int id, int folderId, const QString &date, int sentStatus = 1, int faxType = 0,
                              int recipients = 1, const QString &recipient = QStringLiteral("+3311"))
{
    auto *fax = new qtFAXSentInfo(id, 1);
    fax->folderid = folderId;
    fax->date = date;
    fax->sentstatus = sentStatus;
    fax->faxtype = faxType;
    fax->recipients = recipients;
    fax->recipient = recipients == 1 ? recipient : QString();
    fax->pagescount = 3;
    return fax;
}

inline qtSMSSentInfo *sentSms(int id, int folderId, const QString &date, int sentStatus = 1)
{
    auto *sms = new qtSMSSentInfo(id, 1);
    sms->folderid = folderId;
    sms->date = date;
    sms->sentstatus = sentStatus;
    sms->recipients = 1;
    sms->recipient = QStringLiteral("+3366");
    sms->content = QStringLiteral("Hello %1").arg(id);
    return sms;
}

inline qtFAXReceivedInfo *receivedFax(int id, int folderId, const QString &date, const QString &sender = QString(),
                                      int status = 1)
{
    auto *fax = new qtFAXReceivedInfo(id, status);
    fax->folderid = folderId;
    fax->date = date;
    fax->sender = sender;
    fax->pagescount = 2;
    return fax;
}

inline qtVOICEReceivedInfo *voice(int id, int folderId, const QString &date, int seconds = 75)
{
    auto *message = new qtVOICEReceivedInfo(id, 1);
    message->folderid = folderId;
    message->date = date;
    message->sender = QStringLiteral("+3399");
    message->duration = seconds;
    return message;
}

// The state of a record built for a queued send or forward, before its task has run.
template <typename Pending> Pending *pendingItem(Pending *record, int taskId, int folderId, const QString &recipient)
{
    record->id = taskId;
    record->folderid = folderId;
    record->status = 1;
    record->sentstatus = -2;
    record->recipients = 1;
    record->recipient = recipient;
    return record;
}

inline FAXSentInfoRegister *pendingFax(int taskId, int folderId)
{
    auto *fax = pendingItem(new FAXSentInfoRegister, taskId, folderId, QStringLiteral("+3311"));
    fax->recipientlist = {fax->recipient};
    return fax;
}

inline SMSSentInfoRegister *pendingSms(int taskId, int folderId)
{
    auto *sms = pendingItem(new SMSSentInfoRegister, taskId, folderId, QStringLiteral("+3366"));
    sms->recipientlist = {sms->recipient};
    sms->content = QStringLiteral("Soon");
    return sms;
}

inline EMAILSentInfoRegister *pendingEmail(int taskId, int folderId)
{
    return pendingItem(new EMAILSentInfoRegister, taskId, folderId, QStringLiteral("ann@example.org"));
}

inline qtContactGroupInfo *group(int id, const QString &name)
{
    auto *record = new qtContactGroupInfo(id, 0);
    record->name = name;
    return record;
}

inline qtContactInfo *contact(int id, int groupId, const QString &name, const QString &fax = QString(),
                              const QString &sms = QString())
{
    auto *record = new qtContactInfo(id, 0);
    record->groupid = groupId;
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

inline OutlookContactInfo *outlookContact(const QString &name, const QString &fax = QString(),
                                          const QString &sms = QString())
{
    auto *record = new OutlookContactInfo;
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

// True when the icon shows the resource image (compared as pixels at the lists' icon size).
inline bool showsImage(const QIcon &icon, const QString &resource)
{
    const QSize size(20, 20);
    const QImage expected = QIcon(resource).pixmap(size).toImage();
    return !expected.isNull() && icon.pixmap(size).toImage() == expected;
}

// The actions the lists enable, as the main window's context menus hold them.
inline std::unique_ptr<QMenu> actionMenu(const QStringList &names)
{
    auto menu = std::make_unique<QMenu>();
    for (const QString &name : names) {
        auto *action = new QAction(name, menu.get());
        action->setObjectName(name);
        menu->addAction(action);
    }
    return menu;
}

inline const QStringList folderMenuActions = {
    QStringLiteral("actionFax"),          QStringLiteral("actionSMS"),
    QStringLiteral("actionForward"),      QStringLiteral("actionItemPreview"),
    QStringLiteral("actionItemDetails"),  QStringLiteral("actionMovetoFolder"),
    QStringLiteral("actionDelete"),       QStringLiteral("actionItemMarkAsRead"),
    QStringLiteral("actionItemMarkAsUnread")};

inline const QStringList contactMenuActions = {
    QStringLiteral("actionFax"),         QStringLiteral("actionSMS"),
    QStringLiteral("actionAddContactGroup"), QStringLiteral("actionAddContact"),
    QStringLiteral("actionEditContacts"), QStringLiteral("actionDelete"),
    QStringLiteral("actionImport"),       QStringLiteral("actionExport"),
    QStringLiteral("actionAddToContacts")};

} // namespace ViewRecords
