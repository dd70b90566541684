#include "Mailbox.h"

#include "ServiceCodes.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>

namespace {

constexpr int MaxNumbers = 500;
const char *const dateFormat = "yyyy-MM-dd hh:mm:ss";

constexpr int ForwardToFax = 3;
constexpr int ForwardToSms = 4;
constexpr int ForwardToEmail = 5;

QStringList cleaned(const QStringList &numbers)
{
    QStringList result;
    for (const QString &number : numbers)
        if (!number.trimmed().isEmpty())
            result.append(number.trimmed());
    return result;
}

} // namespace

Mailbox::Mailbox(StateStore &store) : state(store) {}

bool Mailbox::isEmailShaped(const QString &email)
{
    static const QRegularExpression shape(R"(^[^@\s]+@[^@\s]+\.[^@\s]+$)");
    return shape.match(email).hasMatch();
}

QString Mailbox::serviceNow()
{
    return QDateTime::currentDateTimeUtc().toString(dateFormat);
}

Account Mailbox::createAccount(const QString &email, const QString &passwordDigest, int customerId)
{
    Account account;
    account.id = customerId;
    account.email = email;
    account.passwordDigest = passwordDigest;
    account.id = state.createAccount(account);
    for (int folderType : {FolderType::Inbox, FolderType::Outbox}) {
        StoredObject folder;
        folder.account = account.id;
        folder.type = ObjectType::Folder;
        folder.folderType = folderType;
        folder.name = folderType == FolderType::Inbox ? "Inbox" : "Outbox";
        (folderType == FolderType::Inbox ? account.inbox : account.outbox) = state.insertObject(folder);
    }
    state.updateAccount(account);
    return account;
}

Mailbox::Outcome Mailbox::createSentItem(const Account &account, StoredObject item,
                                         const QStringList &numbers)
{
    item.account = account.id;
    item.folder = account.outbox;
    item.status = 1;
    item.sentStatus = ServiceCode::InQueue;
    item.date = serviceNow();
    const int id = state.insertObject(item);
    QList<Recipient> recipients;
    for (const QString &number : numbers)
        recipients.append({number, ServiceCode::InQueue});
    state.setRecipients(id, recipients);
    state.appendChange(account.id, id, ObjectType::Progress, -ServiceCode::InQueue);
    return {0, id};
}

Mailbox::Outcome Mailbox::sendFax(const Account &account, const QStringList &numbers,
                                  const QList<Document> &documents, const QJsonObject &options, int pages)
{
    const QStringList valid = cleaned(numbers);
    if (valid.isEmpty())
        return {ServiceCode::NoRecipients};
    if (valid.size() > MaxNumbers)
        return {ServiceCode::TooManyNumbers};
    if (documents.isEmpty() && !options.value("coverpage").toBool())
        return {ServiceCode::NoAttachment};
    StoredObject fax;
    fax.type = ObjectType::SentFax;
    fax.pages = pages > 0 ? pages : qMax(1, int(documents.size()));
    fax.details = options;
    const Outcome outcome = createSentItem(account, fax, valid);
    for (const Document &document : documents)
        state.addDocument(outcome.id, document);
    return outcome;
}

Mailbox::Outcome Mailbox::sendSms(const Account &account, const QStringList &numbers, const QString &content,
                                  bool unicode)
{
    const QStringList valid = cleaned(numbers);
    if (valid.isEmpty())
        return {ServiceCode::NoRecipients};
    if (valid.size() > MaxNumbers)
        return {ServiceCode::TooManyNumbers};
    if (content.isEmpty())
        return {ServiceCode::GeneralFailure};
    StoredObject sms;
    sms.type = ObjectType::SentSms;
    sms.content = content;
    sms.details = QJsonObject{{"unicode", unicode}};
    return createSentItem(account, sms, valid);
}

Mailbox::Outcome Mailbox::forward(const Account &account, int id, int type, int kind, const QString &to)
{
    const std::optional<StoredObject> source =
        ObjectType::isItem(type) ? state.object(account.id, id, type) : std::nullopt;
    if (!source || to.trimmed().isEmpty())
        return {ServiceCode::GeneralFailure};
    const QJsonObject origin{{"forwardOf", id}, {"forwardType", type}};
    switch (kind) {
    case ForwardToFax: {
        const QList<Document> documents = state.documents(id);
        if (documents.isEmpty())
            return {ServiceCode::NoAttachment};
        return sendFax(account, {to}, documents, origin, source->pages);
    }
    case ForwardToSms:
        if (type != ObjectType::SentSms)
            return {ServiceCode::GeneralFailure};
        return sendSms(account, {to}, source->content, source->details.value("unicode").toBool());
    case ForwardToEmail: {
        StoredObject job;
        job.type = ObjectType::ForwardJob;
        job.details = origin;
        return createSentItem(account, job, {to.trimmed()});
    }
    default:
        return {ServiceCode::GeneralFailure};
    }
}

bool Mailbox::advance(int id, int status)
{
    std::optional<StoredObject> item = state.objectById(id);
    const bool sent = item && (item->type == ObjectType::SentFax || item->type == ObjectType::SentSms ||
                               item->type == ObjectType::ForwardJob);
    if (!sent || item->sentStatus != ServiceCode::InQueue)
        return false;
    item->sentStatus = status;
    QList<Recipient> recipients = state.recipients(id);
    for (Recipient &recipient : recipients)
        recipient.status = status;
    state.setRecipients(id, recipients);
    state.updateObject(*item);
    // The pending item that the client shows for this send becomes the listed item.
    state.appendChange(item->account, id, ObjectType::Progress, id);
    return true;
}

