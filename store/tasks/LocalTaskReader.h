#pragma once

#include "TaskItem.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class CacheDatabase;
class ObjectsRequest;

// Rebuilds the persisted tasks of the current customer as task items, each with a new sequence number and
// its record on the heap (owned by the item's consumer). A send that can no longer be carried out, a task
// whose counts exceed the rows it has, and a task numbered 0 or below (which no completion could delete)
// are dropped with a log line: their rows and task directory are deleted.
class LocalTaskReader
{
public:
    // The tasks numbered in skipped are left out, rows and all.
    LocalTaskReader(CacheDatabase *database, QList<TaskItem> *out, const QSet<int> &skipped = {});

    // Every stored task in ascending id; tasks of an unknown kind are skipped and keep their rows.
    void loadAll();

    // The readers of the task kinds (TaskKind's table names them), each for the task at hand.
    void loadSendSms();
    void loadSendFax();
    void loadForward();
    void loadGroup();
    void loadContact();
    // Deletions and read marks.
    void loadObjectsTask();
    void loadFolder();
    void loadMove();

    // False when the rows do not add up: a count above the rows present, or above the service's limit.
    bool loadNumbers(QStringList &numbers);
    bool loadObjects(ObjectsRequest &request);

private:
    QString text(const char *parameter) const;
    QString text(const QString &parameter) const;
    int integer(const char *parameter) const;
    int integer(const QString &parameter) const;
    QString fileText(const QString &name) const;
    template <typename Record> void queue(Record *record);
    template <typename Record> void drop(Record *record);
    // Drops the task at hand with a log line naming why.
    template <typename Record> void dropBroken(Record *record, const char *why);
    // The count row's value when the task has that many further rows; -1 otherwise.
    int boundedCount(const QString &parameter, int limit) const;

    CacheDatabase *database;
    QList<TaskItem> *out;
    QSet<int> skipped;
    // The task at hand and its rows.
    int taskId = 0;
    int type = -1;
    QString directory;
    QHash<QString, QString> params;
};
