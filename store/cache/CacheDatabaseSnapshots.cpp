#include "CacheDatabase.h"
#include "CacheDatabaseDetail.h"
#include "ChangeList.h"
#include "MoveToFolderRequest.h"
#include "ObjectType.h"
#include "RecordTable.h"
#include "qtObjectsInfo.h"

#include <QMutexLocker>
#include <QSet>
#include <QSqlQuery>
#include <array>
#include <initializer_list>

namespace {

// What deleting an object of a type takes, in order; each statement takes the object id. A delivery list
// goes before the items through which its statement finds it.
const std::array<std::initializer_list<const char *>, 7> deletions = {{
    {"delete from recipients where id=? and type=1", "delete from faxsent where id=?"},
    {"delete from faxreceived where id=?"},
    {"delete from voicereceived where id=?"},
    {"delete from recipients where id=? and type=4", "delete from smssent where id=?"},
    {"delete from contact where groupid=?", "delete from contactgroup where id=?"},
    {"delete from contact where id=?"},
    {"delete from recipients where type=4 and id in (select id from smssent where folderid=?)",
     "delete from smssent where folderid=?",
     "delete from recipients where type=1 and id in (select id from faxsent where folderid=?)",
     "delete from faxsent where folderid=?", "delete from faxreceived where folderid=?",
     "delete from voicereceived where folderid=?", "delete from folder where id=?"},
}};

bool isItemType(int type)
{
    return type >= ObjectType::FaxSent && type <= ObjectType::SmsSent;
}

} // namespace

template <typename Record> bool CacheDatabase::storeRows(const QList<Record> &records)
{
    if (records.isEmpty())
        return true;
    QSqlQuery query(database);
    if (!query.prepare(QString::fromLatin1(RecordTable<Record>::store)))
        return false;
    for (const Record &record : records) {
        for (const QVariant &value : RecordTable<Record>::values(record))
            query.addBindValue(value);
        // A failing row ends its table's batch; the rows before it stay written.
        if (!query.exec())
            return false;
    }
    return true;
}

template <typename Record> int CacheDatabase::countNew(const QList<Record> &records)
{
    QSqlQuery query(database);
    if (records.isEmpty() ||
        !query.prepare(
            QStringLiteral("SELECT count(*) FROM %1 WHERE id = ?").arg(tableName(records.first().type))))
        return 0;
    int fresh = 0;
    for (const Record &record : records) {
        if (record.status != 0)
            continue;
        query.addBindValue(record.id);
        if (query.exec() && query.next() && query.value(0).toInt() == 0)
            ++fresh;
    }
    return fresh;
}

bool CacheDatabase::storeObjects(const qtObjectsInfo &snapshot, int &fresh)
{
    QMutexLocker locker(&mutex);
    fresh = 0;
    // One transaction: a full review of a large account must not cost one disk sync per row. A table whose
    // rows fail does not stop the others.
    return inTransaction([&] {
        bool stored = storeRows(snapshot.folders);
        stored = storeRows(snapshot.contactgroups) && stored;
        // Counted before the rows of the list are written, against what the table held until now.
        fresh += countNew<qtFAXReceivedInfo>(snapshot.faxesreceived);
        stored = storeRows(snapshot.faxesreceived) && stored;
        fresh += countNew<qtVOICEReceivedInfo>(snapshot.voicesreceived);
        stored = storeRows(snapshot.voicesreceived) && stored;
        stored = storeRows(snapshot.faxessent) && stored;
        stored = storeRows(snapshot.smsessent) && stored;
        return storeRows(snapshot.contacts) && stored;
    });
}

bool CacheDatabase::storeObjectsWithShift(const qtObjectsInfo &snapshot, int &fresh)
{
    const bool shifted = setTimeShift(snapshot.shifttime);
    return storeObjects(snapshot, fresh) && shifted;
}

template <typename Record> void CacheDatabase::loadRows(QList<Record> &records)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(RecordTable<Record>::load)))
        return;
    Record record(0, 0);
    while (query.next()) {
        RecordTable<Record>::read(query, record);
        records.append(record);
    }
}

