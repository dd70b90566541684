#include "CacheFixture.h"
#include "ChangeList.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectType.h"
#include "QelvoxTestCase.h"
#include "RecordText.h"
#include "qtObjectsInfo.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// What a record looks like after a trip through its table: the fields without a column are back at their
// constructed values.
void dropUnstoredFields(BaseObject &record)
{
    if (auto *r = dynamic_cast<BaseForView *>(&record))
        r->shifteddate.clear();
    if (auto *r = dynamic_cast<qtLocalTaskBase *>(&record))
        r->taskid = 0;
    if (auto *r = dynamic_cast<qtLocalID *>(&record))
        r->localid = 0;
    if (auto *r = dynamic_cast<qtContactInfo *>(&record))
        r->status = 0;
    if (auto *r = dynamic_cast<qtContactGroupInfo *>(&record))
        r->status = 0;
    if (auto *r = dynamic_cast<QelFolderInfo *>(&record))
        r->status = 0;
}

template <typename Record> void addTo(QList<Record> &list, const BaseObject &record)
{
    list.append(static_cast<const Record &>(record));
}

// Puts the record into the snapshot list of its kind.
void addToSnapshot(qtObjectsInfo &snapshot, const BaseObject &record)
{
    switch (record.type) {
    case ObjectType::FaxSent:
        addTo(snapshot.faxessent, record);
        break;
    case ObjectType::FaxReceived:
        addTo(snapshot.faxesreceived, record);
        break;
    case ObjectType::VoiceReceived:
        addTo(snapshot.voicesreceived, record);
        break;
    case ObjectType::SmsSent:
        addTo(snapshot.smsessent, record);
        break;
    case ObjectType::ContactGroup:
        addTo(snapshot.contactgroups, record);
        break;
    case ObjectType::Contact:
        addTo(snapshot.contacts, record);
        break;
    default:
        addTo(snapshot.folders, record);
        break;
    }
}

template <typename Record> QStringList texts(const QList<Record> &records)
{
    QStringList result;
    for (const Record &record : records)
        result << recordText(record);
    return result;
}

// Every loaded record, as text, in the order loadAll groups them.
QStringList loadedTexts(CacheDatabase &cache)
{
    qtObjectsInfo snapshot;
    cache.loadAll(snapshot);
    return texts(snapshot.faxessent) + texts(snapshot.faxesreceived) + texts(snapshot.voicesreceived) +
           texts(snapshot.smsessent) + texts(snapshot.contactgroups) + texts(snapshot.contacts) +
           texts(snapshot.folders);
}

bool storeOne(CacheDatabase &cache, const BaseObject &record)
{
    bool existed = false;
    switch (record.type) {
    case ObjectType::FaxSent:
        return cache.storeFaxSent(static_cast<const qtFAXSentInfo *>(&record));
    case ObjectType::FaxReceived:
        return cache.storeFaxReceived(static_cast<const qtFAXReceivedInfo *>(&record), existed);
    case ObjectType::VoiceReceived:
        return cache.storeVoiceReceived(static_cast<const qtVOICEReceivedInfo *>(&record), existed);
    case ObjectType::SmsSent:
        return cache.storeSmsSent(static_cast<const qtSMSSentInfo *>(&record));
    case ObjectType::ContactGroup:
        return cache.storeContactGroup(static_cast<const qtContactGroupInfo *>(&record));
    case ObjectType::Contact:
        return cache.storeContact(static_cast<const qtContactInfo *>(&record));
    default:
        return cache.storeFolder(static_cast<const QelFolderInfo *>(&record));
    }
}

// The number of new unread items that storing the snapshot reports; -1 when the store failed.
int storeSnapshot(CacheDatabase &cache, const qtObjectsInfo &snapshot)
{
    int fresh = -2;
    return cache.storeObjects(snapshot, fresh) ? fresh : -1;
}

qtFAXReceivedInfo receivedFax(int id, int status)
{
    qtFAXReceivedInfo fax(id, status);
    fax.folderid = 1;
    return fax;
}

qtVOICEReceivedInfo voice(int id, int status)
{
    qtVOICEReceivedInfo message(id, status);
    message.folderid = 1;
    return message;
}

template <typename Record> Record inFolder(int id, int folder)
{
    Record record(id, 0);
    record.folderid = folder;
    return record;
}

// PRAGMA synchronous on the cache's own connection, where the level is set: 1 NORMAL, 2 FULL.
int cacheSynchronous()
{
    const QStringList names =
        QSqlDatabase::connectionNames().filter(QRegularExpression(QStringLiteral("^qelvox-cache-")));
    if (names.size() != 1)
        return -1;
    QSqlQuery query(QSqlDatabase::database(names.first(), false));
    return query.exec(QStringLiteral("PRAGMA synchronous")) && query.next() ? query.value(0).toInt() : -1;
}

} // namespace

