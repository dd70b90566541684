#include "CacheRescue.h"

#include "OwnConnection.h"
#include "TaskRowSalvage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The files SQLite keeps beside a database. One that holds something goes aside with it (the fresh cache
// would replay a damaged file's journal); the empty ones that a check leaves are only removed. The index of
// the log ("-shm") is rebuilt from the log whenever it is missing.
const char *const journalSuffixes[] = {"-journal", "-wal"};
const char *const indexSuffix = "-shm";

const int sqliteCorrupt = 11;
const int sqliteNotADatabase = 26;

// False for a file whose first bytes are readable and not SQLite's; an empty file is a new database.
bool hasDatabaseHeader(QFile &file)
{
    const QByteArray start = file.read(16);
    return start.isEmpty() || start == QByteArray("SQLite format 3\0", 16);
}

// Whether a journal beside the file may have to be rolled back before the file can be read.
bool hasHotJournalCandidate(const QString &path)
{
    return QFileInfo(path + QStringLiteral("-journal")).size() > 0;
}

} // namespace

bool CacheRescue::isDamage(const QSqlError &error)
{
    // The driver reports the primary code or an extended one, whose low byte is the primary.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == sqliteCorrupt || code == sqliteNotADatabase);
}

CacheRescue::Verdict CacheRescue::examine(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Verdict::Sound;
    if (!info.isFile())
        return Verdict::Damaged;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::Unusable;
    if (!hasDatabaseHeader(file))
        return Verdict::Damaged;
    file.close();
    // A hot journal is rolled back only by a connection that may write; elsewhere a read-only one, since a
    // writing connection to a damaged file in the log's format would copy the log into it on closing.
    const QString options =
        hasHotJournalCandidate(path) ? QString() : QStringLiteral("QSQLITE_OPEN_READONLY");
    Verdict verdict = Verdict::Unusable;
    withOwnConnection(path, options, [&](QSqlDatabase &database) {
        if (!database.isOpen()) {
            verdict = isDamage(database.lastError()) ? Verdict::Damaged : Verdict::Unusable;
            return;
        }
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
            verdict = isDamage(query.lastError()) ? Verdict::Damaged : Verdict::Unusable;
            return;
        }
        // One row "ok" for a sound file; the problems found, one per row, otherwise.
        const bool ok = query.next() && query.value(0).toString() == QLatin1String("ok") && !query.next();
        if (ok)
            verdict = Verdict::Sound;
        else
            verdict = query.lastError().isValid() && !isDamage(query.lastError()) ? Verdict::Unusable
                                                                                  : Verdict::Damaged;
    });
    return verdict;
}

bool CacheRescue::setAside(const QString &path)
{
    if (QFileInfo(path).isFile())
        m_tasksReadable = salvageTaskRows(path, m_taskRows);
    const QString kept = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QDir folder;
    // The journals first: one left in place would be taken for the fresh cache's.
    for (const char *suffix : journalSuffixes) {
        const QString journal = path + QLatin1String(suffix);
        const QFileInfo info(journal);
        if (!info.exists())
            continue;
        const bool moved =
            info.size() > 0 ? folder.rename(journal, kept + QLatin1String(suffix)) : QFile::remove(journal);
        if (!moved)
            return false;
    }
    const QString index = path + QLatin1String(indexSuffix);
    if (QFileInfo::exists(index) && !QFile::remove(index))
        return false;
    if (!folder.rename(path, kept))
        return false;
    m_keptPath = kept;
    return true;
}

bool CacheRescue::putBack(const QString &path)
{
    if (m_keptPath.isEmpty())
        return true;
    // What the failed attempt made in its place goes first.
    for (const QString &made : {path, path + "-journal", path + "-wal", path + QLatin1String(indexSuffix)})
        QFile::remove(made);
    QDir folder;
    bool back = folder.rename(m_keptPath, path);
    for (const char *suffix : journalSuffixes) {
        if (QFileInfo::exists(m_keptPath + QLatin1String(suffix)))
            back = folder.rename(m_keptPath + QLatin1String(suffix), path + QLatin1String(suffix)) && back;
    }
    if (back)
        m_keptPath.clear();
    return back;
}
