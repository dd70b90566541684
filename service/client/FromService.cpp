#include "FromService.h"

#include "AccountFields.h"
#include "BindingTypes.h"
#include "ChangeList.h"
#include "FAXSentInfoRegister.h"
#include "ObjectType.h"
#include "QelFolderInfo.h"
#include "RecipientStatus.h"
#include "SMSSentInfoRegister.h"
#include "qtAccountInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtCountryInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtLanguageInfo.h"
#include "qtObjectsInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

namespace {

// c_str() ends the text at its first zero byte, as every service text is read.
QString text(const std::string &value)
{
    return QString::fromUtf8(value.c_str());
}

// Contacts and groups are matched by name and number, so stray blanks from the service are dropped.
QString trimmed(const std::string &value)
{
    return text(value).trimmed();
}

// Appends convert(item) for every item of a reply array. The readers leave an item null for a nil element
// and for every declared position the reply did not fill.
template <class Array, class List, class Convert>
void appendItems(List &list, const Array *array, Convert convert)
{
    if (!array || !array->__ptr)
        return;
    for (int i = 0; i < array->__size; ++i) {
        if (array->__ptr[i])
            list.append(convert(*array->__ptr[i]));
    }
}

ChangeEntry removedEntry(const ObjectData &data)
{
    return ChangeEntry(data.object, data.type, -1);
}

void appendPending(const BaseRecipients &item, const QStringList &numbers, QList<RecipientStatus> &list)
{
    for (const QString &number : numbers)
        list.append(RecipientStatus(number, item.sentstatus));
}

} // namespace

ChangeEntry::ChangeEntry(const ObjectIDInfo &info) : ChangeEntry(info.object, info.type, info.action) {}

void fromObjectsIDInfo(ChangeList &list, const ObjectsIDInfo *info)
{
    if (!info || !info->actions)
        return;
    list.timestamp = info->timestamp;
    appendItems(list.entries, info->actions, [](const ObjectIDInfo &item) { return ChangeEntry(item); });
}

void fromObjectsInfo(qtObjectsInfo &target, const ObjectsInfo &info)
{
    target.timestamp = info.timestamp;
    target.shifttime = 0;
    appendItems(target.contactgroups, info.contactgroups, fromContactGroupInfo);
    appendItems(target.contacts, info.contacts, fromContactInfo);
    appendItems(target.folders, info.folders, fromFolderInfo);
    appendItems(target.smsessent, info.smsessent, fromSMSSentInfo);
    appendItems(target.faxesreceived, info.faxesreceived, fromFAXReceivedInfo);
    appendItems(target.faxessent, info.faxessent, fromFAXSentInfo);
    appendItems(target.voicesreceived, info.voicesreceived, fromVOICEReceivedInfo);
    appendItems(target.removed, info.removed, removedEntry);
}

qtContactGroupInfo fromContactGroupInfo(const ContactGroupInfo &info)
{
    qtContactGroupInfo group(info.id, 0);
    group.name = trimmed(info.name);
    return group;
}

qtContactInfo fromContactInfo(const ContactInfo &info)
{
    qtContactInfo contact(info.id, 0);
    contact.groupid = info.groupid;
    contact.name = trimmed(info.name);
    contact.number = trimmed(info.number);
    contact.gsmnumber = trimmed(info.gsmnumber);
    return contact;
}

QelFolderInfo fromFolderInfo(const FolderInfo_A &info)
{
    QelFolderInfo folder(info.id, 0);
    folder.foldertype = info.foldertype;
    folder.name = text(info.name);
    return folder;
}

qtSMSSentInfo fromSMSSentInfo(const SMSSentInfo &info)
{
    qtSMSSentInfo sms(info.id, info.status);
    sms.folderid = info.folderid;
    sms.date = text(info.date);
    sms.content = text(info.content);
    sms.sentstatus = info.sentstatus;
    sms.recipients = info.recipients;
    sms.recipient = text(info.recipient);
    return sms;
}

qtFAXReceivedInfo fromFAXReceivedInfo(const FAXReceivedInfo &info)
{
    qtFAXReceivedInfo fax(info.id, info.status);
    fax.folderid = info.folderid;
    fax.date = text(info.date);
    fax.pagescount = info.pagescount;
    fax.sender = text(info.sender);
    return fax;
}

qtFAXSentInfo fromFAXSentInfo(const FAXSentInfo &info)
{
    qtFAXSentInfo fax(info.id, info.status);
    fax.folderid = info.folderid;
    fax.date = text(info.date);
    fax.faxtype = info.type;
    fax.pagescount = info.pagescount;
    fax.sentstatus = info.sentstatus;
    fax.recipients = info.recipients;
    fax.recipient = text(info.recipient);
    return fax;
}

qtVOICEReceivedInfo fromVOICEReceivedInfo(const VOICEReceivedInfo &info)
{
    qtVOICEReceivedInfo voice(info.id, info.status);
    voice.folderid = info.folderid;
    voice.date = text(info.date);
    voice.duration = info.duration;
    voice.sender = text(info.sender);
    return voice;
}

void fromAccountInfo(qtAccountInfo &target, const AccountInfo &info)
{
    for (const AccountFields::Text &field : AccountFields::texts)
        target.*field.local = text(info.*field.service);
    for (const AccountFields::Number &field : AccountFields::numbers)
        target.*field.local = info.*field.service;
}

void fromDestinationInfo(qtDestinationInfo &target, const DestinationInfo &info)
{
    target.id = info.id;
    target.parentid = info.parentid;
    target.destination = text(info.destination);
}

qtCountryInfo fromCountryInfo(const CountryInfo &info)
{
    return {text(info.code), text(info.country)};
}

qtLanguageInfo fromLanguageInfo(const LanguageInfo &info)
{
    return {text(info.code), text(info.language)};
}

RecipientStatus toRecipientStatus(const RecipientInfo &info)
{
    return RecipientStatus(text(info.recipient), info.status);
}

void fromArrayOfCountryInfo(QList<qtCountryInfo> &list, const ArrayOfCountryInfo &array)
{
    appendItems(list, &array, fromCountryInfo);
}

void fromArrayOfLanguageInfo(QList<qtLanguageInfo> &list, const ArrayOfLanguageInfo &array)
{
    appendItems(list, &array, fromLanguageInfo);
}

void fromArrayOfRecipientInfo(QList<RecipientStatus> &list, const ArrayOfRecipientInfo &array)
{
    appendItems(list, &array, toRecipientStatus);
}

void fromArrayOfDestinationInfo(QList<qtDestinationInfo> &list, const ArrayOfDestinationInfo &array)
{
    appendItems(list, &array, [](const DestinationInfo &info) {
        qtDestinationInfo region;
        fromDestinationInfo(region, info);
        return region;
    });
}

void pendingFaxRecipients(const FAXSentInfoRegister &item, QList<RecipientStatus> &list)
{
    appendPending(item, item.recipientlist, list);
}

void pendingSmsRecipients(const SMSSentInfoRegister &item, QList<RecipientStatus> &list)
{
    appendPending(item, item.recipientlist, list);
}