void CacheDatabase::loadAll(qtObjectsInfo &snapshot)
{
    snapshot.shifttime = timeShift();
    QMutexLocker locker(&mutex);
    loadRows(snapshot.faxessent);
    loadRows(snapshot.faxesreceived);
    loadRows(snapshot.voicesreceived);
    loadRows(snapshot.smsessent);
    loadRows(snapshot.contactgroups);
    loadRows(snapshot.contacts);
    loadRows(snapshot.folders);
}

bool CacheDatabase::deleteIds(const QMap<int, QList<int>> &idsByType)
{
    QMutexLocker locker(&mutex);
    return inTransaction([&] {
        bool deleted = true;
        for (int type = ObjectType::FaxSent; type <= ObjectType::Folder; ++type) {
            const QList<int> ids = idsByType.value(type);
            if (ids.isEmpty())
                continue;
            // A statement that fails does not stop the others of its type.
            for (const char *statement : deletions[type - 1])
                deleted = runForEach(QString::fromLatin1(statement), ids) && deleted;
        }
        return deleted;
    });
}

bool CacheDatabase::deleteObjectList(const QList<ChangeEntry> &entries)
{
    QMap<int, QList<int>> idsByType;
    for (const ChangeEntry &entry : entries) {
        if (entry.action == -1 && CacheDatabaseDetail::isStoredType(entry.type))
            idsByType[entry.type].append(entry.object);
    }
    return deleteIds(idsByType);
}

bool CacheDatabase::deleteObjects(const ObjectsRequest &request)
{
    return deleteIds(request.objects);
}

void CacheDatabase::collectRemoved(ChangeList &list)
{
    for (int type = ObjectType::FaxSent; type <= ObjectType::Folder; ++type)
        collectRemovedOfType(type, idsOfType(type, list.entries), list);
}

void CacheDatabase::collectRemovedOfType(int objectType, const QList<int> &named, ChangeList &list)
{
    const QSet<int> listed(named.cbegin(), named.cend());
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id FROM %1").arg(tableName(objectType))))
        return;
    while (query.next()) {
        const int id = query.value(0).toInt();
        if (!listed.contains(id))
            list.entries.append(ChangeEntry(id, objectType, -1));
    }
}

bool CacheDatabase::moveObjects(const MoveToFolderRequest &request)
{
    if (!request.objects)
        return true;
    bool moved = true;
    for (auto it = request.objects->objects.cbegin(); it != request.objects->objects.cend(); ++it) {
        if (isItemType(it.key()) && !it.value().isEmpty())
            moved = moveObjectsOfType(it.key(), it.value(), request.to_folderid) && moved;
    }
    return moved;
}

bool CacheDatabase::moveObjectsOfType(int objectType, const QList<int> &ids, int folderId)
{
    QMutexLocker locker(&mutex);
    return inTransaction([&] {
        return runForEach(QStringLiteral("update %1 set folderid=? where id=?").arg(tableName(objectType)),
                          ids, {folderId});
    });
}

bool CacheDatabase::setReadStatus(const ObjectsRequest &request, bool read)
{
    QMutexLocker locker(&mutex);
    return inTransaction([&] {
        bool changed = true;
        for (int type = ObjectType::FaxSent; type <= ObjectType::SmsSent; ++type) {
            const QList<int> ids = request.objects.value(type);
            if (!ids.isEmpty())
                changed =
                    runForEach(QStringLiteral("update %1 set status = ? where id=?").arg(tableName(type)),
                               ids, {read ? 1 : 0}) &&
                    changed;
        }
        return changed;
    });
}

bool CacheDatabase::folderHasNoQueuedItems(int folderId)
{
    {
        QMutexLocker locker(&mutex);
        if (hasRow(
                QStringLiteral("SELECT 1 FROM faxsent where (sentstatus==2 or sentstatus==-2 or type=16) and "
                               "folderid=?"),
                {folderId}))
            return false;
    }
    QMutexLocker locker(&mutex);
    return !hasRow(
        QStringLiteral("SELECT 1 FROM smssent where (sentstatus==2 or sentstatus==-2) and folderid=?"),
        {folderId});
}
