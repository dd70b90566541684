#include "CacheDatabase.h"

#include "CacheDatabaseDetail.h"
#include "CacheRescue.h"
#include "FileHelpers.h"
#include "SettingsStore.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QSqlQuery>
#include <QUrl>

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
    "CREATE TABLE IF NOT EXISTS unfetched(id INT, type INT, PRIMARY KEY(id,type))",
};

// A log that holds no more than its header holds no commit.
const qint64 walHeaderSize = 32;

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
    readOnly = false;
    writeAheadLog = false;
    unitDepth = 0;
    syncedUnit = false;
    unfetchedMayExist = true;
    keptDamagedCopy.clear();
    damagedTasksUnreadable = false;
    const QString path = SettingsStore::instance().cacheDatabasePath();
    const CacheRescue::Verdict verdict = CacheRescue::examine(path);
    CacheRescue rescue;
    if (verdict == CacheRescue::Verdict::Damaged && !rescue.setAside(path))
        return false;
    if (verdict != CacheRescue::Verdict::Unusable && openWritable(path, rescue)) {
        keptDamagedCopy = rescue.keptPath();
        damagedTasksUnreadable = !keptDamagedCopy.isEmpty() && !rescue.tasksReadable();
        opened = true;
        return true;
    }
    // The damaged file stays the only copy of its task rows until a fresh cache has taken them.
    if (verdict == CacheRescue::Verdict::Damaged) {
        rescue.putBack(path);
        return false;
    }
    // Sound, or unknown, but not writable now: shown as it is, with the user's changes held.
    readOnly = openReadOnly(path);
    opened = readOnly;
    return opened;
}

bool CacheDatabase::openWritable(const QString &path, const CacheRescue &rescue)
{
    database.setConnectOptions(QString());
    database.setDatabaseName(path);
    if (!database.open())
        return false;
    useWriteAheadLog();
    if (createSchema() && carryOverTaskRows(rescue.taskRows())) {
        if (!rescue.keptPath().isEmpty())
            removeOrphanedTaskDirectories(path, rescue.taskRows());
        return true;
    }
    database.close();
    return false;
}

bool CacheDatabase::openReadOnly(const QString &path)
{
    const auto readable = [this] {
        return database.open() && QSqlQuery(database).exec(QStringLiteral("SELECT count(*) FROM localtask"));
    };
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    database.setDatabaseName(path);
    if (readable())
        return true;
    database.close();
    // A file in the log's format cannot be read where SQLite cannot make the log's index (a full disk, a
    // folder that cannot be written), unless it is read as a file that nothing changes. That holds only
    // while no log holds commits and no journal holds a commit to roll back: both would be passed over.
    const bool pendingJournal = QFileInfo(path + QStringLiteral("-wal")).size() > walHeaderSize ||
                                QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    if (pendingJournal)
        return false;
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    database.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                             QStringLiteral("?mode=ro&immutable=1"));
    if (readable())
        return true;
    database.close();
    return false;
}

void CacheDatabase::removeOrphanedTaskDirectories(const QString &path, const QList<QVariantList> &rows)
{
    QSet<int> carried;
    for (const QVariantList &row : rows)
        carried.insert(row.value(0).toInt());
    // The files of a send whose rows were lost with the damaged file: no task will ever use them.
    const QDir folder = QFileInfo(path).dir();
    const QString prefix = QStringLiteral("Task-");
    for (const QString &name :
         folder.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numbered = false;
        const int taskId = name.mid(prefix.size()).toInt(&numbered);
        if (numbered && !carried.contains(taskId))
            removeTaskDirectory(taskId);
    }
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
    // Their only other copy is the damaged file: on the disk before the rescue is done with.
    if (writeAheadLog && !setSynchronous("FULL"))
        return false;
    const bool carried = allOrNothing([&] {
        for (const QVariantList &row : rows) {
            if (!run(QStringLiteral("replace into localtask(id,parameter,value) values(?,?,?)"), row))
                return false;
        }
        return true;
    });
    if (writeAheadLog)
        setSynchronous("NORMAL");
    return carried;
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

bool CacheDatabase::beginTransaction(Unit kind)
{
    QMutexLocker locker(&mutex);
    // The level can only change outside a transaction; FULL makes the commit sync the log. Without the log
    // every commit is synced already.
    const bool synced = unitDepth == 0 && writeAheadLog && kind == Unit::Task;
    if (synced && !setSynchronous("FULL"))
        return false;
    if (synced)
        syncedUnit = true;
    if (beginUnit())
        return true;
    endSyncedUnit();
    return false;
}

bool CacheDatabase::commitTransaction()
{
    QMutexLocker locker(&mutex);
    const bool committed = commitUnit();
    if (committed)
        endSyncedUnit();
    return committed;
}

void CacheDatabase::rollbackTransaction()
{
    QMutexLocker locker(&mutex);
    rollbackUnit();
    endSyncedUnit();
}

void CacheDatabase::endSyncedUnit()
{
    if (unitDepth > 0 || !syncedUnit)
        return;
    // A failed setting back leaves FULL, which only costs time.
    setSynchronous("NORMAL");
    syncedUnit = false;
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
    return CacheDatabaseDetail::isStoredType(objectType) ? QString::fromLatin1(tables[objectType - 1])
                                                         : QString();
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

bool CacheDatabase::hasRow(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(database);
    return run(query, statement, values) && query.next();
}
