#include "BaseForView.h"
#include "CacheDatabase.h"
#include "CustomQTreeWidgetItem.h"
#include "EntitiesView.h"
#include "FolderView.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "ObjectRef.h"
#include "ObjectType.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "qtObjectsInfo.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

// Change entries written as "type", "type*count" or "11=n" (a progress entry carrying n), each object
// numbered in list order.
QList<QJsonObject> changeEntries(const QString &spec)
{
    QList<QJsonObject> entries;
    int object = 900000;
    for (const QString &token : spec.split(' ', Qt::SkipEmptyParts)) {
        const QStringList progress = token.split('=');
        const QStringList repeated = token.split('*');
        const int type = (progress.size() == 2 ? progress : repeated).first().toInt();
        const int count = repeated.size() == 2 ? repeated.last().toInt() : 1;
        const int action = progress.size() == 2 ? progress.last().toInt() : 1;
        for (int i = 0; i < count; ++i)
            entries.append({{"object", ++object}, {"type", type}, {"action", action}});
    }
    return entries;
}

// A fetch batch as its object types in order, runs written as "type*count": "7*3 3*17".
QString batchTypes(const QJsonArray &objects)
{
    QStringList runs;
    int type = -1;
    int count = 0;
    const auto close = [&] {
        if (count)
            runs << (count == 1 ? QString::number(type) : QStringLiteral("%1*%2").arg(type).arg(count));
    };
    for (const QJsonValue &object : objects) {
        if (object["type"].toInt() != type) {
            close();
            type = object["type"].toInt();
            count = 0;
        }
        ++count;
    }
    close();
    return runs.join(' ');
}

