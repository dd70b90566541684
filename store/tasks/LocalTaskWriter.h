#pragma once

#include <QStringList>
#include <QVariant>

class CacheDatabase;
class ObjectsRequest;

// Persists one new task: its parameter rows in the cache and, for sends, its task directory with the
// message text and the documents. Built by the task queue for each task it persists.
class LocalTaskWriter
{
public:
    LocalTaskWriter(CacheDatabase *database, int type, const QVariant &argument);

    // Writes the task's rows and files as one unit: on any failure nothing of the task stays behind, so that
    // no partial task is restored later. Inside a unit that the caller opened, the task's unit nests in it.
    // True when written, or when the type is never persisted.
    bool save();

    // The writers of the task kinds (TaskKind's table names them), each within save()'s unit.
    bool saveSendSms();
    bool saveSendFax();
    bool saveForward();
    bool saveGroup();
    bool saveContact();
    bool saveFolder();
    // Deletions and read marks.
    bool saveObjectsTask();
    bool saveMove();

    bool saveNumbers(int taskId, const QStringList &numbers);
    bool saveObjects(int taskId, const ObjectsRequest &request);
    // The task's directory, ending in "/"; made when missing.
    QString taskDirectory(int taskId);

private:
    // Gives a record without a task id the next one, so that the queued record and its rows agree.
    int assignTaskId(int &taskId);
    // The row naming the task's kind.
    bool kindParam(int taskId);
    template <typename Value> bool param(int taskId, const char *name, const Value &value);

    CacheDatabase *database;
    int type;
    QVariant argument;
    // The send whose directory is to be removed again when the write fails.
    int directoryTaskId = 0;
};
