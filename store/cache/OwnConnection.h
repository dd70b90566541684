#pragma once

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QString>

// One counter for every use, so that no two connections ever share a name.
inline QString ownConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("qelvox-own-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A connection of its own to one file for the time of the work, removed afterwards. The work gets it
// whether or not it opened; lastError() then says why not. Options are QSQLITE connect options.
template <typename Work> void withOwnConnection(const QString &file, const QString &options, Work work)
{
    const QString name = ownConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        database.setConnectOptions(options);
        database.open();
        work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}