using RecordFactory = std::function<BaseObject *()>;
Q_DECLARE_METATYPE(RecordFactory)
using CacheWrite = std::function<bool(CacheDatabase &)>;
Q_DECLARE_METATYPE(CacheWrite)

class CacheDatabaseTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override;
    void tearDown() override;

private slots:

    void freshDatabaseHoldsTheSchema();
    void reopeningKeepsRowsAndInstancesStayApart();
    void openFailsWithoutCustomerDirectory();

    void everyFieldSurvivesItsTable_data();
    void everyFieldSurvivesItsTable();
    void storeReplacesWholeRow();
    void receivedStoresTellWhetherTheRowExisted();
    void writeFailuresSurface_data();
    void writeFailuresSurface();
    void unitsNest();
    void unitsSyncByWhatTheyHold_data();
    void unitsSyncByWhatTheyHold();
    void deletesTakeWhatHangsOnTheObject();
    void recipientsRoundTrip();

    void settingsAndTaskRows();
    void nextTaskId_data();
    void nextTaskId();
    void inboxOutboxIds();
    void unfetchedAreForgottenOnceFetched();

    void snapshotStoreCountsNewUnreadItems();
    void reviewPruning();
    void folderDeletionTakesItsItems();
    void movesAndReadStatus();
    void folderHasNoQueuedItems_data();
    void folderHasNoQueuedItems();

private:
    std::unique_ptr<CacheFixture> fixture;
};

void CacheDatabaseTest::setUp()
{
    fixture = std::make_unique<CacheFixture>();
    QVERIFY(fixture->opened);
}

void CacheDatabaseTest::tearDown()
{
    fixture.reset();
}

void CacheDatabaseTest::freshDatabaseHoldsTheSchema()
{
    const QStringList expected{
        "index|idx_contact_01|contact",
        "index|idx_faxreceived_01|faxreceived",
        "index|idx_faxsent_01|faxsent",
        "index|idx_smssent_01|smssent",
        "index|idx_voicereceived_01|voicereceived",
        "table|contact|contact",
        "table|contactgroup|contactgroup",
        "table|faxreceived|faxreceived",
        "table|faxsent|faxsent",
        "table|folder|folder",
        "table|localtask|localtask",
        "table|recipients|recipients",
        "table|settings|settings",
        "table|smssent|smssent",
        "table|unfetched|unfetched",
        "table|voicereceived|voicereceived",
    };
    QCOMPARE(fixture->rows("SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' "
                           "ORDER BY type, name"),
             expected);

    const QMap<QString, QString> columns{
        {"localtask", "id,parameter,value"},
        {"settings", "parameter,value"},
        {"contactgroup", "id,name"},
        {"contact", "id,groupid,name,number,gsmnumber"},
        {"folder", "id,foldertype,name"},
        {"smssent", "id,folderid,status,sentstatus,date,content,recipients,recipient"},
        {"faxreceived", "id,folderid,status,date,pagescount,sender"},
        {"faxsent", "id,folderid,type,status,sentstatus,date,pagescount,recipients,recipient"},
        {"voicereceived", "id,folderid,status,date,duration,sender"},
        {"recipients", "id,type,recipient,status"},
    };
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        QCOMPARE(fixture->rows("SELECT name FROM pragma_table_info('" + it.key() + "')").join(','),
                 it.value());
    QCOMPARE(fixture->rows("SELECT name FROM pragma_index_info('idx_faxsent_01')"), QStringList{"folderid"});
}

void CacheDatabaseTest::reopeningKeepsRowsAndInstancesStayApart()
{
    qtContactInfo contact(5, 0);
    contact.name = "Ann";
    fixture->cache->storeContact(&contact);
    QVERIFY(fixture->cache->open());
    QVERIFY(fixture->cache->open());
    QCOMPARE(fixture->rows("SELECT id, name FROM contact"), QStringList{"5|Ann"});

    // A second cache, as after a log-out and log-in as another customer, must not take the first one's
    // connection, nor close it when it goes.
    SettingsStore::instance().setCustomerId(43);
    {
        CacheDatabase other;
        QVERIFY(other.open());
        qtContactInfo stranger(6, 0);
        other.storeContact(&stranger);
    }
    contact.id = 7;
    QVERIFY(fixture->cache->storeContact(&contact));
    QCOMPARE(fixture->rows("SELECT id FROM contact ORDER BY id"), (QStringList{"5", "7"}));
    SettingsStore::instance().setCustomerId(42);
}

