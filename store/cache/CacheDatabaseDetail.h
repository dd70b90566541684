#pragma once

// What the source files of CacheDatabase share; no other file includes it.

#include "CacheDatabase.h"
#include "ObjectType.h"

#include <QString>
#include <QVariant>

namespace CacheDatabaseDetail {

inline bool isStoredType(int type)
{
    return type >= ObjectType::FaxSent && type <= ObjectType::Folder;
}

inline QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

} // namespace CacheDatabaseDetail

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

template <typename Work> bool CacheDatabase::allOrNothing(Work work)
{
    if (!beginUnit())
        return false;
    if (work() && commitUnit())
        return true;
    rollbackUnit();
    return false;
}
