#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "FolderView.h"
#include "ItemTexts.h"
#include "ObjectsRequest.h"
#include "TextHelpers.h"
#include "Utils.h"
#include "ViewRecords.h"

#include <QHeaderView>
#include <QTest>
#include <QTranslator>

using namespace ViewRecords;

namespace {

constexpr int inboxId = 7;

// Records that count their living instances, to show who releases them.
template <typename Record> struct Counted : Record
{
    template <typename... Args> explicit Counted(Args... args) : Record(args...) { ++alive; }
    ~Counted() override { --alive; }
    static int alive;
};
template <typename Record> int Counted<Record>::alive = 0;

using CountedFax = Counted<qtFAXReceivedInfo>;
using CountedContact = Counted<qtContactInfo>;
using CountedPending = Counted<FAXSentInfoRegister>;

QStringList columnTexts(const QTreeWidgetItem *row)
{
    return {row->text(1), row->text(2), row->text(3), row->text(4)};
}

// A list that tells the height a row asks for when it is measured on its own.
class MeasuredList : public FolderView
{
public:
    using FolderView::FolderView;
    int ownHeight(QTreeWidgetItem *row) const { return indexRowSizeHint(indexFromItem(row)); }
};

} // namespace

// The rows of every record kind, the pending Outbox rows, read marks, the time shift, the sort order and
// who releases the records.
class ItemRowsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup()
    {
        QVERIFY(m_fixture->prompts.boxes.isEmpty());
        m_fixture.reset();
    }

    void rowTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("directionIcon");

        const QString date = QStringLiteral("09-05-2012 10:00:00");
        const QString sent = statusText(1);
        const QString local = statusText(-2);
        const QString registering = Utils::tr("registering");
        const QString outbox = QStringLiteral(":/images/folder_outbox.png");
        const QString inbox = QStringLiteral(":/images/folder_inbox.png");
        QTest::newRow("sent fax") << "fax 0" << QStringList{"+3311", sent, "3", date} << ":/images/list_fax.png"
                                  << outbox;
        QTest::newRow("merged fax") << "fax 13" << QStringList{"+3311", sent, "3", date} << ":/images/merge.png"
                                    << outbox;
        QTest::newRow("authorized fax") << "fax 16" << QStringList{"+3311", sent, "3", date}
                                        << ":/images/list_authorized.png" << outbox;
        for (const char *type : {"14", "15", "17"})
            QTest::addRow("cover-page fax %s", type) << QStringLiteral("fax %1").arg(type)
                                                     << QStringList{"+3311", sent, "3", date}
                                                     << ":/images/cover-page.png" << outbox;
        QTest::newRow("fax to three") << "fax to three"
                                      << QStringList{QStringLiteral("3") + Utils::tr(" recipients"), sent, "3", date}
                                      << ":/images/list_fax.png" << outbox;
        QTest::newRow("received fax without sender") << "received" << QStringList{"************", "", "2", date}
                                                     << ":/images/list_fax.png" << inbox;
        QTest::newRow("voice message of 75 s") << "voice" << QStringList{"+3399", "", "01:15", date}
                                               << ":/images/voice-mail.png" << inbox;
        QTest::newRow("sent SMS") << "sms" << QStringList{"+3366", sent, "1", date} << ":/images/list_sms.png"
                                  << outbox;
        QTest::newRow("pending fax") << "pending fax" << QStringList{"+3311", local, "0", registering}
                                     << ":/images/list_fax.png" << outbox;
        QTest::newRow("pending SMS") << "pending sms" << QStringList{"+3366", local, "1", registering}
                                     << ":/images/list_sms.png" << outbox;
        QTest::newRow("pending e-mail") << "pending email" << QStringList{"ann@example.org", local, "", registering}
                                        << ":/images/email.png" << outbox;
    }
    void rowTexts()
    {
        QFETCH(QString, kind);
        const QString date = QStringLiteral("2012-05-09 10:00:00");
        std::unique_ptr<BaseObject> record;
        if (kind.startsWith(QLatin1String("fax ")) && kind != QLatin1String("fax to three"))
            record = sentFax(1, 0, date, 1, kind.mid(4).toInt());
        else if (kind == QLatin1String("fax to three"))
            record = sentFax(1, 0, date, 1, 0, 3);
        else if (kind == QLatin1String("received"))
            record = receivedFax(1, 0, date);
        else if (kind == QLatin1String("voice"))
            record = voice(1, 0, date, 75);
        else if (kind == QLatin1String("sms"))
            record = sentSms(1, 0, date);
        else if (kind == QLatin1String("pending fax"))
            record = pendingFax(1000, 0);
        else if (kind == QLatin1String("pending sms"))
            record = pendingSms(1000, 0);
        else
            record = pendingEmail(1000, 0);

        const BaseObject *shown = record.get();
        FolderView list(nullptr, nullptr, FolderView::OutboxList, 0);
        addRecord(list, std::move(record));
        QCOMPARE(list.topLevelItemCount(), 1);
        const QTreeWidgetItem *row = list.topLevelItem(0);
        QTEST(columnTexts(row), "texts");
        QFETCH(QString, icon);
        QFETCH(QString, directionIcon);
        QVERIFY(showsImage(row->icon(0), icon));
        QVERIFY(showsImage(row->icon(1), directionIcon));
        QCOMPARE(CustomQTreeWidgetItem::record(row), shown);
    }

    void otherRecordsAreReleasedAndNotShown()
    {
        FolderView list(nullptr, nullptr, FolderView::InboxList, inboxId);
        list.addItem(std::make_unique<CountedContact>(5, 0));
        list.addItem(nullptr);
        QCOMPARE(list.topLevelItemCount(), 0);
        QCOMPARE(CountedContact::alive, 0);
    }

    void pendingRowLifeCycle()
    {
        FolderView outbox(nullptr, nullptr, FolderView::OutboxList, 2);
        outbox.addFaxSentItem(pendingFax(1000, 2));
        outbox.addSmsSentItem(pendingSms(1001, 2));
        outbox.addEmailItem(pendingEmail(1002, 2));
        QTreeWidgetItem *fax = outbox.findPendingItem(1000);
        QVERIFY(fax);

        outbox.confirmPendingItem(1000, 555, 2);
        QCOMPARE(outbox.findPendingItem(1000), nullptr);
        QCOMPARE(outbox.findPendingItem(555), fax);
        QCOMPARE(columnTexts(fax), (QStringList{"+3311", statusText(2), "0", statusText(2)}));

        outbox.setPendingStatus(555, 5);
        QCOMPARE(fax->text(2), statusText(5));
        QCOMPARE(fax->text(4), statusText(0));
        outbox.setPendingStatus(555, 1);
        QCOMPARE(fax->text(4), statusText(1));
        outbox.confirmPendingItem(4242, 1, 1); // no such task: nothing happens

        outbox.queuePendingItem(fax, 556);
        const auto *queued = static_cast<const qtFAXSentInfo *>(CustomQTreeWidgetItem::record(fax));
        QCOMPARE(queued->type, int(ObjectType::FaxSent));
        QCOMPARE(queued->id, 556);
        QCOMPARE(queued->sentstatus, 2);
        QCOMPARE(fax->text(2), statusText(2));
        QCOMPARE(outbox.findItem(556, ObjectType::FaxSent), fax);
        QCOMPARE(outbox.findPendingItem(555), nullptr);

        QTreeWidgetItem *sms = outbox.findPendingItem(1001);
        outbox.queuePendingItem(sms, 557);
        QCOMPARE(CustomQTreeWidgetItem::record(sms)->type, int(ObjectType::SmsSent));
        QCOMPARE(static_cast<const qtSMSSentInfo *>(CustomQTreeWidgetItem::record(sms))->content,
                 QStringLiteral("Soon"));

        QTreeWidgetItem *email = outbox.findPendingItem(1002);
        outbox.queuePendingItem(email, 558);
        QCOMPARE(CustomQTreeWidgetItem::record(email)->type, int(ObjectType::PendingEmail));
        QCOMPARE(email->text(2), statusText(1));
        QCOMPARE(email->text(4), statusText(1));

        // A row that is no pending row stays as it is.
        outbox.queuePendingItem(fax, 999);
        QCOMPARE(CustomQTreeWidgetItem::record(fax)->id, 556);
    }

    void unreadRowsAreBoldUntilRead()
    {
        FolderView inbox(nullptr, nullptr, FolderView::InboxList, inboxId);
        inbox.addItem(receivedFax(1, inboxId, QStringLiteral("2012-05-09 10:00:00"), QString(), 0));
        QTreeWidgetItem *row = inbox.topLevelItem(0);
        QVERIFY(!row->font(0).bold());
        for (int column = 1; column <= 4; ++column)
            QVERIFY(row->font(column).bold());

        ObjectsRequest request;
        request.objects[ObjectType::FaxReceived] = {1, 99};
        request.objects[ObjectType::Contact] = {1};
        inbox.setReadStatus(request, true);
        for (int column = 0; column <= 4; ++column)
            QVERIFY(!row->font(column).bold());
        inbox.setReadStatus(request, false);
        QVERIFY(row->font(2).bold());
    }

    void contactsAreNeverBold()
    {
        FolderView contacts(nullptr, nullptr, FolderView::ContactsList, 0);
        contacts.addContactItem(contact(1, 0, QStringLiteral("Ann")));
        contacts.setItemFont(contacts.topLevelItem(0));
        QVERIFY(!contacts.topLevelItem(0)->font(1).bold());
    }

    void timeShiftMovesTheDates()
    {
        FolderView inbox(nullptr, nullptr, FolderView::InboxList, inboxId);
        inbox.addItem(receivedFax(1, inboxId, QStringLiteral("2012-05-09 10:00:00")));
        QTreeWidgetItem *row = inbox.topLevelItem(0);
        inbox.setTimeShift(3600);
        QCOMPARE(row->text(4), QStringLiteral("09-05-2012 11:00:00"));
        QCOMPARE(itemDateKey(CustomQTreeWidgetItem::record(row)), QStringLiteral("2012-05-09 11:00:00"));

        // The same shift again changes nothing, not even a date that changed behind the list's back.
        static_cast<BaseForView *>(CustomQTreeWidgetItem::record(row))->date = QStringLiteral("2013-01-01 00:00:00");
        inbox.setTimeShift(3600);
        QCOMPARE(row->text(4), QStringLiteral("09-05-2012 11:00:00"));
        inbox.setTimeShift(0);
        QCOMPARE(row->text(4), QStringLiteral("01-01-2013 00:00:00"));
    }

    void contactsSortByKindThenName()
    {
        FolderView contacts(nullptr, nullptr, FolderView::ContactsList, 0);
        contacts.addOutlookContactItem(outlookContact(QStringLiteral("Aaron")));
        contacts.addContactItem(contact(1, 0, QStringLiteral("Bob")));
        contacts.addContactItem(contact(2, 0, QStringLiteral("adam")));
        contacts.addGroupItem(group(9, QStringLiteral("Zeta")));
        QStringList names;
        for (int top = 0; top < contacts.topLevelItemCount(); ++top)
            names += contacts.topLevelItem(top)->text(1);
        QCOMPARE(names, (QStringList{"Zeta", "adam", "Bob", "Aaron"}));
        QCOMPARE(itemSortKey(CustomQTreeWidgetItem::record(contacts.topLevelItem(0))),
                 QStringLiteral("           5Zeta"));
    }

    void datesSortWithMarkersFirstAndEmptyKeysLast()
    {
        FolderView outbox(nullptr, nullptr, FolderView::OutboxList, 2);
        outbox.addItem(sentFax(1, 2, QStringLiteral("2012-05-09 10:00:00")));
        outbox.addItem(sentFax(2, 2, QStringLiteral("2013-05-09 10:00:00")));
        outbox.addItem(sentFax(3, 2, QStringLiteral("not a date")));
        outbox.addFaxSentItem(pendingFax(1000, 2)); // registering: empty key
        outbox.addItem(sentSms(4, 2, QStringLiteral("IQ"), 2));
        QList<int> order;
        for (int top = 0; top < outbox.topLevelItemCount(); ++top)
            order += CustomQTreeWidgetItem::record(outbox.topLevelItem(top))->id;
        QCOMPARE(order.mid(0, 3), (QList<int>{4, 2, 1}));
        QVERIFY(order.mid(3).contains(3) && order.mid(3).contains(1000));
        QCOMPARE(outbox.sortColumn(), 4);
    }

    // Rows added one by one, in batches, updated or moved keep the list in the order of its header, for
    // any column the user sorts by; Qt's own sort of the result changes nothing.
    void rowsKeepTheOrderOfTheHeader_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::newRow("date, newest first") << 4 << int(Qt::DescendingOrder);
        QTest::newRow("date, oldest first") << 4 << int(Qt::AscendingOrder);
        QTest::newRow("kind and party") << 0 << int(Qt::AscendingOrder);
        QTest::newRow("to/from") << 1 << int(Qt::AscendingOrder);
        QTest::newRow("size, largest first") << 3 << int(Qt::DescendingOrder);
    }

    void rowsKeepTheOrderOfTheHeader()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        FolderView outbox(nullptr, nullptr, FolderView::OutboxList, 2);
        const auto idsInOrder = [&outbox] {
            QList<int> ids;
            for (int top = 0; top < outbox.topLevelItemCount(); ++top)
                ids += CustomQTreeWidgetItem::record(outbox.topLevelItem(top))->id;
            return ids;
        };
        const auto date = [](int n) { return QStringLiteral("2012-05-%1 10:00:00").arg(1 + n * 7 % 28, 2, 10, QLatin1Char('0')); };
        // The header sorts the list as a click on it would.
        outbox.header()->setSortIndicator(column, Qt::SortOrder(order));
        for (int n = 0; n < 5; ++n)
            outbox.addItem(sentFax(n + 1, 2, date(n), 1, 0, 1 + n % 3, QStringLiteral("+33%1").arg(n * 37 % 11)));
        outbox.addFaxSentItem(pendingFax(1000, 2));
        outbox.beginRows();
        for (int n = 5; n < 40; ++n)
            outbox.addItem(n % 2 ? std::unique_ptr<BaseObject>(sentSms(n + 1, 2, date(n)))
                                 : sentFax(n + 1, 2, date(n), 1, 0, 1, QStringLiteral("+33%1").arg(n * 37 % 11)));
        // A row of the open batch updated before it is in the list.
        outbox.addItem(sentFax(7, 2, date(40)), outbox.findItem(7, ObjectType::FaxSent));
        QCOMPARE(outbox.rowCountText(), QStringLiteral("41"));
        outbox.endRows();
        QCOMPARE(outbox.topLevelItemCount(), 41);
        const QList<int> inserted = idsInOrder();
        outbox.sortItems(column, Qt::SortOrder(order));
        QCOMPARE(inserted, idsInOrder());

        // A row that changes its date and kind moves, and stays selected.
        QTreeWidgetItem *pending = outbox.findPendingItem(1000);
        pending->setSelected(true);
        outbox.confirmPendingItem(1000, 900, 2);
        outbox.queuePendingItem(pending, 900);
        outbox.addItem(sentFax(3, 2, QStringLiteral("2011-01-01 00:00:00")), outbox.findItem(3, ObjectType::FaxSent));
        QVERIFY(pending->isSelected());

        const QList<int> kept = idsInOrder();
        outbox.sortItems(column, Qt::SortOrder(order));
        QCOMPARE(kept, idsInOrder());
        QCOMPARE(outbox.header()->sortIndicatorSection(), column);
    }

    void contactRowsFollowTheirGroup()
    {
        FolderView contacts(nullptr, nullptr, FolderView::ContactsList, 0);
        contacts.addGroupItem(group(10, QStringLiteral("Friends")));
        contacts.addGroupItem(group(11, QStringLiteral("Work")));
        contacts.addContactItem(contact(1, 10, QStringLiteral("Ann"), QStringLiteral("+3311")));
        QTreeWidgetItem *row = contacts.findItem(1, ObjectType::Contact);
        QCOMPARE(row->parent(), contacts.findGroupItem(10));

        contacts.addContactItem(contact(1, 11, QStringLiteral("Ann B"), QStringLiteral("+3312")));
        QCOMPARE(contacts.findItem(1, ObjectType::Contact), row);
        QCOMPARE(row->parent(), contacts.findGroupItem(11));
        QCOMPARE(row->text(1), QStringLiteral("Ann B"));
        QCOMPARE(row->text(2), QStringLiteral("+3312"));

        // A group that has no row: the contact is not shown and its old row stays as it was.
        auto lost = std::make_unique<CountedContact>(1, 0);
        lost->groupid = 12;
        contacts.addContactItem(std::move(lost));
        QCOMPARE(CountedContact::alive, 0);
        QCOMPARE(row->parent(), contacts.findGroupItem(11));
        QCOMPARE(row->text(1), QStringLiteral("Ann B"));

        contacts.addContactItem(contact(1, 0, QStringLiteral("Ann C")));
        QVERIFY(!row->parent());
        QCOMPARE(contacts.indexOfTopLevelItem(row) >= 0, true);

        contacts.addGroupItem(group(11, QStringLiteral("Office")));
        QCOMPARE(contacts.findGroupItem(11)->text(1), QStringLiteral("Office"));
        QCOMPARE(contacts.topLevelItemCount(), 3);
    }

    void rowsShowAtTheirOwnHeight_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *code : {"en", "fr", "it", "es", "de", "ro", "ru"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void rowsShowAtTheirOwnHeight()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/lang/lang_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        // Every kind of row, plain and bold; the list shows them all at one height.
        MeasuredList outbox(nullptr, nullptr, FolderView::OutboxList, 2);
        outbox.resize(900, 400);
        outbox.addItem(receivedFax(1, 2, QStringLiteral("2012-05-09 10:00:00"), QString(), 0));
        outbox.addItem(voice(2, 2, QStringLiteral("2012-05-09 11:00:00")));
        outbox.addItem(sentFax(3, 2, QStringLiteral("2012-05-09 12:00:00"), 2, 13, 3));
        outbox.addItem(sentSms(4, 2, QStringLiteral("2012-05-09 13:00:00"), -2));
        outbox.addFaxSentItem(pendingFax(1001, 2));
        outbox.addEmailItem(pendingEmail(1002, 2));
        outbox.retranslate();
        outbox.show();
        QVERIFY(QTest::qWaitForWindowExposed(&outbox));
        QCoreApplication::removeTranslator(&translator);

        for (int top = 0; top < outbox.topLevelItemCount(); ++top) {
            QTreeWidgetItem *row = outbox.topLevelItem(top);
            QCOMPARE(outbox.visualItemRect(row).height(), outbox.ownHeight(row));
        }
    }

    void rowsReleaseTheirRecords()
    {
        {
            FolderView inbox(nullptr, nullptr, FolderView::InboxList, inboxId);
            inbox.addFaxReceivedItem(std::make_unique<CountedFax>(1, 1));
            QTreeWidgetItem *row = inbox.topLevelItem(0);
            inbox.addFaxReceivedItem(std::make_unique<CountedFax>(1, 0), row);
            QCOMPARE(CountedFax::alive, 1);
            QCOMPARE(inbox.topLevelItemCount(), 1);
            inbox.removeItem(row);
            QCOMPARE(CountedFax::alive, 0);

            inbox.addFaxReceivedItem(std::make_unique<CountedFax>(2, 1));
            inbox.addFaxReceivedItem(std::make_unique<CountedFax>(3, 1));
            inbox.clearItems();
            QCOMPARE(CountedFax::alive, 0);
            inbox.addFaxReceivedItem(std::make_unique<CountedFax>(4, 1));
        }
        QCOMPARE(CountedFax::alive, 0); // a list destroyed with rows releases them too

        FolderView contacts(nullptr, nullptr, FolderView::ContactsList, 0);
        // The second is copied into the shown record, then released.
        contacts.addContactItem(std::make_unique<CountedContact>(1, 0));
        contacts.addContactItem(std::make_unique<CountedContact>(1, 0));
        QCOMPARE(CountedContact::alive, 1);

        FolderView outbox(nullptr, nullptr, FolderView::OutboxList, 2);
        auto pending = std::make_unique<CountedPending>();
        pending->id = 1000;
        outbox.addFaxSentItem(std::move(pending));
        outbox.queuePendingItem(outbox.topLevelItem(0), 5);
        QCOMPARE(CountedPending::alive, 0);
    }
};

QTEST_MAIN(ItemRowsTest)
#include "tst_itemrows.moc"