void CacheDatabaseTest::openFailsWithoutCustomerDirectory()
{
    // A plain file where the customer directory should be: the directory cannot be made.
    QFile blocker(SettingsStore::dataDirectory() + "77");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore::instance().setCustomerId(77);
    CacheDatabase cache;
    QVERIFY(!cache.open());
    QVERIFY(!cache.isOpen());
    SettingsStore::instance().setCustomerId(42);
    QVERIFY(cache.open());
    QVERIFY(cache.isOpen());
}

void CacheDatabaseTest::everyFieldSurvivesItsTable_data()
{
    QTest::addColumn<RecordFactory>("make");
    QTest::addColumn<bool>("viaSnapshot");
    const QList<QPair<const char *, RecordFactory>> kinds{
        {"sent fax", [] { return new qtFAXSentInfo(0, 0); }},
        {"received fax", [] { return new qtFAXReceivedInfo(0, 0); }},
        {"voice", [] { return new qtVOICEReceivedInfo(0, 0); }},
        {"sent sms", [] { return new qtSMSSentInfo(0, 0); }},
        {"group", [] { return new qtContactGroupInfo(0, 0); }},
        {"contact", [] { return new qtContactInfo(0, 0); }},
        {"folder", [] { return new QelFolderInfo(0, 0); }},
    };
    for (const auto &kind : kinds) {
        QTest::addRow("%s, single store", kind.first) << kind.second << false;
        QTest::addRow("%s, snapshot", kind.first) << kind.second << true;
    }
}

void CacheDatabaseTest::everyFieldSurvivesItsTable()
{
    QFETCH(RecordFactory, make);
    QFETCH(bool, viaSnapshot);
    std::unique_ptr<BaseObject> record(make());
    fillDistinct(*record, 3);

    if (viaSnapshot) {
        qtObjectsInfo snapshot;
        addToSnapshot(snapshot, *record);
        QVERIFY(storeSnapshot(*fixture->cache, snapshot) >= 0);
    } else {
        QVERIFY(storeOne(*fixture->cache, *record));
    }

    dropUnstoredFields(*record);
    QCOMPARE(loadedTexts(*fixture->cache), QStringList{recordText(*record)});
}

void CacheDatabaseTest::storeReplacesWholeRow()
{
    QelFolderInfo folder(9, 0);
    folder.foldertype = 3;
    folder.name = "Old";
    fixture->cache->storeFolder(&folder);
    folder.foldertype = 0;
    folder.name = "New";
    fixture->cache->storeFolder(&folder);
    QCOMPARE(fixture->rows("SELECT id, foldertype, name FROM folder"), QStringList{"9|0|New"});

    qtObjectsInfo snapshot;
    folder.name = "Newer";
    snapshot.folders << folder;
    QCOMPARE(storeSnapshot(*fixture->cache, snapshot), 0);
    QCOMPARE(fixture->rows("SELECT id, foldertype, name FROM folder"), QStringList{"9|0|Newer"});
}

void CacheDatabaseTest::receivedStoresTellWhetherTheRowExisted()
{
    bool existed = true;
    qtFAXReceivedInfo fax = receivedFax(31, 0);
    QVERIFY(fixture->cache->storeFaxReceived(&fax, existed));
    QCOMPARE(existed, false);
    fax.status = 1;
    fax.sender = "+32";
    QVERIFY(fixture->cache->storeFaxReceived(&fax, existed));
    QCOMPARE(existed, true);
    QCOMPARE(fixture->rows("SELECT id, status, sender FROM faxreceived"), QStringList{"31|1|+32"});

    qtVOICEReceivedInfo message = voice(31, 0);
    QVERIFY(fixture->cache->storeVoiceReceived(&message, existed));
    QCOMPARE(existed, false);
    QVERIFY(fixture->cache->storeVoiceReceived(&message, existed));
    QCOMPARE(existed, true);

    QVERIFY(fixture->cache->exists(ObjectType::FaxReceived, 31));
    QVERIFY(!fixture->cache->exists(ObjectType::FaxSent, 31));
    for (int type : {0, 8, int(ObjectType::PendingFax)})
        QVERIFY(!fixture->cache->exists(type, 31));
}

