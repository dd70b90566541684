#include "CacheDatabase.h"
#include "CacheDatabaseDetail.h"
#include "SettingsStore.h"

#include <QMutexLocker>
#include <QSqlQuery>

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
                     {taskId, parameter, CacheDatabaseDetail::text(value)});
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
