#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "FolderView.h"
#include "MenuActions.h"
#include "ForwardRequest.h"
#include "ObjectsRequest.h"
#include "ViewRecords.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace ViewRecords;

namespace {

constexpr int inboxId = 7;
constexpr int outboxId = 8;
constexpr int folderId = 30;
const QString aDate = QStringLiteral("2012-05-09 10:00:00");

using Objects = QMap<int, QList<int>>;

struct RowKey
{
    int type;
    int id;
};

void selectRows(FolderView &list, const QList<RowKey> &keys)
{
    for (const RowKey &key : keys) {
        QTreeWidgetItem *row = key.type == ObjectType::ContactGroup ? list.findGroupItem(key.id)
                                                                    : list.findItem(key.id, key.type);
        QVERIFY2(row, qPrintable(QStringLiteral("no row %1/%2").arg(key.type).arg(key.id)));
        row->setSelected(true);
    }
}

QStringList enabledActions(const QMenu &menu)
{
    QStringList names;
    for (const QAction *action : menu.actions()) {
        if (action->isEnabled())
            names += action->objectName();
    }
    return names;
}

Objects objectsOf(const ObjectsRequest *request)
{
    return request ? request->objects : Objects();
}

} // namespace

// The item lists and the contacts list: columns, action enabling, the requests built from the selection,
// the contacts export and the maintenance operations of the entity tree.
class FolderViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<QMenu> m_folderMenu;
    std::unique_ptr<QMenu> m_contactMenu;

    // Sent fax 1, sent SMS 2, received fax 3, voice message 4, pending fax 1000, pending e-mail 1001.
    std::unique_ptr<FolderView> outboxWithEveryKind()
    {
        auto list = std::make_unique<FolderView>(nullptr, m_folderMenu.get(), FolderView::OutboxList, outboxId);
        list->addItem(sentFax(1, outboxId, aDate));
        list->addItem(sentSms(2, outboxId, aDate));
        list->addItem(receivedFax(3, outboxId, aDate, QStringLiteral("+3344")));
        list->addItem(voice(4, outboxId, aDate));
        list->addFaxSentItem(pendingFax(1000, outboxId));
        list->addEmailItem(pendingEmail(1001, outboxId));
        return list;
    }

    // Group Friends (10) with Ann and Bob, the ungrouped contact Carl, the Outlook contact Eve.
    std::unique_ptr<FolderView> contactsList()
    {
        auto list = std::make_unique<FolderView>(nullptr, m_contactMenu.get(), FolderView::ContactsList, 0);
        list->addGroupItem(group(10, QStringLiteral("Friends")));
        list->addContactItem(contact(1, 10, QStringLiteral("Ann"), QStringLiteral("+3311"), QStringLiteral("+3366")));
        list->addContactItem(contact(2, 10, QString::fromUtf8("Bo\u00e9"), QStringLiteral("+3312")));
        list->addContactItem(contact(3, 0, QStringLiteral("Carl"), QString(), QStringLiteral("+3367")));
        list->addOutlookContactItem(outlookContact(QStringLiteral("Eve"), QStringLiteral("+4930"), QStringLiteral("+4917")));
        return list;
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        m_folderMenu = actionMenu(folderMenuActions);
        m_contactMenu = actionMenu(contactMenuActions);
    }
    void cleanup()
    {
        QVERIFY(m_fixture->prompts.boxes.isEmpty());
        QVERIFY(m_fixture->prompts.fileDialogs.isEmpty());
        m_folderMenu.reset();
        m_contactMenu.reset();
        m_fixture.reset();
    }

    void columnsByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("sortOrder");
        QTest::addColumn<bool>("decorated");
        QTest::addColumn<QList<int>>("widths");
        const QStringList items = {"", "To/From", "Status", "Size", "Date"};
        // -1: To/From and Status share their widths by the font (below).
        for (const int kind : {1, 2, 3})
            QTest::addRow("item list %d", kind) << kind << items << 4 << int(Qt::DescendingOrder) << false
                                                << QList<int>{32, -1, -1, 64, 210};
        QTest::newRow("contacts") << 0 << QStringList{"", "Name", "Fax Number", "SMS Number"} << 0
                                  << int(Qt::AscendingOrder) << true << QList<int>{64, 210, 210, 210};
    }
    void columnsByKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, headers);
        FolderView list(nullptr, nullptr, kind, 0);
        QCOMPARE(list.columnCount(), headers.size());
        QStringList shown;
        QList<int> widths;
        for (int column = 0; column < list.columnCount(); ++column) {
            shown += list.headerItem()->text(column);
            widths += list.header()->sectionSize(column);
        }
        QCOMPARE(shown, headers);
        if (kind != 0) {
            // A full number in the bold of unread rows fits beside the direction icon; Status gives up
            // what To/From gains, so that the date keeps its room.
            QFont bold = list.font();
            bold.setBold(true);
            const int icon = list.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &list);
            QVERIFY(widths[1] >= QFontMetrics(bold).horizontalAdvance(QStringLiteral("+33600000000")) + icon + 8);
            QCOMPARE(widths[1] + widths[2], 120 + 210);
            widths[1] = widths[2] = -1;
        }
        QTEST(widths, "widths");
        QTEST(list.header()->sortIndicatorSection(), "sortColumn");
        QTEST(int(list.header()->sortIndicatorOrder()), "sortOrder");
        QTEST(list.rootIsDecorated(), "decorated");
        // Sorted by the header, by the list itself rather than by the tree widget's own sorting.
        QVERIFY(list.header()->isSortIndicatorShown());
        QVERIFY(list.header()->sectionsClickable());
        QCOMPARE(list.header()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(list.header()->sectionResizeMode(1), QHeaderView::Interactive);
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(showsImage(list.headerItem()->icon(0), kind == 0 ? ":/images/contacts-name.png" : ":/images/eye.png"));
    }

    void itemActionsFollowTheSelection_data()
    {
        QTest::addColumn<QList<int>>("selected"); // ids of the outbox built by outboxWithEveryKind
        QTest::addColumn<QStringList>("enabled");
        const QString forward = "actionForward", preview = "actionItemPreview", details = "actionItemDetails",
                      move = "actionMovetoFolder", remove = "actionDelete", read = "actionItemMarkAsRead",
                      unread = "actionItemMarkAsUnread";
        QTest::newRow("nothing") << QList<int>{} << QStringList{};
        QTest::newRow("sent fax") << QList<int>{1}
                                  << QStringList{forward, preview, details, move, remove, read, unread};
        QTest::newRow("sent SMS") << QList<int>{2}
                                  << QStringList{forward, preview, details, move, remove, read, unread};
        QTest::newRow("received fax") << QList<int>{3} << QStringList{forward, preview, move, remove, read, unread};
        QTest::newRow("voice message") << QList<int>{4} << QStringList{forward, preview, move, remove, read, unread};
        QTest::newRow("pending fax") << QList<int>{1000} << QStringList{details, remove};
        QTest::newRow("pending e-mail") << QList<int>{1001} << QStringList{details, remove};
        QTest::newRow("two rows") << QList<int>{3, 4} << QStringList{forward, move, remove, read, unread};
    }
    void itemActionsFollowTheSelection()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, enabled);
        for (QAction *action : m_folderMenu->actions())
            action->setEnabled(action->objectName() != QLatin1String("actionFax"));
        auto list = outboxWithEveryKind();
        list->clearSelection();
        for (const int id : selected) {
            QTreeWidgetItem *row = id >= 1000 ? list->findPendingItem(id) : nullptr;
            for (int type = 1; !row && type <= 4; ++type)
                row = list->findItem(id, type);
            row->setSelected(true);
        }
        list->eventRefreshMenu();
        // Send Fax and Send SMS are no business of the list.
        enabled << "actionSMS";
        QStringList actual = enabledActions(*m_folderMenu);
        actual.sort();
        enabled.sort();
        QCOMPARE(actual, enabled);
    }

    void contactActionsFollowTheSelection()
    {
        auto list = contactsList();
        const auto enabledNow = [this] {
            QStringList names = enabledActions(*m_contactMenu);
            names.removeAll("actionFax");
            names.removeAll("actionSMS");
            names.removeAll("actionAddContactGroup");
            names.removeAll("actionAddContact");
            names.removeAll("actionImport");
            names.sort();
            return names;
        };
        list->eventRefreshMenu();
        QCOMPARE(enabledNow(), QStringList());
        selectRows(*list, {{ObjectType::Contact, 3}});
        QCOMPARE(enabledNow(),
                 (QStringList{"actionAddToContacts", "actionDelete", "actionEditContacts", "actionExport"}));
        selectRows(*list, {{ObjectType::Contact, 1}});
        QCOMPARE(enabledNow(), (QStringList{"actionAddToContacts", "actionDelete", "actionExport"}));

        // A selected row that the filter hides does not count.
        list->applyFilter(QStringLiteral("Carl"));
        QCOMPARE(list->countSelected(), 1);
        QCOMPARE(enabledNow(),
                 (QStringList{"actionAddToContacts", "actionDelete", "actionEditContacts", "actionExport"}));
    }

    void emptyingTheListDisablesTheActions()
    {
        auto list = outboxWithEveryKind();
        selectRows(*list, {{1, 1}});
        QVERIFY(menuAction(m_folderMenu.get(), "actionDelete")->isEnabled());
        list->clearItems();
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(!menuAction(m_folderMenu.get(), "actionDelete")->isEnabled());
        QCOMPARE(list->findItem(1, ObjectType::FaxSent), nullptr);
    }

    void hiddenRowsStayOutOfEveryRequest()
    {
        FolderView inbox(nullptr, m_folderMenu.get(), FolderView::InboxList, inboxId);
        inbox.addItem(receivedFax(1, inboxId, aDate, QStringLiteral("+3311")));
        inbox.addItem(receivedFax(2, inboxId, aDate, QStringLiteral("+4422")));
        selectRows(inbox, {{2, 1}, {2, 2}});
        inbox.applyFilter(QStringLiteral("+33"));

        QCOMPARE(inbox.countSelected(), 1);
        QCOMPARE(inbox.firstSelectedRecord()->id, 1);
        std::unique_ptr<BaseObject> copy(inbox.selectedRecordCopy());
        QVERIFY(copy && copy.get() != inbox.firstSelectedRecord());
        QCOMPARE(copy->id, 1);
        QVERIFY(menuAction(m_folderMenu.get(), "actionItemPreview")->isEnabled());
        std::unique_ptr<ObjectsRequest> move(inbox.selectionForMove());
        QCOMPARE(objectsOf(move.get()), (Objects{{2, {1}}}));
        ForwardRequest forward;
        inbox.collectForward(&forward);
        QCOMPARE(forward.entries().size(), 1);
        QCOMPARE(forward.entries().first()->objectid, 1);
        std::unique_ptr<ObjectsRequest> mark(inbox.markRequest());
        QCOMPARE(objectsOf(mark.get()), (Objects{{2, {1}}}));
        QCOMPARE(inbox.selectedItems().size(), 0);
    }

    void deletionRefusesItemsBeingSent_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("sent fax queued on the service") << 0;
        QTest::newRow("sent fax pending locally") << 1;
        QTest::newRow("fax of type 16") << 2;
        QTest::newRow("sent SMS queued on the service") << 3;
        QTest::newRow("sent SMS pending locally") << 4;
        QTest::newRow("pending fax") << 5;
        QTest::newRow("pending SMS") << 6;
        QTest::newRow("pending e-mail forward") << 7;
    }
    void deletionRefusesItemsBeingSent()
    {
        QFETCH(int, kind);
        FolderView outbox(nullptr, m_folderMenu.get(), FolderView::OutboxList, outboxId);
        outbox.addItem(receivedFax(1, outboxId, aDate));
        switch (kind) {
        case 0:
        case 1:
        case 2:
            outbox.addItem(sentFax(2, outboxId, aDate, kind == 0 ? 2 : kind == 1 ? -2 : 1, kind == 2 ? 16 : 0));
            break;
        case 3:
        case 4:
            outbox.addItem(sentSms(2, outboxId, aDate, kind == 3 ? 2 : -2));
            break;
        case 5:
            outbox.addFaxSentItem(pendingFax(2, outboxId));
            break;
        case 6:
            outbox.addSmsSentItem(pendingSms(2, outboxId));
            break;
        default:
            outbox.addEmailItem(pendingEmail(2, outboxId));
        }
        outbox.findItem(1, ObjectType::FaxReceived)->setSelected(true);
        QCOMPARE(outbox.checkDeletion(false).refused, false);
        outbox.selectAll();
        const FolderView::DeletionCheck check = outbox.checkDeletion(false);
        QCOMPARE(check.rows, 2);
        QCOMPARE(check.refused, true);
        QCOMPARE(outbox.countSelected(), 2); // the check changes nothing
    }

    void deletionTakesTheVisibleSelection()
    {
        auto list = outboxWithEveryKind();
        QCOMPARE(list->checkDeletion(false).rows, 0);
        QCOMPARE(list->deletionRequest(), nullptr);

        selectRows(*list, {{1, 1}, {2, 3}});
        QCOMPARE(list->checkDeletion(false).rows, 2);
        std::unique_ptr<ObjectsRequest> request(list->deletionRequest());
        QCOMPARE(objectsOf(request.get()), (Objects{{1, {1}}, {2, {3}}}));
        QCOMPARE(request->taskid, 0);
        QCOMPARE(list->countSelected(), 0);
        QCOMPARE(list->topLevelItemCount(), 6); // the rows go when the main window says so
    }

    void marksTakeSentAndReceivedItemsOnly()
    {
        auto list = outboxWithEveryKind();
        list->selectAll();
        std::unique_ptr<ObjectsRequest> request(list->markRequest());
        QCOMPARE(objectsOf(request.get()), (Objects{{1, {1}}, {2, {3}}, {3, {4}}, {4, {2}}}));
        QCOMPARE(list->countSelected(), 0);

        list->findPendingItem(1000)->setSelected(true);
        list->findPendingItem(1001)->setSelected(true);
        QCOMPARE(list->markRequest(), nullptr);
        QCOMPARE(list->countSelected(), 0);

        // In tree order: newest date first, then by the texts the list sorts by.
        list->selectAll();
        std::unique_ptr<ObjectsRequest> all(list->markRequest());
        QCOMPARE(all->objects.keys(), (QList<int>{1, 2, 3, 4}));
    }

    void outlookContactsLeaveTheListOnly()
    {
        auto list = contactsList();
        selectRows(*list, {{ObjectType::Contact, 3}});
        list->topLevelItem(list->topLevelItemCount() - 1)->setSelected(true); // Eve
        QCOMPARE(list->checkDeletion(false).rows, 2);
        std::unique_ptr<ObjectsRequest> request(list->deletionRequest());
        QCOMPARE(objectsOf(request.get()), (Objects{{6, {3}}}));
        QCOMPARE(list->rowCountText(), QStringLiteral("4")); // Eve went; Carl stays until the task's result
        QList<QStringList> outlook;
        list->selectAll();
        list->selectedOutlookContacts(&outlook);
        QVERIFY(outlook.isEmpty());

        list->clearSelection();
        list->addOutlookContactItem(outlookContact(QStringLiteral("Finn")));
        list->topLevelItem(list->topLevelItemCount() - 1)->setSelected(true);
        QCOMPARE(list->deletionRequest(), nullptr);
        QCOMPARE(list->rowCountText(), QStringLiteral("4"));
    }

    void emptyFolderGoesAlone()
    {
        FolderView folder(nullptr, m_folderMenu.get(), FolderView::UserFolderList, folderId);
        QCOMPARE(folder.checkDeletion(true).rows, 0);
        std::unique_ptr<ObjectsRequest> request(folder.folderDeletionRequest());
        QCOMPARE(objectsOf(request.get()), (Objects{{7, {folderId}}}));
    }

    void folderDeletionCoversRowsTheFilterHides()
    {
        FolderView folder(nullptr, m_folderMenu.get(), FolderView::UserFolderList, folderId);
        folder.addItem(receivedFax(1, folderId, aDate, QStringLiteral("+3311")));
        folder.addItem(receivedFax(2, folderId, aDate, QStringLiteral("+4422")));
        folder.applyFilter(QStringLiteral("+33"));
        QCOMPARE(folder.checkDeletion(true).rows, 2);
        QCOMPARE(folder.checkDeletion(false).rows, 0);
        std::unique_ptr<ObjectsRequest> request(folder.folderDeletionRequest());
        QCOMPARE(objectsOf(request.get()), (Objects{{2, {1, 2}}, {7, {folderId}}}));

        // A hidden item that may not be deleted refuses the folder's deletion too.
        folder.addItem(sentFax(3, folderId, aDate, 2, 0, 1, QStringLiteral("+4455")));
        QVERIFY(folder.findItem(3, ObjectType::FaxSent)->isHidden());
        QCOMPARE(folder.checkDeletion(true).refused, true);
    }

    void exportWritesSelectedContactsAndGroupMembers()
    {
        auto list = contactsList();
        QCOMPARE(list->selectedContactsCsv(), QString());

        selectRows(*list, {{ObjectType::ContactGroup, 10}});
        list->topLevelItem(list->topLevelItemCount() - 1)->setSelected(true); // Eve
        QCOMPARE(list->selectedContactsCsv(), QStringLiteral("Ann;+3311;+3366\r\nBo\u00e9;+3312;\r\nEve;+4930;+4917\r\n"));
    }

    void moveTakesItemsThatMayMove()
    {
        FolderView outbox(nullptr, m_folderMenu.get(), FolderView::OutboxList, outboxId);
        outbox.addItem(sentSms(1, outboxId, aDate, 2));
        outbox.addItem(sentSms(2, outboxId, aDate, -2));
        outbox.addItem(sentFax(3, outboxId, aDate, 2));
        outbox.addFaxSentItem(pendingFax(1000, outboxId));
        outbox.selectAll();
        QCOMPARE(outbox.selectionForMove(), nullptr);

        outbox.addItem(sentSms(4, outboxId, aDate, 1));
        outbox.addItem(voice(5, outboxId, aDate));
        outbox.selectAll();
        std::unique_ptr<ObjectsRequest> request(outbox.selectionForMove());
        QCOMPARE(objectsOf(request.get()), (Objects{{3, {5}}, {4, {4}}}));
        QCOMPARE(outbox.countSelected(), 6); // the selection stays
    }

    void forwardsCarryTheSmsText()
    {
        auto list = outboxWithEveryKind();
        list->selectAll();
        ForwardRequest request;
        list->collectForward(&request);
        QCOMPARE(request.entries().size(), 4);
        QVERIFY(request.hasFax && request.hasSms && request.hasVoice);
        for (const ForwardEntry *entry : request.entries())
            QCOMPARE(entry->label, entry->objecttype == 4 ? QStringLiteral("Hello 2") : QString());

        auto contacts = contactsList();
        contacts->selectAll();
        ForwardRequest none;
        contacts->collectForward(&none);
        QVERIFY(none.isEmpty());
    }

    void contactChoices()
    {
        auto list = contactsList();
        list->addGroupItem(group(11, QStringLiteral("Work")));
        QMap<int, QString> groups;
        int groupId = -1;
        selectRows(*list, {{ObjectType::Contact, 2}});
        list->groupChoices(&groups, &groupId);
        QCOMPARE(groupId, 10);
        QCOMPARE(groups, (QMap<int, QString>{{10, "Friends"}, {11, "Work"}}));
        list->clearSelection();
        selectRows(*list, {{ObjectType::ContactGroup, 11}});
        list->groupChoices(&groups, &groupId);
        QCOMPARE(groupId, 11);
        selectRows(*list, {{ObjectType::Contact, 3}});
        list->groupChoices(&groups, &groupId);
        QCOMPARE(groupId, 0);

        std::unique_ptr<BaseObject> copy(list->selectedContactCopy());
        QCOMPARE(copy, nullptr); // two rows selected
        list->clearSelection();
        selectRows(*list, {{ObjectType::Contact, 3}});
        copy = list->selectedContactCopy();
        QCOMPARE(copy->id, 3);
        auto inbox = outboxWithEveryKind();
        selectRows(*inbox, {{1, 1}});
        QCOMPARE(inbox->selectedContactCopy(), nullptr);

        list->selectAll();
        QList<QStringList> outlook;
        list->selectedOutlookContacts(&outlook);
        QCOMPARE(outlook, (QList<QStringList>{{"Eve", "+4930", "+4917"}}));
    }

    void maintenanceOfRows()
    {
        auto contacts = contactsList();
        QCOMPARE(contacts->rowCountText(), QStringLiteral("5"));
        contacts->removeOutlookContacts();
        QCOMPARE(contacts->rowCountText(), QStringLiteral("4"));

        contacts->replaceGroupId(10, 20);
        QVERIFY(!contacts->findGroupItem(10));
        for (const int member : {1, 2}) {
            const auto *record = static_cast<const qtContactInfo *>(
                CustomQTreeWidgetItem::record(contacts->findItem(member, ObjectType::Contact)));
            QCOMPARE(record->groupid, 20);
        }
        auto local = contact(-1005, 0, QStringLiteral("Dora"));
        local->localid = 1005;
        contacts->addContactItem(std::move(local));
        contacts->replaceContactId(-1005, 44);
        const auto *dora = static_cast<const qtContactInfo *>(
            CustomQTreeWidgetItem::record(contacts->findItem(44, ObjectType::Contact)));
        QCOMPARE(dora->localid, 0);

        contacts->removeContactItem(1);
        contacts->removeGroupItem(20);
        QCOMPARE(contacts->rowCountText(), QStringLiteral("2")); // Carl and Dora
        QCOMPARE(contacts->findItem(2, ObjectType::Contact), nullptr);

        FolderView folder(nullptr, nullptr, FolderView::UserFolderList, -1005);
        FolderView inbox(nullptr, nullptr, FolderView::InboxList, inboxId);
        folder.addItem(receivedFax(1, -1005, aDate));
        inbox.addItem(receivedFax(2, inboxId, aDate));
        folder.changeFolderId(31);
        inbox.changeFolderId(8);
        QCOMPARE(folder.folderId(), 31);
        QCOMPARE(static_cast<BaseForView *>(CustomQTreeWidgetItem::record(folder.topLevelItem(0)))->folderid, 31);
        QCOMPARE(inbox.folderId(), 8);
        QCOMPARE(static_cast<BaseForView *>(CustomQTreeWidgetItem::record(inbox.topLevelItem(0)))->folderid, inboxId);

        folder.applyFilter(QStringLiteral("no such text"));
        inbox.moveItemTo(2, ObjectType::FaxReceived, &folder);
        QCOMPARE(inbox.topLevelItemCount(), 0);
        QTreeWidgetItem *moved = folder.findItem(2, ObjectType::FaxReceived);
        QVERIFY(moved && moved->isHidden());
        QCOMPARE(static_cast<BaseForView *>(CustomQTreeWidgetItem::record(moved))->folderid, 31);
        QVERIFY(!inbox.findItem(2, ObjectType::FaxReceived));
    }

    void pointerAndDoubleClick()
    {
        auto list = outboxWithEveryKind();
        QSignalSpy actions(list.get(), &FolderView::signalAction);
        QTreeWidgetItem *voiceRow = list->findItem(4, ObjectType::VoiceReceived);
        list->eventItemEntered(voiceRow, 0);
        QCOMPARE(list->cursor().shape(), Qt::PointingHandCursor);
        list->eventItemEntered(voiceRow, 1);
        QCOMPARE(list->cursor().shape(), Qt::ArrowCursor);
        list->eventItemEntered(list->findPendingItem(1000), 1);
        QCOMPARE(list->cursor().shape(), Qt::PointingHandCursor);
        list->eventItemLeave();
        QCOMPARE(list->cursor().shape(), Qt::ArrowCursor);

        QAction *details = menuAction(m_folderMenu.get(), "actionItemDetails");
        QSignalSpy detailsShown(details, &QAction::triggered);
        QTreeWidgetItem *smsRow = list->findItem(2, ObjectType::SmsSent);
        details->setEnabled(false);
        list->eventItemDoubleClicked(smsRow, 0);
        QCOMPARE(detailsShown.size(), 0);
        details->setEnabled(true);
        list->eventItemDoubleClicked(smsRow, 0);
        list->eventItemDoubleClicked(smsRow, 3);
        QCOMPARE(detailsShown.size(), 1);
        QCOMPARE(actions.size(), 7);
    }
};

QTEST_MAIN(FolderViewTest)
#include "tst_folderview.moc"
