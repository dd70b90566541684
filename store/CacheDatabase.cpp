#include "CacheDatabase.h"

#include "CacheRescue.h"
#include "ChangeList.h"
#include "MoveToFolderRequest.h"
#include "ObjectType.h"
#include "RecordTable.h"
#include "SettingsStore.h"
#include "qtObjectsInfo.h"

#include <QAtomicInt>
#include <QMutexLocker>
#include <QSet>
#include <QSqlQuery>
#include <array>
#include <initializer_list>

namespace {

const char *const schema[] = {
    "CREATE TABLE IF NOT EXISTS localtask(id INT, parameter VARCHAR(255), value VARCHAR(255),  PRIMARY "
    "KEY(id, parameter))",
    "CREATE TABLE IF NOT EXISTS settings(parameter VARCHAR(255), value VARCHAR(255), PRIMARY KEY(parameter))",
    "CREATE TABLE IF NOT EXISTS contactgroup(id INT PRIMARY KEY, name VARCHAR(255))",
    "CREATE TABLE IF NOT EXISTS contact(id INT PRIMARY KEY, groupid INT, name VARCHAR(255), number "
    "VARCHAR(255), gsmnumber VARCHAR(255))",
    "CREATE INDEX IF NOT EXISTS idx_contact_01 ON contact(groupid)",
    "CREATE TABLE IF NOT EXISTS folder(id INT PRIMARY KEY, foldertype INT, name VARCHAR(255))",
    "CREATE TABLE IF NOT EXISTS smssent(id INT PRIMARY KEY, folderid INT, status INT, sentstatus INT, date "
    "VARCHAR(255), content VARCHAR(255), recipients INT, recipient VARCHAR(255))",
    "CREATE INDEX IF NOT EXISTS idx_smssent_01 ON smssent(folderid)",
    "CREATE TABLE IF NOT EXISTS faxreceived(id INT PRIMARY KEY, folderid INT, status INT, date VARCHAR(255), "
    "pagescount INT, sender VARCHAR(255))",
    "CREATE INDEX IF NOT EXISTS idx_faxreceived_01 ON faxreceived(folderid)",
    "CREATE TABLE IF NOT EXISTS faxsent(id INT PRIMARY KEY, folderid INT, type INT, status INT, sentstatus "
    "INT, date VARCHAR(255), pagescount INT, recipients INT, recipient VARCHAR(255))",
    "CREATE INDEX IF NOT EXISTS idx_faxsent_01 ON faxsent(folderid)",
    "CREATE TABLE IF NOT EXISTS voicereceived(id INT PRIMARY KEY, folderid INT, status INT, date "
    "VARCHAR(255), duration INT, sender VARCHAR(255))",
    "CREATE INDEX IF NOT EXISTS idx_voicereceived_01 ON voicereceived(folderid)",
    "CREATE TABLE IF NOT EXISTS recipients(id INT , type INT, recipient VARCHAR(255), status INT, PRIMARY "
    "KEY(id,type,recipient))",
};

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

bool isStoredType(int type)
{
    return type >= ObjectType::FaxSent && type <= ObjectType::Folder;
}

bool isItemType(int type)
{
    return type >= ObjectType::FaxSent && type <= ObjectType::SmsSent;
}

QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("qelvox-cache-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

CacheDatabase::CacheDatabase()
    : connectionName(newConnectionName()),
      database(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName))
{
}

CacheDatabase::~CacheDatabase()
{
    if (opened)
        database.close();
    // The connection can only be removed once no handle refers to it any more.
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

bool CacheDatabase::open()
{
    QMutexLocker locker(&mutex);
    if (opened)
        database.close();
    opened = false;
    unitDepth = 0;
    keptDamagedCopy.clear();
    const QString path = SettingsStore::instance().cacheDatabasePath();
    CacheRescue rescue;
    if (!CacheRescue::isSound(path) && !rescue.setAside(path))
        return false;
    database.setDatabaseName(path);
    if (!database.open())
        return false;
    useWriteAheadLog();
    if (!createSchema() || !carryOverTaskRows(rescue.taskRows())) {
        database.close();
        return false;
    }
    keptDamagedCopy = rescue.keptPath();
    opened = true;
    return true;
}

bool CacheDatabase::createSchema()
{
    QSqlQuery query(database);
    for (const char *statement : schema) {
        if (!query.exec(QString::fromLatin1(statement)))
            return false;
    }
    return true;
}

bool CacheDatabase::carryOverTaskRows(const QList<QVariantList> &rows)
{
    if (rows.isEmpty())
        return true;
    return allOrNothing([&] {
        for (const QVariantList &row : rows) {
            if (!run(QStringLiteral("replace into localtask(id,parameter,value) values(?,?,?)"), row))
                return false;
        }
        return true;
    });
}

void CacheDatabase::useWriteAheadLog()
{
    // With a write-ahead log a commit appends to one file, and NORMAL synchronisation syncs it only at
    // checkpoints: a power cut may lose the last commits of the mirror, which the service still holds, but
    // never corrupts the file. Where the log cannot be used (no shared memory on the file system) the
    // rollback journal stays, with its full synchronisation.
    QSqlQuery query(database);
    writeAheadLog = query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && query.next()
                    && query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    if (writeAheadLog && !setSynchronous("NORMAL"))
        writeAheadLog = false;
}

bool CacheDatabase::setSynchronous(const char *level)
{
    return QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous=") + QLatin1String(level));
}

bool CacheDatabase::isOpen() const
{
    QMutexLocker locker(&mutex);
    return opened;
}

bool CacheDatabase::beginTransaction()
{
    QMutexLocker locker(&mutex);
    // The level can only change outside a transaction; FULL makes the commit sync the log.
    const bool outermost = unitDepth == 0 && writeAheadLog;
    if (outermost && !setSynchronous("FULL"))
        return false;
    if (beginUnit())
        return true;
    if (outermost)
        setSynchronous("NORMAL");
    return false;
}

bool CacheDatabase::commitTransaction()
{
    QMutexLocker locker(&mutex);
    const bool committed = commitUnit();
    // A failed setting back leaves FULL, which only costs time.
    if (committed && unitDepth == 0 && writeAheadLog)
        setSynchronous("NORMAL");
    return committed;
}

void CacheDatabase::rollbackTransaction()
{
    QMutexLocker locker(&mutex);
    rollbackUnit();
    if (unitDepth == 0 && writeAheadLog)
        setSynchronous("NORMAL");
}

bool CacheDatabase::beginUnit()
{
    const bool begun = unitDepth == 0
                           ? database.transaction()
                           : QSqlQuery(database).exec(QStringLiteral("SAVEPOINT unit%1").arg(unitDepth));
    if (begun)
        ++unitDepth;
    return begun;
}

bool CacheDatabase::commitUnit()
{
    if (unitDepth == 0)
        return false;
    // A commit that fails leaves the unit open, for the caller's rollback.
    const bool committed =
        unitDepth == 1 ? database.commit()
                       : QSqlQuery(database).exec(QStringLiteral("RELEASE unit%1").arg(unitDepth - 1));
    if (committed)
        --unitDepth;
    return committed;
}

void CacheDatabase::rollbackUnit()
{
    if (unitDepth == 0)
        return;
    --unitDepth;
    if (unitDepth == 0) {
        database.rollback();
        return;
    }
    // Rolling back to a savepoint keeps it open; releasing it ends the unit.
    QSqlQuery query(database);
    query.exec(QStringLiteral("ROLLBACK TO unit%1").arg(unitDepth));
    query.exec(QStringLiteral("RELEASE unit%1").arg(unitDepth));
}

QString CacheDatabase::tableName(int objectType)
{
    static const char *const tables[] = {"faxsent",      "faxreceived", "voicereceived", "smssent",
                                         "contactgroup", "contact",     "folder"};
    return isStoredType(objectType) ? QString::fromLatin1(tables[objectType - 1]) : QString();
}

QList<int> CacheDatabase::idsOfType(int objectType, const QList<ChangeEntry> &entries)
{
    QList<int> ids;
    for (const ChangeEntry &entry : entries) {
        if (entry.type == objectType)
            ids.append(entry.object);
    }
    return ids;
}

bool CacheDatabase::run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

bool CacheDatabase::run(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(database);
    return run(query, statement, values);
}

bool CacheDatabase::runLocked(const QString &statement, const QVariantList &values)
{
    QMutexLocker locker(&mutex);
    return run(statement, values);
}

bool CacheDatabase::runForEach(const QString &statement, const QList<int> &ids, const QVariantList &leading)
{
    QSqlQuery query(database);
    if (!query.prepare(statement))
        return false;
    for (int id : ids) {
        for (const QVariant &value : leading)
            query.addBindValue(value);
        query.addBindValue(id);
        if (!query.exec())
            return false;
    }
    return true;
}

template <typename Work> bool CacheDatabase::inTransaction(Work work)
{
    if (!beginUnit())
        return false;
    // What the work wrote before a failure stays written; the failure is reported all the same.
    const bool done = work();
    if (commitUnit())
        return done;
    rollbackUnit();
    return false;
}

bool CacheDatabase::hasRow(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(database);
    return run(query, statement, values) && query.next();
}

bool CacheDatabase::setSetting(const QString &parameter, int value)
{
    return runLocked(QStringLiteral("replace into settings(parameter,value) values(?,?)"),
                     {parameter, value});
}

int CacheDatabase::getSetting(const QString &parameter)
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT value FROM settings WHERE parameter=?"), {parameter}) ||
        !query.next())
        return 0;
    return query.value(0).toInt();
}

