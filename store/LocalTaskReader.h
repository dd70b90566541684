#pragma once

#include "TaskItem.h"

#include <QList>
#include <QString>
#include <QStringList>

class CacheDatabase;
class ObjectsRequest;

// Rebuilds the persisted tasks of the current customer as task items, each with a new sequence number and
// its record on the heap (owned by the item's consumer). A send that can no longer be carried out is
// dropped: its rows and its task directory are deleted.
class LocalTaskReader
{
public:
    LocalTaskReader(CacheDatabase *database, QList<TaskItem> *out);

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

    void loadNumbers(QStringList &numbers);
    void loadObjects(ObjectsRequest &request);

private:
    QString text(const char *parameter) const;
    QString text(const QString &parameter) const;
    int integer(const char *parameter) const;
    int integer(const QString &parameter) const;
    QString fileText(const QString &name) const;
    template <typename Record> void queue(Record *record);
    template <typename Record> void drop(Record *record);

    CacheDatabase *database;
    QList<TaskItem> *out;
    // The task at hand.
    int taskId = 0;
    int type = -1;
    QString directory;
};
