#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "EntitiesView.h"
#include "FolderView.h"
#include "MenuActions.h"
#include "ViewRecords.h"

#include <QStackedLayout>
#include <QTest>

using namespace ViewRecords;

namespace {

constexpr int listId = 4;
const QString aDate = QStringLiteral("2012-05-09 10:00:00");

// One record of each row kind, keyed by a name the table uses.
std::unique_ptr<BaseObject> recordNamed(const QString &name)
{
    if (name == QLatin1String("sent fax"))
        return sentFax(1, listId, aDate, 1, 0, 1, QStringLiteral("+3311"));
    if (name == QLatin1String("received fax"))
        return receivedFax(2, listId, aDate, QStringLiteral("+44Office"));
    if (name == QLatin1String("anonymous fax"))
        return receivedFax(3, listId, aDate);
    if (name == QLatin1String("voice"))
        return voice(4, listId, aDate, 75);
    if (name == QLatin1String("sms"))
        return sentSms(5, listId, QStringLiteral("2022-02-02 02:02:02"));
    if (name == QLatin1String("pending fax"))
        return pendingFax(1000, listId);
    if (name == QLatin1String("group"))
        return group(10, QStringLiteral("Fax Friends"));
    if (name == QLatin1String("contact"))
        return contact(6, 0, QStringLiteral("Ann"), QStringLiteral("+3312"), QStringLiteral("+3366"));
    return outlookContact(QStringLiteral("Eve"), QStringLiteral("+4930"));
}

QStringList hiddenRows(FolderView &list)
{
    QStringList hidden;
    for (QTreeWidgetItemIterator it(&list); *it; ++it) {
        if ((*it)->isHidden())
            hidden += QString::number(CustomQTreeWidgetItem::record(*it)->id);
    }
    hidden.sort();
    return hidden;
}

} // namespace

