// Account-service operations that the client's synchronisation and item views read.

#include "ServiceContext.h"
#include "SoapValues.h"

namespace standin {
namespace {

ObjectsIDInfo *changeInfo(soap *engine, int timestamp, const QList<ChangeEntry> &entries)
{
    QList<ObjectIDInfo *> items;
    for (const ChangeEntry &entry : entries) {
        ObjectIDInfo *item = soap_new_ObjectIDInfo(engine);
        item->object = entry.object;
        item->type = entry.type;
        item->action = entry.action;
        items.append(item);
    }
    ObjectsIDInfo *info = soap_new_ObjectsIDInfo(engine);
    info->timestamp = timestamp;
    info->actions = withItems(engine, soap_new_ArrayOfObjectIDInfo(engine), items);
    return info;
}

// Names and types go into MIME part headers, which a line break would split.
char *headerText(soap *engine, const QString &value)
{
    QString clean = value;
    clean.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return soap_strdup(engine, clean.toUtf8().constData());
}

int recipientCount(Mailbox &mailbox, const StoredObject &item, std::string &single)
{
    const QList<Recipient> recipients = mailbox.store().recipients(item.id);
    single = recipients.size() == 1 ? utf8(recipients.first().recipient) : std::string();
    return int(recipients.size());
}

// The records of one getObjects reply, gathered per kind before they become arrays.
struct ObjectLists
{
    QList<ContactGroupInfo *> groups;
    QList<ContactInfo *> contacts;
    QList<FolderInfo *> folders;
    QList<SMSSentInfo *> sms;
    QList<FAXReceivedInfo *> received;
    QList<FAXSentInfo *> sent;
    QList<VOICEReceivedInfo *> voice;
    QList<ObjectData *> removed;

    void add(soap *engine, Mailbox &mailbox, const StoredObject &o)
    {
        switch (o.type) {
        case ObjectType::ContactGroup: {
            ContactGroupInfo *r = soap_new_ContactGroupInfo(engine);
            r->id = o.id;
            r->name = utf8(o.name);
            groups.append(r);
            break;
        }
        case ObjectType::Contact: {
            ContactInfo *r = soap_new_ContactInfo(engine);
            r->groupid = o.groupId;
            r->id = o.id;
            r->name = utf8(o.name);
            r->number = utf8(o.number);
            r->gsmnumber = utf8(o.gsmNumber);
            contacts.append(r);
            break;
        }
        case ObjectType::Folder: {
            FolderInfo *r = soap_new_FolderInfo(engine);
            r->foldertype = o.folderType;
            r->id = o.id;
            r->name = utf8(o.name);
            folders.append(r);
            break;
        }
        case ObjectType::SentSms: {
            SMSSentInfo *r = soap_new_SMSSentInfo(engine);
            r->folderid = o.folder;
            r->id = o.id;
            r->status = o.status;
            r->sentstatus = o.sentStatus;
            r->date = utf8(o.date);
            r->content = utf8(o.content);
            r->recipients = recipientCount(mailbox, o, r->recipient);
            sms.append(r);
            break;
        }
        case ObjectType::ReceivedFax: {
            FAXReceivedInfo *r = soap_new_FAXReceivedInfo(engine);
            r->folderid = o.folder;
            r->id = o.id;
            r->type = o.faxType;
            r->status = o.status;
            r->date = utf8(o.date);
            r->pagescount = o.pages;
            r->sender = utf8(o.sender);
            received.append(r);
            break;
        }
        case ObjectType::SentFax: {
            FAXSentInfo *r = soap_new_FAXSentInfo(engine);
            r->folderid = o.folder;
            r->id = o.id;
            r->type = o.faxType;
            r->status = o.status;
            r->sentstatus = o.sentStatus;
            r->date = utf8(o.date);
            r->pagescount = o.pages;
            r->recipients = recipientCount(mailbox, o, r->recipient);
            sent.append(r);
            break;
        }
        case ObjectType::VoiceMessage: {
            VOICEReceivedInfo *r = soap_new_VOICEReceivedInfo(engine);
            r->folderid = o.folder;
            r->id = o.id;
            r->status = o.status;
            r->date = utf8(o.date);
            r->duration = o.duration;
            r->sender = utf8(o.sender);
            voice.append(r);
            break;
        }
        default:
            break;
        }
    }

    void addRemoved(soap *engine, int object, int type)
    {
        ObjectData *r = soap_new_ObjectData(engine);
        r->object = object;
        r->type = type;
        removed.append(r);
    }