void CacheDatabaseTest::writeFailuresSurface_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<CacheWrite>("write");
    QTest::addColumn<QStringList>("kept");

    qtObjectsInfo snapshot;
    snapshot.folders << QelFolderInfo(12, 0);
    snapshot.contacts << qtContactInfo(5, 0);
    snapshot.faxesreceived << receivedFax(7, 0);
    const QString folders = "SELECT id FROM folder";
    QTest::newRow("snapshot, contact rows fail") << "contact" << CacheWrite([snapshot](CacheDatabase &cache) {
        int fresh = -1;
        const bool stored = cache.storeObjects(snapshot, fresh);
        // The count stands even when a table failed.
        return stored || fresh != 1;
    }) << QStringList{folders + ": 12"};
    QTest::newRow("snapshot with shift, folder rows fail")
        << "folder" << CacheWrite([snapshot](CacheDatabase &cache) {
               int fresh = -1;
               return cache.storeObjectsWithShift(snapshot, fresh);
           })
        << QStringList{"SELECT id FROM contact: 5"};
    QTest::newRow("received fax") << "faxreceived" << CacheWrite([](CacheDatabase &cache) {
        bool existed = true;
        const qtFAXReceivedInfo fax = receivedFax(7, 0);
        return cache.storeFaxReceived(&fax, existed) || existed;
    }) << QStringList();
    QTest::newRow("voice message") << "voicereceived" << CacheWrite([](CacheDatabase &cache) {
        bool existed = true;
        const qtVOICEReceivedInfo message = voice(8, 0);
        return cache.storeVoiceReceived(&message, existed) || existed;
    }) << QStringList();
}

void CacheDatabaseTest::writeFailuresSurface()
{
    QFETCH(QString, table);
    QFETCH(CacheWrite, write);
    QFETCH(QStringList, kept);
    QVERIFY(fixture->execute(
        QString("CREATE TRIGGER full BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
            .arg(table)));

    QVERIFY(!write(*fixture->cache));

    QCOMPARE(fixture->rows(QString("SELECT count(*) FROM %1").arg(table)), QStringList{"0"});
    for (const QString &check : kept) {
        const QStringList parts = check.split(": ");
        QCOMPARE(fixture->rows(parts.at(0)), QStringList{parts.at(1)});
    }
}

void CacheDatabaseTest::unitsNest()
{
    CacheDatabase &cache = *fixture->cache;
    QVERIFY(cache.beginTransaction());
    QVERIFY(cache.setTimestamp(5));
    // An inner unit that is rolled back takes only its own writes with it.
    QVERIFY(cache.beginTransaction());
    QVERIFY(cache.setTimeShift(60));
    cache.rollbackTransaction();
    // An operation with a unit of its own joins the open one.
    qtObjectsInfo snapshot;
    snapshot.contacts << qtContactInfo(5, 0);
    QCOMPARE(storeSnapshot(cache, snapshot), 0);
    QCOMPARE(fixture->rows("SELECT count(*) FROM contact"), QStringList{"0"});
    QVERIFY(cache.commitTransaction());
    QVERIFY(!cache.commitTransaction());

    QCOMPARE(fixture->rows("SELECT parameter, value FROM settings"), QStringList{"timestamp|5"});
    QCOMPARE(fixture->rows("SELECT id FROM contact"), QStringList{"5"});
}

void CacheDatabaseTest::unitsSyncByWhatTheyHold_data()
{
    QTest::addColumn<bool>("task");
    QTest::addColumn<int>("level");
    // What the user queued is on the disk when its commit returns; what a fetch stored the service holds.
    QTest::newRow("task unit") << true << 2;
    QTest::newRow("fetch unit") << false << 1;
}

void CacheDatabaseTest::unitsSyncByWhatTheyHold()
{
    QFETCH(bool, task);
    QFETCH(int, level);
    using Unit = CacheDatabase::Unit;
    CacheDatabase &cache = *fixture->cache;
    QCOMPARE(cacheSynchronous(), 1);

    QVERIFY(cache.beginTransaction(task ? Unit::Task : Unit::Mirror));
    QCOMPARE(cacheSynchronous(), level);
    // An inner unit of the other kind commits into the outer one, at its level.
    QVERIFY(cache.beginTransaction(task ? Unit::Mirror : Unit::Task));
    QCOMPARE(cacheSynchronous(), level);
    QVERIFY(cache.setTimestamp(5));
    QVERIFY(cache.commitTransaction());
    QCOMPARE(cacheSynchronous(), level);
    QVERIFY(cache.commitTransaction());
    QCOMPARE(cacheSynchronous(), 1);
    QCOMPARE(fixture->rows("SELECT value FROM settings WHERE parameter='timestamp'"), QStringList{"5"});

    QVERIFY(cache.beginTransaction(task ? Unit::Task : Unit::Mirror));
    QCOMPARE(cacheSynchronous(), level);
    cache.rollbackTransaction();
    QCOMPARE(cacheSynchronous(), 1);
}

void CacheDatabaseTest::deletesTakeWhatHangsOnTheObject()
{
    const qtFAXSentInfo fax(7, 0);
    const qtSMSSentInfo sms(7, 0);
    fixture->cache->storeFaxSent(&fax);
    fixture->cache->storeSmsSent(&sms);
    fixture->cache->storeRecipients(fax, {{"+1", 1}, {"+2", 2}});
    fixture->cache->storeRecipients(sms, {{"+3", 1}});

    QVERIFY(fixture->cache->deleteFaxSent(7));
    QCOMPARE(fixture->rows("SELECT id, type, recipient FROM recipients"), QStringList{"7|4|+3"});
    QCOMPARE(fixture->rows("SELECT id FROM faxsent"), QStringList());
    QCOMPARE(fixture->rows("SELECT id FROM smssent"), QStringList{"7"});
    QVERIFY(fixture->cache->deleteSmsSent(7));
    QCOMPARE(fixture->rows("SELECT id FROM recipients"), QStringList());

    qtContactGroupInfo group(4, 0);
    fixture->cache->storeContactGroup(&group);
    qtContactInfo member(1, 0);
    member.groupid = 4;
    qtContactInfo orphan(2, 0);
    orphan.groupid = 5;
    qtContactInfo other(3, 0);
    for (const qtContactInfo *contact : {&member, &orphan, &other})
        fixture->cache->storeContact(contact);
    fixture->cache->deleteContactGroup(4);
    // Group 5 has no row of its own; its contacts go all the same.
    fixture->cache->deleteContactGroup(5);
    QCOMPARE(fixture->rows("SELECT id FROM contact"), QStringList{"3"});
    QCOMPARE(fixture->rows("SELECT id FROM contactgroup"), QStringList());
    fixture->cache->deleteContact(3);
    QCOMPARE(fixture->rows("SELECT id FROM contact"), QStringList());
}

void CacheDatabaseTest::recipientsRoundTrip()
{
    const qtFAXSentInfo fax(8, 0);
    QList<RecipientStatus> list{{"kept", 0}};
    QVERIFY(!fixture->cache->loadRecipients(fax, list));
    QCOMPARE(list.size(), 1);

    QVERIFY(fixture->cache->storeRecipients(fax, {}));
    QVERIFY(fixture->cache->storeRecipients(fax, {{"+1", 2}, {"+2", 2}}));
    QVERIFY(fixture->cache->storeRecipients(fax, {{"+2", 1}}));
    QVERIFY(fixture->cache->loadRecipients(fax, list));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(0).recipient, QString("kept"));
    QMap<QString, int> loaded;
    for (const RecipientStatus &entry : list.mid(1))
        loaded.insert(entry.recipient, entry.status);
    QCOMPARE(loaded, (QMap<QString, int>{{"+1", 2}, {"+2", 1}}));

    QList<RecipientStatus> ofSms;
    QVERIFY(!fixture->cache->loadRecipients(qtSMSSentInfo(8, 0), ofSms));
}

