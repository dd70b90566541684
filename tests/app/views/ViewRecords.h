#pragma once

// Records as the lists receive them, built in one line each, and a menu holding actions with the main
// window's object names, for the view tests.

#include "EMAILSentInfoRegister.h"
#include "FAXSentInfoRegister.h"
#include "FolderView.h"
#include "ObjectType.h"
#include "OutlookContactInfo.h"
#include "OwnedRecord.h"
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

inline std::unique_ptr<qtFAXSentInfo> sentFax(int id, int folderId, const QString &date, int sentStatus = 1,
                                              int faxType = 0, int recipients = 1,
                                              const QString &recipient = QStringLiteral("+3311"))
{
    auto fax = std::make_unique<qtFAXSentInfo>(id, 1);
    fax->folderid = folderId;
    fax->date = date;
    fax->sentstatus = sentStatus;
    fax->faxtype = faxType;
    fax->recipients = recipients;
    fax->recipient = recipients == 1 ? recipient : QString();
    fax->pagescount = 3;
    return fax;
}

inline std::unique_ptr<qtSMSSentInfo> sentSms(int id, int folderId, const QString &date, int sentStatus = 1)
{
    auto sms = std::make_unique<qtSMSSentInfo>(id, 1);
    sms->folderid = folderId;
    sms->date = date;
    sms->sentstatus = sentStatus;
    sms->recipients = 1;
    sms->recipient = QStringLiteral("+3366");
    sms->content = QStringLiteral("Hello %1").arg(id);
    return sms;
}

inline std::unique_ptr<qtFAXReceivedInfo> receivedFax(int id, int folderId, const QString &date,
                                                      const QString &sender = QString(), int status = 1)
{
    auto fax = std::make_unique<qtFAXReceivedInfo>(id, status);
    fax->folderid = folderId;
    fax->date = date;
    fax->sender = sender;
    fax->pagescount = 2;
    return fax;
}

inline std::unique_ptr<qtVOICEReceivedInfo> voice(int id, int folderId, const QString &date, int seconds = 75)
{
    auto message = std::make_unique<qtVOICEReceivedInfo>(id, 1);
    message->folderid = folderId;
    message->date = date;
    message->sender = QStringLiteral("+3399");
    message->duration = seconds;
    return message;
}

// The state of a record built for a queued send or forward, before its task has run.
template <typename Pending>
std::unique_ptr<Pending> pendingItem(int taskId, int folderId, const QString &recipient)
{
    auto record = std::make_unique<Pending>();
    record->id = taskId;
    record->folderid = folderId;
    record->status = 1;
    record->sentstatus = -2;
    record->recipients = 1;
    record->recipient = recipient;
    return record;
}

inline std::unique_ptr<FAXSentInfoRegister> pendingFax(int taskId, int folderId)
{
    auto fax = pendingItem<FAXSentInfoRegister>(taskId, folderId, QStringLiteral("+3311"));
    fax->recipientlist = {fax->recipient};
    return fax;
}

inline std::unique_ptr<SMSSentInfoRegister> pendingSms(int taskId, int folderId)
{
    auto sms = pendingItem<SMSSentInfoRegister>(taskId, folderId, QStringLiteral("+3366"));
    sms->recipientlist = {sms->recipient};
    sms->content = QStringLiteral("Soon");
    return sms;
}

inline std::unique_ptr<EMAILSentInfoRegister> pendingEmail(int taskId, int folderId)
{
    return pendingItem<EMAILSentInfoRegister>(taskId, folderId, QStringLiteral("ann@example.org"));
}

inline std::unique_ptr<qtContactGroupInfo> group(int id, const QString &name)
{
    auto record = std::make_unique<qtContactGroupInfo>(id, 0);
    record->name = name;
    return record;
}

inline std::unique_ptr<qtContactInfo> contact(int id, int groupId, const QString &name,
                                              const QString &fax = QString(), const QString &sms = QString())
{
    auto record = std::make_unique<qtContactInfo>(id, 0);
    record->groupid = groupId;
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

inline std::unique_ptr<OutlookContactInfo> outlookContact(const QString &name, const QString &fax = QString(),
                                                          const QString &sms = QString())
{
    auto record = std::make_unique<OutlookContactInfo>();
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

// Adds a record of any row kind through the builder that the entity tree uses for that kind.
inline void addRecord(FolderView &list, std::unique_ptr<BaseObject> record)
{
    switch (record->type) {
    case ObjectType::PendingFax:
        list.addFaxSentItem(ownedAs<FAXSentInfoRegister>(std::move(record)));
        break;
    case ObjectType::PendingSms:
        list.addSmsSentItem(ownedAs<SMSSentInfoRegister>(std::move(record)));
        break;
    case ObjectType::PendingEmail:
        list.addEmailItem(ownedAs<EMAILSentInfoRegister>(std::move(record)));
        break;
    case ObjectType::ContactGroup:
        list.addGroupItem(ownedAs<qtContactGroupInfo>(std::move(record)));
        break;
    case ObjectType::Contact:
        list.addContactItem(ownedAs<qtContactInfo>(std::move(record)));
        break;
    case ObjectType::OutlookContact:
        list.addOutlookContactItem(ownedAs<OutlookContactInfo>(std::move(record)));
        break;
    default:
        list.addItem(std::move(record));
    }
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
