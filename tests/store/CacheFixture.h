#pragma once

#include "CacheDatabase.h"
#include "SettingsStore.h"
#include "TestHome.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <memory>

// A fresh home with customer 42 signed in and that customer's cache opened, plus a second connection to
// the same file through which tests look at the rows themselves.
class CacheFixture
{
public:
    CacheFixture()
    {
        SettingsStore::instance().setCustomerId(42);
        cache = std::make_unique<CacheDatabase>();
        opened = cache->open();
        QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName());
        probe.setDatabaseName(SettingsStore::instance().cacheDatabasePath());
        probe.open();
    }
    ~CacheFixture()
    {
        cache.reset();
        QSqlDatabase::database(probeName()).close();
        QSqlDatabase::removeDatabase(probeName());
    }
    CacheFixture(const CacheFixture &) = delete;
    CacheFixture &operator=(const CacheFixture &) = delete;

    // Every row of the query, its columns joined by "|".
    QStringList rows(const QString &statement) const
    {
        QSqlQuery query(QSqlDatabase::database(probeName()));
        QStringList result;
        if (!query.exec(statement))
            return {QStringLiteral("error: ") + statement};
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns << query.value(i).toString();
            result << columns.join(QLatin1Char('|'));
        }
        return result;
    }

    bool execute(const QString &statement) const
    {
        QSqlQuery query(QSqlDatabase::database(probeName()));
        return query.exec(statement);
    }

    static QString probeName() { return QStringLiteral("probe"); }

    TestHome home;
    std::unique_ptr<CacheDatabase> cache;
    bool opened = false;
};