// The lists' search filter: what each row kind is found by, and how rows follow the filter.
class FilteringTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void rowsAreFoundByTheirTexts_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("shown");
        QTest::newRow("recipient") << "sent fax" << "+3311" << true;
        QTest::newRow("status, any case") << "sent fax" << "oK" << true;
        QTest::newRow("pages") << "sent fax" << "3" << true;
        QTest::newRow("date as shown") << "sent fax" << "09-05-2012 10" << true;
        QTest::newRow("date as the service gives it") << "sent fax" << "2012-05-09" << false;
        QTest::newRow("parts in their order") << "sent fax" << "\n3\n+3311\nOK" << true;
        QTest::newRow("parts out of their order") << "sent fax" << "OK\n+3311" << false;
        QTest::newRow("sender, any case") << "received fax" << "OFFICE" << true;
        QTest::newRow("no other text") << "received fax" << "Fax" << false;
        QTest::newRow("no sender: asterisks") << "anonymous fax" << "***" << true;
        QTest::newRow("duration") << "voice" << "01:15" << true;
        QTest::newRow("SMS size is not searched") << "sms" << "1" << false;
        QTest::newRow("SMS recipient") << "sms" << "+3366" << true;
        QTest::newRow("pending row, any text") << "pending fax" << "+3311" << false;
        QTest::newRow("group name") << "group" << "fax" << true;
        QTest::newRow("contact SMS number") << "contact" << "+3366" << true;
        QTest::newRow("contact fax number") << "contact" << "+3312" << true;
        QTest::newRow("Outlook contact, any text") << "outlook" << "Eve" << false;
        QTest::newRow("empty filter") << "pending fax" << "" << true;
    }
    void rowsAreFoundByTheirTexts()
    {
        QFETCH(QString, record);
        QFETCH(QString, filter);
        QFETCH(bool, shown);
        std::unique_ptr<BaseObject> shownRecord = recordNamed(record);
        const bool contacts = shownRecord->type >= ObjectType::ContactGroup
            && shownRecord->type != ObjectType::PendingFax;
        FolderView list(nullptr, nullptr, contacts ? FolderView::ContactsList : FolderView::InboxList, listId);
        addRecord(list, std::move(shownRecord));
        list.applyFilter(filter);
        QCOMPARE(!list.topLevelItem(0)->isHidden(), shown);

        // A row added under the filter is filtered at once.
        FolderView later(nullptr, nullptr, contacts ? FolderView::ContactsList : FolderView::InboxList, listId);
        later.applyFilter(filter);
        addRecord(later, recordNamed(record));
        QCOMPARE(!later.topLevelItem(0)->isHidden(), shown);

        // So is a row that waited in a batch, once the batch puts it into the list.
        FolderView batched(nullptr, nullptr, contacts ? FolderView::ContactsList : FolderView::InboxList, listId);
        batched.applyFilter(filter);
        batched.beginRows();
        addRecord(batched, recordNamed(record));
        batched.endRows();
        QCOMPARE(!batched.topLevelItem(0)->isHidden(), shown);
    }

    void membersHideWithTheirGroup()
    {
        FolderView contacts(nullptr, nullptr, FolderView::ContactsList, 0);
        contacts.addGroupItem(group(10, QStringLiteral("Friends")));
        contacts.addContactItem(contact(1, 10, QStringLiteral("Ann")));
        QTreeWidgetItem *ann = contacts.findItem(1, ObjectType::Contact);
        ann->setSelected(true);
        contacts.applyFilter(QStringLiteral("ann"));
        QVERIFY(!ann->isHidden());
        QVERIFY(contacts.findGroupItem(10)->isHidden());
        QCOMPARE(contacts.countSelected(), 0);
        contacts.applyFilter(QStringLiteral("friends"));
        QVERIFY(ann->isHidden());
        QCOMPARE(contacts.countSelected(), 0);
        contacts.clearFilter();
        QCOMPARE(contacts.countSelected(), 1);
    }

    // Each keystroke re-examines only the rows it can change; the outcome is that of a fresh filter.
    void typingAndDeletingMatchAFreshFilter()
    {
        FolderView list(nullptr, nullptr, FolderView::InboxList, listId);
        for (int id = 1; id <= 40; ++id)
            list.addItem(receivedFax(id, listId, aDate, QStringLiteral("+33%1").arg(id * 7)));
        for (const QString &filter : QStringList{"7", "77", "770", "77", "4", "", "1", "+331", "+33"}) {
            list.applyFilter(filter);
            FolderView fresh(nullptr, nullptr, FolderView::InboxList, listId);
            for (int id = 1; id <= 40; ++id)
                fresh.addItem(receivedFax(id, listId, aDate, QStringLiteral("+33%1").arg(id * 7)));
            fresh.applyFilter(filter);
            QCOMPARE(hiddenRows(list), hiddenRows(fresh));
        }
        // A row whose texts change is matched by its new texts.
        list.applyFilter(QStringLiteral("+331"));
        QTreeWidgetItem *row = list.findItem(5, ObjectType::FaxReceived);
        QVERIFY(row->isHidden());
        list.addItem(receivedFax(5, listId, aDate, QStringLiteral("+3313")), row);
        QVERIFY(!row->isHidden());
        // So is every row whose date a new time shift rewrites.
        list.applyFilter(QStringLiteral("09-05-2012 11:00"));
        QVERIFY(row->isHidden());
        list.setTimeShift(3600);
        QVERIFY(!row->isHidden());
    }

    void applyingAFilterRefreshesTheActions()
    {
        auto menu = actionMenu(folderMenuActions);
        FolderView list(nullptr, menu.get(), FolderView::InboxList, listId);
        list.addItem(receivedFax(1, listId, aDate, QStringLiteral("+3311")));
        list.topLevelItem(0)->setSelected(true);
        QVERIFY(menuAction(menu.get(), "actionDelete")->isEnabled());
        list.applyFilter(QStringLiteral("+44"));
        QVERIFY(!menuAction(menu.get(), "actionDelete")->isEnabled());
        list.clearFilter();
        QVERIFY(menuAction(menu.get(), "actionDelete")->isEnabled());
        QVERIFY(!list.topLevelItem(0)->isHidden());
    }

    void onlyTheCurrentListIsFiltered()
    {
        QWidget host;
        auto *stack = new QStackedLayout(&host);
        EntitiesView tree(nullptr, stack, nullptr, nullptr, nullptr);
        tree.setInboxOutboxIds(1, 2);
        tree.addOrUpdateItem(*receivedFax(1, 1, aDate, QStringLiteral("+3311")));
        tree.addOrUpdateItem(*sentFax(2, 2, aDate));
        tree.applyFilter(QStringLiteral("nothing like it"));
        QVERIFY(tree.viewByFolderId(1)->topLevelItem(0)->isHidden());
        QVERIFY(!tree.viewByFolderId(2)->topLevelItem(0)->isHidden());
        tree.clearFilter();
        QVERIFY(!tree.viewByFolderId(1)->topLevelItem(0)->isHidden());
    }
};

QTEST_MAIN(FilteringTest)
#include "tst_filtering.moc"
