// The objects that the service kept refusing to hand out: remembered until a fetch brings them or reports
// them removed, and asked for again in every synchronisation cycle meanwhile.
#include "CacheDatabase.h"
#include "ObjectRef.h"

#include <QMutexLocker>
#include <QSqlQuery>
#include <QStringList>

bool CacheDatabase::rememberUnfetched(const ObjectRef &object, bool &isNew)
{
    QMutexLocker locker(&mutex);
    const QVariantList key{object.object, object.type};
    isNew = !hasRow(QStringLiteral("SELECT 1 FROM unfetched WHERE id=? AND type=?"), key);
    unfetchedMayExist = true;
    return run(QStringLiteral("REPLACE INTO unfetched(id,type) VALUES(?,?)"), key);
}

QList<ObjectRef> CacheDatabase::unfetchedObjects()
{
    QMutexLocker locker(&mutex);
    QList<ObjectRef> objects;
    QSqlQuery query(database);
    if (!run(query, QStringLiteral("SELECT id, type FROM unfetched ORDER BY rowid"), {}))
        return objects;
    while (query.next())
        objects.append(ObjectRef(query.value(0).toInt(), query.value(1).toInt()));
    return objects;
}

bool CacheDatabase::forgetUnfetched(const QList<ObjectRef> &objects)
{
    QMutexLocker locker(&mutex);
    if (objects.isEmpty() || !unfetchedMayExist)
        return true;
    {
        QSqlQuery any(database);
        if (!run(any, QStringLiteral("SELECT 1 FROM unfetched LIMIT 1"), {}))
            return false;
        unfetchedMayExist = any.next();
    }
    if (!unfetchedMayExist)
        return true;
    QStringList rows;
    QVariantList values;
    for (const ObjectRef &object : objects) {
        rows += QStringLiteral("(?,?)");
        values << object.object << object.type;
    }
    return run(QStringLiteral("DELETE FROM unfetched WHERE (id,type) IN (VALUES %1)").arg(rows.join(',')), values);
}
