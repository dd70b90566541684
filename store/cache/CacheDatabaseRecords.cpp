#include "CacheDatabase.h"
#include "CacheDatabaseDetail.h"
#include "ObjectType.h"
#include "RecordTable.h"
#include "qtObjectsInfo.h"

#include <QMutexLocker>
#include <QSqlQuery>

template <typename Record, typename Value> bool CacheDatabase::storeOne(const Value &record)
{
    return runLocked(QString::fromLatin1(RecordTable<Record>::store), RecordTable<Record>::values(record));
}

bool CacheDatabase::storeContact(const BaseContactInfo *contact)
{
    return storeOne<qtContactInfo>(*contact);
}

bool CacheDatabase::storeContactGroup(const qtContactGroupInfo *group)
{
    return storeOne<qtContactGroupInfo>(*group);
}

bool CacheDatabase::storeFolder(const QelFolderInfo *folder)
{
    return storeOne<QelFolderInfo>(*folder);
}

bool CacheDatabase::storeFaxSent(const BaseFAXSentInfo *fax)
{
    return storeOne<qtFAXSentInfo>(*fax);
}

bool CacheDatabase::storeSmsSent(const BaseSMSSentInfo *sms)
{
    return storeOne<qtSMSSentInfo>(*sms);
}

bool CacheDatabase::storeReceived(int objectType, const QString &statement, int id,
                                  const QVariantList &values, bool &existed)
{
    QMutexLocker locker(&mutex);
    existed = existsUnlocked(objectType, id);
    return run(statement, values);
}

bool CacheDatabase::storeFaxReceived(const qtFAXReceivedInfo *fax, bool &existed)
{
    using Table = RecordTable<qtFAXReceivedInfo>;
    return storeReceived(fax->type, QString::fromLatin1(Table::store), fax->id, Table::values(*fax), existed);
}

bool CacheDatabase::storeVoiceReceived(const qtVOICEReceivedInfo *voice, bool &existed)
{
    using Table = RecordTable<qtVOICEReceivedInfo>;
    return storeReceived(voice->type, QString::fromLatin1(Table::store), voice->id, Table::values(*voice),
                         existed);
}

bool CacheDatabase::exists(int objectType, int id)
{
    QMutexLocker locker(&mutex);
    return existsUnlocked(objectType, id);
}

bool CacheDatabase::existsUnlocked(int objectType, int id)
{
    const QString table = tableName(objectType);
    if (table.isEmpty())
        return false;
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT count(*) FROM %1 WHERE id=?").arg(table), {id}) || !query.next())
        return false;
    return query.value(0).toInt() > 0;
}

bool CacheDatabase::deleteContact(int id)
{
    return deleteIds({{ObjectType::Contact, {id}}});
}

bool CacheDatabase::deleteContactGroup(int id)
{
    return deleteIds({{ObjectType::ContactGroup, {id}}});
}

bool CacheDatabase::deleteFaxSent(int id)
{
    return deleteIds({{ObjectType::FaxSent, {id}}});
}

bool CacheDatabase::deleteSmsSent(int id)
{
    return deleteIds({{ObjectType::SmsSent, {id}}});
}

bool CacheDatabase::deleteFaxReceived(int id)
{
    return deleteIds({{ObjectType::FaxReceived, {id}}});
}

bool CacheDatabase::deleteVoiceReceived(int id)
{
    return deleteIds({{ObjectType::VoiceReceived, {id}}});
}

bool CacheDatabase::loadRecipients(const BaseObject &item, QList<RecipientStatus> &list)
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT recipient, status FROM recipients WHERE id=? AND type=?"),
             {item.id, item.type}))
        return false;
    bool found = false;
    while (query.next()) {
        list.append(RecipientStatus(query.value(0).toString(), query.value(1).toInt()));
        found = true;
    }
    return found;
}

bool CacheDatabase::storeRecipients(const BaseObject &item, const QList<RecipientStatus> &list)
{
    QMutexLocker locker(&mutex);
    // A delivery list can hold thousands of recipients: one transaction, not one disk sync per row.
    return inTransaction([&] {
        QSqlQuery query(database);
        if (!query.prepare(
                QStringLiteral("REPLACE INTO recipients(id, type, recipient, status) VALUES(?,?,?,?)")))
            return false;
        for (const RecipientStatus &entry : list) {
            for (const QVariant &value :
                 QVariantList{item.id, item.type, CacheDatabaseDetail::text(entry.recipient), entry.status})
                query.addBindValue(value);
            if (!query.exec())
                return false;
        }
        return true;
    });
}
