#include "Seeder.h"

#include "PdfDocument.h"
#include "ServiceCodes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The names by which seed items refer to folders and groups, and the ids they got.
struct SeedNames
{
    QHash<QString, int> folders;
    QHash<QString, int> groups;

    int folder(const QJsonObject &item, int fallback) const
    {
        const QString name = item.value("folder").toString();
        if (name.isEmpty())
            return fallback;
        if (!folders.contains(name))
            throw SeedError("unknown folder \"" + name.toStdString() + "\"");
        return folders.value(name);
    }
};

QString digestOf(const QJsonObject &json)
{
    if (json.contains("passwordDigest"))
        return json.value("passwordDigest").toString().toLower();
    return QCryptographicHash::hash(json.value("password").toString().toUtf8(), QCryptographicHash::Md5)
        .toHex();
}

QStringList strings(const QJsonValue &value)
{
    QStringList result;
    for (const QJsonValue &item : value.toArray())
        result.append(item.toString());
    return result;
}

Document documentOf(const QJsonObject &item, const QString &defaultName, const QStringList &defaultText)
{
    const QJsonObject given = item.value("document").toObject();
    if (!given.isEmpty())
        return {given.value("name").toString(defaultName),
                given.value("contentType").toString("application/pdf"),
                QByteArray::fromBase64(given.value("base64").toString().toLatin1())};
    const QStringList text = item.contains("text") ? strings(item.value("text")) : defaultText;
    return {defaultName, "application/pdf", PdfDocument::singlePage(text)};
}

StoredObject newObject(const QJsonObject &item, int account, int type)
{
    StoredObject object;
    object.id = item.value("id").toInt();
    object.account = account;
    object.type = type;
    return object;
}

StoredObject itemBase(const QJsonObject &json, int account, int type, int folder)
{
    StoredObject object = newObject(json, account, type);
    object.folder = folder;
    object.date = json.value("date").toString(Mailbox::serviceNow());
    object.status = json.value("read").toBool() ? 1 : 0;
    return object;
}

} // namespace

Seeder::Seeder(Mailbox &mailbox) : mailbox(mailbox) {}

QJsonObject Seeder::apply(const QJsonObject &seed)
{
    // A seed that fails part way leaves nothing of itself behind.
    StateStore::Transaction transaction(mailbox.store());
    QJsonArray accounts;
    for (const QJsonValue &account : seed.value("accounts").toArray())
        accounts.append(seedAccount(account.toObject()));
    transaction.commit();
    return {{"accounts", accounts}};
}

QJsonObject Seeder::seedAccount(const QJsonObject &json)
{
    StateStore &store = mailbox.store();
    const QString email = json.value("email").toString();
    if (!Mailbox::isEmailShaped(email))
        throw SeedError("account without a valid e-mail");
    if (store.accountByEmail(email))
        throw SeedError("account " + email.toStdString() + " exists already");
    Account account = mailbox.createAccount(email, digestOf(json), json.value("customerId").toInt());
    account.timeShift = json.value("timeShift").toInt();
    account.extendedTitle = json.value("extendedTitle").toBool();
    account.details = json.value("details").toObject();
    store.updateAccount(account);

    SeedNames names;
    QJsonObject ids{
        {"email", email}, {"customerId", account.id}, {"inbox", account.inbox}, {"outbox", account.outbox}};
    QJsonArray folderIds, groupIds, contactIds, faxIds, voiceIds, sentFaxIds, smsIds;

    for (const QJsonValue &value : json.value("folders").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject folder = newObject(item, account.id, ObjectType::Folder);
        folder.name = item.value("name").toString();
        names.folders.insert(folder.name, store.insertObject(folder));
        folderIds.append(names.folders.value(folder.name));
    }
    const auto addContact = [&](const QJsonObject &item, int groupId) {
        StoredObject contact = newObject(item, account.id, ObjectType::Contact);
        contact.groupId = groupId;
        contact.name = item.value("name").toString();
        contact.number = item.value("number").toString();
        contact.gsmNumber = item.value("gsmnumber").toString();
        contactIds.append(store.insertObject(contact));
    };
    for (const QJsonValue &value : json.value("groups").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject group = newObject(item, account.id, ObjectType::ContactGroup);
        group.name = item.value("name").toString();
        const int groupId = store.insertObject(group);
        names.groups.insert(group.name, groupId);
        groupIds.append(groupId);
        for (const QJsonValue &member : item.value("contacts").toArray())
            addContact(member.toObject(), groupId);
    }
    for (const QJsonValue &value : json.value("contacts").toArray())
        addContact(value.toObject(), 0);
    for (const QJsonValue &value : json.value("receivedFaxes").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject fax =
            itemBase(item, account.id, ObjectType::ReceivedFax, names.folder(item, account.inbox));
        fax.sender = item.value("sender").toString();
        fax.pages = item.value("pages").toInt(1);
        const Document document = documentOf(
            item, "fax.pdf", {"Fax from " + (fax.sender.isEmpty() ? "an unknown sender" : fax.sender)});
        faxIds.append(mailbox.addReceivedFax(account, fax, document));
    }
    for (const QJsonValue &value : json.value("voiceMessages").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject voice =
            itemBase(item, account.id, ObjectType::VoiceMessage, names.folder(item, account.inbox));
        voice.sender = item.value("sender").toString();
        voice.duration = item.value("duration").toInt();
        voiceIds.append(store.insertObject(voice));
    }
    const auto addSent = [&](const QJsonObject &item, StoredObject sent, QJsonArray &list) {
        sent.status = 1;
        sent.sentStatus = item.value("status").toInt(ServiceCode::Delivered);
        const int id = store.insertObject(sent);
        QList<Recipient> recipients;
        for (const QString &number : strings(item.value("recipients")))
            recipients.append({number, sent.sentStatus});
        store.setRecipients(id, recipients);
        list.append(id);
        return id;
    };
    for (const QJsonValue &value : json.value("sentFaxes").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject fax =
            itemBase(item, account.id, ObjectType::SentFax, names.folder(item, account.outbox));
        fax.pages = item.value("pages").toInt(1);
        const int id = addSent(item, fax, sentFaxIds);
        store.addDocument(id, documentOf(item, "sent.pdf", {"Sent fax"}));
    }
    for (const QJsonValue &value : json.value("sentSms").toArray()) {
        const QJsonObject item = value.toObject();
        StoredObject sms =
            itemBase(item, account.id, ObjectType::SentSms, names.folder(item, account.outbox));
        sms.content = item.value("content").toString();
        addSent(item, sms, smsIds);
    }
    ids.insert("folders", folderIds);
    ids.insert("groups", groupIds);
    ids.insert("contacts", contactIds);
    ids.insert("receivedFaxes", faxIds);
    ids.insert("voiceMessages", voiceIds);
    ids.insert("sentFaxes", sentFaxIds);
    ids.insert("sentSms", smsIds);
    return ids;
}

QJsonObject Seeder::demoSeed()
{
    QFile file(":/standin/demo-account.json");
    if (!file.open(QIODevice::ReadOnly))
        throw SeedError("the demo seed resource is missing");
    return QJsonDocument::fromJson(file.readAll()).object();
}
