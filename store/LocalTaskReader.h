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

    void loadSendSms();
    void loadSendFax();
    void loadForward();
    void loadGroup();
    void loadContact();
    void loadDelete();
    void loadMarkRead();
    void loadMarkUnread();
    void loadFolder();
    void loadMove();

    void loadNumbers(QStringList &numbers);
    void loadObjects(ObjectsRequest &request);

private:
    using Load = void (LocalTaskReader::*)();
    static Load loaderOf(int type);

    QString text(const char *parameter) const;
    QString text(const QString &parameter) const;
    int integer(const char *parameter) const;
    int integer(const QString &parameter) const;
    QString fileText(const QString &name) const;
    void loadObjectsTask(int type);
    template <typename Record> void queue(int type, Record *record);
    template <typename Record> void drop(Record *record);

    CacheDatabase *database;
    QList<TaskItem> *out;
    int taskId = 0;
    QString directory;
};
