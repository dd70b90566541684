#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class QSqlError;

// A cache file that SQLite reports as damaged: one whose pages fail its quick check, or that is not a
// database at all. Such a file is kept aside under a dated name, for whoever wants to look into it, and the
// persisted task rows that can still be read from it and its write-ahead log are carried over into the
// fresh cache that takes its place. The objects are not: the service has them all, and a first
// synchronisation brings them back.
//
// Only damage sets a file aside. A file that cannot be read for any other reason (a full disk, a folder
// that cannot be written, a lock, an I/O error) is left where it is: the next attempt may well read it.
class CacheRescue
{
public:
    enum class Verdict {
        Sound,    // missing (a new cache), or opens and passes the quick check
        Damaged,  // SQLite calls it corrupt or not a database, or its quick check finds problems
        Unusable, // could not be checked now, for a reason other than damage
    };
    static Verdict examine(const QString &path);
    // SQLITE_CORRUPT and SQLITE_NOTADB, whatever their extended codes.
    static bool isDamage(const QSqlError &error);

    // Reads the task rows the file still yields, then renames it, with a journal or log that holds
    // something, to "<path>.damaged-<date and time>" (empty journal files are removed). False when a rename
    // failed; the file is then where it was.
    bool setAside(const QString &path);
    // Undoes setAside() once the fresh cache that was to take the rows could not be made: the damaged file
    // is still their only copy, and the next start rescues them again.
    bool putBack(const QString &path);

    // Where the file went; empty until setAside() succeeded.
    QString keptPath() const { return m_keptPath; }
    // Each row is {id, parameter, value}, in the order read.
    const QList<QVariantList> &taskRows() const { return m_taskRows; }
    // False when the task table could not be read at all: the queued changes, if any, are lost.
    bool tasksReadable() const { return m_tasksReadable; }

private:
    QString m_keptPath;
    QList<QVariantList> m_taskRows;
    bool m_tasksReadable = false;
};
