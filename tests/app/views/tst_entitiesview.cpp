#include "ChangeEntry.h"
#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "EntitiesView.h"
#include "FolderView.h"
#include "MenuActions.h"
#include "MoveToFolderRequest.h"
#include "ObjectsRequest.h"
#include "TextHelpers.h"
#include "ViewRecords.h"
#include "qtObjectsInfo.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedLayout>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

using namespace ViewRecords;

namespace {

constexpr int inboxId = 1;
constexpr int outboxId = 2;
const QString aDate = QStringLiteral("2012-05-09 10:00:00");

QelFolderInfo folderRecord(int id, const QString &name, int folderType = 0)
{
    QelFolderInfo folder(id, 0);
    folder.name = name;
    folder.foldertype = folderType;
    return folder;
}

QStringList labels(const QTreeWidget &tree)
{
    QStringList texts;
    for (int top = 0; top < tree.topLevelItemCount(); ++top)
        texts += tree.topLevelItem(top)->text(0);
    return texts;
}

} // namespace

// The entity tree: entities with their labels and lists, items across the lists, loading, the pending
// Outbox items, the move command and the tree's own menu.
class EntitiesViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<QWidget> m_stackHost;
    QStackedLayout *m_stack = nullptr;
    std::unique_ptr<QMenu> m_folderTreeMenu;
    std::unique_ptr<EntitiesView> m_tree;

    // Inbox 1, Outbox 2, user folders Work (30) and Home (31).
    void addFolders()
    {
        m_tree->renameFolder(folderRecord(inboxId, "INBOX", 1));
        m_tree->renameFolder(folderRecord(outboxId, "OUTBOX", 2));
        m_tree->renameFolder(folderRecord(30, "Work"));
        m_tree->renameFolder(folderRecord(31, "Home"));
    }

    QTreeWidgetItem *entityItem(const QString &labelStart) const
    {
        for (int top = 0; top < m_tree->topLevelItemCount(); ++top) {
            if (m_tree->topLevelItem(top)->text(0).startsWith(labelStart))
                return m_tree->topLevelItem(top);
        }
        return nullptr;
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        m_stackHost = std::make_unique<QWidget>();
        m_stack = new QStackedLayout(m_stackHost.get());
        m_folderTreeMenu = actionMenu({"actionDeleteFolder", "actionRenameFolder", "actionCreateFolder"});
        m_tree = std::make_unique<EntitiesView>(nullptr, m_stack, nullptr, nullptr, m_folderTreeMenu.get());
    }
    void cleanup()
    {
        m_tree.reset();
        m_stackHost.reset();
        m_folderTreeMenu.reset();
        QVERIFY(m_fixture->prompts.boxes.isEmpty());
        m_fixture.reset();
    }

    void freshTree()
    {
        QCOMPARE(m_tree->headerItem()->text(0), QStringLiteral("Folders"));
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox", "Outbox", "Contacts"}));
        m_tree->refreshLabels();
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts"}));
        QCOMPARE(m_stack->count(), 3);
        QCOMPARE(m_stack->currentIndex(), 0);
        QCOMPARE(m_tree->currentView(), m_stack->widget(0));
        QCOMPARE(m_tree->contactsView(), m_stack->widget(2));
        QVERIFY(showsImage(m_tree->topLevelItem(0)->icon(0), ":/images/folder_inbox.png"));
        QVERIFY(showsImage(m_tree->topLevelItem(1)->icon(0), ":/images/folder_outbox.png"));
        QVERIFY(showsImage(m_tree->topLevelItem(2)->icon(0), ":/images/address-book.png"));
        QCOMPARE(m_tree->maximumWidth(), 180);
        QVERIFY(!m_tree->isSortingEnabled());
    }

    void labelsCountEveryRow()
    {
        addFolders();
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts", "Work(0)", "Home(0)"}));
        m_tree->addGroupRow(*group(10, "Friends"));
        m_tree->addContactRow(*contact(1, 10, "Ann"));
        m_tree->addPendingFax(pendingFax(1000, outboxId));
        m_tree->renameFolder(folderRecord(31, "House"));
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(1)", "Contacts", "Work(0)", "House(0)"}));
        QCOMPARE(m_tree->outboxFolderId(), outboxId);
        QCOMPARE(m_tree->viewByFolderId(31), m_stack->widget(4));
        QCOMPARE(m_tree->viewByFolderId(99), nullptr);
    }

    void itemsGoToTheListOfTheirFolder()
    {
        m_tree->addOrUpdateItem(*receivedFax(5, inboxId, aDate));
        QCOMPARE(labels(*m_tree).first(), QStringLiteral("Inbox(0)")); // no list has the id yet
        addFolders();

        auto fax = receivedFax(5, inboxId, aDate, "+3311");
        m_tree->addOrUpdateItem(*fax);
        QVERIFY(m_tree->hasItem(ObjectType::FaxReceived, 5));
        FolderView *list = nullptr;
        QTreeWidgetItem *row = nullptr;
        QVERIFY(m_tree->findItem(5, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(inboxId));
        QVERIFY(CustomQTreeWidgetItem::record(row) != fax.get()); // the list shows a copy

        fax->sender = QStringLiteral("+3322");
        m_tree->addOrUpdateItem(*fax);
        QTreeWidgetItem *updated = nullptr;
        QVERIFY(m_tree->findItem(5, ObjectType::FaxReceived, &list, &updated));
        QCOMPARE(updated, row);
        QCOMPARE(row->text(1), QStringLiteral("+3322"));

        fax->folderid = 31;
        m_tree->addOrUpdateItem(*fax);
        QVERIFY(m_tree->findItem(5, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(31));
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts", "Work(0)", "Home(1)"}));

        fax->folderid = 99;
        m_tree->addOrUpdateItem(*fax); // no list: nothing moves
        QVERIFY(m_tree->findItem(5, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(31));
    }

    void removingTheCurrentFolderSelectsTheInbox()
    {
        addFolders();
        QSignalSpy activated(m_tree.get(), &EntitiesView::signalViewActivated);
        m_tree->setCurrentItem(entityItem("Work"));
        QCOMPARE(activated.takeLast().first().toInt(), 3);
        int folderId = 0;
        QString name;
        QVERIFY(m_tree->currentUserFolder(&folderId, &name));
        QCOMPARE(folderId, 30);
        QCOMPARE(name, QStringLiteral("Work"));
        m_tree->addOrUpdateItem(*receivedFax(5, 30, aDate));

        m_tree->removeFolderEntity(30);
        QCOMPARE(activated.takeLast().first().toInt(), 0);
        QCOMPARE(m_tree->currentItem(), m_tree->topLevelItem(0));
        QCOMPARE(m_stack->count(), 4);
        QVERIFY(!m_tree->hasItem(ObjectType::FaxReceived, 5));
        QVERIFY(!m_tree->findUserFolder(30));
        QVERIFY(!m_tree->currentUserFolder(&folderId, &name));

        m_tree->setCurrentItem(entityItem("Home"));
        QCOMPARE(activated.takeLast().first().toInt(), 3);
        QCOMPARE(m_stack->currentWidget(), m_tree->viewByFolderId(31));
        QCOMPARE(m_tree->currentView(), m_tree->viewByFolderId(31));
        m_tree->removeFolderEntity(99); // no such folder
        QCOMPARE(m_stack->count(), 4);
    }

    void removalsByRequestAndByChangeList()
    {
        addFolders();
        m_tree->addGroupRow(*group(10, "Friends"));
        m_tree->addContactRow(*contact(1, 10, "Ann"));
        m_tree->addContactRow(*contact(2, 10, "Bob"));
        m_tree->addContactRow(*contact(3, 0, "Carl"));
        m_tree->addOrUpdateItem(*sentFax(5, outboxId, aDate));
        m_tree->addOrUpdateItem(*voice(6, 30, aDate));

        ObjectsRequest request;
        request.objects = {{1, {5}}, {5, {10}}, {7, {31}}, {10001, {5}}};
        m_tree->removeObjects(request);
        QVERIFY(!m_tree->hasItem(ObjectType::FaxSent, 5));
        QCOMPARE(m_tree->contactsView()->rowCountText(), QStringLiteral("1")); // the group went with its members
        QVERIFY(!m_tree->findUserFolder(31));
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts", "Work(1)"}));

        m_tree->removeChanged({ChangeEntry(6, 3, 1), ChangeEntry(3, 6, -1)});
        QVERIFY(m_tree->hasItem(ObjectType::VoiceReceived, 6));
        QCOMPARE(m_tree->contactsView()->rowCountText(), QStringLiteral("0"));
        m_tree->removeChanged({ChangeEntry(6, 3, -1), ChangeEntry(30, 7, -1)});
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts"}));
    }

    void movesTakeItemsOnly()
    {
        addFolders();
        m_tree->addOrUpdateItem(*voice(6, inboxId, aDate));
        MoveToFolderRequest move;
        move.from_folderid = inboxId;
        move.to_folderid = 30;
        move.objects = new ObjectsRequest;
        move.objects->objects = {{3, {6}}, {6, {6}}};
        m_tree->moveItems(move);
        FolderView *list = nullptr;
        QTreeWidgetItem *row = nullptr;
        QVERIFY(m_tree->findItem(6, ObjectType::VoiceReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(30));
        QCOMPARE(static_cast<BaseForView *>(CustomQTreeWidgetItem::record(row))->folderid, 30);
        QCOMPARE(labels(*m_tree).at(3), QStringLiteral("Work(1)"));

        move.from_folderid = 30;
        move.to_folderid = 77; // no such list
        m_tree->moveItems(move);
        QVERIFY(m_tree->findItem(6, ObjectType::VoiceReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(30));
    }

    void fillViewsLoadsEverything()
    {
        qtObjectsInfo objects;
        objects.shifttime = 3600;
        objects.folders = {folderRecord(inboxId, "INBOX", 1), folderRecord(outboxId, "OUTBOX", 2),
                           folderRecord(30, "Work")};
        objects.faxesreceived.append(*receivedFax(1, inboxId, aDate));
        objects.voicesreceived.append(*voice(2, 30, aDate));
        objects.smsessent.append(*sentSms(3, outboxId, aDate));
        objects.faxessent.append(*sentFax(4, outboxId, aDate));
        objects.faxessent.append(*sentFax(5, outboxId, aDate));
        objects.contactgroups.append(*group(10, "Friends"));
        objects.contacts.append(*contact(1, 10, "Ann"));
        objects.removed = {ChangeEntry(5, 1, -1)};
        m_tree->fillViews(objects);

        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(1)", "Outbox(2)", "Contacts", "Work(1)"}));
        QCOMPARE(m_tree->contactsView()->rowCountText(), QStringLiteral("2"));
        FolderView *list = nullptr;
        QTreeWidgetItem *row = nullptr;
        QVERIFY(m_tree->findItem(1, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(row->text(4), QStringLiteral("09-05-2012 11:00:00"));
        QVERIFY(m_tree->viewByFolderId(inboxId)->header()->isSortIndicatorShown());
    }

    // The first batch of a log-in brings the time shift and the user folders together: every list shows
    // the shifted date, that of a folder which only this batch creates as well.
    void firstBatchShiftsEveryList_data()
    {
        QTest::addColumn<int>("folderId");
        QTest::newRow("Inbox") << inboxId;
        QTest::newRow("Outbox") << outboxId;
        QTest::newRow("a folder of the batch") << 30;
        QTest::newRow("a folder made before") << 31;
    }
    void firstBatchShiftsEveryList()
    {
        QFETCH(int, folderId);
        m_tree->renameFolder(folderRecord(31, "Home"));
        qtObjectsInfo objects;
        objects.shifttime = 3600;
        objects.folders = {folderRecord(inboxId, "INBOX", 1), folderRecord(outboxId, "OUTBOX", 2),
                           folderRecord(30, "Invoices")};
        objects.faxesreceived.append(*receivedFax(1, folderId, aDate));
        m_tree->fillViews(objects);

        FolderView *list = nullptr;
        QTreeWidgetItem *row = nullptr;
        QVERIFY(m_tree->findItem(1, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(list, m_tree->viewByFolderId(folderId));
        QCOMPARE(row->text(4), QStringLiteral("09-05-2012 11:00:00"));
        m_tree->renameFolder(folderRecord(32, "Later"));
        m_tree->addOrUpdateItem(*receivedFax(2, 32, aDate));
        QVERIFY(m_tree->findItem(2, ObjectType::FaxReceived, &list, &row));
        QCOMPARE(row->text(4), QStringLiteral("09-05-2012 11:00:00"));
    }

    // Fills that follow each other (a synchronisation's batches) paint the current list at most every
    // 100 ms: the first at once, the next ones held back until the interval is over.
    void fillsInQuickSuccessionPaintTheCurrentListLess()
    {
        addFolders();
        FolderView *inbox = m_tree->currentView();
        const auto fill = [this](int id) {
            qtObjectsInfo objects;
            objects.faxesreceived.append(*receivedFax(id, inboxId, aDate));
            m_tree->fillViews(objects);
        };
        fill(1);
        QVERIFY(inbox->updatesEnabled());
        fill(2);
        fill(3);
        QVERIFY(!inbox->updatesEnabled());
        QCOMPARE(inbox->topLevelItemCount(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(inbox->updatesEnabled(), 1000);
    }

    void pendingOutboxItems()
    {
        addFolders();
        m_tree->addPendingFax(pendingFax(1000, outboxId));
        m_tree->addPendingSms(pendingSms(1001, outboxId));
        m_tree->addPendingEmail(pendingEmail(1002, outboxId));
        m_tree->addPendingFax(pendingFax(1003, outboxId));
        QCOMPARE(labels(*m_tree).at(1), QStringLiteral("Outbox(4)"));
        FolderView *outbox = m_tree->viewByFolderId(outboxId);

        m_tree->updatePendingSent(1000, 500, 2);
        QVERIFY(outbox->findPendingItem(500));
        m_tree->updatePendingStatus(500, 1);
        QCOMPARE(outbox->findPendingItem(500)->text(4), statusText(1));

        m_tree->updatePendingProgress(500, 600); // no sent fax 600 shown: the row becomes it
        QVERIFY(m_tree->hasItem(ObjectType::FaxSent, 600));
        m_tree->updatePendingProgress(1002, 0); // the e-mail forward is sent
        QCOMPARE(outbox->findPendingItem(1002)->text(2), statusText(1));
        m_tree->addOrUpdateItem(*sentSms(601, outboxId, aDate));
        m_tree->updatePendingProgress(1001, 601); // the sent SMS is shown already: the pending row goes
        QVERIFY(!outbox->findPendingItem(1001));
        QCOMPARE(labels(*m_tree).at(1), QStringLiteral("Outbox(4)"));
        m_tree->updatePendingProgress(4242, 1); // no such task
    }

    // A sent item that arrives takes the place of the pending row of the send that made it: the row the
    // confirmation gave that service id, never one that still carries a task id equal to it by chance.
    void anArrivalTakesOnlyTheRowOfItsOwnSend_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("taken");
        for (const bool fax : {true, false}) {
            const char *kind = fax ? "fax: " : "SMS: ";
            QTest::addRow("%swaiting", kind) << fax << "waiting" << false;
            QTest::addRow("%sparked after a refusal", kind) << fax << "parked" << false;
            QTest::addRow("%sconfirmed", kind) << fax << "confirmed" << true;
        }
    }
    void anArrivalTakesOnlyTheRowOfItsOwnSend()
    {
        QFETCH(bool, fax);
        QFETCH(QString, state);
        addFolders();
        const int taskId = 1000, serviceId = 1000;
        const int pendingId = state == "confirmed" ? 1234 : taskId;
        if (fax)
            m_tree->addPendingFax(pendingFax(pendingId, outboxId));
        else
            m_tree->addPendingSms(pendingSms(pendingId, outboxId));
        if (state == "parked")
            m_tree->updatePendingStatus(taskId, 0);
        else if (state == "confirmed")
            m_tree->updatePendingSent(pendingId, serviceId, 1);

        if (fax)
            m_tree->addOrUpdateItem(*sentFax(serviceId, outboxId, aDate));
        else
            m_tree->addOrUpdateItem(*sentSms(serviceId, outboxId, aDate));
        FolderView *outbox = m_tree->viewByFolderId(outboxId);
        QTEST(outbox->findPendingItem(serviceId) == nullptr, "taken");
        QCOMPARE(outbox->topLevelItemCount(), state == "confirmed" ? 1 : 2);
    }

    void moveCommand()
    {
        addFolders();
        FolderView *inbox = m_tree->viewByFolderId(inboxId);
        m_tree->addOrUpdateItem(*receivedFax(5, inboxId, aDate));
        m_tree->addOrUpdateItem(*receivedFax(6, inboxId, aDate));
        inbox->selectAll();

        QCOMPARE(m_tree->moveSelectionTo(0), nullptr); // nothing chosen
        QCOMPARE(m_tree->moveSelectionTo(inboxId), nullptr); // the folder the items are in
        std::unique_ptr<MoveToFolderRequest> move(m_tree->moveSelectionTo(30));
        QVERIFY(move);
        QCOMPARE(move->from_folderid, inboxId);
        QCOMPARE(move->to_folderid, 30);
        QCOMPARE(move->objects->objects, (QMap<int, QList<int>>{{2, {5, 6}}}));
        QCOMPARE(m_tree->hasItem(2, 5), true); // the rows move when the main window says so

        m_tree->setCurrentItem(m_tree->topLevelItem(2));
        QVERIFY(m_tree->isContactsCurrent());
        QCOMPARE(m_tree->moveSelectionTo(30), nullptr);
    }

    void logOutEmptiesEverything()
    {
        addFolders();
        m_tree->addOrUpdateItem(*receivedFax(5, inboxId, aDate));
        m_tree->addGroupRow(*group(10, "Friends"));
        m_tree->addOutlookContactRow(outlookContact("Eve"));
        m_tree->setCurrentItem(entityItem("Home"));
        m_tree->clearAll();
        QCOMPARE(labels(*m_tree), (QStringList{"Inbox(0)", "Outbox(0)", "Contacts"}));
        QCOMPARE(m_stack->count(), 3);
        QCOMPARE(m_tree->currentItem(), m_tree->topLevelItem(0));
        QCOMPARE(m_tree->contactsView()->rowCountText(), QStringLiteral("0"));
        QCOMPARE(m_tree->outboxFolderId(), outboxId);
    }

    void folderMenuActsOnTheCurrentEntity_data()
    {
        QTest::addColumn<QString>("entity");
        QTest::addColumn<bool>("onUserFolder");
        QTest::newRow("Outbox") << "Outbox" << false;
        QTest::newRow("user folder") << "Work" << true;
    }
    void folderMenuActsOnTheCurrentEntity()
    {
        QFETCH(QString, entity);
        QFETCH(bool, onUserFolder);
        addFolders();
        m_tree->setCurrentItem(entityItem(entity));
        const auto action = [this](const char *name) { return menuAction(m_folderTreeMenu.get(), name); };
        QHash<QString, QPair<bool, bool>> whileOpen;
        QTimer::singleShot(0, [&] {
            for (const char *name : {"actionCreateFolder", "actionRenameFolder", "actionDeleteFolder"})
                whileOpen[name] = qMakePair(action(name)->isVisible(), action(name)->isEnabled());
            m_folderTreeMenu->close();
        });
        m_tree->eventContextMenu();
        QCOMPARE(whileOpen["actionCreateFolder"], qMakePair(true, true));
        QCOMPARE(whileOpen["actionRenameFolder"], qMakePair(true, onUserFolder));
        QCOMPARE(whileOpen["actionDeleteFolder"], qMakePair(true, onUserFolder));
        for (const char *name : {"actionCreateFolder", "actionRenameFolder", "actionDeleteFolder"})
            QVERIFY(!action(name)->isVisible());
    }

    void inboxActionsAreForwarded()
    {
        QSignalSpy inboxActions(m_tree.get(), &EntitiesView::signalInboxAction);
        m_tree->viewByFolderId(0)->eventItemLeave(); // the Inbox list: its id is still 0
        QCOMPARE(inboxActions.size(), 1);
        addFolders();
        m_tree->viewByFolderId(outboxId)->eventItemLeave();
        QCOMPARE(inboxActions.size(), 1);
    }

    // User input waits while a batch is applied: a log-out in the middle would see the rest of the batch
    // land in the next customer's lists. Timers and other events still run.
    void applyingItemsLetsNoUserInputIn()
    {
        addFolders();
        QLineEdit probe;
        probe.show();
        probe.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&probe));
        probe.setFocus();
        bool timerRan = false;

        const auto typeWhile = [&](const std::function<void()> &apply) {
            probe.clear();
            timerRan = false;
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                probe.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QTimer::singleShot(0, [&] { timerRan = true; });
            apply();
            QVERIFY(timerRan);
            QCOMPARE(probe.text(), QString());
            QTRY_COMPARE(probe.text(), QStringLiteral("a"));
        };
        typeWhile([&] { m_tree->addOrUpdateItem(*receivedFax(5, inboxId, aDate)); });
        typeWhile([&] { m_tree->removeItem(5, ObjectType::FaxReceived); });
        qtObjectsInfo objects;
        objects.faxesreceived.append(*receivedFax(6, inboxId, aDate));
        typeWhile([&] { m_tree->fillViews(objects); });
    }
};

QTEST_MAIN(EntitiesViewTest)
#include "tst_entitiesview.moc"