void CacheDatabaseTest::settingsAndTaskRows()
{
    CacheDatabase &cache = *fixture->cache;
    QCOMPARE(cache.getSetting("never written"), 0);
    QCOMPARE(cache.timestamp(), 0);
    cache.setTimestamp(5);
    cache.setTimestamp(6);
    QCOMPARE(cache.timestamp(), 6);
    QCOMPARE(fixture->rows("SELECT parameter, value FROM settings"), QStringList{"timestamp|6"});
    cache.setTimeShift(-3600);
    QCOMPARE(cache.timeShift(), -3600);
    // Names are bound, never spliced into the text.
    cache.setSetting("it's", 4);
    QCOMPARE(cache.getSetting("it's"), 4);

    QVERIFY(cache.getTaskParam(1000, "missing").isNull());
    cache.setTaskParam(1000, "OBJECT_TYPE", "SEND_SMS");
    cache.setTaskParam(1000, "unicode", 0);
    cache.setTaskParam(1000, "unicode", 1);
    cache.setTaskParam(1002, "OBJECT_TYPE", "MARK_READ");
    cache.setTaskParam(1001, "name", "O'Neil");
    QCOMPARE(cache.getTaskParam(1000, "unicode"), QString("1"));
    QCOMPARE(cache.getTaskParam(1001, "name"), QString("O'Neil"));
    QCOMPARE(fixture->rows("SELECT count(*) FROM localtask WHERE id=1000"), QStringList{"2"});

    QMap<int, QString> types{{1002, "stale"}, {5, "kept"}};
    cache.loadTaskTypes(types);
    QCOMPARE(types, (QMap<int, QString>{{5, "kept"}, {1000, "SEND_SMS"}, {1002, "MARK_READ"}}));

    QVERIFY(cache.deleteTask(0));
    QVERIFY(cache.deleteTask(4242));
    QVERIFY(cache.deleteTask(1000));
    QCOMPARE(fixture->rows("SELECT DISTINCT id FROM localtask ORDER BY id"), (QStringList{"1001", "1002"}));
}

