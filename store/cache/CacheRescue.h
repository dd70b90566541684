#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// A cache file that SQLite cannot use safely: one it cannot open, or one whose pages fail its quick check.
// Such a file is kept aside under a dated name, for whoever wants to look into it, and the persisted task
// rows that can still be read from it are carried over into the fresh cache that takes its place. The
// objects are not: the service has them all, and a first synchronisation brings them back.
class CacheRescue
{
public:
    // True for a missing file (a new cache) and for a file that opens and passes the quick check.
    static bool isSound(const QString &path);

    // Reads the task rows the file still yields, then renames it, with its journal files, to
    // "<path>.damaged-<date and time>". False when a rename failed; the file is then where it was.
    bool setAside(const QString &path);

    // Where the file went; empty until setAside() succeeded.
    QString keptPath() const { return m_keptPath; }
    // Each row is {id, parameter, value}, in the order read.
    const QList<QVariantList> &taskRows() const { return m_taskRows; }

private:
    void readTaskRows(const QString &path);

    QString m_keptPath;
    QList<QVariantList> m_taskRows;
};
