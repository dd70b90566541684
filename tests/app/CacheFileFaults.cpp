#include "CacheFileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// Runs the work on a connection of its own to the file; the connection goes when the work is done.
template <typename Work> bool onConnection(const QString &path, Work work)
{
    bool done = false;
    {
        QSqlDatabase cache = QSqlDatabase::addDatabase("QSQLITE", "faulting");
        cache.setDatabaseName(path);
        done = cache.open() && work(cache);
        cache.close();
    }
    QSqlDatabase::removeDatabase("faulting");
    return done;
}

bool checkpointAll(const QString &path)
{
    return onConnection(path, [](QSqlDatabase &cache) {
        return QSqlQuery(cache).exec("PRAGMA wal_checkpoint(TRUNCATE)");
    });
}

// The file and its journal or log (suffix), as copied aside while a connection held them, put back in
// place of what closing that connection left.
bool putBack(const QString &copy, const QString &path, const QString &suffix)
{
    for (const char *made : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + made);
    return QFileInfo(copy + suffix).size() > 0 && QFile::copy(copy, path) &&
           QFile::copy(copy + suffix, path + suffix);
}

bool copyAside(const QString &path, const QString &copy, const QString &suffix)
{
    return QFile::copy(path, copy) && QFile::copy(path + suffix, copy + suffix);
}

} // namespace

bool damageCache(const QString &path, const QString &damage, bool checkpoint)
{
    if (checkpoint && !checkpointAll(path))
        return false;
    if (damage == QLatin1String("directory"))
        return QFile::remove(path) && QDir().mkpath(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qint64 pageSize = 4096;
    if (damage == QLatin1String("half"))
        return file.size() > 4 * pageSize && file.resize(file.size() / 2);
    const bool header = damage == QLatin1String("header");
    QByteArray noise(header ? 100 : pageSize, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(QRandomGenerator::global()->bounded(256));
    const qint64 offset = header ? 0 : (damage.mid(4).toInt() - 1) * pageSize;
    return file.size() >= offset + noise.size() && file.seek(offset) && file.write(noise) == noise.size();
}

bool leaveInLog(const QString &path, const std::function<bool()> &writes)
{
    const QTemporaryDir aside;
    const QString copy = aside.filePath("cache.db");
    const bool copied = onConnection(path, [&](QSqlDatabase &holder) {
        QSqlQuery read(holder);
        return read.exec("SELECT count(*) FROM localtask") && read.next() && writes() &&
               copyAside(path, copy, "-wal");
    });
    return copied && putBack(copy, path, "-wal");
}

bool leaveHotJournal(const QString &path)
{
    const QTemporaryDir aside;
    const QString copy = aside.filePath("cache.db");
    const bool copied = onConnection(path, [&](QSqlDatabase &cache) {
        QSqlQuery query(cache);
        // A cache too small for the commit writes its pages into the file before the commit ends.
        const bool crashed =
            query.exec("PRAGMA journal_mode=DELETE") && query.exec("CREATE TABLE ballast(x)") &&
            query.exec("PRAGMA cache_size=10") && cache.transaction() &&
            query.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<300) "
                       "INSERT INTO ballast SELECT randomblob(1000) FROM n") &&
            copyAside(path, copy, "-journal");
        query.finish();
        cache.rollback();
        return crashed;
    });
    return copied && putBack(copy, path, "-journal");
}