void CacheDatabaseTest::nextTaskId_data()
{
    QTest::addColumn<QList<int>>("storedIds");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty table") << QList<int>{} << 1000;
    QTest::newRow("highest 5") << QList<int>{5} << 1000;
    QTest::newRow("highest 999") << QList<int>{999} << 1000;
    QTest::newRow("highest 1234") << QList<int>{1234, 1001} << 1235;
}

void CacheDatabaseTest::nextTaskId()
{
    QFETCH(QList<int>, storedIds);
    QFETCH(int, expected);
    for (int id : storedIds)
        fixture->cache->setTaskParam(id, "OBJECT_TYPE", "SEND_SMS");
    QCOMPARE(fixture->cache->nextTaskId(), expected);
    // Given out though nothing was stored under it (a task whose rows could not be written): never again.
    QCOMPARE(fixture->cache->nextTaskId(), expected + 1);
    fixture->cache->setTaskParam(expected + 10, "OBJECT_TYPE", "SEND_SMS");
    QCOMPARE(fixture->cache->nextTaskId(), expected + 11);
}

void CacheDatabaseTest::unfetchedAreForgottenOnceFetched()
{
    CacheDatabase &cache = *fixture->cache;
    const auto remembered = [&] {
        QStringList ids;
        for (const ObjectRef &object : cache.unfetchedObjects())
            ids << QString::number(object.object);
        return ids;
    };
    const auto remember = [&](int id) {
        bool isNew = false;
        return cache.rememberUnfetched(ObjectRef(id, ObjectType::FaxReceived), isNew) && isNew;
    };
    QVERIFY(cache.forgetUnfetched({ObjectRef(1, ObjectType::FaxReceived)}));

    // Found empty once, the table is still looked at again after an object is remembered.
    QVERIFY(remember(1));
    QVERIFY(remember(2));
    QVERIFY(cache.forgetUnfetched({ObjectRef(1, ObjectType::FaxReceived), ObjectRef(9, ObjectType::FaxReceived)}));
    QCOMPARE(remembered(), QStringList{"2"});
    QVERIFY(cache.forgetUnfetched({ObjectRef(2, ObjectType::FaxReceived)}));
    QCOMPARE(remembered(), QStringList());
    QVERIFY(cache.forgetUnfetched({ObjectRef(2, ObjectType::FaxReceived)}));
    QVERIFY(remember(3));
    QVERIFY(cache.forgetUnfetched({ObjectRef(3, ObjectType::FaxReceived)}));
    QCOMPARE(remembered(), QStringList());

    // A row another run wrote is forgotten once the file is opened again.
    QVERIFY(cache.forgetUnfetched({ObjectRef(4, ObjectType::FaxReceived)}));
    QVERIFY(fixture->execute(QString("INSERT INTO unfetched(id,type) VALUES(4,%1)").arg(ObjectType::FaxReceived)));
    QVERIFY(cache.open());
    QVERIFY(cache.forgetUnfetched({ObjectRef(4, ObjectType::FaxReceived)}));
    QCOMPARE(remembered(), QStringList());
}

void CacheDatabaseTest::inboxOutboxIds()
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setInboxId(-1);
    settings.setOutboxId(-1);
    int inbox = 99;
    int outbox = 99;
    QVERIFY(!fixture->cache->loadInboxOutboxIds(inbox, outbox));
    QCOMPARE(inbox, 0);
    QCOMPARE(outbox, 0);
    QCOMPARE(settings.outboxId(), -1);

    fixture->cache->setSetting("INBOX_ID", 3);
    QVERIFY(!fixture->cache->loadInboxOutboxIds(inbox, outbox));
    QCOMPARE(inbox, 3);

    QVERIFY(fixture->cache->setInboxOutboxIds(11, 12));
    QCOMPARE(settings.inboxId(), 11);
    settings.setInboxId(0);
    settings.setOutboxId(0);
    QVERIFY(fixture->cache->loadInboxOutboxIds(inbox, outbox));
    QCOMPARE(inbox, 11);
    QCOMPARE(outbox, 12);
    QCOMPARE(settings.inboxId(), 11);
    QCOMPARE(settings.outboxId(), 12);
}