bool CacheDatabase::setInboxOutboxIds(int inboxId, int outboxId)
{
    const bool stored =
        setSetting(QStringLiteral("INBOX_ID"), inboxId) && setSetting(QStringLiteral("OUTBOX_ID"), outboxId);
    // Outside the database lock: the settings store's lock is always the innermost.
    SettingsStore::instance().setInboxId(inboxId);
    SettingsStore::instance().setOutboxId(outboxId);
    return stored;
}

bool CacheDatabase::loadInboxOutboxIds(int &inboxId, int &outboxId)
{
    inboxId = getSetting(QStringLiteral("INBOX_ID"));
    outboxId = getSetting(QStringLiteral("OUTBOX_ID"));
    if (outboxId <= 0)
        return false;
    SettingsStore::instance().setInboxId(inboxId);
    SettingsStore::instance().setOutboxId(outboxId);
    return true;
}

bool CacheDatabase::setTaskParam(int taskId, const QString &parameter, const QString &value)
{
    return runLocked(QStringLiteral("replace into localtask(id,parameter,value) values(?,?,?)"),
                     {taskId, parameter, text(value)});
}

bool CacheDatabase::setTaskParam(int taskId, const QString &parameter, int value)
{
    return setTaskParam(taskId, parameter, QString::number(value));
}

