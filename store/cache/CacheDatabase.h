#pragma once

#include "ChangeEntry.h"
#include "RecipientStatus.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

class BaseContactInfo;
class BaseFAXSentInfo;
class BaseObject;
class BaseSMSSentInfo;
class CacheRescue;
class ChangeList;
class MoveToFolderRequest;
class ObjectRef;
class ObjectsRequest;
class QSqlQuery;
class QelFolderInfo;
class qtContactGroupInfo;
class qtFAXReceivedInfo;
class qtObjectsInfo;
class qtVOICEReceivedInfo;

// The signed-in customer's SQLite cache: the mirrored objects, the synchronisation settings and the
// persisted task rows. Every operation that runs a statement holds the object's non-recursive mutex for the
// whole call; the settings store's lock may be taken inside it, never the other way round. Use it from the
// thread that built it (a database connection belongs to one thread).
//
// Writes return false when a statement failed; what ran before the failure stays written.
class CacheDatabase
{
public:
    CacheDatabase();
    ~CacheDatabase();
    CacheDatabase(const CacheDatabase &) = delete;
    CacheDatabase &operator=(const CacheDatabase &) = delete;

    // (Re)opens the current customer's cache file and creates the schema. A damaged file is set aside
    // first (CacheRescue) and a fresh one takes its place with the task rows that could be read from it. A
    // file that cannot be written now (a full disk, a folder that cannot be written) is opened read-only,
    // as it is: every write then fails until a later open() finds it writable. False, and the cache
    // closed, when the file cannot even be read.
    bool open();
    bool isOpen() const;
    // Opened read-only by the last open().
    bool isReadOnly() const { return readOnly; }
    // Where the last open() set a damaged file aside; empty when it found none.
    QString damagedCopy() const { return keptDamagedCopy; }
    // The last open() set a damaged file aside without reading its task table.
    bool damagedTasksLost() const { return damagedTasksUnreadable; }

    // What an outermost unit holds, which decides how its commit reaches the disk. A task unit holds what
    // the user queued (the persisted tasks and their deletion): it is committed with full synchronisation,
    // so that its rows are on the disk when commitTransaction returns true. A mirror unit holds what the
    // service can give again (the records and removals of a fetch): it is committed at the cache's usual
    // level, which in the write-ahead log keeps the commits in their order without a disk sync each.
    enum class Unit { Task, Mirror };
    // Groups the writes that follow into one unit. Units nest: one begun inside another (as the operations
    // that open a unit of their own do) commits into it, and rolling it back undoes only its own writes;
    // the outermost unit's kind holds for all of them. Every begin that succeeded ends in one commit or
    // rollback. Only one caller at a time may hold a unit.
    bool beginTransaction(Unit kind = Unit::Task);
    bool commitTransaction();
    void rollbackTransaction();

    // The table of an object type 1 to 7; empty for any other value.
    static QString tableName(int objectType);
    // The ids of the entries of that object type, in list order.
    static QList<int> idsOfType(int objectType, const QList<ChangeEntry> &entries);

    // Settings table.
    bool setSetting(const QString &parameter, int value);
    int getSetting(const QString &parameter);
    bool setTimestamp(int value) { return setSetting(QStringLiteral("timestamp"), value); }
    int timestamp() { return getSetting(QStringLiteral("timestamp")); }
    bool setTimeShift(int seconds) { return setSetting(QStringLiteral("TIME_SHIFT"), seconds); }
    int timeShift() { return getSetting(QStringLiteral("TIME_SHIFT")); }
    // Also copies both ids into the settings store (memory only).
    bool setInboxOutboxIds(int inboxId, int outboxId);
    // Both out-values are always written; false (and the settings store untouched) when no Outbox id is
    // stored.
    bool loadInboxOutboxIds(int &inboxId, int &outboxId);

    // Task table.
    bool setTaskParam(int taskId, const QString &parameter, const QString &value);
    bool setTaskParam(int taskId, const QString &parameter, int value);
    // A null text when the row is missing.
    QString getTaskParam(int taskId, const QString &parameter);
    // Id 0 does nothing.
    bool deleteTask(int taskId);
    // The rows of tasks numbered 0 or below, which no completion could ever delete.
    bool deleteUnnumberedTasks();
    // A new id for a task, a send or a record created offline: above every stored task id, never below
    // 1000, and never given out before by this object, even when the task that took it was not stored.
    int nextTaskId();
    // map[task id] = its OBJECT_TYPE text; existing keys are overwritten, others kept.
    void loadTaskTypes(QMap<int, QString> &types);
    // Every row of one task, parameter -> value; false when they could not be read.
    bool loadTaskParams(int taskId, QHash<QString, QString> &params);
    // Makes the persisted tasks name a record created offline (negative localId) by its service id: its own
    // task's id and local id, and every reference to it (group, folders, object lists).
    bool rewriteTaskReferences(int localId, int serviceId);
    // Whether a row can be written and committed now (a read-only or full disk cannot).
    bool canWrite();