    ObjectsInfo *reply(soap *engine, int timestamp, int shift) const
    {
        ObjectsInfo *info = soap_new_ObjectsInfo(engine);
        info->timestamp = timestamp;
        info->shifttime = shift;
        info->contactgroups = withItems(engine, soap_new_ArrayOfContactGroupInfo(engine), groups);
        info->contacts = withItems(engine, soap_new_ArrayOfContactInfo(engine), contacts);
        info->folders = withItems(engine, soap_new_ArrayOfFolderInfo(engine), folders);
        info->smsessent = withItems(engine, soap_new_ArrayOfSMSSentInfo(engine), sms);
        info->faxesreceived = withItems(engine, soap_new_ArrayOfFAXReceivedInfo(engine), received);
        info->faxessent = withItems(engine, soap_new_ArrayOfFAXSentInfo(engine), sent);
        info->voicesreceived = withItems(engine, soap_new_ArrayOfVOICEReceivedInfo(engine), voice);
        info->removed = withItems(engine, soap_new_ArrayOfObjectData(engine), removed);
        return info;
    }
};

} // namespace

int ns1__QelvoxService_x002ereviewObjects(soap *engine, ns1__QelvoxService_x002ereviewObjectsResponse &r)
{
    ServiceContext &context = serviceContext(engine);
    r.return_ = changeInfo(engine, context.mailbox.store().currentTimestamp(),
                           context.mailbox.review(context.account));
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetModifiedObjects(soap *engine, int timestamp,
                                               ns1__QelvoxService_x002egetModifiedObjectsResponse &r)
{
    ServiceContext &context = serviceContext(engine);
    const int now = context.mailbox.store().currentTimestamp();
    // A timestamp this service never gave out (a client that synchronised with another
    // run of it) cannot be answered with changes: ask the client for a full review.
    const QList<ChangeEntry> changes = timestamp > now
                                           ? QList<ChangeEntry>{{0, ObjectType::ReviewRequest, 1}}
                                           : context.mailbox.changesSince(context.account, timestamp);
    r.return_ = changeInfo(engine, now, changes);
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetObjects(soap *engine, ArrayOfObjectData *data,
                                       ns1__QelvoxService_x002egetObjectsResponse &r)
{
    ServiceContext &context = serviceContext(engine);
    StateStore &store = context.mailbox.store();
    ObjectLists lists;
    for (int i = 0; data && data->__ptr && i < data->__size; ++i) {
        const ObjectData *wanted = data->__ptr[i];
        if (!wanted)
            continue;
        const std::optional<StoredObject> object =
            store.object(context.account.id, wanted->object, wanted->type);
        if (object && ObjectType::isListed(object->type))
            lists.add(engine, context.mailbox, *object);
        else
            lists.addRemoved(engine, wanted->object, wanted->type);
    }
    r.return_ = lists.reply(engine, store.currentTimestamp(), context.account.timeShift);
    return SOAP_OK;
}

int ns1__QelvoxService_x002egetRecipients(soap *engine, int id, std::string type,
                                          ns1__QelvoxService_x002egetRecipientsResponse &r)
{
    ServiceContext &context = serviceContext(engine);
    const int objectType = type == "SMS" ? ObjectType::SentSms : ObjectType::SentFax;
    QList<RecipientInfo *> items;
    if (context.mailbox.store().object(context.account.id, id, objectType)) {
        for (const Recipient &recipient : context.mailbox.store().recipients(id)) {
            RecipientInfo *item = soap_new_RecipientInfo(engine);
            item->recipient = utf8(recipient.recipient);
            item->status = recipient.status;
            items.append(item);
        }
    }
    r.return_ = withItems(engine, soap_new_ArrayOfRecipientInfo(engine), items);
    return SOAP_OK;
}

int ns1__QelvoxService_x002edownloadFile(soap *engine, int id, int type, std::string, std::string &name)
{
    ServiceContext &context = serviceContext(engine);
    StateStore &store = context.mailbox.store();
    const QList<Document> documents =
        store.object(context.account.id, id, type) ? store.documents(id) : QList<Document>();
    if (documents.isEmpty())
        return soap_sender_fault(engine, "No document for this object", nullptr);
    name = utf8(documents.first().name);
    soap_set_mime(engine, nullptr, nullptr);
    for (const Document &document : documents) {
        // The client decodes the part itself: the part body is Base64 text under the Base64 label.
        const QByteArray encoded = document.content.toBase64();
        char *bytes = static_cast<char *>(soap_malloc(engine, size_t(encoded.size())));
        std::copy(encoded.begin(), encoded.end(), bytes);
        soap_set_mime_attachment(engine, bytes, size_t(encoded.size()), SOAP_MIME_BASE64,
                                 headerText(engine, document.contentType), nullptr,
                                 headerText(engine, document.name), nullptr);
    }
    return SOAP_OK;
}

} // namespace standin