QString CacheDatabase::getTaskParam(int taskId, const QString &parameter)
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT value FROM localtask WHERE parameter=? and id=?"),
             {parameter, taskId}) ||
        !query.next())
        return QString();
    return query.value(0).toString();
}

bool CacheDatabase::deleteTask(int taskId)
{
    if (taskId == 0)
        return true;
    // Synced like the task's writing: a finished task that came back after a power cut would run again.
    if (!beginTransaction())
        return false;
    if (runLocked(QStringLiteral("delete from localtask where id=?"), {taskId}) && commitTransaction())
        return true;
    rollbackTransaction();
    return false;
}

bool CacheDatabase::deleteUnnumberedTasks()
{
    return runLocked(QStringLiteral("delete from localtask where id<=0"), {});
}

int CacheDatabase::nextTaskId()
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    // A task whose rows could not be stored leaves no trace in the table, yet its id may be in use (its
    // task still queued, a record numbered by it): the mark keeps the id from being given twice.
    int next = qMax(1000, taskIdMark + 1);
    if (query.exec(QStringLiteral("SELECT max(id) FROM localtask")) && query.next())
        next = qMax(next, query.value(0).toInt() + 1);
    taskIdMark = next;
    return next;
}

bool CacheDatabase::loadTaskParams(int taskId, QHash<QString, QString> &params)
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT parameter, value FROM localtask WHERE id=?"), {taskId}))
        return false;
    while (query.next())
        params.insert(query.value(0).toString(), query.value(1).toString());
    return true;
}

bool CacheDatabase::rewriteTaskReferences(int localId, int serviceId)
{
    QMutexLocker locker(&mutex);
    // Numbers are stored as decimal text. The numbered T_OBJECT_ rows hold ids; their TYPE and COUNT rows
    // do not, and local ids (1000 and up, negated) are never a type or a count anyway.
    return allOrNothing([&] {
        return run(QStringLiteral("UPDATE localtask SET value=? WHERE value=? AND (parameter IN "
                                  "('id','groupid','from_folderid','to_folderid') OR "
                                  "(parameter GLOB 'T_OBJECT_*_*' AND parameter NOT GLOB '*_TYPE' AND "
                                  "parameter NOT GLOB '*_COUNT'))"),
                   {QString::number(serviceId), QString::number(localId)}) &&
               run(QStringLiteral("UPDATE localtask SET value='0' WHERE parameter='localid' AND value=?"),
                   {QString::number(-localId)});
    });
}

bool CacheDatabase::canWrite()
{
    QMutexLocker locker(&mutex);
    return allOrNothing([&] {
        return run(QStringLiteral("replace into settings(parameter,value) values('write_check',1)"), {}) &&
               run(QStringLiteral("delete from settings where parameter='write_check'"), {});
    });
}

template <typename Work> bool CacheDatabase::allOrNothing(Work work)
{
    if (!beginUnit())
        return false;
    if (work() && commitUnit())
        return true;
    rollbackUnit();
    return false;
}

void CacheDatabase::loadTaskTypes(QMap<int, QString> &types)
{
    QMutexLocker locker(&mutex);
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT id, value from localtask where parameter=? order by id"),
             {QStringLiteral("OBJECT_TYPE")}))
        return;
    while (query.next())
        types[query.value(0).toInt()] = query.value(1).toString();
}

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
                 QVariantList{item.id, item.type, text(entry.recipient), entry.status})
                query.addBindValue(value);
            if (!query.exec())
                return false;
        }
        return true;
    });
}

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
        if (entry.action == -1 && isStoredType(entry.type))
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