void Mailbox::advanceQueuedBefore(const QDateTime &cutoff)
{
    for (const StoredObject &item : state.sentItemsInState(ServiceCode::InQueue)) {
        QDateTime queued = QDateTime::fromString(item.date, dateFormat);
        queued.setTimeSpec(Qt::UTC);
        if (queued.isValid() && queued <= cutoff)
            advance(item.id, ServiceCode::Delivered);
    }
}

int Mailbox::addReceivedFax(const Account &account, StoredObject fax, const Document &document)
{
    fax.account = account.id;
    fax.type = ObjectType::ReceivedFax;
    if (fax.folder == 0)
        fax.folder = account.inbox;
    if (fax.date.isEmpty())
        fax.date = serviceNow();
    const int id = state.insertObject(fax);
    if (!document.content.isEmpty())
        state.addDocument(id, document);
    return id;
}

Mailbox::Outcome Mailbox::updateGroup(const Account &account, int id, const QString &name)
{
    if (name.trimmed().isEmpty())
        return {ServiceCode::GeneralFailure};
    if (id == 0) {
        StoredObject group;
        group.account = account.id;
        group.type = ObjectType::ContactGroup;
        group.name = name;
        return {0, state.insertObject(group)};
    }
    std::optional<StoredObject> group = state.object(account.id, id, ObjectType::ContactGroup);
    if (!group)
        return {ServiceCode::GeneralFailure};
    group->name = name;
    state.updateObject(*group);
    return {0, id};
}

Mailbox::Outcome Mailbox::updateContact(const Account &account, const StoredObject &contact)
{
    if (contact.groupId != 0 && !state.object(account.id, contact.groupId, ObjectType::ContactGroup))
        return {ServiceCode::GeneralFailure};
    StoredObject stored = contact;
    stored.account = account.id;
    stored.type = ObjectType::Contact;
    if (contact.id <= 0) {
        stored.id = 0;
        return {0, state.insertObject(stored)};
    }
    if (!state.object(account.id, contact.id, ObjectType::Contact))
        return {ServiceCode::GeneralFailure};
    state.updateObject(stored);
    return {0, contact.id};
}

Mailbox::Outcome Mailbox::renameFolder(const Account &account, int id, const QString &name)
{
    if (name.trimmed().isEmpty())
        return {ServiceCode::GeneralFailure};
    if (id == 0) {
        StoredObject folder;
        folder.account = account.id;
        folder.type = ObjectType::Folder;
        folder.folderType = FolderType::User;
        folder.name = name;
        return {0, state.insertObject(folder)};
    }
    std::optional<StoredObject> folder = state.object(account.id, id, ObjectType::Folder);
    if (!folder || folder->folderType != FolderType::User)
        return {ServiceCode::GeneralFailure};
    folder->name = name;
    state.updateObject(*folder);
    return {0, id};
}

void Mailbox::removeWithContents(const Account &account, const StoredObject &object)
{
    // A group takes its contacts along; a folder hands its items back to the Inbox or Outbox.
    if (object.type == ObjectType::ContactGroup) {
        for (const StoredObject &contact : state.objectsWhere(account.id, "groupid", object.id))
            if (contact.type == ObjectType::Contact)
                state.removeObject(account.id, contact.id, contact.type);
    } else if (object.type == ObjectType::Folder) {
        for (StoredObject item : state.objectsWhere(account.id, "folder", object.id)) {
            item.folder = item.type == ObjectType::ReceivedFax || item.type == ObjectType::VoiceMessage
                              ? account.inbox
                              : account.outbox;
            state.updateObject(item);
        }
    }
    state.removeObject(account.id, object.id, object.type);
}

void Mailbox::deleteObjects(const Account &account, const QList<ObjectRef> &refs)
{
    for (const ObjectRef &ref : refs) {
        const std::optional<StoredObject> object = state.object(account.id, ref.object, ref.type);
        if (!object)
            continue;
        if (object->type == ObjectType::Folder && object->folderType != FolderType::User)
            continue;
        removeWithContents(account, *object);
    }
}

void Mailbox::changeStatus(const Account &account, const QList<ObjectRef> &refs, int status)
{
    for (const ObjectRef &ref : refs) {
        std::optional<StoredObject> object =
            ObjectType::isItem(ref.type) ? state.object(account.id, ref.object, ref.type) : std::nullopt;
        if (!object || object->status == status)
            continue;
        object->status = status;
        state.updateObject(*object);
    }
}

int Mailbox::moveToFolder(const Account &account, const QList<ObjectRef> &refs, int folder)
{
    if (!state.object(account.id, folder, ObjectType::Folder))
        return ServiceCode::GeneralFailure;
    for (const ObjectRef &ref : refs) {
        std::optional<StoredObject> item =
            ObjectType::isItem(ref.type) ? state.object(account.id, ref.object, ref.type) : std::nullopt;
        if (!item || item->folder == folder)
            continue;
        item->folder = folder;
        state.updateObject(*item);
    }
    return 0;
}

QList<ChangeEntry> Mailbox::review(const Account &account)
{
    QList<ChangeEntry> entries;
    for (const StoredObject &object : state.objects(account.id))
        if (ObjectType::isListed(object.type))
            entries.append({object.id, object.type, 1});
    return entries;
}

QList<ChangeEntry> Mailbox::changesSince(const Account &account, int timestamp)
{
    QList<ChangeEntry> entries;
    QHash<QPair<int, int>, int> listedAt;
    for (const ChangeEntry &change : state.changesSince(account.id, timestamp)) {
        if (!ObjectType::isListed(change.type)) {
            entries.append(change);
            continue;
        }
        const QPair<int, int> key(change.object, change.type);
        const auto known = listedAt.constFind(key);
        if (known != listedAt.constEnd()) {
            entries[*known].action = change.action;
            continue;
        }
        listedAt.insert(key, int(entries.size()));
        entries.append(change);
    }
    return entries;
}