// The current customer's cache refuses new received faxes, as a full disk would refuse the rows.
bool refuseFaxesInCache(bool refuse)
{
    const QString name = QStringLiteral("refusing");
    bool done = false;
    {
        QSqlDatabase cache = QSqlDatabase::addDatabase("QSQLITE", name);
        cache.setDatabaseName(SettingsStore::instance().cacheDatabasePath());
        done = cache.open() &&
               QSqlQuery(cache).exec(refuse ? "CREATE TRIGGER refuse BEFORE INSERT ON faxreceived BEGIN "
                                              "SELECT RAISE(ABORT, 'disk full'); END"
                                            : "DROP TRIGGER refuse");
        cache.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

int cachedInboxId(MainWindowSession &session)
{
    int inbox = 0;
    int outbox = 0;
    session.openCache()->loadInboxOutboxIds(inbox, outbox);
    return inbox;
}

} // namespace

// The synchronisation cycle against the stand-in: a change list turned into fetch batches and follow-up
// tasks, the empty change list, and the cache shown at log-in.
class SyncTest : public MainWindowTestCase
{
    Q_OBJECT

private slots:

    void changeListBecomesTasks_data()
    {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QStringList>("batches");
        QTest::addColumn<QStringList>("operations");
        const QString query = QStringLiteral("getModifiedObjects");
        const QString fetch = QStringLiteral("getObjects");
        // Every cycle ends in one more change query, the one the first asked for.
        QTest::newRow("45 received faxes, 3 contacts") << "2*45 6*3" << QStringList{"2*20", "2*20", "2*5 6*3"}
                                                       << QStringList{query, fetch, fetch, fetch, query};
        QTest::newRow("3 folders, 18 voice messages, 2 SMS")
            << "7*3 3*18 4*2" << QStringList{"7*3 3*17", "3 4*2"} << QStringList{query, fetch, fetch, query};
        QTest::newRow("25 groups and a received fax")
            << "5*25 2" << QStringList{"5*25 2"} << QStringList{query, fetch, query};
        QTest::newRow("exactly one batch")
            << "1*20" << QStringList{"1*20"} << QStringList{query, fetch, query};
        QTest::newRow("groups and folders first, then by kind")
            << "6 4 2 7 1 3 5" << QStringList{"7 5 2 3 4 1 6"} << QStringList{query, fetch, query};
        // Nothing fetched before the review, whose own list then brings the Inbox and the Outbox.
        QTest::newRow("review and time shift asked")
            << "8 10" << QStringList{"7*2"}
            << QStringList{query, "getShiftTime", "reviewObjects", fetch, query};
        QTest::newRow("pending item progressed")
            << "11=3" << QStringList() << QStringList{query, query, query};
        QTest::newRow("pending item failed") << "11=-5" << QStringList() << QStringList{query, query};
        QTest::newRow("kinds not known") << "9 12" << QStringList() << QStringList{query, query};
    }

    void changeListBecomesTasks()
    {
        QFETCH(QString, changes);
        QFETCH(QStringList, batches);
        QFETCH(QStringList, operations);
        const MainWindowSession::Account account = m_session.addAccount();
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        m_session.service().reset();
        int timestamp = 0;
        for (const QJsonObject &entry : changeEntries(changes)) {
            QJsonObject change = entry;
            change.insert("email", account.email);
            timestamp = m_session.standin().control("change", change).value("timestamp").toInt();
        }

        m_session.syncNow();
        QVERIFY(!m_session.syncTimer()->isActive());
        QVERIFY(m_session.settle());
        QStringList fetched;
        for (const QJsonValue &request : m_session.requests("getObjects"))
            fetched << batchTypes(request["params"]["data"].toArray());
        QCOMPARE(fetched, batches);
        QCOMPARE(m_session.operations(), operations);
        QCOMPARE(m_session.openCache()->timestamp(), timestamp);
    }

    void emptyChangeListEndsTheCycle()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        const int stored = m_session.openCache()->timestamp();
        m_session.service().reset();
        SettingsStore::instance().setSyncInterval(7);

        m_session.syncNow();
        QVERIFY(m_session.settle());
        QCOMPARE(m_session.syncTimer()->interval(), 7 * 60000);
        QCOMPARE(m_session.operations(), (QStringList{"getModifiedObjects", "getModifiedObjects"}));
        QCOMPARE(m_session.openCache()->timestamp(), stored);
    }

    void cycleAskedForWithoutSessionWaitsForOne()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        // Settings saved from the log-in dialog, before anybody is logged in.
        emit m_session.window()->findChild<SettingsDlg *>()->signalSyncInterval();

        m_session.logIn(account);
        QVERIFY(m_session.settle());
        QCOMPARE(m_session.operations(), (QStringList{"getShiftTime", "getInboxOutboxID", "registerApp",
                                                      "reviewObjects", "getObjects"}));
    }

    void logInShowsTheCachedObjects()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        {
            std::unique_ptr<CacheDatabase> cache = m_session.openCache();
            qtObjectsInfo objects;
            QelFolderInfo folder(300, 0);
            folder.name = "Archive";
            objects.folders << folder;
            qtFAXReceivedInfo fax(1001, 0);
            fax.folderid = 100;
            fax.sender = "+3314";
            objects.faxesreceived << fax;
            qtVOICEReceivedInfo voice(1002, 1);
            voice.folderid = 300;
            objects.voicesreceived << voice;
            qtFAXSentInfo sent(1003, 1);
            sent.folderid = 200;
            objects.faxessent << sent;
            qtSMSSentInfo sms(1004, 1);
            sms.folderid = 200;
            objects.smsessent << sms;
            qtContactGroupInfo group(1005, 0);
            group.name = "Family";
            objects.contactgroups << group;
            qtContactInfo contact(1006, 0);
            contact.groupid = 1005;
            contact.name = "Mum";
            objects.contacts << contact;
            int fresh = 0;
            QVERIFY(cache->storeObjects(objects, fresh));
            QVERIFY(cache->setInboxOutboxIds(100, 200));
            QVERIFY(cache->setTimeShift(3600));
            QVERIFY(cache->setTimestamp(1));
        }

        m_session.logIn(account);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(1)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(2)"));
        QCOMPARE(m_session.label("Archive"), QStringLiteral("Archive(1)"));
        QVERIFY(m_session.inbox()->findItem(1001, ObjectType::FaxReceived));
        QVERIFY(m_session.entities()->viewByFolderId(300)->findItem(1002, ObjectType::VoiceReceived));
        QVERIFY(m_session.contacts()->findGroupItem(1005));
        QTreeWidgetItem *member = m_session.contacts()->findItem(1006, ObjectType::Contact);
        QVERIFY(member);
        QCOMPARE(member->parent(), m_session.contacts()->findGroupItem(1005));

        // A change query from the stored timestamp, not a review.
        QTRY_VERIFY_WITH_TIMEOUT(m_session.count("getModifiedObjects") > 0, 20000);
        QCOMPARE(m_session.requests("getModifiedObjects").first()["params"]["timestamp"].toInt(), 1);
        QCOMPARE(m_session.count("reviewObjects"), 0);
    }
    // A fetch that was refused, or whose objects the cache could not take, holds the cycle's timestamp
    // back: stopped meanwhile, the program finds the objects again at its next start.
    void unfetchedObjectsHoldTheTimestampBack_data()
    {
        QTest::addColumn<QJsonObject>("injection");
        QTest::addColumn<bool>("quit");
        QTest::newRow("SOAP fault") << QJsonObject{{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}}
                                    << false;
        QTest::newRow("HTTP 500") << QJsonObject{{"kind", "http-status"}, {"status", 500}} << true;
        QTest::newRow("HTML page") << QJsonObject{{"kind", "http-status"}, {"status", 200},
                                                  {"body", "<html><body>Sign in to the proxy</body></html>"}}
                                   << false;
        // No injection: the store of the batch fails.
        QTest::newRow("store refused") << QJsonObject() << true;
    }

    void unfetchedObjectsHoldTheTimestampBack()
    {
        QFETCH(QJsonObject, injection);
        QFETCH(bool, quit);
        const MainWindowSession::Account account = m_session.addAccount();
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        m_session.service().reset();
        const int before = m_session.openCache()->timestamp();
        const int fax = m_session.standin()
                            .control("received-fax", {{"email", account.email}, {"sender", "+3314"}})
                            .value("id")
                            .toInt();
        if (injection.isEmpty())
            QVERIFY(refuseFaxesInCache(true));
        else
            QVERIFY(m_session.standin().inject("getObjects", injection).value("ok").toBool());

        m_session.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.count("getObjects") == 1 && m_session.pumpTimer()->isActive() &&
                                     m_session.pumpTimer()->interval() == 60000,
                                 20000);
        QVERIFY(!m_session.showsOnline());
        QCOMPARE(m_session.openCache()->timestamp(), before);
        QVERIFY(!m_session.openCache()->exists(ObjectType::FaxReceived, fax));
        if (quit)
            m_session.closeWindow();
        else
            m_session.logOut();
        if (injection.isEmpty())
            QVERIFY(refuseFaxesInCache(false));
        m_session.service().reset();

        m_session.logIn(account);
        QVERIFY(m_session.settle());
        QVERIFY(m_session.openCache()->exists(ObjectType::FaxReceived, fax));
        QVERIFY(m_session.inbox()->findItem(fax, ObjectType::FaxReceived));
        QVERIFY(m_session.openCache()->timestamp() > before);
    }

    // One fax whose fetch the service always refuses: after three tries its batch is split, the others are
    // stored, the fax is remembered and named to the user once, and the cycle ends. Later cycles ask for it
    // again without holding anything back, and once the service hands it out it arrives.
    void fetchRefusedForGoodIsRememberedAndAskedAgain()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        const int before = m_session.openCache()->timestamp();
        QList<int> faxes;
        for (const char *sender : {"+3314", "+3315", "+3316"})
            faxes += m_session.standin()
                         .control("received-fax", {{"email", account.email}, {"sender", sender}})
                         .value("id")
                         .toInt();
        const int spoilt = faxes[1];
        QVERIFY(m_session.standin()
                    .inject("getObjects",
                            {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}, {"objectId", spoilt}})
                    .value("ok")
                    .toBool());
        m_session.standin().control("clear-log");

        m_session.syncNow();
        for (int refusal = 1; refusal < 3; ++refusal) {
            QTRY_VERIFY_WITH_TIMEOUT(m_session.count("getObjects") == refusal &&
                                         m_session.pumpTimer()->isActive() &&
                                         m_session.pumpTimer()->interval() == 60000,
                                     standinTimeoutMs);
            QCOMPARE(m_session.openCache()->timestamp(), before);
            m_session.runPump();
        }
        QVERIFY(m_session.settle());
        // Three tries of the batch, then one fetch per fax; the cycle ended and the next query ran (and asked
        // for the fax once more).
        const QStringList operations = m_session.operations();
        qsizetype sixthFetch = -1;
        for (int fetch = 0; fetch < 6; ++fetch)
            sixthFetch = operations.indexOf("getObjects", sixthFetch + 1);
        QVERIFY2(sixthFetch > 0 && operations.indexOf("getModifiedObjects", sixthFetch) > sixthFetch,
                 qPrintable(operations.join(' ')));
        QVERIFY(m_session.openCache()->timestamp() > before);
        for (int fax : {faxes[0], faxes[2]})
            QVERIFY(m_session.inbox()->findItem(fax, ObjectType::FaxReceived));
        QVERIFY(!m_session.openCache()->exists(ObjectType::FaxReceived, spoilt));
        const QStringList told = m_session.takeBoxTexts();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(QString::number(spoilt)), qPrintable(told.first()));

        // Still refused: asked again in the next cycle, given up at once, and not told again.
        m_session.standin().control("clear-log");
        m_session.syncNow();
        QVERIFY(m_session.settle());
        QVERIFY(m_session.count("getObjects") >= 1);
        QVERIFY(m_session.takeBoxTexts().isEmpty());

        // Handed out at last.
        m_session.standin().control("clear-injections");
        m_session.syncNow();
        QVERIFY(m_session.settle());
        QVERIFY(m_session.openCache()->exists(ObjectType::FaxReceived, spoilt));
        QVERIFY(m_session.inbox()->findItem(spoilt, ObjectType::FaxReceived));
        QVERIFY(m_session.openCache()->unfetchedObjects().isEmpty());
    }

    // A review that a change list asks for decides what stays cached: the list's timestamp may not be stored
    // before the review's fetches are.
    void reviewAskedForIsAppliedBeforeTheTimestamp()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        m_session.service().reset();
        const int before = m_session.openCache()->timestamp();
        // Cached, but gone from the service without a change entry, as after a loss of its change log.
        qtObjectsInfo gone;
        qtFAXReceivedInfo fax(990001, 1);
        fax.folderid = cachedInboxId(m_session);
        gone.faxesreceived << fax;
        int fresh = 0;
        QVERIFY(m_session.openCache()->storeObjects(gone, fresh));
        m_session.standin().control("change", {{"email", account.email}, {"object", 0}, {"type", 8}});
        QVERIFY(m_session.standin()
                    .inject("getObjects", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}})
                    .value("ok")
                    .toBool());

        m_session.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(m_session.count("getObjects") == 1 && m_session.pumpTimer()->interval() == 60000,
                                 20000);
        QCOMPARE(m_session.count("reviewObjects"), 1);
        QCOMPARE(m_session.openCache()->timestamp(), before);
        m_session.closeWindow();
        m_session.service().reset();

        m_session.logIn(account);
        QVERIFY(m_session.settle());
        QVERIFY(!m_session.openCache()->exists(ObjectType::FaxReceived, 990001));
        QVERIFY(!m_session.inbox()->findItem(990001, ObjectType::FaxReceived));
        QVERIFY(m_session.openCache()->timestamp() > before);
    }

    void recordReportedDeletedLeavesCacheAndViews()
    {
        const MainWindowSession::Account account = m_session.addAccount();
        QVERIFY(m_session.fillCache(account));
        const int id = m_session.standin()
                           .control("received-fax", {{"email", account.email}, {"status", -100}})
                           .value("id")
                           .toInt();
        qtObjectsInfo cached;
        qtFAXReceivedInfo fax(id, 0);
        fax.folderid = cachedInboxId(m_session);
        cached.faxesreceived << fax;
        int fresh = 0;
        QVERIFY(m_session.openCache()->storeObjects(cached, fresh));

        m_session.logIn(account);
        QVERIFY(m_session.inbox()->findItem(id, ObjectType::FaxReceived));
        QVERIFY(m_session.settle());
        QCOMPARE(m_session.count("getObjects"), 1);
        QVERIFY(!m_session.inbox()->findItem(id, ObjectType::FaxReceived));
        QVERIFY(!m_session.openCache()->exists(ObjectType::FaxReceived, id));
    }

    // Dates show with the account's time shift however the row came: fetched at the first synchronisation,
    // beside a later batch, or loaded from the cache at the next log-in.
    void datesKeepTheirTimeShift()
    {
        const QJsonObject faxes{{"timeShift", 3600},
                                {"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3314"},
                                                                         {"date", "2026-12-01 09:15:00"}}}}};
        const MainWindowSession::Account account = m_session.addAccount(faxes);
        // The seeded fax's row, told from the later one by its sender.
        const auto dateShown = [this] {
            FolderView *inbox = m_session.inbox();
            for (int i = 0; i < inbox->topLevelItemCount(); ++i) {
                QTreeWidgetItem *row = inbox->topLevelItem(i);
                for (int column = 0; column < inbox->columnCount(); ++column)
                    if (row->text(column).contains("3314"))
                        return row->text(4);
            }
            return QString();
        };
        m_session.logIn(account);
        QVERIFY(m_session.settle());
        const QString first = dateShown();
        QVERIFY2(first.contains("10:15") || first.contains("08:15"), qPrintable(first));

        m_session.standin().control("received-fax",
                                    {{"email", account.email}, {"sender", "+3399"}, {"date", "2026-11-30 09:15:00"}});
        m_session.syncNow();
        QVERIFY(m_session.settle());
        QCOMPARE(m_session.inbox()->topLevelItemCount(), 2);
        QCOMPARE(dateShown(), first);

        m_session.logOut();
        m_session.logIn(account);
        QCOMPARE(dateShown(), first);
    }
};

QTEST_MAIN(SyncTest)
#include "tst_sync.moc"
