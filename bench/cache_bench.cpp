// Stores a snapshot of 100,000 mixed objects through the cache and loads it back, and, as the baseline,
// writes the same rows with plain prepared statements in one transaction into a second fresh cache.

#include "CacheDatabase.h"
#include "RecordTable.h"
#include "SettingsStore.h"
#include "qtObjectsInfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int objectCount = 100000;

template <typename Record> void fill(Record &record, int id)
{
    record.folderid = id % 50;
    record.status = id % 2;
    record.date = QStringLiteral("2024-05-09 23:30:%1").arg(id % 60, 2, 10, QLatin1Char('0'));
}

// Seven kinds in turn, with every text column filled.
qtObjectsInfo makeSnapshot()
{
    qtObjectsInfo snapshot;
    for (int id = 1; id <= objectCount; ++id) {
        const QString text = QStringLiteral("+3220%1").arg(id);
        switch (id % 7) {
        case 0: {
            qtFAXSentInfo fax(id, 0);
            fill(fax, id);
            fax.recipients = 1;
            fax.recipient = text;
            snapshot.faxessent.append(fax);
            break;
        }
        case 1: {
            qtFAXReceivedInfo fax(id, 0);
            fill(fax, id);
            fax.sender = text;
            snapshot.faxesreceived.append(fax);
            break;
        }
        case 2: {
            qtVOICEReceivedInfo voice(id, 0);
            fill(voice, id);
            voice.sender = text;
            snapshot.voicesreceived.append(voice);
            break;
        }
        case 3: {
            qtSMSSentInfo sms(id, 0);
            fill(sms, id);
            sms.content = QStringLiteral("Message number %1").arg(id);
            sms.recipient = text;
            snapshot.smsessent.append(sms);
            break;
        }
        case 4: {
            qtContactGroupInfo group(id, 0);
            group.name = QStringLiteral("Group %1").arg(id);
            snapshot.contactgroups.append(group);
            break;
        }
        case 5: {
            qtContactInfo contact(id, 0);
            contact.name = QStringLiteral("Contact %1").arg(id);
            contact.number = text;
            contact.gsmnumber = text;
            snapshot.contacts.append(contact);
            break;
        }
        default: {
            QelFolderInfo folder(id, 0);
            folder.name = QStringLiteral("Folder %1").arg(id);
            snapshot.folders.append(folder);
            break;
        }
        }
    }
    return snapshot;
}

template <typename Record> void insertPlain(QSqlDatabase &db, const QList<Record> &records)
{
    QSqlQuery query(db);
    query.prepare(QString::fromLatin1(RecordTable<Record>::store));
    for (const Record &record : records) {
        for (const QVariant &value : RecordTable<Record>::values(record))
            query.addBindValue(value);
        query.exec();
    }
}

qint64 baselineInsert(const qtObjectsInfo &snapshot)
{
    SettingsStore::instance().setCustomerId(2);
    CacheDatabase schemaOnly;
    schemaOnly.open();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
    db.setDatabaseName(SettingsStore::instance().cacheDatabasePath());
    db.open();
    QElapsedTimer timer;
    timer.start();
    db.transaction();
    insertPlain(db, snapshot.folders);
    insertPlain(db, snapshot.contactgroups);
    insertPlain(db, snapshot.faxesreceived);
    insertPlain(db, snapshot.voicesreceived);
    insertPlain(db, snapshot.faxessent);
    insertPlain(db, snapshot.smsessent);
    insertPlain(db, snapshot.contacts);
    db.commit();
    return timer.elapsed();
}

int loadedCount(const qtObjectsInfo &s)
{
    return int(s.faxessent.size() + s.faxesreceived.size() + s.voicesreceived.size() + s.smsessent.size() +
               s.contactgroups.size() + s.contacts.size() + s.folders.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);

    const qtObjectsInfo snapshot = makeSnapshot();

    SettingsStore::instance().setCustomerId(1);
    CacheDatabase cache;
    if (!cache.open()) {
        std::fprintf(stderr, "cannot open the cache\n");
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    int fresh = 0;
    if (!cache.storeObjects(snapshot, fresh)) {
        std::fprintf(stderr, "cannot store the snapshot\n");
        return 1;
    }
    const qint64 storeMs = timer.elapsed();

    timer.restart();
    qtObjectsInfo loaded;
    cache.loadAll(loaded);
    const qint64 loadMs = timer.elapsed();

    const qint64 baselineMs = baselineInsert(snapshot);

    QTextStream out(stdout);
    out << "objects:                 " << objectCount << " (new unread received: " << fresh << ")\n";
    out << "snapshot store:          " << storeMs << " ms\n";
    out << "baseline prepared insert: " << baselineMs << " ms\n";
    out << "store / baseline:        "
        << QString::number(double(storeMs) / qMax<qint64>(baselineMs, 1), 'f', 2) << "\n";
    out << "load all:                " << loadMs << " ms (" << loadedCount(loaded) << " objects)\n";
    return loadedCount(loaded) == objectCount ? 0 : 1;
}