    // One record at a time. The records are only read.
    bool storeContact(const BaseContactInfo *contact);
    bool deleteContact(int id);
    bool storeContactGroup(const qtContactGroupInfo *group);
    // Deletes the group's contacts too.
    bool deleteContactGroup(int id);
    bool storeFolder(const QelFolderInfo *folder);
    bool storeFaxSent(const BaseFAXSentInfo *fax);
    // Deletes the fax's delivery list too.
    bool deleteFaxSent(int id);
    bool storeSmsSent(const BaseSMSSentInfo *sms);
    // Deletes the SMS's delivery list too.
    bool deleteSmsSent(int id);
    // existed tells whether a row with the record's id was there before the write.
    bool storeFaxReceived(const qtFAXReceivedInfo *fax, bool &existed);
    bool deleteFaxReceived(int id);
    bool storeVoiceReceived(const qtVOICEReceivedInfo *voice, bool &existed);
    bool deleteVoiceReceived(int id);
    bool exists(int objectType, int id);

    // Objects whose fetch the service refused for good, remembered to be asked for again.
    // isNew tells whether the object was not remembered before.
    bool rememberUnfetched(const ObjectRef &object, bool &isNew);
    // In the order they were remembered; empty when none is, or they cannot be read.
    QList<ObjectRef> unfetchedObjects();
    bool forgetUnfetched(const QList<ObjectRef> &objects);

    // Delivery lists of sent items (the item's id and type are read).
    // Appends the stored list; true when at least one entry was appended.
    bool loadRecipients(const BaseObject &item, QList<RecipientStatus> &list);
    bool storeRecipients(const BaseObject &item, const QList<RecipientStatus> &list);

    // Whole snapshots. Stores every record of the snapshot in one transaction and sets fresh to the number
    // of its unread received faxes and voice messages that were not cached before.
    bool storeObjects(const qtObjectsInfo &snapshot, int &fresh);
    // Also stores the snapshot's time shift.
    bool storeObjectsWithShift(const qtObjectsInfo &snapshot, int &fresh);
    // Appends every cached object to the snapshot's lists and sets its shifttime.
    void loadAll(qtObjectsInfo &snapshot);

    // Deletion, pruning and moves. Deleting an object also deletes what hangs on it: a sent item's
    // delivery list, a group's contacts, a folder's items.
    // Deletes the objects of the entries whose action is -1.
    bool deleteObjectList(const QList<ChangeEntry> &entries);
    bool deleteObjects(const ObjectsRequest &request);
    // Appends (id, type, -1) for every cached object of types 1 to 7 that the list does not name.
    void collectRemoved(ChangeList &list);
    bool moveObjects(const MoveToFolderRequest &request);
    bool setReadStatus(const ObjectsRequest &request, bool read);
    // False when the folder holds a sent item still queued (locally or at the service).
    bool folderHasNoQueuedItems(int folderId);

private:
    template <typename Record> bool storeRows(const QList<Record> &records);
    template <typename Record> void loadRows(QList<Record> &records);
    template <typename Record, typename Value> bool storeOne(const Value &record);
    bool storeReceived(int objectType, const QString &statement, int id, const QVariantList &values,
                       bool &existed);
    // The unread records of the list whose id has no row yet; the caller holds the mutex.
    template <typename Record> int countNew(const QList<Record> &records);
    bool existsUnlocked(int objectType, int id);
    bool deleteIds(const QMap<int, QList<int>> &idsByType);
    void collectRemovedOfType(int objectType, const QList<int> &named, ChangeList &list);
    bool moveObjectsOfType(int objectType, const QList<int> &ids, int folderId);
    bool hasRow(const QString &statement, const QVariantList &values);

    // Prepares, binds in order and runs one statement; the caller holds the mutex.
    bool run(QSqlQuery &query, const QString &statement, const QVariantList &values);
    bool run(const QString &statement, const QVariantList &values);
    // Runs the statement once per id (bound after the leading values), stopping at the first failure.
    bool runForEach(const QString &statement, const QList<int> &ids, const QVariantList &leading = {});
    // The units of the transaction API; the caller holds the mutex.
    bool beginUnit();
    bool commitUnit();
    void rollbackUnit();
    // Runs work as a unit of its own (inside an open one when there is one); the caller holds the mutex.
    template <typename Work> bool inTransaction(Work work);
    // Runs work as a unit that is rolled back when any of it fails; the caller holds the mutex.
    template <typename Work> bool allOrNothing(Work work);
    bool runLocked(const QString &statement, const QVariantList &values);

    // The caller holds the mutex.
    void useWriteAheadLog();
    bool setSynchronous(const char *level);
    // Back to the usual level once a synced outermost unit has ended.
    void endSyncedUnit();
    bool openWritable(const QString &path, const CacheRescue &rescue);
    bool openReadOnly(const QString &path);
    bool createSchema();
    bool carryOverTaskRows(const QList<QVariantList> &rows);
    static void removeOrphanedTaskDirectories(const QString &path, const QList<QVariantList> &rows);

    mutable QMutex mutex;
    bool opened = false;
    bool readOnly = false;
    bool writeAheadLog = false;
    QString keptDamagedCopy;
    bool damagedTasksUnreadable = false;
    // The highest id nextTaskId() gave out in this run.
    int taskIdMark = 0;
    // Units begun and not yet ended; above 1 the inner ones are savepoints.
    int unitDepth = 0;
    // The outermost unit switched the connection to full synchronisation, to be switched back at its end.
    bool syncedUnit = false;
    // False once the unfetched table was seen empty, until an object is remembered: nearly every fetch
    // then forgets nothing without a statement.
    bool unfetchedMayExist = true;
    QString connectionName;
    QSqlDatabase database;
};
