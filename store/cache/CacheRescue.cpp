#include "CacheRescue.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// The files SQLite keeps beside a database; each goes aside with it, or the fresh cache would replay a
// damaged file's journal.
const char *const journalSuffixes[] = {"-journal", "-wal", "-shm"};

// Far above any account's cache; a header that claims more is itself damaged.
const quint32 maximumPages = 1 << 20;

// A read-only connection of its own to one file, removed when the work is done.
template <typename Work> void withReadOnlyConnection(const QString &path, Work work)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("qelvox-rescue-%1").arg(counter.fetchAndAddRelaxed(1));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open())
            work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// The header's page size (bytes 16-17, 1 for 65536) times its page count (bytes 28-31); 0 when the header
// makes no sense.
qint64 declaredLength(QFile &file)
{
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith("SQLite format 3"))
        return 0;
    const auto number = [&](int offset, int bytes) {
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | quint8(header.at(offset + i));
        return value;
    };
    const quint32 pageSize = number(16, 2) == 1 ? 65536 : number(16, 2);
    const quint32 pages = number(28, 4);
    const bool plausible = pageSize >= 512 && (pageSize & (pageSize - 1)) == 0 && pages <= maximumPages;
    return plausible ? qint64(pageSize) * pages : 0;
}

void padToDeclaredLength(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return;
    // The padding is a hole in the file: it takes no room on the disk. Without it, the read that follows
    // finds what an unpadded file gives, often nothing.
    const qint64 declared = declaredLength(file);
    if (declared > file.size() && !file.resize(declared))
        qWarning("cache rescue: the damaged copy could not be padded: %s", qPrintable(file.errorString()));
}

} // namespace

bool CacheRescue::isSound(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    if (!file.isFile())
        return false;
    bool sound = false;
    withReadOnlyConnection(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        // One row "ok" for a sound file; the problems found, one per row, otherwise.
        sound = query.exec(QStringLiteral("PRAGMA quick_check")) && query.next() &&
                query.value(0).toString() == QLatin1String("ok") && !query.next();
    });
    return sound;
}

bool CacheRescue::setAside(const QString &path)
{
    if (QFileInfo(path).isFile())
        readTaskRows(path);
    const QString kept = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QDir folder;
    // The journals first: one left in place would be taken for the fresh cache's.
    for (const char *suffix : journalSuffixes) {
        const QString journal = path + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !folder.rename(journal, kept + QLatin1String(suffix)))
            return false;
    }
    if (!folder.rename(path, kept))
        return false;
    m_keptPath = kept;
    return true;
}

void CacheRescue::readTaskRows(const QString &path)
{
    // A copy, padded to the length its header declares: a file cut short names pages past its end, and
    // SQLite refuses the whole file for that, the task table's pages at its start included.
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("cache.db"));
    if (!scratch.isValid() || !QFile::copy(path, copy))
        return;
    padToDeclaredLength(copy);
    withReadOnlyConnection(copy, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT id, parameter, value FROM localtask")))
            return;
        // A damaged page ends the scan: what came before it is kept.
        while (query.next())
            m_taskRows.append({query.value(0), query.value(1), query.value(2)});
    });
}