void CacheDatabaseTest::snapshotStoreCountsNewUnreadItems()
{
    CacheDatabase &cache = *fixture->cache;
    QCOMPARE(storeSnapshot(cache, qtObjectsInfo()), 0);

    qtObjectsInfo contactsOnly;
    contactsOnly.contacts << qtContactInfo(1, 0);
    QCOMPARE(storeSnapshot(cache, contactsOnly), 0);

    qtObjectsInfo snapshot;
    snapshot.faxesreceived << receivedFax(1, 0) << receivedFax(2, 0) << receivedFax(3, 1);
    snapshot.voicesreceived << voice(1, 0);
    QCOMPARE(storeSnapshot(cache, snapshot), 3);
    QCOMPARE(fixture->rows("SELECT id FROM faxreceived ORDER BY id"), (QStringList{"1", "2", "3"}));
    QCOMPARE(storeSnapshot(cache, snapshot), 0);

    qtObjectsInfo twice;
    qtFAXReceivedInfo later = receivedFax(4, 0);
    later.sender = "later";
    twice.faxesreceived << receivedFax(4, 0) << later;
    QCOMPARE(storeSnapshot(cache, twice), 2);
    QCOMPARE(fixture->rows("SELECT sender FROM faxreceived WHERE id=4"), QStringList{"later"});

    qtObjectsInfo shifted;
    shifted.shifttime = 7200;
    int fresh = -1;
    QVERIFY(cache.storeObjectsWithShift(shifted, fresh));
    QCOMPARE(fresh, 0);
    qtObjectsInfo loaded;
    cache.loadAll(loaded);
    QCOMPARE(loaded.shifttime, 7200);
    QCOMPARE(loaded.faxesreceived.size(), 4);
    QCOMPARE(loaded.contacts.size(), 1);
}

void CacheDatabaseTest::reviewPruning()
{
    CacheDatabase &cache = *fixture->cache;
    ChangeList emptyCache;
    cache.collectRemoved(emptyCache);
    QVERIFY(emptyCache.entries.isEmpty());

    qtObjectsInfo snapshot;
    snapshot.faxessent << qtFAXSentInfo(1, 0) << qtFAXSentInfo(2, 0) << qtFAXSentInfo(3, 0);
    snapshot.contacts << qtContactInfo(10, 0) << qtContactInfo(11, 0);
    QVERIFY(storeSnapshot(cache, snapshot) >= 0);
    cache.storeRecipients(qtFAXSentInfo(3, 0), {{"+1", 1}});

    // The review names sent faxes 1 and 2, whatever their action, and no contact at all; an entry of
    // another kind names nothing in the cache.
    ChangeList review;
    review.entries << ChangeEntry(1, ObjectType::FaxSent, 1) << ChangeEntry(2, ObjectType::FaxSent, -1)
                   << ChangeEntry(3, ChangeEntry::AskFullReview, -1);
    cache.collectRemoved(review);
    QCOMPARE(review.entries.size(), 6);
    QList<QPair<int, int>> added;
    for (const ChangeEntry &entry : review.entries.mid(3)) {
        QCOMPARE(entry.action, -1);
        added << qMakePair(entry.type, entry.object);
    }
    std::sort(added.begin(), added.end());
    QCOMPARE(added, (QList<QPair<int, int>>{{1, 3}, {6, 10}, {6, 11}}));

    // Deleting what the review no longer lists takes the delivery lists along; entries with another action
    // or of another kind delete nothing.
    const QList<ChangeEntry> removed = review.entries.mid(3)
                                       << ChangeEntry(1, ObjectType::FaxSent, 1) << ChangeEntry(1, 0, -1)
                                       << ChangeEntry(2, ObjectType::PendingFax, -1);
    QVERIFY(cache.deleteObjectList(removed));
    QCOMPARE(fixture->rows("SELECT id FROM faxsent ORDER BY id"), (QStringList{"1", "2"}));
    QCOMPARE(fixture->rows("SELECT id FROM contact"), QStringList());
    QCOMPARE(fixture->rows("SELECT id FROM recipients"), QStringList());
}

void CacheDatabaseTest::folderDeletionTakesItsItems()
{
    CacheDatabase &cache = *fixture->cache;
    qtObjectsInfo snapshot;
    snapshot.folders << QelFolderInfo(12, 0) << QelFolderInfo(13, 0);
    snapshot.faxessent << inFolder<qtFAXSentInfo>(1, 12) << inFolder<qtFAXSentInfo>(2, 13);
    snapshot.smsessent << inFolder<qtSMSSentInfo>(1, 12) << inFolder<qtSMSSentInfo>(2, 13);
    snapshot.faxesreceived << inFolder<qtFAXReceivedInfo>(1, 12) << inFolder<qtFAXReceivedInfo>(2, 13);
    snapshot.voicesreceived << inFolder<qtVOICEReceivedInfo>(1, 12) << inFolder<qtVOICEReceivedInfo>(2, 13);
    snapshot.contacts << qtContactInfo(12, 0);
    QVERIFY(storeSnapshot(cache, snapshot) >= 0);
    for (int id : {1, 2}) {
        cache.storeRecipients(qtFAXSentInfo(id, 0), {{"fax", 1}});
        cache.storeRecipients(qtSMSSentInfo(id, 0), {{"sms", 1}});
    }

    ObjectsRequest request;
    request.objects[ObjectType::FaxReceived] << 2;
    request.objects[ObjectType::Folder] << 12;
    request.objects[ObjectType::PendingFax] << 2;
    QVERIFY(cache.deleteObjects(request));

    QCOMPARE(fixture->rows("SELECT id FROM folder"), QStringList{"13"});
    for (const char *table : {"faxsent", "smssent", "voicereceived"})
        QCOMPARE(fixture->rows(QString("SELECT id, folderid FROM ") + table), QStringList{"2|13"});
    QCOMPARE(fixture->rows("SELECT id FROM faxreceived"), QStringList());
    QCOMPARE(fixture->rows("SELECT id, type FROM recipients ORDER BY type"), (QStringList{"2|1", "2|4"}));
    QCOMPARE(fixture->rows("SELECT id FROM contact"), QStringList{"12"});
}

void CacheDatabaseTest::movesAndReadStatus()
{
    CacheDatabase &cache = *fixture->cache;
    qtObjectsInfo snapshot;
    snapshot.faxessent << inFolder<qtFAXSentInfo>(3, 1) << inFolder<qtFAXSentInfo>(5, 1)
                       << inFolder<qtFAXSentInfo>(9, 1) << inFolder<qtFAXSentInfo>(4, 1);
    snapshot.faxesreceived << inFolder<qtFAXReceivedInfo>(3, 1);
    snapshot.contacts << qtContactInfo(3, 0);
    QVERIFY(storeSnapshot(cache, snapshot) >= 0);

    MoveToFolderRequest move;
    move.to_folderid = 12;
    QVERIFY(cache.moveObjects(move));
    move.objects = new ObjectsRequest;
    move.objects->objects[ObjectType::FaxSent] << 3 << 5 << 9;
    move.objects->objects[ObjectType::Contact] << 3;
    move.objects->objects[ObjectType::SmsSent];
    QVERIFY(cache.moveObjects(move));
    QCOMPARE(fixture->rows("SELECT id, folderid FROM faxsent ORDER BY id"),
             (QStringList{"3|12", "4|1", "5|12", "9|12"}));
    QCOMPARE(fixture->rows("SELECT folderid FROM faxreceived"), QStringList{"1"});

    ObjectsRequest read;
    read.objects[ObjectType::FaxReceived] << 3;
    read.objects[ObjectType::Contact] << 3;
    QVERIFY(cache.setReadStatus(read, true));
    QCOMPARE(fixture->rows("SELECT status FROM faxreceived"), QStringList{"1"});
    QVERIFY(cache.setReadStatus(read, false));
    QCOMPARE(fixture->rows("SELECT status FROM faxreceived"), QStringList{"0"});
    QCOMPARE(fixture->rows("SELECT status FROM faxsent WHERE id=3"), QStringList{"0"});
}

void CacheDatabaseTest::folderHasNoQueuedItems_data()
{
    QTest::addColumn<int>("faxSentStatus");
    QTest::addColumn<int>("faxType");
    QTest::addColumn<int>("smsSentStatus");
    QTest::addColumn<bool>("expected");
    QTest::newRow("fax queued locally") << -2 << 0 << 1 << false;
    QTest::newRow("fax queued at the service") << 2 << 0 << 1 << false;
    QTest::newRow("fax of type 16") << 1 << 16 << 1 << false;
    QTest::newRow("sms queued") << 1 << 0 << -2 << false;
    QTest::newRow("all done") << 1 << 13 << 5 << true;
}

void CacheDatabaseTest::folderHasNoQueuedItems()
{
    QFETCH(int, faxSentStatus);
    QFETCH(int, faxType);
    QFETCH(int, smsSentStatus);
    QFETCH(bool, expected);
    qtFAXSentInfo fax = inFolder<qtFAXSentInfo>(1, 12);
    fax.sentstatus = faxSentStatus;
    fax.faxtype = faxType;
    qtSMSSentInfo sms = inFolder<qtSMSSentInfo>(1, 12);
    sms.sentstatus = smsSentStatus;
    fixture->cache->storeFaxSent(&fax);
    fixture->cache->storeSmsSent(&sms);
    QCOMPARE(fixture->cache->folderHasNoQueuedItems(12), expected);
    QVERIFY(fixture->cache->folderHasNoQueuedItems(13));
}

QTEST_GUILESS_MAIN(CacheDatabaseTest)
#include "tst_cachedatabase.moc"
